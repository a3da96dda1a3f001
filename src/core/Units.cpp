#include "core/Units.hpp"

namespace core {
namespace {

// Small helpers so the rows read as the unit expressions they are.
constexpr double kIn = kInchesPerMetre;
constexpr double kFt = kFeetPerMetre;
constexpr double kLb = kPoundsPerKg;
constexpr double kG = kGravitySingle;
constexpr double kInPerMm = kInchesPerMillimetre;
constexpr double kInPerCm = kInchesPerCm;

constexpr UnitRow kSpeed[] = {
    {"Metres per second", " m/s", 1.0, 1, 1},
    {"Kilometres per hour", " km/h", kKmhPerMs, 1, 1},
    {"Miles per hour", " mph", kKmhPerMs / kKmPerMile, 1, 1},
    {"Nautical miles per hour (knots)", " kn", kKmhPerMs / kKmPerMile * kMilesPerNauticalMile, 1, 1},
    {"Feet per second", " ft/s", kFt, 1, 1},
};

constexpr UnitRow kDistanceSmall[] = {
    {"Metres", " m", 1.0, 2, 1},
    {"Centimetres", " cm", 100.0, 1, 1},
    {"Millimetres", " mm", 1000.0, 0, 1},
    {"Inches", " in", kIn, 1, 1},
    {"Feet", " ft", kIn / 12.0, 2, 1},
    {"Yards", " yds", kIn / 12.0 / 3.0, 2, 1},
};

constexpr UnitRow kDistanceLarge[] = {
    {"Metres", " m", 1.0, 2, 1},
    {"Kilometres", " km", 1.0 / 1000.0, 2, 1},
    {"Yards", " yds", kIn / 12.0 / 3.0, 0, 1},
    {"Fathoms", " fm", kIn / 12.0 / 6.0, 1, 1},
    {"Miles", " mi", kIn / 12.0 / 5280.0, 2, 1},
    {"Leagues", " lg", kIn / 12.0 / 5280.0 / 3.0, 3, 1},
};

constexpr UnitRow kArea[] = {
    {"Square metres", " m\u00B2", 1.0, 2, 1},
    {"Square centimetres", " cm\u00B2", 100.0 * 100.0, 0, 1},
    {"Square millimetres", " mm\u00B2", 1000.0 * 1000.0, 0, 1},
    {"Square inches", " in\u00B2", kFt * kFt * 144.0, 0, 1},
    {"Square feet", " ft\u00B2", kFt * kFt, 1, 1},
};

constexpr UnitRow kPressure[] = {
    {"Kilopascals", " kPa", 1.0 / 1000.0, 0, 1},
    {"Kilograms per square centimetre", " kg/cm\u00B2", 0.1 / kG / 1000.0, 2, 1},
    {"Bar", " bar", 1.0 / 100.0 / 1000.0, 2, 1},
    {"Atmospheres", " atm", kLb / (kInPerCm * kInPerCm) / kG / 10.0 / kPsiPerAtm / 1000.0, 2, 1},
    {"Pounds per square inch", " psi", kLb / (kInPerCm * kInPerCm) / kG / 10.0 / 1000.0, 1, 1},
};

constexpr UnitRow kMass[] = {
    {"Kilograms", " kg", 1.0, 0, 1},
    {"Tonnes", " t", 0.001, 2, 1},
    {"Pounds", " lb", kLb, 0, 1},
    {"Slug", " slug", kLb / kPoundsPerSlug, 1, 1},
    {"Tons (short)", " ton", kLb / 2000.0, 2, 1},
    {"Tons (long)", " ton", kLb / 2240.0, 2, 1},
};

constexpr UnitRow kForce[] = {
    {"Newtons", " N", 1.0, 0, 1},
    {"Sthenes (kilonewtons)", " kN", 1.0 / 1000.0, 1, 1},
    {"Kilograms-force", " kgf", 1.0 / kG, 0, 1},
    {"Poundals", " pdl", kPoundalsPerKgf / kG, 0, 1},
    {"Pounds-force", " lbf", kLb / kG, 0, 1},
};

constexpr UnitRow kStiffness[] = {
    {"Newtons per millimetre", " N/mm", 1.0 / 1000.0, 1, 1},
    {"Kilograms-force per millimetre", " kgf/mm", 1.0 / kGravityMillSingle, 2, 1},
    {"Pounds per inch", " lb/in", 1.0 / (kG / kLb * kInPerMm * 1000.0), 0, 1},
};

constexpr UnitRow kAcc[] = {
    {"Metres per second squared", " m/s\u00B2", 1.0, 2, 1},
    {"Gal", " gal", 100.0, 0, 1},
    {"Rate of free fall", " g", 1.0 / kG, 2, 1},
    {"Feet per second squared", " ft/s\u00B2", kFt, 1, 1},
    {"Inches per second squared", " in/s\u00B2", kInchesPerMetreExact, 0, 1},
};

constexpr UnitRow kPower[] = {
    {"Kilowatts", " kW", 1.0, 0, 1},
    {"Horsepower (metric)", " PS", kPsPerKw, 0, 1},
    {"Horsepower (original)", " hp", kHpPerKw, 0, 1},
    {"Feet pound-force per second", " ft lbf/s", kFtLbfPerSPerKw, 0, 1},
};

constexpr UnitRow kTorque[] = {
    {"Newton metres", " Nm", 1.0, 0, 1},
    {"Kilogram-force metres", " kgfm", 1.0 / kG, 0, 1},
    {"Pound-force feet", " lbf ft", kLbfFtPerNm, 0, 1},
    {"Pound-force inches", " lbf in", 12.0 * kLbfFtPerNm, 0, 1},
};

// Internal kW/kg.
constexpr UnitRow kP2W[] = {
    {"Kilowatts per tonne", " kW/t", 1000.0, 0, 1},
    {"Kilograms per kilowatt", " kg/kW", 1.0, 1, -1},
    {"Horsepower per tonne", " ps/t", 1359.62, 0, 1},
    {"Horsepower per ton (short)", " hp/ton (US)", 2682.0 / kLb, 0, 1},
    {"Horsepower per ton (long)", " hp/ton (UK)", 3003.84 / kLb, 0, 1},
    {"Horsepower per slug", " hp/slug", kHpPerKw / (kLb / kPoundsPerSlug), 1, 1},
    {"Pound per horsepower", " lb/hp", kLb / kHpPerKw, 1, -1},
};

// A cubic foot is kFt^3 per cubic metre, a cubic inch 1728 times smaller.
constexpr UnitRow kDensity[] = {
    {"Kilograms per cubic metre", " kg/m\u00B3", 1.0, 3, 1},
    {"Pounds per cubic foot", " lb/ft\u00B3", kLb / (kFt * kFt * kFt), 3, 1},
    {"Pounds per cubic inch", " lb/in\u00B3", kLb / (kFt * kFt * kFt) / 1728.0, 3, 1},
};

constexpr UnitRow kARV[] = {
    {"Radians per second", " rad/s", 1.0, 0, 1},
    {"Revolutions per second", " rps", 1.0 / kTwoPi, 0, 1},
    {"Revolutions per minute", " rpm", 60.0 / kTwoPi, 0, 1},
};

constexpr UnitRow kMOI[] = {
    {"Kilogram square metres", " kgm\u00B2", 1.0, 3, 1},
    {"Pound square feet", " lbft\u00B2", kFt * kFt * kLb, 1, 1},
};

constexpr UnitRow kDamping[] = {
    {"Newton seconds per millimetre", " Ns/mm", 1.0 / 1000.0, 1, 1},
    {"Pound-force seconds per inch", " lbf s/in", 1.0 / (kG / kLb * kInPerMm * 1000.0), 1, 1},
};

constexpr UnitRow kRot[] = {
    {"Sthene metres per radian", " kNm/rad", 1.0 / 1000.0, 1, 1},
    {"Kilogram-force metres per gradian", " kgf m/gon", kTwoPi / 400.0 / kG, 1, 1},
    {"Pound-force feet per degree", " lbf ft/deg", kLbfFtPerNm / kDegreesPerRadian, 0, 1},
    {"Newton metres per degree", " Nm/deg", 1.0 / kDegreesPerRadian, 0, 1},
};

constexpr UnitRow kAngle[] = {
    {"Radians", " rad", 1.0, 2, 1},
    {"Gradians", " gon", kGradiansPerRadian, 2, 1},
    {"Degrees", "\u00B0", kDegreesPerRadian, 2, 1},
};

// Internal litres per metre.
constexpr UnitRow kFuelEcon[] = {
    {"Kilometers per litre", " km/l", 1.0 / 1000.0, 1, -1},
    {"Litres per 100 kilometres", " l/100km", 100000.0, 1, 1},
    {"Miles per gallon", " mpg", 1.0 / kMetresPerMile / kUkGallonsPerLitre, 1, -1},
    {"Gallons per 100 miles", " g/100mi", 100.0 * kMetresPerMile * kUkGallonsPerLitre, 1, 1},
};

constexpr UnitRow kVolume[] = {
    {"Litres", " l", 1.0, 2, 1},
    {"UK Gallons", " gal", kUkGallonsPerLitre, 1, 1},
    {"US Gallons", " gal", kUsGallonsPerLitre, 1, 1},
};

constexpr UnitRow kFrequency[] = {
    {"Hertz", " Hz", 1.0, 2, 1},
    {"Cycles per minute", " cpm", 60.0, 0, 1},
};

constexpr std::array<std::span<const UnitRow>, kQuantityCount> kTable = {
    kSpeed,  kDistanceSmall, kDistanceLarge, kArea, kPressure, kMass,  kForce,
    kStiffness, kAcc, kPower, kTorque, kP2W, kDensity, kARV,
    kMOI, kDamping, kRot, kAngle, kFuelEcon, kVolume, kFrequency,
};

}  // namespace

std::span<const UnitRow> UnitRows(Quantity q) { return kTable.at(QuantityIndex(q)); }

}  // namespace core
