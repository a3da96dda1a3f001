#include "files/VehicleFile.hpp"

#include <cstring>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/FileMessages.hpp"
#include "platform/Services.hpp"
#include "vehicle/EngineCode.hpp"
#include "vehicle/EngineFigureCheck.hpp"
#include "vehicle/EngineSpeedOrder.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace files {

namespace {

// An engine the vehicle editor would refuse, with the fields that make it so, or "". Speeds
// out of the editor's order (idle above the torque peak, a power peak inside the plateau)
// would give a curve fitted backwards; figures that contradict each other (a power that needs
// more than the peak torque, a plateau that gives more than the peak power) fit no curve.
std::string EngineProblem(const vehicle::VehicleRecord& v) {
    const auto& texts = core::TextTable();
    if (const std::string order = vehicle::FirstEngineSpeedConflict(v); !order.empty())
        return texts.MsgEngineSpeedsOutOfOrder + order;
    const uint8_t drive = v.Drivetrain.DriveType;
    if (drive == vehicle::kDriveThrust) return {};
    const vehicle::EngineFigureConflicts c =
        vehicle::FindEngineFigureConflicts(vehicle::EngineRecordFromFigures(v.Engine, drive));
    if (c.PowerNeedsMoreTorque()) {
        return texts.MsgPowerPeakTorquePrefix + core::RoundedText(c.PowerPeakTorqueShare, 1) +
               texts.MsgPowerPeakTorqueSuffix;
    }
    if (c.PlateauGivesMorePower()) {
        return texts.MsgPlateauPowerPrefix + core::RoundedText(c.PlateauPowerShare, 2) +
               texts.MsgPlateauPowerSuffix;
    }
    return {};
}

}  // namespace

bool SaveVehicleFile(uint8_t Index, const std::string& path) {
    const auto& vehicles = core::GlobalChassisLab().Vehicles;
    if (Index >= vehicles.size()) {
        ShowFileError("No loaded vehicle to save.");
        return false;
    }
    VehicleFileRecord record;
    record.Identifier = kVehicleFileId;
    record.Version = kVehicleFileVersion;
    record.Vehicle = vehicles[Index];
    const VehicleFileBytes bytes = EncodeVehicleFile(record);
    const std::string error = ReplaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!error.empty()) {
        ShowFileError("The vehicle could not be saved to " + path + "\r\n" + error);
        return false;
    }
    return true;
}

std::optional<VehicleFileRecord> ReadVehicleFileRecord(const std::string& path,
                                                       int16_t* exists) {
    const int16_t check = CheckFile(path);
    if (exists) *exists = check;
    if (check != 1) return std::nullopt;
    std::string contents;
    // A file shorter than the record cannot hold a vehicle; reading it with zeros for the
    // missing bytes would load a damaged vehicle.
    if (!ReadWholeFile(path, contents) || contents.size() < kVehicleFileSize) return std::nullopt;
    VehicleFileBytes bytes{};
    std::memcpy(bytes.data(), contents.data(), kVehicleFileSize);
    VehicleFileRecord record = DecodeVehicleFile(bytes);
    if (record.Identifier != kVehicleFileId) return std::nullopt;
    return record;
}

bool LoadVehicleFile(const std::string& Path, bool Select) {
    auto& g = core::GlobalChassisLab();
    int16_t exists = 0;
    const std::optional<VehicleFileRecord> read = ReadVehicleFileRecord(Path, &exists);
    if (exists == 0) {
        const auto& texts = core::TextTable();
        ShowFileError(texts.MsgFileEmpty + "\r\n" + texts.MsgBadVehicleFile);
        return false;
    }
    if (exists != 1) {
        ShowFileError(core::TextTable().MsgFileNotExist);
        return false;
    }
    if (!read) {
        ShowFileError(core::TextTable().MsgBadVehicleFile);
        return false;
    }
    const VehicleFileRecord& record = *read;
    if (record.Version != kVehicleFileVersion) {
        ShowFileProblem(core::TextTable().MsgBadVehicleVersion);
        return false;
    }
    // Values the vehicle editor would never store (a NaN, a 1e38 kg body, nine gears) would
    // reach every analysis; such a file is refused, naming the first bad field.
    if (const std::string badField = vehicle::FirstFieldOutOfRange(record.Vehicle);
        !badField.empty()) {
        ShowFileError(core::TextTable().MsgBadVehicleFile + "\r\n" +
                      core::TextTable().MsgBadVehicleField + badField);
        return false;
    }
    // Wheel masses above what the body leaves them would give a negative sprung mass.
    if (const std::string masses = vehicle::FirstWheelMassConflict(record.Vehicle);
        !masses.empty()) {
        ShowFileError(core::TextTable().MsgBadVehicleFile + "\r\n" +
                      core::TextTable().MsgWheelMassesTooHeavy + masses);
        return false;
    }
    if (const std::string problem = EngineProblem(record.Vehicle); !problem.empty()) {
        ShowFileError(core::TextTable().MsgBadVehicleFile + "\r\n" + problem);
        return false;
    }
    const std::string trimmedName = core::Trim(record.Vehicle.Name);
    for (const auto& loaded : g.Vehicles) {
        if (core::Trim(loaded.Name) == trimmedName) {
            ShowFileProblem("Cannot load vehicle. A vehicle named " + trimmedName +
                        " is already loaded.");
            return false;
        }
    }
    if (vehicle::VehicleListFull()) {
        platform::MsgBox(core::TextTable().VehicleLimitText);
        return false;
    }

    const bool wasEmpty = g.Vehicles.empty();
    vehicle::AppendVehicle(record.Vehicle);
    // The first vehicle loaded for selection ends the start-up state.
    if (Select && wasEmpty) g.FormLoading = core::VbFalse;
    return true;
}

}  // namespace files
