// The vehicle data file ".vd3": a fixed 326-byte binary file holding the identifier
// "VEHDATA", the version byte 3 and one VehicleRecord, field after field, packed,
// little-endian (floats are IEEE singles, some at odd offsets; booleans are int16 -1/0).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "vehicle/VehicleRecord.hpp"

namespace files {

inline constexpr std::size_t kVehicleFileSize = 326;
inline constexpr const char* kVehicleFileId = "VEHDATA";
inline constexpr uint8_t kVehicleFileVersion = 3;

using VehicleFileBytes = std::array<uint8_t, kVehicleFileSize>;

// The file record in memory: identifier, version, vehicle.
struct VehicleFileRecord {
    std::string Identifier;  // 7 characters
    uint8_t Version = 0;
    vehicle::VehicleRecord Vehicle;
};

// Lays out the record byte by byte; the name is written padded or cut to 32 characters.
VehicleFileBytes EncodeVehicleFile(const VehicleFileRecord& record);
// Reads the fields back from exactly kVehicleFileSize bytes.
VehicleFileRecord DecodeVehicleFile(const VehicleFileBytes& bytes);

// The record of a vehicle data file, when the file is one: present, not empty, at least
// kVehicleFileSize bytes, with the identifier kVehicleFileId (the version is not checked).
// `exists` (optional) receives CheckFile's verdict (1, 0 empty, -1 missing).
std::optional<VehicleFileRecord> ReadVehicleFileRecord(const std::string& path,
                                                       int16_t* exists = nullptr);

// Writes Vehicles[Index] to the file at `path` through a temporary file and a rename, so a
// failed save leaves any old file as it was. A failure is reported to the user ("Error!",
// critical icon) and gives false.
bool SaveVehicleFile(uint8_t Index, const std::string& path);

// Reads and checks a vehicle file and appends the vehicle to the vehicle list. Every refusal
// is reported in a message box and leaves the list unchanged; the result is true when the
// vehicle was added. With Select true and an empty list before, FormLoading is lowered.
// The main window adds the new element's padded Name to its vehicle selector (and selects it
// when Select is true).
bool LoadVehicleFile(const std::string& Path, bool Select);

}  // namespace files
