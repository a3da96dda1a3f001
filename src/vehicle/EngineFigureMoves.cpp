#include "vehicle/EngineFigureMoves.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "vehicle/VehicleCheck.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace vehicle {

namespace {

using Kind = VehicleCheckKind;

const EngineField* FieldNamed(std::string_view name) {
    for (const EngineField* f : fields::kEngineFields)
        if (f->Name == name) return f;
    return nullptr;
}

// The speed (rpm) an engine speed meets first when moved the given way with the others held,
// past which their order breaks: the power peak at or above the plateau's end, idle at or
// below the torque peak and the limit. Infinite where no order bounds it that way.
double OrderBound(const EngineFigures& e, const EngineField& f, bool raise) {
    namespace n = fields;
    constexpr double kNone = std::numeric_limits<double>::infinity();
    const double start = e.TorquePeakRPM, width = e.TorquePeakWidth, power = e.PowerPeakRPM;
    if (&f == &n::TorquePeakRPM) return raise ? power - width : e.IdleRPM;
    if (&f == &n::TorquePeakWidth) return raise ? power - start : -kNone;
    if (&f == &n::PowerPeakRPM) return raise ? kNone : start + width;
    if (&f == &n::IdleRPM) return raise ? std::min<double>(start, e.LimitRPM) : -kNone;
    if (&f == &n::LimitRPM) return raise ? kNone : e.IdleRPM;
    return raise ? kNone : -kNone;
}

// The furthest record value `f` may take the given way: the end of its range (checked units
// over RecordToChecked), for a speed no further than its order's bound. A value the range
// would take only past its end (the Single of the end rounded outwards) is drawn back by one
// step of the Single.
float Furthest(const EngineFigures& e, const EngineField& f, bool raise) {
    const FieldRange& range = f.Range;
    const double end = (raise ? range.Max : range.Min) / range.RecordToChecked;
    const double bound = OrderBound(e, f, raise);
    auto value = static_cast<float>(raise ? std::min(end, bound) : std::max(end, bound));
    if (!range.Accepts(value * range.RecordToChecked))
        value = std::nextafter(value, raise ? -std::numeric_limits<float>::infinity()
                                            : std::numeric_limits<float>::infinity());
    return value;
}

bool SpeedsOutOfOrder(Kind kind) {
    return kind == Kind::PowerBelowTorquePeak || kind == Kind::PowerInsidePlateau ||
           kind == Kind::IdleAboveTorquePeak || kind == Kind::IdleAboveLimit;
}

}  // namespace

MoveReach ReachOfMove(const VehicleRecord& record, const VehicleProblem& refusal,
                      const FieldMove& move) {
    const EngineField* f = FieldNamed(move.Field);
    if (f == nullptr || !refusal.Figures) return MoveReach::Clears;
    VehicleRecord moved = record;
    moved.Engine.*(f->Figure) = Furthest(record.Engine, *f, move.Move == FigureMove::Raise);
    // The engine's figures were all in range (the check compared them) and the one moved
    // stays in its own: the engine's problems are all the check can find of it.
    const std::vector<VehicleProblem> problems = FindEngineProblems(moved);
    for (const VehicleProblem& p : problems) {
        if (SpeedsOutOfOrder(p.Kind)) return MoveReach::None;
        if (p.Kind == refusal.Kind)
            return p.Figures->Share < refusal.Figures->Share ? MoveReach::Helps : MoveReach::None;
    }
    return MoveReach::Clears;
}

}  // namespace vehicle
