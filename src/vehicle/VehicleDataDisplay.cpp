#include "vehicle/VehicleDataDisplay.hpp"

#include <cmath>

#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace vehicle {

using core::Quantity;

namespace {

std::string NotApplicable() { return std::string(core::kNotApplicableText); }

// U: the display text of an internal value ("N/A" when it has no finite display value).
std::string U(Quantity q, double internal) {
    float x = 0.0f;
    if (!std::isfinite(internal) || !core::UnitDisplayValue(q, internal, x) || !std::isfinite(x))
        return NotApplicable();
    return core::UnitValueText(q, internal);
}

// The rounded display number of an internal value, without the suffix.
std::string Number(Quantity q, double internal, int32_t places) {
    const float x = static_cast<float>(internal * core::UnitData(q).Factor);
    if (!std::isfinite(x)) return NotApplicable();
    return core::SingleText(core::RoundToDecimals(x, places));
}

// T: the plain text of a Single, unrounded.
std::string T(float v) { return std::isfinite(v) ? core::SingleText(v) : NotApplicable(); }

// P: value x 100 rounded to `places`, "%" and the direction text.
std::string P(float share, int32_t places, const std::string& direction) {
    return T(core::RoundToDecimals(share * 100.0f, places)) + "%" + direction;
}

// Element `index` of a name table, or "N/A" outside it.
template <typename Table, typename Name>
std::string NameAt(const Table& table, long long index, Name name) {
    if (index < 0 || index >= static_cast<long long>(table.size())) return NotApplicable();
    return name(table[static_cast<std::size_t>(index)]);
}

}  // namespace

VehicleDataCaptions BuildVehicleDataCaptions() {
    const VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const EngineRecord& e = EngineCode().CurrentEngine;
    const auto& texts = core::TextTable();
    const auto& units = core::OptionsSettings();
    VehicleDataCaptions result;
    auto& out = result.Captions;
    out.reserve(80);
    auto put = [&out](int index, std::string text) { out.push_back({core::LabelArray::DataLabel, index, std::move(text), std::nullopt}); };

    // ---- Physical ----
    put(35, U(Quantity::Mass, v.BodyMass));
    put(36, P(v.BodyCoG.X, 2, texts.RightText));
    put(37, P(v.BodyCoG.Y, 2, texts.FrontText));
    put(38, U(Quantity::DistanceSmall, v.BodyCoG.Z));
    put(39, U(Quantity::DistanceSmall, v.HandicapHeight));
    put(40, U(Quantity::Volume, v.FuelTankCapacity));
    put(41, P(v.FuelTankPos.Y, 1, texts.FrontText));
    put(42, U(Quantity::DistanceSmall, v.FuelTankPos.Z));
    result.FuelLoadMax = core::CLng(v.FuelTankCapacity);
    result.FuelMaxAfter = out.size();
    put(43, U(Quantity::DistanceSmall, v.RefHeight));
    put(44, std::to_string(v.MaxPassengers));
    for (int s = 0; s < 2; ++s) {
        put(45 + 3 * s, P(v.Seats[s].X, 2, texts.RightText));
        put(46 + 3 * s, P(v.Seats[s].Y, 2, texts.FrontText));
        put(47 + 3 * s, U(Quantity::DistanceSmall, v.Seats[s].Z));
    }

    // ---- Drive-train ----
    const std::string& arvSuffix = core::UnitSuffix(Quantity::ARV);
    {
        std::string text = Number(Quantity::Torque, e.PeakTorque, 0) +
                           core::UnitSuffix(Quantity::Torque) + " @ " +
                           Number(Quantity::ARV, e.TorquePeakStart, units.UnitDecimalsARV);
        // A plateau of no width is shown at its one speed.
        if (e.TorquePeakStart != e.TorquePeakEnd)
            text += "-" + Number(Quantity::ARV, e.TorquePeakEnd, units.UnitDecimalsARV);
        put(135, text + arvSuffix);
    }
    put(136, Number(Quantity::Power, e.PeakPower, 0) + core::UnitSuffix(Quantity::Power) + " @ " +
                 Number(Quantity::ARV, e.PowerPeakSpeed, units.UnitDecimalsARV) + arvSuffix);
    put(137, NameAt(core::FuelTable().FuelTypes, e.FuelType,
                    [](const core::FuelTypeRecord& r) { return r.Name; }));
    put(138, NameAt(texts.DriveTypeNames, v.Drivetrain.DriveType,
                    [](const std::string& n) { return n; }));
    put(139, T(v.Drivetrain.DrivetrainEfficiency * 100.0f));
    put(140, std::to_string(v.Drivetrain.NumGears));
    put(141, core::FromVbBool(v.Drivetrain.HasReverse) ? texts.YesText : texts.NoText);
    put(142, T(v.Drivetrain.ShiftTime * 1000.0f) + "ms");
    put(143, U(Quantity::ARV, e.IdleSpeed));
    put(144, U(Quantity::ARV, e.TorquePeakEnd - e.TorquePeakStart));
    put(145, U(Quantity::ARV, e.LimitSpeed));
    put(146, T(e.EngineBrakingCoeff));
    put(147, U(Quantity::Torque, e.IdleTorqueFraction * e.PeakTorque));
    put(148, T(e.LowerShape));
    put(149, T(e.ReducePowerFactor * 100.0f) + "%");
    put(150, T(e.UpperShapeA));
    put(151, T(e.UpperShapeB * 100.0f) + "%");
    put(152, T(e.ShiftPowerFactor * 100.0f) + "%");
    put(153, U(Quantity::Force, e.PeakTorque));
    put(154, U(Quantity::DistanceSmall, e.TorquePeakRPM));  // thrust height, m, for drive type 3

    // ---- Wheels and tyres (a = 0 front, 1 rear) ----
    for (int a = 0; a < 2; ++a) put(235 + a, T(v.Axles[a].SpringMotionRatio) + " : 1");
    for (int a = 0; a < 2; ++a) put(237 + a, T(v.Axles[a].ARBMotionRatio) + " : 1");
    for (int a = 0; a < 2; ++a) put(239 + a, U(Quantity::Angle, v.Axles[a].Inclination));
    for (int a = 0; a < 2; ++a) put(241 + a, U(Quantity::Angle, v.Axles[a].CamberOffset));
    for (int a = 0; a < 2; ++a) put(243 + a, U(Quantity::Mass, v.Axles[a].UnsprungMass));
    for (int a = 0; a < 2; ++a)
        put(245 + a, U(Quantity::DistanceSmall, static_cast<double>(v.Tyres[a].Width) / 1000.0));
    for (int a = 0; a < 2; ++a) put(247 + a, std::to_string(v.Tyres[a].Profile) + "%");
    // Rim diameter in inches of 0.393900787 per centimetre.
    for (int a = 0; a < 2; ++a)
        put(249 + a, U(Quantity::DistanceSmall,
                       static_cast<double>(v.Tyres[a].RimDiameter) / core::kInchesPerCm / 100.0));
    for (int a = 0; a < 2; ++a) put(251 + a, U(Quantity::Mass, v.RotatingMass[a]));
    for (int a = 0; a < 2; ++a) put(253 + a, U(Quantity::DistanceSmall, v.Axles[a].RideHeight));
    for (int a = 0; a < 2; ++a) put(255 + a, U(Quantity::DistanceSmall, v.Axles[a].TrackWidth));
    put(257, U(Quantity::DistanceSmall, v.Wheelbase));

    // ---- Aerodynamics ----
    put(335, U(Quantity::Area, v.FrontalArea));
    put(336, T(v.DragCoefficient));
    put(337, T(v.LiftCoefficient));
    // Body, undertray and rear wing are placed from the rear axle, the front wing from the
    // front axle.
    for (int el = 0; el < 3; ++el)
        put(338 + el,
            T(core::RoundToDecimals(1.0f - v.AeroElements[el].PosY, 3) * 100.0f) + "%" +
                texts.RearText);
    put(341, T(core::RoundToDecimals(v.AeroElements[3].PosY, 3) * 100.0f) + "%" +
                 texts.FrontText);
    for (int el = 0; el < 4; ++el)
        put(342 + el, U(Quantity::DistanceSmall, v.AeroElements[el].PosZ));
    const auto& aero = AeroCode();
    put(347, NameAt(aero.UndertrayTypes, v.AeroElements[1].DeviceType,
                    [](const AeroDeviceCoeffs& d) { return d.Name; }));
    put(348, NameAt(aero.RearWingTypes, v.AeroElements[2].DeviceType,
                    [](const AeroWingCoeffs& d) { return d.Name; }));
    put(349, NameAt(aero.FrontWingTypes, v.AeroElements[3].DeviceType,
                    [](const AeroWingCoeffs& d) { return d.Name; }));
    return result;
}

}  // namespace vehicle
