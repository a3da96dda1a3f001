#include "ui/main/inputs/SetupReaders_Chassis.hpp"

#include "core/Numbers.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {

vehicle::TyreSetupInputs ReadTyreSetupInputs(const Main& form) {
    vehicle::TyreSetupInputs in;
    for (int i = 0; i < 4; ++i) in.PressureKPa[i] = form.Set_TyrePressure(i).Value();
    return in;
}

vehicle::LiveTyreInputs ReadLiveTyreInputs(const Main& form) {
    vehicle::LiveTyreInputs in;
    in.TemperatureC[0] = form.Live_TyreTemp(0).Value();
    in.TemperatureC[1] = form.Live_TyreTemp(1).Value();
    in.WearPercent = form.Live_TyreWear->Value();
    return in;
}

vehicle::AeroSetupInputs ReadAeroSetupInputs(const Main& form) {
    vehicle::AeroSetupInputs in;
    in.FrontWingAngle = core::CByte(form.Set_AeroWingAngle(0).Value());
    in.RearWingAngle = core::CByte(form.Set_AeroWingAngle(1).Value());
    return in;
}

analysis::MassInputs ReadMassInputs(const Main& form) {
    analysis::MassInputs in;
    in.HandicapMass = form.Set_HandicapMass->Value();
    in.HandicapPosPercent = form.Set_HandicapMassPos->Value();
    for (int s = 0; s < 4; ++s) in.PassengerTypes[s] = form.Set_Pass(s).Text();
    in.FuelLoadLitres = form.Live_FuelLoad->Value();
    return in;
}

}  // namespace ui
