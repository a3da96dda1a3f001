#include "vehicle/VehicleFieldRanges.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/FuelTypes.hpp"
#include "vehicle/AeroCode.hpp"

namespace vehicle {

namespace {

// A field's name as the check reports it: "BodyMass", "Axles(1).UnsprungMass",
// "RotatingMass(0)". Written out only for a field out of range: most records have none.
class FieldName {
public:
    FieldName(std::string_view name) : head_(name) {}  // not explicit: a plain name is its text
    FieldName(const char* name) : head_(name) {}
    // Element `index` of an array, and what follows it (".Width", or nothing).
    FieldName(const char* array, std::size_t index, const char* tail = "")
        : head_(array), indexed_(true), index_(index), tail_(tail) {}

    std::string Text() const {
        std::string text(head_);
        if (indexed_) text += "(" + std::to_string(index_) + ")";
        return text + tail_;
    }

private:
    std::string_view head_;
    bool indexed_ = false;
    std::size_t index_ = 0;
    const char* tail_ = "";
};

// Walks the record's fields in file order and collects those outside their ranges.
class RecordCheck {
public:
    explicit RecordCheck(bool wheelDriven) : wheelDriven_(wheelDriven) {}

    // The engine's first two figures have a range of either kind: a field is named once.
    void Ranged(const FieldName& name, float value, const FieldRange& range) {
        if (range.Takes(value, wheelDriven_)) return;
        std::string text = name.Text();
        if (failed_.empty() || failed_.back() != text) failed_.push_back(std::move(text));
    }
    void Whole(const FieldName& name, long value, long min, long max) {
        if (value < min || value > max) failed_.push_back(name.Text());
    }
    bool WheelDriven() const { return wheelDriven_; }
    std::vector<std::string>& Failed() { return failed_; }

private:
    bool wheelDriven_;
    std::vector<std::string> failed_;
};

}  // namespace

bool FieldRange::Takes(double recordValue, bool wheelDriven) const {
    if (!std::isfinite(recordValue)) return false;
    if (Scope == RangeScope::WheelDriven && !wheelDriven) return true;
    if (Scope == RangeScope::ThrustDriven && wheelDriven) return true;
    if (HasThrustValue && !wheelDriven && recordValue == ThrustValue) return true;
    return Accepts(recordValue * RecordToChecked);
}

std::vector<std::string> FieldsOutOfRange(const VehicleRecord& r) {
    namespace rg = ranges;
    const uint8_t driveType = r.Drivetrain.DriveType;
    // A drive type beyond the list is refused below; its engine figures are those of a
    // wheel-driven vehicle until then.
    RecordCheck c(driveType != kDriveThrust);

    c.Ranged("BodyMass", r.BodyMass, rg::BodyMass);
    c.Ranged("BodyCoG.X", r.BodyCoG.X, rg::BodyPosX);
    c.Ranged("BodyCoG.Y", r.BodyCoG.Y, rg::BodyPosY);
    c.Ranged("BodyCoG.Z", r.BodyCoG.Z, rg::Height);
    c.Ranged("FuelTankCapacity", r.FuelTankCapacity, rg::FuelTankCapacity);
    c.Ranged("FuelTankPos.X", r.FuelTankPos.X, rg::FuelTankPosX);
    c.Ranged("FuelTankPos.Y", r.FuelTankPos.Y, rg::FuelTankPosY);
    c.Ranged("FuelTankPos.Z", r.FuelTankPos.Z, rg::Height);
    c.Ranged("RefHeight", r.RefHeight, rg::Height);
    for (std::size_t k = 0; k < r.AeroElements.size(); ++k) {
        const AeroElement& e = r.AeroElements[k];
        c.Ranged({"AeroElements", k, ".PosX"}, e.PosX, rg::AeroElementPosX);
        c.Ranged({"AeroElements", k, ".PosY"}, e.PosY, rg::AeroElementPosY[k]);
        c.Ranged({"AeroElements", k, ".PosZ"}, e.PosZ, rg::AeroElementHeight);
    }
    // The body aero centre has no device; the others name a row of their device table.
    c.Whole("AeroElements(1).DeviceType", r.AeroElements[1].DeviceType, 0,
            static_cast<long>(kUndertrayTypeCount) - 1);
    c.Whole("AeroElements(2).DeviceType", r.AeroElements[2].DeviceType, 0,
            static_cast<long>(kWingTypeCount) - 1);
    c.Whole("AeroElements(3).DeviceType", r.AeroElements[3].DeviceType, 0,
            static_cast<long>(kWingTypeCount) - 1);
    c.Ranged("FrontalArea", r.FrontalArea, rg::FrontalArea);
    c.Ranged("DragCoefficient", r.DragCoefficient, rg::DragCoefficient);
    c.Ranged("LiftCoefficient", r.LiftCoefficient, rg::LiftCoefficient);

    const EngineFigures& e = r.Engine;
    for (const EngineField* f : fields::kEngineFields) {
        c.Ranged(f->Name, e.*(f->Figure), f->Range);
        // A vehicle that is not wheel driven keeps its thrust (N) and its height (m) in the
        // first two.
        if (f == &fields::PeakTorque) c.Ranged(f->Name, e.PeakTorque, rg::Thrust);
        if (f == &fields::TorquePeakRPM) c.Ranged(f->Name, e.TorquePeakRPM, rg::ThrustHeight);
    }
    c.Whole("Engine.FuelType", e.FuelType, 0, static_cast<long>(core::kFuelTypeCount) - 1);

    const DrivetrainSpec& d = r.Drivetrain;
    c.Ranged("Drivetrain.DrivetrainEfficiency", d.DrivetrainEfficiency, rg::DrivetrainEfficiency);
    c.Ranged("Drivetrain.ShiftTime", d.ShiftTime, rg::ShiftTime);
    c.Whole("Drivetrain.DriveType", driveType, kDriveFront, kDriveThrust);
    if (c.WheelDriven() || d.NumGears != 0) c.Whole("Drivetrain.NumGears", d.NumGears, 2, 7);

    for (std::size_t a = 0; a < 2; ++a) {
        c.Ranged({"Tyres", a, ".Width"}, r.Tyres[a].Width, rg::TyreWidth);
        c.Ranged({"Tyres", a, ".Profile"}, r.Tyres[a].Profile, rg::TyreProfile);
        c.Ranged({"Tyres", a, ".RimDiameter"}, r.Tyres[a].RimDiameter, rg::RimDiameter);
    }
    for (std::size_t a = 0; a < 2; ++a)
        c.Ranged({"RotatingMass", a}, r.RotatingMass[a], rg::RotatingMass);
    for (std::size_t a = 0; a < 2; ++a) {
        const AxleSuspension& x = r.Axles[a];
        c.Ranged({"Axles", a, ".SpringMotionRatio"}, x.SpringMotionRatio,
                 rg::SpringMotionRatio);
        c.Ranged({"Axles", a, ".ARBMotionRatio"}, x.ARBMotionRatio, rg::ARBMotionRatio);
        c.Ranged({"Axles", a, ".Inclination"}, x.Inclination, rg::Angle);
        c.Ranged({"Axles", a, ".CamberOffset"}, x.CamberOffset, rg::Angle);
        c.Ranged({"Axles", a, ".UnsprungMass"}, x.UnsprungMass, rg::UnsprungMass);
        c.Ranged({"Axles", a, ".RideHeight"}, x.RideHeight, rg::RideHeight);
        c.Ranged({"Axles", a, ".TrackWidth"}, x.TrackWidth, rg::TrackWidth);
    }
    c.Ranged("Wheelbase", r.Wheelbase, rg::Wheelbase);
    c.Ranged("HandicapHeight", r.HandicapHeight, rg::HandicapHeight);
    for (std::size_t s = 0; s < 2; ++s) {
        c.Ranged({"Seats", s, ".X"}, r.Seats[s].X, rg::SeatPosX);
        c.Ranged({"Seats", s, ".Y"}, r.Seats[s].Y, rg::SeatPosY);
        c.Ranged({"Seats", s, ".Z"}, r.Seats[s].Z, rg::Height);
    }
    c.Whole("MaxPassengers", r.MaxPassengers, 0, 4);
    return std::move(c.Failed());
}

}  // namespace vehicle
