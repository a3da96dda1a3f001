#include "vehicle/VehicleCheck.hpp"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "vehicle/EngineFigureRefusalText.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/engine/EngineFigureCheck.hpp"
#include "vehicle/EngineSpeedOrder.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace vehicle {

namespace {

using Kind = VehicleCheckKind;

std::string Axle(const char* array, int a, const char* field) {
    return std::string(array) + "(" + std::to_string(a) + ")" + field;
}

// "<field> (<value>)": a field with its value as stored.
std::string Named(std::string_view field, double value) {
    return std::string(field) + " (" + core::SingleText(static_cast<float>(value)) + ")";
}

class Problems {
public:
    explicit Problems(std::vector<std::string> outOfRange) : outOfRange_(std::move(outOfRange)) {
        for (const std::string& field : outOfRange_)
            list_.push_back({Kind::Range, core::TextTable().MsgBadVehicleField + field, {field}});
    }

    // None of the fields is out of its range.
    bool InRange(std::initializer_list<std::string_view> fields) const {
        return std::none_of(fields.begin(), fields.end(), [this](std::string_view f) {
            return std::find(outOfRange_.begin(), outOfRange_.end(), f) != outOfRange_.end();
        });
    }
    bool AnyOutOfRange(const std::string& prefix) const {
        return std::any_of(outOfRange_.begin(), outOfRange_.end(),
                           [&](const std::string& f) { return f.starts_with(prefix); });
    }
    void Add(Kind kind, std::string text, std::vector<std::string> fields) {
        list_.push_back({kind, std::move(text), std::move(fields)});
    }
    void Add(VehicleProblem problem) { list_.push_back(std::move(problem)); }
    std::vector<VehicleProblem>& List() { return list_; }

private:
    std::vector<std::string> outOfRange_;
    std::vector<VehicleProblem> list_;
};

// An axle's unsprung mass within the body's mass on it, a wheel within half of it; both sides
// named with their values in kg ("Axles(0).UnsprungMass (70) above BodyMass x BodyCoG.Y
// (68.2)"). Equal values pass.
void CheckWheelMasses(const VehicleRecord& r, int a, Problems& p) {
    const auto& texts = core::TextTable();
    const std::string unsprungField = Axle("Axles", a, ".UnsprungMass");
    const std::string wheelField = Axle("RotatingMass", a, "");
    const double unsprung = r.Axles[static_cast<std::size_t>(a)].UnsprungMass;
    if (p.InRange({"BodyMass", "BodyCoG.Y", unsprungField})) {
        const double share = a == 0 ? r.BodyCoG.Y : 1.0 - r.BodyCoG.Y;
        const double body = r.BodyMass * share;
        if (unsprung > body + CheckSlack(body)) {
            const char* side = a == 0 ? "BodyMass x BodyCoG.Y" : "BodyMass x (1 - BodyCoG.Y)";
            p.Add(Kind::UnsprungAboveBody,
                  texts.MsgWheelMassesTooHeavy + Named(unsprungField, unsprung) + " above " +
                      Named(side, body),
                  {unsprungField});
        }
    }
    if (p.InRange({unsprungField, wheelField})) {
        const double wheel = r.RotatingMass[static_cast<std::size_t>(a)];
        const double largest = 0.5 * unsprung;
        if (wheel > largest + CheckSlack(largest)) {
            p.Add(Kind::WheelAboveHalf,
                  texts.MsgWheelMassesTooHeavy + Named(wheelField, wheel) + " above half of " +
                      Named(unsprungField, unsprung),
                  {wheelField});
        }
    }
}

// "Tyres(0).Width x Tyres(0).Profile (5 mm) below 30 mm".
void CheckSidewall(const VehicleRecord& r, int a, Problems& p) {
    const std::string width = Axle("Tyres", a, ".Width"), profile = Axle("Tyres", a, ".Profile");
    if (!p.InRange({width, profile})) return;
    const TyreSize& t = r.Tyres[static_cast<std::size_t>(a)];
    const double sidewall = t.Width * (t.Profile / 100.0);  // mm
    if (AtLeast(sidewall, kLeastSidewall)) return;
    p.Add(Kind::TyreSidewall,
          core::TextTable().MsgTyreSidewallTooLow + width + " x " + profile + " (" +
              core::SingleText(static_cast<float>(sidewall)) + " mm) below " +
              core::SingleText(static_cast<float>(kLeastSidewall)) + " mm",
          {width, profile});
}

// The speeds of a wheel-driven engine, each conflict naming both fields with their speeds in
// rpm, the lower first ("Engine.TorquePeakRPM (3000) below Engine.IdleRPM (4001)"). An idle
// above both the torque peak and the limit is named against both, the lower of the two first
// (the reader shows the first): bringing idle down to it clears both. Returns whether they
// are in order.
bool CheckEngineSpeeds(const EngineFigures& e, Problems& p) {
    namespace f = fields;
    const std::string_view torque = f::TorquePeakRPM.Name, width = f::TorquePeakWidth.Name,
                           power = f::PowerPeakRPM.Name, idle = f::IdleRPM.Name,
                           limit = f::LimitRPM.Name;
    if (!p.InRange({torque, width, power, idle, limit})) return false;
    const EngineSpeedConflicts c = FindEngineSpeedConflicts(
        e.TorquePeakRPM, e.TorquePeakWidth, e.PowerPeakRPM, e.IdleRPM, e.LimitRPM);
    const auto below = [&p](Kind kind, std::string_view low, float lowRpm, std::string_view high,
                            float highRpm, std::string_view first, std::string_view second) {
        p.Add(kind,
              core::TextTable().MsgEngineSpeedsOutOfOrder + Named(low, lowRpm) + " below " +
                  Named(high, highRpm),
              {std::string(first), std::string(second)});
    };
    if (c.PowerBelowTorquePeak)
        below(Kind::PowerBelowTorquePeak, power, e.PowerPeakRPM, torque, e.TorquePeakRPM, torque,
              power);
    if (c.PowerInsidePlateau)
        below(Kind::PowerInsidePlateau, power, e.PowerPeakRPM,
              std::string(torque) + " + " + std::string(width),
              e.TorquePeakRPM + e.TorquePeakWidth, power, width);
    const auto idleAboveTorquePeak = [&] {
        below(Kind::IdleAboveTorquePeak, torque, e.TorquePeakRPM, idle, e.IdleRPM, torque, idle);
    };
    const auto idleAboveLimit = [&] {
        below(Kind::IdleAboveLimit, limit, e.LimitRPM, idle, e.IdleRPM, idle, limit);
    };
    if (c.IdleAboveLimit && e.LimitRPM < e.TorquePeakRPM) idleAboveLimit();
    if (c.IdleAboveTorquePeak) idleAboveTorquePeak();
    if (c.IdleAboveLimit && !(e.LimitRPM < e.TorquePeakRPM)) idleAboveLimit();
    return !c.PowerBelowTorquePeak && !c.PowerInsidePlateau && !c.IdleAboveTorquePeak &&
           !c.IdleAboveLimit;
}

// The advice of each engine-figure problem: the figures to lower, then those to raise. Each
// figure the problem compares is named (the plateau ends at its start plus its width).
constexpr FieldMove kPowerNeedsTorqueMoves[] = {
    {fields::PeakPower.Name, FigureMove::Lower},
    {fields::ReducePowerFactor.Name, FigureMove::Lower},
    {fields::PowerPeakRPM.Name, FigureMove::Raise},
    {fields::ShiftPowerFactor.Name, FigureMove::Raise},
    {fields::PeakTorque.Name, FigureMove::Raise}};
constexpr FieldMove kPlateauGivesPowerMoves[] = {
    {fields::PeakTorque.Name, FigureMove::Lower},
    {fields::TorquePeakRPM.Name, FigureMove::Lower},
    {fields::TorquePeakWidth.Name, FigureMove::Lower},
    {fields::PeakPower.Name, FigureMove::Raise}};

// Figures no curve keeps to, each problem with the figures it compares and the way each field
// of its advice must move: a power that needs more than the peak torque at its peak (marks the
// power, its speed, the torque and the two shape sliders the power goes through), a plateau
// that gives more than the typed peak power (marks the torque, the plateau's start and width
// and the power). The reader's text names the fields, where `worded`.
void CheckEngineFigures(const VehicleRecord& r, Problems& p, bool worded) {
    const EngineRecord e = EngineRecordFromFigures(r.Engine, r.Drivetrain.DriveType);
    const EngineFigureConflicts c = FindEngineFigureConflicts(e);
    const auto names = [](std::initializer_list<const EngineField*> figures) {
        std::vector<std::string> out;
        out.reserve(figures.size());
        for (const EngineField* f : figures) out.emplace_back(f->Name);
        return out;
    };
    namespace f = fields;
    VehicleProblem problem;
    if (c.PowerNeedsMoreTorque()) {
        problem = {Kind::PowerNeedsMoreTorque, {},
                   names({&f::PeakPower, &f::PowerPeakRPM, &f::PeakTorque, &f::ReducePowerFactor,
                          &f::ShiftPowerFactor}),
                   EngineFigureRefusal{ReducedPeakPower(e), ShiftedPowerPeakSpeed(e),
                                       c.PowerPeakTorque, e.PeakTorque, kPowerTorqueMargin,
                                       c.PowerPeakTorqueShare, kPowerNeedsTorqueMoves}};
    } else if (c.PlateauGivesMorePower()) {
        problem = {Kind::PlateauGivesMorePower, {},
                   names({&f::PeakTorque, &f::TorquePeakRPM, &f::TorquePeakWidth, &f::PeakPower}),
                   EngineFigureRefusal{e.PeakTorque, e.TorquePeakEnd, c.PlateauPower,
                                       e.PeakPower, kPlateauPowerMargin, c.PlateauPowerShare,
                                       kPlateauGivesPowerMoves}};
    } else {
        return;
    }
    if (worded) problem.Text = EngineFigureRefusalText(problem, {});
    p.Add(std::move(problem));
}

// The engine's problems: its speeds out of order, or else, with every engine figure in its
// range, figures that contradict each other. A vehicle that is not wheel driven has no engine
// speeds: its first engine figures hold the thrust and its height. A drive type beyond the
// list is refused by its range.
void CheckEngine(const VehicleRecord& r, Problems& p, bool worded) {
    if (r.Drivetrain.DriveType < kDriveThrust && CheckEngineSpeeds(r.Engine, p) &&
        !p.AnyOutOfRange("Engine."))
        CheckEngineFigures(r, p, worded);
}

}  // namespace

std::vector<VehicleProblem> FindVehicleProblems(const VehicleRecord& r) {
    return FindVehicleProblems(r, FieldsOutOfRange(r));
}

std::vector<VehicleProblem> FindVehicleProblems(const VehicleRecord& r,
                                                std::vector<std::string> outOfRange) {
    Problems p(std::move(outOfRange));
    for (int a = 0; a < 2; ++a) CheckWheelMasses(r, a, p);
    for (int a = 0; a < 2; ++a) CheckSidewall(r, a, p);
    CheckEngine(r, p, true);
    return std::move(p.List());
}

std::vector<VehicleProblem> FindEngineProblems(const VehicleRecord& r) {
    Problems p({});  // the engine's figures are taken to be in range
    CheckEngine(r, p, false);
    return std::move(p.List());
}

}  // namespace vehicle
