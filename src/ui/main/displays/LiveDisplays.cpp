#include "ui/main/displays/LiveDisplays.hpp"

#include <algorithm>
#include <cstddef>

#include "analysis/DecelerationCode.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleDataDisplay.hpp"
#include "ui/main/displays/CaptionWriter.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/SetupReaders_Chassis.hpp"
#include "ui/main/inputs/SetupReaders_Suspension.hpp"

namespace ui {

LiveDisplaysState& LiveDisplays() {
    static LiveDisplaysState state;
    return state;
}

analysis::LiveStateInputs ReadLiveStateInputs(const Main& form) {
    analysis::LiveStateInputs in;
    in.SpeedMs = form.Live_Speed->Value();
    in.ThrottlePercent = form.Live_Throttle->Value();
    in.BrakePercent = form.Live_Brake->Value();
    in.ABS = form.Set_ABS->Value() != 0;
    in.TractionControl = form.Set_TC->Value() != 0;
    in.Wings = ReadAeroSetupInputs(form);
    in.Suspension = ReadSuspensionSetupInputs(form);
    in.Steering = ReadSteeringSetupInputs(form);
    in.LiveSteering = ReadLiveSteeringInputs(form);
    in.TyreSetup = ReadTyreSetupInputs(form);
    in.LiveTyres = ReadLiveTyreInputs(form);
    return in;
}

void ShowPhysicalAnalysis(Main& form) {
    analysis::PhysicalCaptionInputs in;
    in.HandicapIntake = form.Set_HandicapIntake->Value();
    in.HandicapMass = form.Set_HandicapMass->Value();
    in.HandicapMassPos = form.Set_HandicapMassPos->Value();
    auto& captions = LiveDisplays().Captions;
    analysis::PhysicalAnalysisCaptions(in, captions);
    WriteCaptions(form, captions);
}

void ShowLiveAnalysis(Main& form) {
    analysis::LiveCaptionInputs in;
    in.ThrottlePercent = form.Live_Throttle->Value();
    in.BrakePercent = form.Live_Brake->Value();
    auto& captions = LiveDisplays().Captions;
    analysis::LiveAnalysisCaptions(in, captions);
    WriteCaptions(form, captions);
}

void ShowVehicleData(Main& form) {
    const vehicle::VehicleDataCaptions data = vehicle::BuildVehicleDataCaptions();
    const auto split = data.Captions.begin() +
                       static_cast<std::ptrdiff_t>(std::min(data.FuelMaxAfter, data.Captions.size()));
    WriteCaptions(form, std::vector<core::Caption>(data.Captions.begin(), split));
    form.Live_FuelLoad->SetMax(data.FuelLoadMax);
    WriteCaptions(form, std::vector<core::Caption>(split, data.Captions.end()));
}

void AnalyseLiveState(Main& form, analysis::LiveStateLinks links) {
    if (!links.ShowLiveAnalysis) links.ShowLiveAnalysis = [&form] { ShowLiveAnalysis(form); };
    analysis::AnalyseLiveState(ReadLiveStateInputs(form), links);
}

}  // namespace ui
