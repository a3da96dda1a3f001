#include "files/SetupAdjustments.hpp"

#include <algorithm>
#include <cmath>

#include "core/Numbers.hpp"

namespace files {

namespace {

class Collector {
public:
    Collector(const SetupControlValues& a, const SetupControlValues& b) : a_(a), b_(b) {}

    template <typename T>
    void Same(const T SetupControlValues::*field, const char* name) {
        if (a_.*field != b_.*field) Add(name);
    }
    template <typename T, std::size_t N>
    void Each(const std::array<T, N> SetupControlValues::*field, const char* const (&names)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            if ((a_.*field)[i] != (b_.*field)[i]) Add(names[i]);
    }
    void Ratio(std::size_t gear, const char* name) {
        const double want = core::Val(a_.GearRatioText[gear]);
        const double got = core::Val(b_.GearRatioText[gear]);
        if (!(std::fabs(want - got) < 0.0005)) Add(name);
    }
    void Add(const char* name) {
        if (std::find(names_.begin(), names_.end(), name) == names_.end()) names_.push_back(name);
    }
    std::vector<std::string> Take() { return std::move(names_); }

private:
    const SetupControlValues& a_;
    const SetupControlValues& b_;
    std::vector<std::string> names_;
};

}  // namespace

std::vector<std::string> AdjustedSetupFields(const SetupControlValues& fromFile,
                                             const SetupControlValues& shown) {
    using V = SetupControlValues;
    Collector c(fromFile, shown);
    c.Same(&V::BrakeBalance, "brake balance");
    c.Same(&V::BrakeMaxTorque, "brake strength");
    c.Same(&V::ABS, "ABS");
    c.Same(&V::TC, "traction control");
    c.Same(&V::TCSlipRatio, "traction control slip ratio");
    c.Same(&V::TCSlipSpeed, "traction control slip speed");
    c.Same(&V::EBR, "engine brake reduction");
    c.Each(&V::SpringTravel, {"front spring travel", "rear spring travel"});
    c.Each(&V::SpringStiffness, {"front spring stiffness", "rear spring stiffness"});
    c.Each(&V::BumpDamp, {"front bump damping", "rear bump damping"});
    c.Each(&V::ReboundDamp, {"front rebound damping", "rear rebound damping"});
    c.Each(&V::ARBStiffness, {"front anti-roll bar", "rear anti-roll bar"});
    c.Each(&V::SteerToe, {"front toe", "rear toe"});
    c.Each(&V::SteerCaster, {"front caster", "rear caster"});
    c.Same(&V::SteerAckermann, "Ackermann");
    c.Same(&V::SteerLock, "steering lock");
    if (fromFile.MiscConfig == 0 || fromFile.MiscConfig == 1) c.Same(&V::MiscConfig, "configuration");
    c.Each(&V::Passengers, {"front passenger", "rear left passenger", "rear middle passenger",
                            "rear right passenger"});
    if (!fromFile.ReverseSlider) c.Ratio(kReverseGear, "reverse gear ratio");
    const char* gears[] = {"", "1st gear ratio", "2nd gear ratio", "3rd gear ratio",
                           "4th gear ratio", "5th gear ratio", "6th gear ratio",
                           "7th gear ratio", "final drive ratio"};
    for (std::size_t g = 1; g < kSetupGearRows; ++g) c.Ratio(g, gears[g]);
    c.Each(&V::DiffType, {"front differential type", "rear differential type",
                          "centre differential type"});
    c.Each(&V::DiffPowerLocking, {"front power locking", "rear power locking"});
    c.Each(&V::DiffCoastLocking, {"front coast locking", "rear coast locking"});
    c.Each(&V::DiffPreLoad, {"front pre-load", "rear pre-load"});
    c.Each(&V::ViscousTorque, {"front viscous torque", "rear viscous torque",
                               "centre viscous torque"});
    c.Same(&V::TorqueSplitCentre, "centre torque split");
    c.Each(&V::TyreCompound, {"front tyre compound", "rear tyre compound"});
    c.Same(&V::Symmetric, "symmetric tyre settings");
    c.Each(&V::TyrePressure, {"front left tyre pressure", "front right tyre pressure",
                              "rear left tyre pressure", "rear right tyre pressure"});
    c.Each(&V::TyreCamber, {"front left camber", "front right camber", "rear left camber",
                            "rear right camber"});
    c.Same(&V::TyreBrand, "tyre brand");
    c.Each(&V::WingAngle, {"front wing angle", "rear wing angle"});
    c.Same(&V::HandicapIntake, "intake restriction");
    c.Same(&V::HandicapMass, "handicap mass");
    c.Same(&V::HandicapMassPos, "handicap mass position");
    return c.Take();
}

std::string AdjustedSetupMessage(const std::vector<std::string>& fields) {
    if (fields.empty()) return {};
    std::string text = "Some settings of this setup file do not fit the current vehicle and were "
                       "adjusted:";
    for (const std::string& f : fields) text += "\r\n- " + f;
    return text;
}

}  // namespace files
