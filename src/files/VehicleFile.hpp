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

// A vehicle file as the loader judges it on its own, before it looks at the loaded vehicles:
// the vehicle, or why the file cannot be loaded. The refusal never names the file: each caller
// names it in its own way, once.
struct VehicleFileCheck {
    std::optional<VehicleFileRecord> record;
    std::string refusal;   // "" when `record` holds the vehicle
    bool problem = false;  // shown as a "Problem" (a wrong version), else as an "Error!"
    // The system's error number when the file is missing (ENOENT: the refusal is then "File does
    // not exist!") or cannot be reached or read (EACCES for a file the user may not read: the
    // refusal is then "cannot be read: <the system's reason>", said after the file's name;
    // NotReadReason). 0 otherwise.
    int readError = 0;
};

// Reads no more than kVehicleFileSize + 1 bytes. Refused: a missing or empty file, one that
// cannot be reached or read (readError), one shorter or longer than kVehicleFileSize (a longer
// one is named with its size), a wrong identifier or version, and a vehicle the editor would
// refuse (a value out of range, wheel masses above the body's, an engine out of order or
// climbing far above its peak torque).
VehicleFileCheck CheckVehicleFile(const std::string& path);

// Writes Vehicles[Index] to the file at `path` through a temporary file and a rename, so a
// failed save leaves any old file as it was. A failure is reported to the user ("Error!",
// critical icon) and gives false.
bool SaveVehicleFile(uint8_t Index, const std::string& path);

// Why a vehicle file did not join the vehicle list.
struct VehicleLoadRefusal {
    enum class Kind { Error, Problem, ListFull };
    Kind kind = Kind::Error;  // shown as an "Error!", a "Problem", or a plain message
    std::string text;         // not naming the file (VehicleFileCheck::refusal)
    int readError = 0;        // as VehicleFileCheck::readError
};

// Reads and checks a vehicle file (CheckVehicleFile) and appends the vehicle to the vehicle
// list; tells the user nothing. Also refused: a vehicle whose name a loaded one has (blanks
// around it ignored), one whose setup files a loaded one's would share (SetupNameClash), and
// any vehicle when the list is full; the list is then unchanged. nullopt when the vehicle was
// added. With Select true and an empty list before, FormLoading is lowered. The main window
// adds the new element's padded Name to its vehicle selector (and selects it when Select is
// true).
std::optional<VehicleLoadRefusal> AddVehicleFromFile(const std::string& Path, bool Select);

// AddVehicleFromFile, reporting a refusal in a message box (a file that cannot be read named
// with the reason: "The file <path> cannot be read: Permission denied"; NotReadText). True
// when the vehicle was added.
bool LoadVehicleFile(const std::string& Path, bool Select);

}  // namespace files
