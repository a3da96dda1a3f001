#include "analysis/PhysicalCode.hpp"

#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/ModelGuards.hpp"

namespace analysis {

using vehicle::GuardedDiv;

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit PhysicalCodeState g_state;
}  // namespace

PhysicalCodeState& PhysicalCode() { return g_state; }

namespace {

constexpr float kGravity = 9.80665f;

// Mass of the occupant whose selector shows `text`: "Male" and "Female" weigh the same, any
// other text ("None" included) is an empty seat.
float OccupantMass(const std::string& text) {
    const auto& names = core::TextTable().OccupantTypeNames;
    for (int k = 1; k <= 2; ++k)
        if (!names[k].empty() && text == names[k]) return kOccupantMass;
    return 0.0f;
}

// kg per litre of the engine's fuel; a fuel row beyond the table weighs nothing.
float FuelDensity(uint8_t fuelType) {
    const auto& table = core::FuelTable().FuelTypes;
    return fuelType < table.size() ? table[fuelType].Density : 0.0f;
}

}  // namespace

void SplitCornerMasses(std::array<float, 4>& out, float mass, const PositionXYZ& p) {
    out[0] = (1.0f - p.X) * p.Y * mass;
    out[1] = p.X * p.Y * mass;
    out[2] = (1.0f - p.X) * (1.0f - p.Y) * mass;
    out[3] = (1.0f - p.Y) * p.X * mass;
}

void SubtractUnsprungMasses(std::array<float, 4>& out, const std::array<float, 4>& in) {
    const auto& u = PhysicalCode().UnsprungCornerMass;
    for (int i = 0; i < 4; ++i) out[i] = in[i] - u[i];
}

void CalcMassesAndCentreOfGravity(const MassInputs& in, const SeatPositionTable& seats) {
    PhysicalCodeState& s = PhysicalCode();
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;

    // Handicap mass: whole kg on the centre line at the chosen front share.
    const float h = static_cast<float>(core::CByte(in.HandicapMass));
    const float hY = static_cast<float>(in.HandicapPosPercent) / 100.0f;
    const float hX = 0.5f;

    std::array<float, 4> m{};
    for (int seat = 0; seat < 4; ++seat) m[seat] = OccupantMass(in.PassengerTypes[seat]);
    // Sums of occupant mass x seat coordinate c (0 X, 1 Y, 2 Z), added seat by seat onto `sum`.
    auto addSeats = [&](float sum, int c) {
        for (int seat = 0; seat < 4; ++seat) sum = sum + m[seat] * seats[3 * seat + c];
        return sum;
    };

    s.LiveFuelLoad = core::CInt(in.FuelLoadLitres);
    s.FuelMass = static_cast<float>(s.LiveFuelLoad) *
                 FuelDensity(vehicle::EngineCode().CurrentEngine.FuelType);

    s.DryMass = h + v.BodyMass + m[0] + m[1] + m[2] + m[3];
    s.TotalMass = s.DryMass + s.FuelMass;
    s.FuelMassIncrease = s.DryMass == 0.0f ? 0.0f : GuardedDiv(s.TotalMass, s.DryMass) - 1.0f;

    s.DryCoG.X = GuardedDiv(addSeats(h * hX + v.BodyCoG.X * v.BodyMass, 0), s.DryMass);
    s.DryCoG.Y = GuardedDiv(addSeats(h * hY + v.BodyCoG.Y * v.BodyMass, 1), s.DryMass);

    s.VehicleCoG.X = GuardedDiv(
        addSeats(v.FuelTankPos.X * s.FuelMass + v.BodyCoG.X * v.BodyMass + h * hX, 0),
        s.TotalMass);
    s.VehicleCoG.Y = GuardedDiv(
        addSeats(v.FuelTankPos.Y * s.FuelMass + v.BodyCoG.Y * v.BodyMass + h * hY, 1),
        s.TotalMass);

    s.FuelCoGShift.X = s.VehicleCoG.X - s.DryCoG.X;
    s.FuelCoGShift.Y = s.VehicleCoG.Y - s.DryCoG.Y;

    s.CoGAxleDistance[0] = (1.0f - s.VehicleCoG.Y) * v.Wheelbase;
    s.CoGAxleDistance[1] = v.Wheelbase * s.VehicleCoG.Y;
    for (int i = 0; i < 4; ++i) {
        s.AeroElementAxleDistance[i] = (1.0f - v.AeroElements[i].PosY) * v.Wheelbase;
        s.AeroElementAxleDistance[i + 4] = v.Wheelbase * v.AeroElements[i].PosY;
    }

    SplitCornerMasses(s.CornerMass, s.TotalMass, s.VehicleCoG);

    const float frontUnsprung = v.Axles[0].UnsprungMass;
    const float rearUnsprung = v.Axles[1].UnsprungMass;
    s.UnsprungMass = rearUnsprung + frontUnsprung;
    s.UnsprungCoG.Y = GuardedDiv(frontUnsprung, s.UnsprungMass);
    s.SprungMass = s.TotalMass - s.UnsprungMass;
    s.UnsprungCornerMass[0] = s.UnsprungCornerMass[1] = frontUnsprung / 2.0f;
    s.UnsprungCornerMass[2] = s.UnsprungCornerMass[3] = rearUnsprung / 2.0f;

    for (int i = 0; i < 4; ++i) {
        s.CornerMassShare[i] = GuardedDiv(s.CornerMass[i], s.TotalMass);
        s.CornerStaticLoad[i] = s.CornerMass[i] * kGravity;
        s.SprungCornerMass[i] = s.CornerMass[i] - s.UnsprungCornerMass[i];
    }
    const auto& sc = s.SprungCornerMass;
    s.SprungAxleMass[0] = sc[1] + sc[0];
    s.SprungAxleMass[1] = sc[3] + sc[2];

    s.SprungMassDistribution = GuardedDiv(sc[1] + sc[0], s.SprungMass);
    s.SprungMassShare = GuardedDiv(s.SprungMass, s.TotalMass);
    s.FrontAxleSprungShare = GuardedDiv(sc[1] + sc[0], s.CornerMass[1] + s.CornerMass[0]);
    s.RearAxleSprungShare = GuardedDiv(sc[3] + sc[2], s.CornerMass[3] + s.CornerMass[2]);
    // 1 - share is the unsprung share: 0 for a vehicle without unsprung mass.
    s.SprungUnsprungRatio = GuardedDiv(s.SprungMassShare, 1.0f - s.SprungMassShare);

    // Heights: component heights are above the reference plane; only the loaded vehicle's
    // static height adds the plane's height above the ground.
    s.StaticCoG.Z =
        GuardedDiv(addSeats(v.BodyCoG.Z * v.BodyMass + v.FuelTankPos.Z * s.FuelMass +
                                h * v.HandicapHeight,
                            2),
                   s.TotalMass) +
        v.RefHeight;
    s.DryCoG.Z = GuardedDiv(addSeats(h * v.HandicapHeight + v.BodyCoG.Z * v.BodyMass, 2),
                            s.DryMass);
    s.FuelCoGShift.Z = s.StaticCoG.Z - (s.DryCoG.Z + v.RefHeight);
    s.VehicleCoG.Z = s.StaticCoG.Z;

    const auto& tyres = vehicle::TyreCode().WheelTyres;
    s.StaticUnsprungCoGHeight = GuardedDiv(
        rearUnsprung * tyres[2].UnloadedRadius + frontUnsprung * tyres[0].UnloadedRadius,
        s.UnsprungMass);
}

vehicle::TyreLoadInputs TyreLoadsFromMasses() {
    const PhysicalCodeState& s = PhysicalCode();
    return vehicle::TyreLoadInputs{s.CornerMass, s.CornerStaticLoad, s.CornerDynamicLoad};
}

vehicle::AeroLoadInputs AeroLoadsFromMasses() {
    const PhysicalCodeState& s = PhysicalCode();
    return vehicle::AeroLoadInputs{s.CornerStaticLoad, s.VehicleCoG, s.AeroElementPos};
}

}  // namespace analysis
