// Engines from makers' published figures, as a new user types them into the vehicle editor:
// the peak torque over its speed band, the peak power at a speed of its band, idle and limit.
#pragma once

#include <array>
#include <cmath>
#include <string>

#include "core/OptionsSettings.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "vehicle/VehicleFieldRanges.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehtest {

struct PublishedEngine {
    const char* name;
    float torque;                     // N m
    float torqueFrom, torqueTo;       // rpm: the plateau
    float power;                      // kW
    float powerFrom, powerTo;         // rpm: where the maker states it
    float idle, limit;                // rpm
};

inline constexpr std::array<PublishedEngine, 18> kPublishedEngines{{
    {"VW up! 1.0 60PS", 95, 3000, 4300, 44, 5000, 6000, 750, 6500},
    {"Fiat 500 1.2", 102, 3000, 3000, 51, 5500, 5500, 800, 6300},
    {"Mazda3 2.0", 210, 4000, 4000, 88, 6000, 6000, 650, 6500},
    {"Civic 1.8", 174, 4300, 4300, 103, 6300, 6300, 700, 6800},
    {"Golf 1.4 TSI", 200, 1400, 4000, 92, 5000, 6000, 700, 6500},
    {"Golf GTI Mk7", 350, 1500, 4400, 162, 4500, 6200, 750, 6800},
    {"Fiesta ST", 240, 1600, 5000, 134, 5700, 5700, 750, 6500},
    {"Focus RS Mk3", 440, 2000, 4500, 257, 6000, 6000, 800, 6800},
    {"Golf 1.6 TDI", 250, 1500, 2750, 77, 3000, 4000, 800, 5000},
    {"Golf 2.0 TDI", 340, 1750, 3000, 110, 3500, 4000, 800, 5000},
    {"Honda S2000", 208, 7500, 7500, 177, 8300, 8300, 900, 9000},
    {"Lancer Evo IX", 355, 3500, 3500, 206, 6500, 6500, 850, 7000},
    {"BMW M3 E46", 365, 4900, 4900, 252, 7900, 7900, 850, 8000},
    {"Mustang GT (EU)", 529, 4600, 4600, 331, 7000, 7000, 700, 7500},
    // Typed at the start of their power bands these need 1.0007 x and 1.0098 x their peak
    // torque at the power peak: the makers' rounding.
    {"BMW M3 F80", 550, 1850, 5500, 317, 5500, 7300, 750, 7600},
    {"Golf R Mk7", 380, 1800, 5500, 221, 5500, 6200, 750, 6800},
    {"2.0 TFSI 190 kW", 400, 1550, 4400, 190, 5000, 6500, 750, 7000},
    {"Audi RS3 (8V)", 480, 1700, 5850, 294, 5850, 7000, 750, 7200},
}};

// The engine's figures with the power typed at `powerRpm`, the shapes of `shapes` (the shape
// figures of a shipped car, or the editor's slider defaults) and its braking and fuel.
inline vehicle::EngineFigures Typed(const PublishedEngine& p, float powerRpm,
                                    const vehicle::EngineFigures& shapes) {
    vehicle::EngineFigures f = shapes;
    f.PeakTorque = p.torque;
    f.TorquePeakRPM = p.torqueFrom;
    f.TorquePeakWidth = p.torqueTo - p.torqueFrom;
    f.PeakPower = p.power;
    f.PowerPeakRPM = powerRpm;
    f.IdleRPM = p.idle;
    f.LimitRPM = p.limit;
    return f;
}

// The shape figures at the editor's slider defaults (upper shape A 0.6, B 0.9975, idle torque
// 0.6 of the peak, lower shape 1.5, no power reduction or shift).
inline vehicle::EngineFigures DefaultShapes(vehicle::EngineFigures f) {
    namespace d = core::design;
    f.IdleTorqueFraction = d::EditorIdleTorque.value / 100.0f;
    f.LowerShape = d::EditorTCA.value / 10.0f;
    f.UpperShapeA = d::EditorPCA.value / 100.0f;
    f.UpperShapeB = 1.0f - d::EditorPWA.value / 10000.0f;
    f.ReducePowerFactor = 1.0f - d::EditorPR.value / 1000.0f;
    f.ShiftPowerFactor = 1.0f + d::EditorPS.value / 1000.0f;
    return f;
}

// Types the engine into the open vehicle editor box by box, as a person does, in whole display
// units, with the power at `powerRpm`.
inline void TypeIntoEditor(ui::Main& w, const PublishedEngine& p, float powerRpm) {
    const double arv = core::OptionsSettings().UnitFactorARV * 0.10471975511963333;
    const auto type = [](platform::TextBox* box, double value) {
        box->SetSelStart(0);
        box->SetSelLength(static_cast<int>(box->Text().size()));
        box->UserType(std::to_string(std::lround(value)));
    };
    type(w.VehData_NewTorque, p.torque);
    type(w.VehData_NewPower, p.power);
    type(w.VehData_NewLimitRPM, p.limit * arv);
    type(w.VehData_NewIdleRPM, p.idle * arv);
    type(w.VehData_NewTorqueRPM, p.torqueFrom * arv);
    type(w.VehData_NewTorquePeakWidth, (p.torqueTo - p.torqueFrom) * arv);
    type(w.VehData_NewPowerRPM, powerRpm * arv);
}

}  // namespace vehtest
