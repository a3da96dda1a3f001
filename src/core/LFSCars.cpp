#include "core/LFSCars.hpp"

#include <cmath>

namespace core {

LFSCarsState& LFSCarTable() {
    static LFSCarsState state;
    return state;
}

namespace {

constexpr bool Y = true;
constexpr bool N = false;

// One row as written in the table below; InitLFSCars turns it into an LFSCarRecord.
struct CarRow {
    const char* name;
    const char* code;
    float travelReference[2];  // m, front, rear
    float reverseRatio;
    bool config, abs, throttle, tractionControl, simplifiedDampers;
    bool antiRollBar[2];       // front, rear
    bool casterAdjustable;
    uint8_t fixedCaster;       // tenths of a degree
    uint8_t maxSteerLock;      // degrees
    bool diffTypeSelectable, simplifiedDiffs;
    uint8_t compoundMask;      // 7: road normal, hybrid, knobbly; 15: adds road super;
                               // 112: slicks R2-R4; 224: slicks R1-R3
};

// name, code, travel ref. {front, rear}, reverse ratio, config, ABS, throttle settings,
// traction control, simplified dampers, anti-roll bar {front, rear}, caster adjustable, fixed
// caster, max lock, diff types selectable, simplified diffs, compound mask
constexpr CarRow kRows[kLFSCarCount] = {
    {"UF 1000", "UF1", {0.321f, 0.321f}, 5.65f, Y, N, N, N, Y, {N, N}, N, 40, 30, N, N, 7},
    {"XF GTi", "XFG", {-0.01f, -0.02f}, 7.52f, N, N, N, N, Y, {Y, Y}, N, 43, 30, Y, Y, 7},
    {"XR GT", "XRG", {0.33f, 0.37f}, 3.578f, N, Y, N, N, Y, {Y, Y}, N, 60, 36, Y, Y, 7},
    {"LX4", "LX4", {0.5f, 0.5f}, 3.411f, Y, N, N, N, N, {Y, Y}, Y, 0, 36, Y, N, 15},
    {"LX6", "LX6", {0.5f, 0.5f}, 3.411f, Y, N, N, N, N, {Y, Y}, Y, 0, 36, Y, N, 15},
    {"RB4 GT", "RB4", {0.37f, 0.4f}, 5.65f, N, Y, N, N, N, {Y, Y}, N, 45, 30, Y, N, 15},
    {"FXO Turbo", "FXO", {0.31f, 0.305f}, 3.578f, N, Y, N, N, N, {Y, Y}, N, 35, 30, Y, N, 15},
    {"XR GT Turbo", "XRT", {0.33f, 0.37f}, 3.578f, N, Y, N, N, N, {Y, Y}, N, 60, 36, Y, N, 15},
    {"RaceAbout", "RAC", {0.4f, 0.4f}, 3.43f, N, N, N, N, N, {Y, N}, Y, 0, 36, Y, N, 15},
    {"FZ50", "FZ5", {0.268f, 0.263f}, 3.739f, N, Y, N, Y, N, {Y, Y}, N, 80, 36, Y, N, 15},
    {"UF GTR", "UFR", {0.321f, 0.321f}, 5.65f, N, N, N, N, N, {Y, Y}, N, 50, 24, Y, N, 112},
    {"XF GTR", "XFR", {0.03f, 0.03f}, 6.0f, N, N, N, N, N, {Y, Y}, N, 43, 24, Y, N, 112},
    {"FXO GTR", "FXR", {0.379f, 0.38f}, 4.0f, N, N, N, N, N, {Y, Y}, Y, 0, 24, Y, N, 112},
    {"XR GTR", "XRR", {0.405f, 0.44f}, 4.0f, N, N, N, N, N, {Y, Y}, Y, 0, 24, Y, N, 112},
    {"FZ50 GTR", "FZR", {0.27f, 0.27f}, 4.0f, N, N, N, N, N, {Y, Y}, Y, 0, 24, Y, N, 112},
    {"MRT5", "MRT", {0.33f, 0.33f}, 0.0f, N, N, N, N, N, {Y, Y}, Y, 0, 30, Y, N, 224},
    {"Formula BMW 2002", "FBM", {0.3f, 0.3f}, 4.0f, N, N, N, N, N, {Y, Y}, Y, 0, 20, Y, N, 224},
    {"Formula XR", "FOX", {0.331f, 0.331f}, 4.0f, N, N, N, N, N, {Y, Y}, Y, 0, 20, Y, N, 224},
    {"Formula V8", "FO8", {0.369f, 0.369f}, 4.0f, N, N, N, N, N, {Y, Y}, Y, 0, 20, Y, N, 112},
    {"BMW Sauber F1.06", "BF1", {0.358f, 0.358f}, 4.0f, N, N, Y, Y, N, {Y, Y}, Y, 0, 16, Y, N, 112},
    {"VW Scirocco", "VWS", {0.16f, 0.16f}, 3.99f, N, Y, N, Y, N, {Y, Y}, N, 77, 36, Y, N, 7},
};

}  // namespace

void InitLFSCars() {
    auto& cars = LFSCarTable().LFSCars;
    for (std::size_t i = 0; i < kLFSCarCount; ++i) {
        const CarRow& row = kRows[i];
        LFSCarRecord car;
        car.Name = PadFixed(row.name, kLFSCarNameLength);
        car.Code = PadFixed(row.code, 3);
        car.TravelReference[0] = row.travelReference[0];
        car.TravelReference[1] = row.travelReference[1];
        car.ReverseRatio = row.reverseRatio;
        car.HasConfig = ToVbBool(row.config);
        car.HasABS = ToVbBool(row.abs);
        car.HasThrottleSettings = ToVbBool(row.throttle);
        car.HasTractionControl = ToVbBool(row.tractionControl);
        car.SimplifiedDampers = ToVbBool(row.simplifiedDampers);
        car.HasAntiRollBar[0] = ToVbBool(row.antiRollBar[0]);
        car.HasAntiRollBar[1] = ToVbBool(row.antiRollBar[1]);
        car.CasterAdjustable = ToVbBool(row.casterAdjustable);
        car.FixedCaster = row.fixedCaster;
        car.MaxSteerLock = row.maxSteerLock;
        car.DiffTypeSelectable = ToVbBool(row.diffTypeSelectable);
        car.SimplifiedDiffs = ToVbBool(row.simplifiedDiffs);
        car.TyreCompoundMask = row.compoundMask;
        cars[i] = car;
    }
}

int FindLFSCarByName(std::string_view vehicleName) {
    const std::string padded = PadFixed(vehicleName, kLFSCarNameLength);
    const auto& cars = LFSCarTable().LFSCars;
    for (std::size_t i = 0; i < kLFSCarCount; ++i) {
        if (!cars[i].Name.empty() && cars[i].Name == padded) return static_cast<int>(i);
    }
    return -1;
}

int FindLFSCarByCode(std::string_view code) {
    const auto& cars = LFSCarTable().LFSCars;
    for (std::size_t i = 0; i < kLFSCarCount; ++i) {
        const std::string rowCode = TrimRight(cars[i].Code);
        if (!rowCode.empty() && rowCode == code) return static_cast<int>(i);
    }
    return -1;
}

float LFSCarReverseRatio(const LFSCarRecord& car) {
    const float r = car.ReverseRatio;
    return (r != 0.0f && std::isfinite(r)) ? r : 1.0f;
}

bool LFSCarOffersCompound(const LFSCarRecord& car, int compound) {
    if (compound < 0 || compound > 7) return false;
    return (car.TyreCompoundMask >> (7 - compound)) & 1;
}

}  // namespace core
