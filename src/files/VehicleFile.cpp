#include "files/VehicleFile.hpp"

#include <cstring>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/SetupNameClash.hpp"
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

VehicleFileCheck CheckVehicleFile(const std::string& path) {
    const auto& texts = core::TextTable();
    VehicleFileCheck check;
    const auto refuse = [&check](std::string text, bool problem = false) {
        check.refusal = std::move(text);
        check.problem = problem;
        return check;
    };
    const int16_t exists = CheckFile(path);
    if (exists == 0) return refuse(texts.MsgFileEmpty + "\r\n" + texts.MsgBadVehicleFile);
    if (exists != 1) return refuse(texts.MsgFileNotExist);
    std::string contents;
    switch (ReadFileUpTo(path, kVehicleFileSize, contents)) {
        case CappedRead::Unreadable: return refuse(texts.MsgBadVehicleFile);
        case CappedRead::TooLarge:
            return refuse(texts.MsgBadVehicleFile + "\r\nThe file holds " +
                          std::to_string(FileSize(path).value_or(contents.size())) +
                          " bytes; a vehicle data file holds " +
                          std::to_string(kVehicleFileSize) + ".");
        case CappedRead::Read: break;
    }
    // A file shorter than the record cannot hold a vehicle; reading it with zeros for the
    // missing bytes would load a damaged vehicle.
    if (contents.size() < kVehicleFileSize) return refuse(texts.MsgBadVehicleFile);
    VehicleFileBytes bytes{};
    std::memcpy(bytes.data(), contents.data(), kVehicleFileSize);
    VehicleFileRecord record = DecodeVehicleFile(bytes);
    if (record.Identifier != kVehicleFileId) return refuse(texts.MsgBadVehicleFile);
    if (record.Version != kVehicleFileVersion) return refuse(texts.MsgBadVehicleVersion, true);
    // What the vehicle editor would never store (a NaN, a 1e38 kg body, nine gears, wheels
    // heavier than the body, a tyre without sidewall, an engine whose figures no curve keeps
    // to) would reach every analysis: the file is refused with the first problem found.
    if (const auto problems = vehicle::FindVehicleProblems(record.Vehicle); !problems.empty())
        return refuse(texts.MsgBadVehicleFile + "\r\n" + problems.front().Text);
    check.record = std::move(record);
    return check;
}

bool LoadVehicleFile(const std::string& Path, bool Select, bool NameFileInMessages) {
    auto& g = core::GlobalChassisLab();
    const auto named = [&](const std::string& text) {
        return NameFileInMessages ? "The vehicle file " + Path + " was not loaded.\r\n" + text
                                  : text;
    };
    const VehicleFileCheck check = CheckVehicleFile(Path);
    if (!check.record) {
        if (check.problem)
            ShowFileProblem(named(check.refusal));
        else
            ShowFileError(named(check.refusal));
        return false;
    }
    const vehicle::VehicleRecord& vehicle = check.record->Vehicle;
    const std::string trimmedName = core::Trim(vehicle.Name);
    for (const auto& loaded : g.Vehicles) {
        if (core::Trim(loaded.Name) == trimmedName) {
            ShowFileProblem(named("Cannot load vehicle. A vehicle named " + trimmedName +
                                  " is already loaded."));
            return false;
        }
    }
    if (const std::string clash = SetupNameClash(vehicle.Name); !clash.empty()) {
        ShowFileProblem(named(clash));
        return false;
    }
    if (vehicle::VehicleListFull()) {
        platform::MsgBox(named(core::TextTable().VehicleLimitText));
        return false;
    }

    const bool wasEmpty = g.Vehicles.empty();
    vehicle::AppendVehicle(vehicle);
    // The first vehicle loaded for selection ends the start-up state.
    if (Select && wasEmpty) g.FormLoading = core::VbFalse;
    return true;
}

}  // namespace files
