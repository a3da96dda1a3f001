#include "ui/main/inputs/SetupReaders_Suspension.hpp"

#include "ui/main/form/Main.hpp"

namespace ui {

analysis::SuspensionSetupInputs ReadSuspensionSetupInputs(const Main& form) {
    analysis::SuspensionSetupInputs in;
    for (int a = 0; a < 2; ++a) {
        in.SpringTravelMm[a] = form.Set_SuspSpringTravel(a).Value();
        in.SpringStiffness[a] = form.Set_SuspSpringStiffness(a).Value();
        in.BumpDamp[a] = form.Set_SuspBumpDamp(a).Value();
        in.ReboundDamp[a] = form.Set_SuspReboundDamp(a).Value();
        in.ARBStiffness[a] = form.Set_SuspARBStiffness(a).Value();
    }
    return in;
}

analysis::SteeringSetupInputs ReadSteeringSetupInputs(const Main& form) {
    analysis::SteeringSetupInputs in;
    for (int a = 0; a < 2; ++a) {
        in.Toe[a] = form.Set_SteerToe(a).Value();
        in.Caster[a] = form.Set_SteerCaster(a).Value();
    }
    in.Ackermann = form.Set_SteerAckermann->Value();
    in.Lock = form.Set_SteerLock->Value();
    for (int i = 0; i < 4; ++i) in.Camber[i] = form.Set_TyreCamber(i).Value();
    return in;
}

analysis::LiveSteeringInputs ReadLiveSteeringInputs(const Main& form) {
    analysis::LiveSteeringInputs in;
    in.SteeringAngle = form.Live_SteeringAngle->Value();
    return in;
}

}  // namespace ui
