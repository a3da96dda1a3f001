// State of the setup file commands, and what they need to know about the vehicle and the
// setting sliders. No window is touched here.
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "files/SetupFileContext.hpp"
#include "core/SliderRanges.hpp"

namespace files {
namespace {


SetupSliderRange RangeOf(const core::SliderDesign& d) { return {d.min, d.max}; }

}  // namespace

SetupFileState& SetupFile() {
    static SetupFileState state;
    return state;
}

SetupSliderRanges ProgramSetupSliderRanges() {
    namespace d = core::design;
    SetupSliderRanges r;
    r.BrakeMaxTorque = RangeOf(d::BrakeMaxTorque);
    r.BrakeBalance = RangeOf(d::BrakeBalance);
    r.EBR = RangeOf(d::EBR);
    r.TCSlipRatio = RangeOf(d::TCSlipRatio);
    r.TCSlipSpeed = RangeOf(d::TCSlipSpeed);
    r.SpringTravel = RangeOf(d::SuspSpringTravel);
    r.SpringStiffness = RangeOf(d::SuspSpringStiffness);
    r.BumpDamp = RangeOf(d::SuspBumpDamp);
    r.ReboundDamp = RangeOf(d::SuspReboundDamp);
    r.ARBStiffness = RangeOf(d::SuspARBStiffness);
    r.SteerToe = RangeOf(d::SteerToe);
    r.SteerCasterFront = RangeOf(d::SteerCasterFront);
    r.SteerCasterRear = RangeOf(d::SteerCasterRear);
    r.SteerAckermann = RangeOf(d::SteerAckermann);
    r.SteerLock = {d::SteerLock.min, core::kProgramMaxSteerLock};
    r.TyrePressureFront = RangeOf(d::TyrePressureFront);
    r.TyrePressureRear = RangeOf(d::TyrePressureRear);
    r.TyreCamber = RangeOf(d::TyreCamber);
    r.WingAngleFront = RangeOf(d::WingAngleFront);
    r.WingAngleRear = RangeOf(d::WingAngleRear);
    r.HandicapIntake = RangeOf(d::HandicapIntake);
    r.HandicapMass = RangeOf(d::HandicapMass);
    r.HandicapMassPos = RangeOf(d::HandicapMassPos);
    r.DiffLocking = RangeOf(d::DiffLocking);
    r.ViscousTorque = RangeOf(d::ViscousTorque);
    r.DiffPreLoad = RangeOf(d::DiffPreLoad);
    r.TorqueSplitCentre = RangeOf(d::TorqueSplitCentre);
    return r;
}

SetupVehicleContext SetupReadContext(const vehicle::VehicleRecord& target) {
    SetupVehicleContext c;
    c.LFSMode = core::FromVbBool(core::OptionsSettings().LFSMode);
    const int row = core::FindLFSCarByName(target.Name);
    c.HasLFSCar = row >= 0;
    if (c.HasLFSCar) c.Car = core::LFSCarTable().LFSCars[static_cast<std::size_t>(row)];
    return c;
}

SetupVehicleContext SetupWriteContext() {
    const auto& g = core::GlobalChassisLab();
    SetupVehicleContext c;
    c.LFSMode = core::FromVbBool(core::OptionsSettings().LFSMode);
    c.HasLFSCar = core::FromVbBool(g.HasLFSCar);
    c.Car = g.CurrentLFSCar;
    const vehicle::DrivetrainSpec& dt = g.CurrentVehicle.Drivetrain;
    if (dt.DriveType != vehicle::kDriveThrust) {
        for (int gear = 1; gear <= dt.NumGears && gear < kFinalDrive; ++gear)
            c.GearInUse[static_cast<std::size_t>(gear)] = true;
        c.GearInUse[kFinalDrive] = true;
        c.GearInUse[kReverseGear] = core::FromVbBool(dt.HasReverse);
    }
    return c;
}

}  // namespace files
