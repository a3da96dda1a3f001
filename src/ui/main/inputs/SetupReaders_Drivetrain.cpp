#include "ui/main/inputs/SetupReaders_Drivetrain.hpp"

#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/CommittedInputs.hpp"

namespace ui {

vehicle::GearingInputs ReadGearingInputs(const Main& form) {
    vehicle::GearingInputs in;
    for (int g = 0; g < 9; ++g) in.GearRatioText[g] = CommittedGearRatioText(form, g);
    in.TorqueSplitCentre = form.Set_GearingTorqueSplitCentre->Value();
    in.LiveSpeed = form.Live_Speed->Value();
    return in;
}

vehicle::DiffInputs ReadDiffInputs(const Main& form) {
    vehicle::DiffInputs in;
    for (int i = 0; i < 3; ++i) {
        in.DiffType[i] = form.Set_GearingDiffType(i).Text();
        in.ViscousTorque[i] = form.Set_GearingViscousTorque(i).Value();
    }
    for (int i = 0; i < 2; ++i) {
        in.PowerLocking[i] = form.Set_GearingDiffPowerLocking(i).Value();
        in.CoastLocking[i] = form.Set_GearingDiffCoastLocking(i).Value();
        in.PreLoad[i] = form.Set_GearingDiffPreLoad(i).Value();
    }
    return in;
}

}  // namespace ui
