#include "files/VehicleFile.hpp"

#include <cstring>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/FileMessages.hpp"
#include "platform/Services.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/VehicleCheck.hpp"

namespace files {

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
    // What the vehicle editor would never store (a NaN, a 1e38 kg body, nine gears, wheels
    // heavier than the body, a tyre without sidewall, an engine whose figures no curve keeps
    // to) would reach every analysis: the file is refused with the first problem found.
    if (const auto problems = vehicle::FindVehicleProblems(record.Vehicle); !problems.empty()) {
        ShowFileError(core::TextTable().MsgBadVehicleFile + "\r\n" + problems.front().Text);
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
