// The ".vd3" vehicle data file: byte layout, bit-exact round trip, and every refusal.
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "files/ListFiles.hpp"
#include "files/VehicleFile.hpp"
#include "support/FilePermissions.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

using namespace vehtest;

float FloatAt(const std::string& bytes, std::size_t offset) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    return std::bit_cast<float>(u);
}

int32_t Int32At(const std::string& bytes, std::size_t offset) {
    return std::bit_cast<int32_t>(std::bit_cast<uint32_t>(FloatAt(bytes, offset)));
}

int16_t Int16At(const std::string& bytes, std::size_t offset) {
    return static_cast<int16_t>(static_cast<uint8_t>(bytes[offset]) |
                                (static_cast<uint8_t>(bytes[offset + 1]) << 8));
}

uint8_t ByteAt(const std::string& bytes, std::size_t offset) {
    return static_cast<uint8_t>(bytes[offset]);
}

void ExpectSameBits(float a, float b, const char* what) {
    EXPECT_EQ(std::bit_cast<uint32_t>(a), std::bit_cast<uint32_t>(b)) << what;
}

class VehicleFileTest : public ProgramFolderTest {};

TEST_F(VehicleFileTest, SavedFileHasTheDocumentedLayout) {
    auto& g = core::GlobalChassisLab();
    const auto v = DistinctVehicle("Layout car");
    g.Vehicles.push_back(v);
    g.VehicleCount = 1;
    const std::string path = VehiclePath("layout");
    ASSERT_TRUE(files::SaveVehicleFile(0, path));
    const std::string b = ReadFile(path);

    // Offsets from the published file layout, not from the writer.
    ASSERT_EQ(b.size(), 326u);
    EXPECT_EQ(b.substr(0, 7), "VEHDATA");
    EXPECT_EQ(ByteAt(b, 7), 3);
    EXPECT_EQ(b.substr(8, 32), "Layout car" + std::string(22, ' '));
    struct FloatField {
        std::size_t offset;
        float value;
        const char* name;
    };
    const FloatField floats[] = {
        {40, 1234.5f, "BodyMass"}, {48, 0.55f, "BodyCoG.Y"}, {56, 60.0f, "FuelTankCapacity"},
        {68, 0.1f, "FuelTankPos.Z"}, {72, 0.05f, "RefHeight"}, {136, v.AeroElements[3].PosZ, "aero 3 Z"},
        {140, 1.9f, "FrontalArea"}, {148, -0.1f, "LiftCoefficient"}, {152, 300.0f, "PeakTorque"},
        {176, 7200.0f, "LimitRPM"}, {204, v.Engine.ShiftPowerFactor, "ShiftPowerFactor"},
        {213, 0.15f, "ShiftTime"}, {229, v.RotatingMass[0], "RotatingMass(0)"},
        {237, v.Axles[0].SpringMotionRatio, "front motion ratio"},
        {261, v.Axles[0].TrackWidth, "front track"},
        {265, v.Axles[1].SpringMotionRatio, "rear motion ratio"}, {293, 2.6f, "Wheelbase"},
        {297, v.HandicapHeight, "HandicapHeight"}, {301, v.Seats[0].X, "Seats(0).X"},
        {321, v.Seats[1].Z, "Seats(1).Z"}};
    for (const auto& f : floats) EXPECT_EQ(FloatAt(b, f.offset), f.value) << f.name;
    EXPECT_EQ(Int32At(b, 76), 10);   // AeroElements(0).DeviceType
    EXPECT_EQ(Int32At(b, 124), 13);  // AeroElements(3).DeviceType
    // 0.85f (DrivetrainEfficiency) is 0x3F59999A: little-endian at the unaligned offset 209.
    // HasReverse = -1 as two bytes; DriveType, NumGears; tyre sizes with the signed width and
    // the unsigned profile; MaxPassengers last.
    const std::pair<std::size_t, uint8_t> bytes[] = {
        {208, 7},    {209, 0x9A}, {210, 0x99}, {211, 0x59}, {212, 0x3F}, {217, 0xFF}, {218, 0xFF},
        {219, 2},    {220, 6},    {223, 45},   {224, 17},   {227, 255},  {325, 4}};
    for (const auto& [offset, value] : bytes) EXPECT_EQ(ByteAt(b, offset), value) << offset;
    EXPECT_EQ(Int16At(b, 221), 225);
    EXPECT_EQ(Int16At(b, 225), -2);
}

TEST_F(VehicleFileTest, RoundTripKeepsEveryFieldBitForBit) {
    auto& g = core::GlobalChassisLab();
    auto v = DistinctVehicle("Round trip");
    // Values a text or double detour would alter: negative zero, a subnormal, a NaN with a
    // payload, infinity, the largest float. The reader refuses such a vehicle, so the layout
    // is read back through the decoder.
    v.BodyCoG.X = -0.0f;
    v.FuelTankPos.Y = std::numeric_limits<float>::denorm_min();
    v.Drivetrain.DrivetrainEfficiency = std::bit_cast<float>(0x7FC01234u);
    v.Axles[1].TrackWidth = std::numeric_limits<float>::infinity();
    v.Engine.PeakPower = std::numeric_limits<float>::max();
    v.AeroElements[2].DeviceType = std::numeric_limits<int32_t>::min();
    g.Vehicles.push_back(v);
    g.VehicleCount = 1;
    const std::string path = VehiclePath("roundtrip");
    ASSERT_TRUE(files::SaveVehicleFile(0, path));
    const std::string first = ReadFile(path);
    ASSERT_EQ(first.size(), files::kVehicleFileSize);
    files::VehicleFileBytes bytes{};
    std::copy(first.begin(), first.end(), bytes.begin());
    const vehicle::VehicleRecord r = files::DecodeVehicleFile(bytes).Vehicle;

    EXPECT_EQ(r.Name, v.Name);
    ExpectSameBits(r.BodyCoG.X, v.BodyCoG.X, "negative zero");
    ExpectSameBits(r.FuelTankPos.Y, v.FuelTankPos.Y, "subnormal");
    ExpectSameBits(r.Drivetrain.DrivetrainEfficiency, v.Drivetrain.DrivetrainEfficiency,
                   "NaN payload at offset 209");
    ExpectSameBits(r.Axles[1].TrackWidth, v.Axles[1].TrackWidth, "infinity");
    ExpectSameBits(r.Engine.PeakPower, v.Engine.PeakPower, "float max");
    EXPECT_EQ(r.AeroElements[2].DeviceType, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(r.Drivetrain.HasReverse, core::VbTrue);
    EXPECT_EQ(r.Tyres[1].Width, -2);
    EXPECT_EQ(r.Tyres[1].Profile, 255);
    EXPECT_EQ(r.MaxPassengers, 4);
    EXPECT_EQ(r.Engine.FuelType, 7);
    ExpectSameBits(r.Seats[1].Z, v.Seats[1].Z, "last float");

    // Every other field: saving the decoded copy reproduces the file byte for byte.
    g.Vehicles[0] = r;
    const std::string second = VehiclePath("again");
    ASSERT_TRUE(files::SaveVehicleFile(0, second));
    EXPECT_EQ(ReadFile(second), first);

    // A vehicle the reader takes comes back through the reader unchanged.
    g.Vehicles[0] = ValidVehicle("Loaded back");
    ASSERT_TRUE(files::SaveVehicleFile(0, path));
    const std::string valid = ReadFile(path);
    core::GlobalChassisLab() = core::GlobalChassisLabState{};
    ASSERT_TRUE(files::LoadVehicleFile(path, false)) << LastMessage();
    ASSERT_EQ(core::GlobalChassisLab().VehicleCount, 1);
    core::GlobalChassisLab().Vehicles.push_back(core::GlobalChassisLab().Vehicles[0]);
    ASSERT_TRUE(files::SaveVehicleFile(1, second));
    EXPECT_EQ(ReadFile(second), valid);

    // A false boolean is stored as 0, and a 32-character name fills the field unpadded.
    auto w = DistinctVehicle(std::string(32, 'N'));
    w.Drivetrain.HasReverse = core::VbFalse;
    g.Vehicles[0] = w;
    ASSERT_TRUE(files::SaveVehicleFile(0, second));
    const std::string b = ReadFile(second);
    EXPECT_EQ(Int16At(b, 217), 0);
    EXPECT_EQ(b.substr(8, 32), std::string(32, 'N'));
    EXPECT_EQ(b.substr(40, 4), first.substr(40, 4));
}

TEST_F(VehicleFileTest, RefusedFilesChangeNothingAndSayWhy) {
    auto& g = core::GlobalChassisLab();
    WriteVehicleFile(VehiclePath("good"), ValidVehicle("Good"));
    const std::string good = ReadFile(VehiclePath("good"));

    // Damaged values: a NaN body mass, 1e38 kg, eight gears (byte 220): the reader names the
    // first field the vehicle editor would not accept.
    auto with = [&](std::size_t offset, const std::string& bytes) {
        std::string b = good;
        b.replace(offset, bytes.size(), bytes);
        return b;
    };
    auto floatBytes = [](float f) {
        const auto u = std::bit_cast<uint32_t>(f);
        std::string b(4, '\0');
        for (int i = 0; i < 4; ++i) b[i] = static_cast<char>(u >> (8 * i));
        return b;
    };
    const std::string notValid = "Not a valid vehicle data file";
    const std::string range = notValid + "\r\nValue out of range: ";
    const std::pair<std::string, std::string> cases[] = {
        {"", "The file is empty.\r\n" + notValid},
        {with(40, floatBytes(std::numeric_limits<float>::quiet_NaN())), range + "BodyMass"},
        {with(40, floatBytes(1e38f)), range + "BodyMass"},
        {with(220, "\x08"), range + "Drivetrain.NumGears"},
        // Figures that are numbers but no box could hold: 500 % efficient (offset 209), a
        // handicap at 1e29 m (297), the body aero centre 1e38 to the side (80).
        {with(209, floatBytes(5.0f)), range + "Drivetrain.DrivetrainEfficiency"},
        {with(297, floatBytes(1e29f)), range + "HandicapHeight"},
        {with(80, floatBytes(1e38f)), range + "AeroElements(0).PosX"},
        {good.substr(0, 325), notValid},
        {good.substr(0, 8), notValid},
        {with(0, "X"), notValid},
        {with(0, "VehData"), notValid},  // the identifier's letter case counts
        {with(7, "\x02"), "Incorrect vehicle data file version"},
        {with(7, "\x04"), "Incorrect vehicle data file version"},
        // A longer file is no vehicle file either; the message names its size.
        {good + "x", notValid + "\r\nThe file holds 327 bytes; a vehicle data file holds 326."},
        {good + "extra", notValid + "\r\nThe file holds 331 bytes; a vehicle data file holds 326."},
    };
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        ClearMessages();
        const std::string path = VehiclePath("bad");
        WriteFile(path, bytes);
        EXPECT_FALSE(files::LoadVehicleFile(path, true));
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].text, message);
        const bool version = message.starts_with("Incorrect");
        EXPECT_EQ(Shown()[0].icon,
                  version ? platform::MsgIcon::Exclamation : platform::MsgIcon::Critical);
        EXPECT_EQ(Shown()[0].title, version ? "Problem" : "Error!");
        EXPECT_EQ(Shown()[0].buttons, platform::MsgButtons::OK);
        EXPECT_EQ(g.VehicleCount, 0);
        EXPECT_TRUE(g.Vehicles.empty());
    }

    ClearMessages();
    EXPECT_FALSE(files::LoadVehicleFile(VehiclePath("missing"), true));
    EXPECT_EQ(LastMessage(), "File does not exist!");

    // A huge file is refused from its first 327 bytes, whatever follows them.
    WriteFile(VehiclePath("huge"), good);
    std::filesystem::resize_file(VehiclePath("huge"), std::uintmax_t{256} << 20);
    ClearMessages();
    EXPECT_FALSE(files::LoadVehicleFile(VehiclePath("huge"), false));
    EXPECT_EQ(LastMessage(),
              notValid + "\r\nThe file holds 268435456 bytes; a vehicle data file holds 326.");
    EXPECT_EQ(g.VehicleCount, 0);
}

// A file the user may not read (another user's, mode 000), or one in a folder the user may
// not search, is not a damaged or a missing one: the message names it with the system's reason
// once, alone, in the start-up list's message, whose line names the file already, and in the
// list editor's.
TEST_F(VehicleFileTest, AFileTheUserMayNotReadIsNamedWithTheReason) {
    auto& g = core::GlobalChassisLab();
    const std::string path = VehiclePath("locked");
    WriteVehicleFile(path, ValidVehicle("Locked"));
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const std::filesystem::path closed = root / "vehicles" / "closed";
    std::filesystem::create_directory(closed);
    const std::string inClosed = (closed / "A.vd3").string();
    WriteVehicleFile(inClosed, ValidVehicle("Alpha"));
    std::filesystem::permissions(closed, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    WriteFile(root / "autoveh.lst", "locked\r\nclosed/A\r\n");
    testsupport::FilePermissionsEnforced enforced;
    if (!enforced.Holds()) GTEST_SKIP() << "running as root without a way to honour file permissions";

    for (const std::string& file : {path, inClosed}) {
        ClearMessages();
        EXPECT_FALSE(files::LoadVehicleFile(file, true));
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].text, "The file " + file + " cannot be read: Permission denied");
        EXPECT_EQ(Shown()[0].title, "Error!");
    }

    ClearMessages();
    files::LoadAutoVehicles();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(Shown()[0].text.ends_with(
        "Not loaded:\r\nlocked.vd3 (named on 1 line): cannot be read: Permission denied\r\n"
        "closed/A.vd3 (named on 1 line): cannot be read: Permission denied"))
        << Shown()[0].text;
    EXPECT_EQ(Shown()[0].title, "Error!");
    EXPECT_EQ(g.VehicleCount, 0);

    EXPECT_EQ(files::CheckAutoVehicleChoice(path, {}).refusal,
              "locked.vd3 cannot be read: Permission denied");
    EXPECT_EQ(files::CheckAutoVehicleChoice(inClosed, {}).refusal,
              "A.vd3 cannot be read: Permission denied");
    std::filesystem::permissions(closed, std::filesystem::perms::owner_all);
}

TEST_F(VehicleFileTest, NamesCompareTrimmedAndCaseSensitive) {
    auto& g = core::GlobalChassisLab();
    WriteVehicleFile(VehiclePath("a"), ValidVehicle("Race Car"));
    WriteVehicleFile(VehiclePath("b"), ValidVehicle("   Race Car"));
    WriteVehicleFile(VehiclePath("c"), ValidVehicle("race car"));

    ASSERT_TRUE(files::LoadVehicleFile(VehiclePath("a"), false));
    // Reloading the same file, or a name differing only in leading blanks, is refused.
    EXPECT_FALSE(files::LoadVehicleFile(VehiclePath("a"), false));
    EXPECT_EQ(LastMessage(), "Cannot load vehicle. A vehicle named Race Car is already loaded.");
    EXPECT_EQ(Shown().back().title, "Problem");
    EXPECT_EQ(Shown().back().icon, platform::MsgIcon::Exclamation);
    EXPECT_FALSE(files::LoadVehicleFile(VehiclePath("b"), false));
    EXPECT_EQ(g.VehicleCount, 1);
    // Another letter case is another vehicle.
    EXPECT_TRUE(files::LoadVehicleFile(VehiclePath("c"), false));
    EXPECT_EQ(g.VehicleCount, 2);
    EXPECT_EQ(g.Vehicles[1].Name, "race car" + std::string(24, ' '));
}

// A vehicle whose name cleans to the setup file name of a loaded one would open its setups:
// it is refused, naming both (which names clean alike: FileHelpersTest).
TEST_F(VehicleFileTest, ANameSharingALoadedVehiclesSetupFilesIsRefused) {
    WriteVehicleFile(VehiclePath("first"), ValidVehicle("Rally Car"));
    WriteVehicleFile(VehiclePath("second"), ValidVehicle("Rally Car?"));
    ASSERT_TRUE(files::LoadVehicleFile(VehiclePath("first"), false));
    ASSERT_FALSE(files::LoadVehicleFile(VehiclePath("second"), false));
    EXPECT_EQ(LastMessage(), "The vehicle \"Rally Car?\" was not taken: its setup files would be "
                             "named \"Rally Car_*.set\", as are those of the loaded vehicle "
                             "\"Rally Car\".");
    EXPECT_EQ(Shown().back().title, "Problem");
    EXPECT_EQ(core::GlobalChassisLab().VehicleCount, 1);
}

TEST_F(VehicleFileTest, FirstVehicleLoadedForSelectionEndsStartUp) {
    auto& g = core::GlobalChassisLab();
    WriteVehicleFile(VehiclePath("a"), ValidVehicle("A"));
    WriteVehicleFile(VehiclePath("b"), ValidVehicle("B"));
    WriteVehicleFile(VehiclePath("c"), ValidVehicle("C"));

    g.FormLoading = core::VbTrue;
    ASSERT_TRUE(files::LoadVehicleFile(VehiclePath("a"), false));
    EXPECT_EQ(g.FormLoading, core::VbTrue);  // start-up list: not selected

    core::GlobalChassisLab().Vehicles.clear();
    g.VehicleCount = 0;
    ASSERT_TRUE(files::LoadVehicleFile(VehiclePath("b"), true));
    EXPECT_EQ(g.FormLoading, core::VbFalse);

    g.FormLoading = core::VbTrue;  // only the first vehicle into an empty list lowers it
    ASSERT_TRUE(files::LoadVehicleFile(VehiclePath("c"), true));
    EXPECT_EQ(g.FormLoading, core::VbTrue);
}

TEST_F(VehicleFileTest, TwoHundredAndFirstVehicleIsRefused) {
    auto& g = core::GlobalChassisLab();
    for (int i = 0; i < 200; ++i) g.Vehicles.push_back(DistinctVehicle("V" + std::to_string(i)));
    g.VehicleCount = 200;
    WriteVehicleFile(VehiclePath("extra"), ValidVehicle("Extra"));

    EXPECT_FALSE(files::LoadVehicleFile(VehiclePath("extra"), true));
    EXPECT_EQ(LastMessage(), "You can only load up to 200 vehicles at any one time.");
    EXPECT_EQ(Shown().back().icon, platform::MsgIcon::None);
    EXPECT_EQ(g.VehicleCount, 200);
    EXPECT_EQ(g.Vehicles.size(), 200u);
}

TEST_F(VehicleFileTest, FailedSaveReportsAndKeepsTheOldFile) {
    auto& g = core::GlobalChassisLab();
    g.Vehicles.push_back(DistinctVehicle("Old"));
    g.Vehicles.push_back(DistinctVehicle("New"));
    g.VehicleCount = 2;

    // The folder cannot exist: its "parent" is a file (root ignores permission bits).
    WriteFile(root / "plainfile", "x");
    EXPECT_FALSE(files::SaveVehicleFile(0, (root / "plainfile" / "car.vd3").string()));
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].title, "Error!");
    EXPECT_EQ(Shown()[0].icon, platform::MsgIcon::Critical);

    // A write that fails half-way (file size limit) leaves the old file whole.
    const std::string path = VehiclePath("keep");
    ASSERT_TRUE(files::SaveVehicleFile(0, path));
    const std::string before = ReadFile(path);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = files::SaveVehicleFile(1, path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Shown().size(), 2u);
    EXPECT_EQ(ReadFile(path), before);
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(root / "vehicles"))
        ++entries;
    EXPECT_EQ(entries, 1);

    // An index past the list is refused, not read out of bounds.
    EXPECT_FALSE(files::SaveVehicleFile(5, path));
    EXPECT_EQ(ReadFile(path), before);

    // A name as long as the folder takes saves; one byte more is refused with a message.
    const auto longest = static_cast<std::size_t>(::pathconf(root.c_str(), _PC_NAME_MAX));
    ASSERT_TRUE(files::SaveVehicleFile(1, VehiclePath(std::string(longest - 4, 'L'))));
    const std::string tooLong = VehiclePath(std::string(longest - 3, 'L'));
    EXPECT_FALSE(files::SaveVehicleFile(1, tooLong));
    EXPECT_EQ(LastMessage(), "The vehicle could not be saved to " + tooLong +
                                 "\r\nCannot save the file: File name too long");
}

}  // namespace
