#include "files/VehicleFile.hpp"

#include <cerrno>
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
        ShowFileError("The vehicle could not be saved to " + PathInMessage(path) + "\r\n" + error);
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
    const auto unreadable = [&check, &refuse](int error) {
        check.readError = error;
        return refuse(NotReadReason(error));
    };
    const FileReach reach = ReachFile(path);
    if (reach.check == 0) return refuse(texts.MsgFileEmpty + "\r\n" + texts.MsgBadVehicleFile);
    if (reach.check < 0) return unreadable(reach.error);
    std::string contents;
    switch (ReadFileUpTo(path, kVehicleFileSize, contents)) {
        case CappedRead::Unreadable: return unreadable(errno);
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

std::optional<VehicleLoadRefusal> AddVehicleFromFile(const std::string& Path, bool Select) {
    using Kind = VehicleLoadRefusal::Kind;
    auto& g = core::GlobalChassisLab();
    const VehicleFileCheck check = CheckVehicleFile(Path);
    if (!check.record)
        return VehicleLoadRefusal{check.problem ? Kind::Problem : Kind::Error, check.refusal,
                                  check.readError};
    const vehicle::VehicleRecord& vehicle = check.record->Vehicle;
    // A vehicle of the same name shares its setup files too, so the one search finds both.
    const std::vector<std::size_t> sharing = VehiclesSharingSetupFiles(vehicle.Name);
    if (!sharing.empty()) {
        const std::string trimmedName = core::Trim(vehicle.Name);
        for (const std::size_t i : sharing) {
            if (core::Trim(g.Vehicles[i].Name) == trimmedName) {
                return VehicleLoadRefusal{Kind::Problem, "Cannot load vehicle. A vehicle named " +
                                                             trimmedName + " is already loaded."};
            }
        }
        return VehicleLoadRefusal{Kind::Problem, SetupNameClashText(vehicle.Name, sharing.front())};
    }
    if (vehicle::VehicleListFull())
        return VehicleLoadRefusal{Kind::ListFull, core::TextTable().VehicleLimitText};

    const bool wasEmpty = g.Vehicles.empty();
    vehicle::AppendVehicle(vehicle);
    // The first vehicle loaded for selection ends the start-up state.
    if (Select && wasEmpty) g.FormLoading = core::VbFalse;
    return std::nullopt;
}

bool LoadVehicleFile(const std::string& Path, bool Select) {
    const std::optional<VehicleLoadRefusal> refusal = AddVehicleFromFile(Path, Select);
    if (!refusal) return true;
    switch (refusal->kind) {
        case VehicleLoadRefusal::Kind::Error:
            ShowFileError(refusal->readError != 0 ? NotReadText(Path, refusal->readError)
                                                  : refusal->text);
            break;
        case VehicleLoadRefusal::Kind::Problem: ShowFileProblem(refusal->text); break;
        case VehicleLoadRefusal::Kind::ListFull: platform::MsgBox(refusal->text); break;
    }
    return false;
}

}  // namespace files
