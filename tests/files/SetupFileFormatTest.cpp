// The setup file record without the window: byte layout, round trips of every field, the
// conversions that depend on the simulator car, and the checks that refuse a record.
#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "core/LFSCars.hpp"
#include "core/TextTable.hpp"
#include "files/SetupFile.hpp"
#include "support/SetupTestSupport.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

using namespace setuptest;
using files::LFSSetupRecord;
using files::SetupControlValues;
using files::SetupVehicleContext;

class SetupFileFormatTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::InitDefaultTexts();
        core::InitLFSCars();
        vehicle::InitTyreCompounds();
    }

    static SetupVehicleContext NoCar() {
        SetupVehicleContext c;
        c.GearInUse.fill(true);
        return c;
    }
    static SetupVehicleContext Car(const char* code, bool lfsMode) {
        SetupVehicleContext c = NoCar();
        const int row = core::FindLFSCarByCode(code);
        EXPECT_GE(row, 0) << code;
        c.HasLFSCar = true;
        c.Car = core::LFSCarTable().LFSCars[static_cast<std::size_t>(row)];
        c.LFSMode = lfsMode;
        return c;
    }
    static std::string Write(const SetupControlValues& v, const SetupVehicleContext& c) {
        LFSSetupRecord r;
        EXPECT_TRUE(files::RecordFromControls(v, c, r).ok);
        return AsString(files::SerializeSetupRecord(r));
    }
    static SetupControlValues Read(const std::string& bytes, const SetupVehicleContext& c) {
        SetupControlValues v;
        const auto parsed = files::ParseSetupRecord(bytes);
        EXPECT_TRUE(parsed.has_value());
        const auto result = files::ControlsFromRecord(*parsed, c, TestRanges(), v);
        EXPECT_TRUE(result.ok) << result.invalidField;
        return v;
    }
};

TEST_F(SetupFileFormatTest, WrittenFileHasThePublishedLayout) {
    const std::string b = Write(DistinctValues(), NoCar());
    ASSERT_EQ(b.size(), 132u);
    EXPECT_EQ(b.substr(0, 6), "SRSETT");
    EXPECT_EQ(ByteAt(b, 6), 0);
    EXPECT_EQ(ByteAt(b, 7), 251);
    EXPECT_EQ(ByteAt(b, 8), 2);
    for (std::size_t off : {9, 13, 30, 72, 73, 74, 75, 79, 82, 112, 113, 114, 115, 119, 122})
        EXPECT_EQ(ByteAt(b, off), 0) << "unused byte " << off;

    // Gear words: (ratio - 0.5) x 9362 rounded half away from zero; reverse uses ratio - 1.
    EXPECT_EQ(WordAt(b, 10), 18724);  // reverse 3.0: 2.0 x 9362
    EXPECT_EQ(WordAt(b, 36), 34639);  // 1st 4.2 (0x874F, above 32767)
    EXPECT_EQ(WordAt(b, 38), 33703);  // 2nd 4.1: 3.6 x 9362 = 33703.2
    EXPECT_EQ(WordAt(b, 40), 32767);  // 3rd 4.0
    EXPECT_EQ(WordAt(b, 42), 9362);   // 4th 1.5
    EXPECT_EQ(WordAt(b, 44), 7022);   // 5th 1.25: 7021.5
    EXPECT_EQ(WordAt(b, 46), 4681);   // 6th 1.0
    EXPECT_EQ(WordAt(b, 32), 0);      // 7th 0.5
    EXPECT_EQ(WordAt(b, 34), 28086);  // final 3.5

    EXPECT_EQ(FloatAt(b, 16), 1234.0f);
    // Single bytes: flags (bit 7, ABS bit 2, asymmetric bit 0; TC off), handicap mass position,
    // tyre brand index, wings (rear, front), parallel steer = 100 - Ackermann 30, centre
    // "Viscous" (28), seats (48: seat 0 female bit 1, seat 2 male bit 4, seat 3 female), open
    // roof (49); then the rear axle block (76..87, "Locked" at 84) and the front one (116..127,
    // "Clutch pack" at 124).
    const std::pair<std::size_t, uint8_t> bytes[] = {
        {12, 0x85}, {14, 62},  {15, 4},   {20, 23},  {21, 9},   {22, 45},  {23, 18},  {24, 33},
        {25, 70},   {26, 67},  {27, 35},  {28, 1},   {29, 17},  {31, 65},  {48, 0x92}, {49, 1},
        {50, 77},   {51, 13},  {76, 11},  {77, 21},  {78, 7},   {80, 48},  {81, 49},  {83, 34},
        {84, 1},    {85, 9},   {86, 25},  {87, 60},  {116, 8},  {117, 55}, {118, 2},  {120, 40},
        {121, 41},  {123, 12}, {124, 3},  {125, 4},  {126, 45}, {127, 15}};
    for (const auto& [offset, value] : bytes) EXPECT_EQ(ByteAt(b, offset), value) << offset;
    // Rear block at 52, front block at 92: travel, spring, bump, rebound, bar; pressures.
    const std::pair<std::size_t, float> floats[] = {
        {52, 0.095f}, {56, 103400.0f}, {60, 5200.0f}, {64, 7400.0f}, {68, 90000.0f},
        {92, 0.12f},  {96, 81200.0f},  {100, 4100.0f}, {104, 6300.0f}, {108, 150000.0f}};
    for (const auto& [offset, value] : floats) EXPECT_EQ(FloatAt(b, offset), value) << offset;
    EXPECT_EQ(WordAt(b, 88), 203);
    EXPECT_EQ(WordAt(b, 90), 214);
    EXPECT_EQ(WordAt(b, 128), 181);
    EXPECT_EQ(WordAt(b, 130), 192);
}

// Write, read back, write again: the values and the bytes come back bit for bit, for a vehicle
// without a simulator car and for simulator cars (travel relative to the car's references).
TEST_F(SetupFileFormatTest, EveryFieldRoundTripsBitExact) {
    for (const SetupVehicleContext& c : {NoCar(), Car("XRG", false), Car("LX4", true)}) {
        SCOPED_TRACE(c.HasLFSCar ? c.Car.Code : std::string("no car"));
        SetupControlValues v = DistinctValues();
        if (c.HasLFSCar && c.LFSMode) v.ReverseSlider = core::CLng(c.Car.ReverseRatio * 1000.0f);
        const std::string first = Write(v, c);
        SetupControlValues back = Read(first, c);
        if (c.HasLFSCar && c.LFSMode) back.GearRatioText[0] = v.GearRatioText[0];
        EXPECT_EQ(back, v);
        EXPECT_EQ(Write(back, c), first);
    }
}

TEST_F(SetupFileFormatTest, SpringTravelDependsOnlyOnTheSimulatorCarAndRoundTrips) {
    SetupControlValues v = DistinctValues();
    v.SpringTravel = {120, 120};
    SetupVehicleContext car = Car("XRG", true);
    car.Car.TravelReference[0] = 0.3f;
    const std::string plain = Write(v, NoCar());
    const std::string relative = Write(v, car);
    EXPECT_EQ(FloatAt(plain, 92), 0.12f);
    EXPECT_NEAR(FloatAt(relative, 92), 0.18f, 1e-6f);  // 0.3 m reference - 0.12 m
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const bool travelField = (i >= 52 && i < 56) || (i >= 92 && i < 96);
        if (!travelField) EXPECT_EQ(plain[i], relative[i]) << "offset " << i;
    }

    // Every travel position of the slider, for every car's references, reads back unchanged.
    for (const auto& row : core::LFSCarTable().LFSCars) {
        SetupVehicleContext c = Car(row.Code.c_str(), false);
        for (int32_t mm = 0; mm <= 400; ++mm) {
            SetupControlValues w = DistinctValues();
            w.SpringTravel = {mm, 400 - mm};
            LFSSetupRecord r;
            ASSERT_TRUE(files::RecordFromControls(w, c, r).ok);
            SetupControlValues back;
            ASSERT_TRUE(files::ControlsFromRecord(r, c, TestRanges(), back).ok);
            ASSERT_EQ(back.SpringTravel[0], mm) << row.Code;
            ASSERT_EQ(back.SpringTravel[1], 400 - mm) << row.Code;
        }
    }
}

// The simulator's own files set bit 0 for asymmetric tyre settings.
TEST_F(SetupFileFormatTest, FlagBitZeroMeansAsymmetric) {
    SetupControlValues v = DistinctValues();
    v.Symmetric = true;
    v.TC = 1;
    v.ABS = 1;
    std::string b = Write(v, NoCar());
    EXPECT_EQ(ByteAt(b, 12), 0x86);
    b[12] = static_cast<char>(0x01);
    EXPECT_FALSE(Read(b, NoCar()).Symmetric);
    b[12] = static_cast<char>(0x80);
    const SetupControlValues sym = Read(b, NoCar());
    EXPECT_TRUE(sym.Symmetric);
    EXPECT_EQ(sym.TC, 0);
    EXPECT_EQ(sym.ABS, 0);
    b[12] = static_cast<char>(0x06);
    EXPECT_EQ(Read(b, NoCar()).TC, 1);
    EXPECT_EQ(Read(b, NoCar()).ABS, 1);
}

TEST_F(SetupFileFormatTest, CentreDifferentialByteRoundTrips) {
    // The centre list offers "Open" and "Viscous": bytes 0 and 1 (half the type index).
    const auto& names = core::TextTable().DiffTypeNames;  // Open, Locked, Viscous, Clutch pack
    const std::array<uint8_t, 3> written{0, 0, 1};        // half the index, ties to even
    for (std::size_t i = 0; i < 3; ++i) {
        SetupControlValues v = DistinctValues();
        v.DiffType[2] = names[i];
        const std::string b = Write(v, NoCar());
        EXPECT_EQ(ByteAt(b, 28), written[i]) << names[i];
        const std::string expected = i == 1 ? names[0] : names[i];  // locked reads as open
        EXPECT_EQ(Read(b, NoCar()).DiffType[2], expected);
    }
    // Any other byte is not a valid setup: refused with nothing changed (byte 2 once read as a
    // clutch pack, which the centre list does not hold).
    std::string b = Write(DistinctValues(), NoCar());
    for (uint8_t other : {2, 3, 4, 127, 255}) {
        b[28] = static_cast<char>(other);
        const auto parsed = files::ParseSetupRecord(b);
        ASSERT_TRUE(parsed.has_value());
        SetupControlValues untouched;
        untouched.TyreBrand = "sentinel";
        const auto result = files::ControlsFromRecord(*parsed, NoCar(), TestRanges(), untouched);
        EXPECT_FALSE(result.ok) << int(other);
        EXPECT_EQ(result.invalidField, "centre differential type") << int(other);
        EXPECT_EQ(untouched.TyreBrand, "sentinel") << int(other);
    }
    SetupControlValues v = DistinctValues();
    v.DiffType = {"", "Spool", "?"};  // texts of no entry store 0
    const std::string none = Write(v, NoCar());
    EXPECT_EQ(ByteAt(none, 28), 0);
    EXPECT_EQ(ByteAt(none, 84), 0);
    EXPECT_EQ(ByteAt(none, 124), 0);
}

TEST_F(SetupFileFormatTest, PassengerBitsFemaleWinsOverMale) {
    const auto& who = core::TextTable().OccupantTypeNames;
    std::string b = Write(DistinctValues(), NoCar());
    b[48] = 0x03;
    EXPECT_EQ(Read(b, NoCar()).Passengers,
              (std::array<std::string, 4>{who[2], who[0], who[0], who[0]}));
    b[48] = 0x01;
    EXPECT_EQ(Read(b, NoCar()).Passengers[0], who[1]);
    b[48] = 0x00;
    EXPECT_EQ(Read(b, NoCar()).Passengers,
              (std::array<std::string, 4>{who[0], who[0], who[0], who[0]}));
}

TEST_F(SetupFileFormatTest, GearWordsDecodeToTheNearestThousandth) {
    std::string b = Write(DistinctValues(), NoCar());
    b[36] = static_cast<char>(0xFE);  // 1st gear word 0xFFFE: 65534 / 9362 + 0.5 = 7.49989
    b[37] = static_cast<char>(0xFF);
    EXPECT_EQ(Read(b, NoCar()).GearRatioText[1], "7.5");
    EXPECT_EQ(Read(b, NoCar()).GearRatioText[2], "4.1");
    EXPECT_EQ(Read(b, NoCar()).GearRatioText[0], "3");  // reverse: decoded + 0.5
}

TEST_F(SetupFileFormatTest, CompatibilityModeTakesCasterAndReverseFromTheCar) {
    SetupControlValues v = DistinctValues();
    const SetupVehicleContext xrg = Car("XRG", true);  // fixed caster 6.0 degrees, reverse 3.578
    std::string b = Write(v, xrg);
    b[117] = static_cast<char>(200);  // front caster byte out of range: not read for this car
    const SetupControlValues back = Read(b, xrg);
    EXPECT_EQ(back.SteerCaster[0], 60);
    EXPECT_EQ(back.SteerCaster[1], 21);  // the rear caster follows the file
    ASSERT_TRUE(back.ReverseSlider.has_value());
    EXPECT_EQ(*back.ReverseSlider, 3578);
    EXPECT_EQ(back.GearRatioText[0], "");

    // Adjustable caster, or compatibility mode off: the file's values are used.
    EXPECT_EQ(Read(Write(v, Car("LX4", true)), Car("LX4", true)).SteerCaster[0], 55);
    const SetupControlValues off = Read(Write(v, Car("XRG", false)), Car("XRG", false));
    EXPECT_EQ(off.SteerCaster[0], 55);
    EXPECT_FALSE(off.ReverseSlider.has_value());
    EXPECT_EQ(off.GearRatioText[0], "3");
}

TEST_F(SetupFileFormatTest, TableBytesPastTheEndReadAsTheFirstEntry) {
    std::string b = Write(DistinctValues(), NoCar());
    b[15] = 7;    // seven tyre brands: 0..6
    b[78] = 9;    // nine compounds: 0..8
    b[118] = static_cast<char>(255);
    const SetupControlValues v = Read(b, NoCar());
    EXPECT_EQ(v.TyreBrand, core::TextTable().TyreBrands[0]);
    EXPECT_EQ(v.TyreCompound[0], vehicle::TyreCode().TyreCompounds[0].Name);
    EXPECT_EQ(v.TyreCompound[1], vehicle::TyreCode().TyreCompounds[0].Name);
}

TEST_F(SetupFileFormatTest, OutOfRangeFieldsRefuseTheWholeRecord) {
    struct Case {
        const char* what;
        std::function<void(LFSSetupRecord&)> spoil;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<Case> cases = {
        {"front diff type 4", [](LFSSetupRecord& r) { r.Axles[0].DiffType = 4; }},
        {"rear diff type 255", [](LFSSetupRecord& r) { r.Axles[1].DiffType = 255; }},
        {"config 2", [](LFSSetupRecord& r) { r.Config = 2; }},
        {"brake torque NaN", [nan](LFSSetupRecord& r) { r.BrakeMaxTorque = nan; }},
        {"brake torque 1e12", [](LFSSetupRecord& r) { r.BrakeMaxTorque = 1e12f; }},
        {"brake torque 99.4", [](LFSSetupRecord& r) { r.BrakeMaxTorque = 99.4f; }},
        {"travel infinite", [inf](LFSSetupRecord& r) { r.Axles[1].SpringTravel = inf; }},
        {"travel 0.401 m", [](LFSSetupRecord& r) { r.Axles[0].SpringTravel = 0.401f; }},
        {"travel negative", [](LFSSetupRecord& r) { r.Axles[0].SpringTravel = -0.001f; }},
        {"spring below 40", [](LFSSetupRecord& r) { r.Axles[0].SpringStiffness = 3900.0f; }},
        {"bump NaN", [nan](LFSSetupRecord& r) { r.Axles[1].BumpDamping = nan; }},
        {"bar negative", [](LFSSetupRecord& r) { r.Axles[1].ARBStiffness = -100.0f; }},
        {"front caster 121", [](LFSSetupRecord& r) { r.Axles[0].Caster = 121; }},
        {"steering lock 61", [](LFSSetupRecord& r) { r.MaxSteerLock = 61; }},
        {"pressure 801", [](LFSSetupRecord& r) { r.Axles[1].PressureRight = 801; }},
        {"pressure negative", [](LFSSetupRecord& r) { r.Axles[1].PressureLeft = -175; }},
        {"pre-load 81", [](LFSSetupRecord& r) { r.Axles[0].DiffPreLoad = 81; }},
        {"viscous 0", [](LFSSetupRecord& r) { r.Axles[1].ViscousSetting = 0; }},
        {"centre split 81", [](LFSSetupRecord& r) { r.CentreTorqueSplit = 81; }},
    };
    LFSSetupRecord good;
    ASSERT_TRUE(files::RecordFromControls(DistinctValues(), NoCar(), good).ok);
    for (const Case& c : cases) {
        LFSSetupRecord r = good;
        c.spoil(r);
        SetupControlValues untouched;
        untouched.TyreBrand = "sentinel";
        const auto result = files::ControlsFromRecord(r, NoCar(), TestRanges(), untouched);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_FALSE(result.invalidField.empty()) << c.what;
        EXPECT_EQ(untouched.TyreBrand, "sentinel") << c.what << ": values changed";
    }
    // The edges of the ranges are valid.
    LFSSetupRecord edges = good;
    edges.MaxSteerLock = 60;
    edges.Axles[0].SpringTravel = 0.4f;
    edges.Axles[1].SpringTravel = 0.0f;
    edges.BrakeMaxTorque = 99.5f;  // rounds half to even: 100
    edges.Axles[0].Caster = 120;
    edges.Axles[1].Caster = 150;
    SetupControlValues v;
    EXPECT_TRUE(files::ControlsFromRecord(edges, NoCar(), TestRanges(), v).ok);
    EXPECT_EQ(v.BrakeMaxTorque, 100);
    EXPECT_EQ(v.SpringTravel[0], 400);
}

// The refusal tells the user which field, its value in the setting's own units and what the
// field may hold.
TEST_F(SetupFileFormatTest, ARefusalNamesTheFieldItsValueAndWhatItMayHold) {
    struct Case {
        std::function<void(LFSSetupRecord&)> spoil;
        std::string text;
    };
    const std::vector<Case> cases = {
        {[](LFSSetupRecord& r) { r.Axles[0].SpringTravel = 0.45f; },
         "Front spring travel: 450 mm (allowed: 0 to 400 mm)"},
        {[](LFSSetupRecord& r) { r.Axles[1].SpringStiffness = 3900.0f; },
         "Rear spring stiffness: 3900 N/m (allowed: 4000 to 400000 N/m)"},
        {[](LFSSetupRecord& r) { r.BrakeMaxTorque = std::nanf(""); },
         "Brake torque: NaN (allowed: 100 to 10000 N m)"},
        {[](LFSSetupRecord& r) { r.Axles[0].ToeIn = 25; },
         "Front toe: 1.6 degrees (allowed: -0.9 to 0.9 degrees)"},
        {[](LFSSetupRecord& r) { r.ParallelSteer = 150; },
         "Parallel steer: 150% (allowed: 0 to 100%)"},
        {[](LFSSetupRecord& r) { r.Axles[1].PressureRight = 801; },
         "Rear right tyre pressure: 801 kPa (allowed: 20 to 800 kPa)"},
        {[](LFSSetupRecord& r) { r.Axles[1].DiffType = 255; },
         "Rear differential type: 255 (allowed: 0 to 3)"},
        {[](LFSSetupRecord& r) { r.Config = 2; }, "Config: 2 (allowed: 0 or 1)"},
    };
    LFSSetupRecord good;
    ASSERT_TRUE(files::RecordFromControls(DistinctValues(), NoCar(), good).ok);
    SetupControlValues v;
    EXPECT_EQ(files::InvalidFieldText(files::ControlsFromRecord(good, NoCar(), TestRanges(), v)),
              "");
    for (const Case& c : cases) {
        LFSSetupRecord r = good;
        c.spoil(r);
        const auto result = files::ControlsFromRecord(r, NoCar(), TestRanges(), v);
        EXPECT_EQ(files::InvalidFieldText(result), c.text);
    }
}

TEST_F(SetupFileFormatTest, ParseNeedsAllBytes) {
    const std::string b = Write(DistinctValues(), NoCar());
    EXPECT_FALSE(files::ParseSetupRecord(b.substr(0, 131)).has_value());
    EXPECT_FALSE(files::ParseSetupRecord("").has_value());
    const auto longer = files::ParseSetupRecord(b + "trailing bytes");
    ASSERT_TRUE(longer.has_value());
    EXPECT_EQ(AsString(files::SerializeSetupRecord(*longer)), b);
}

TEST_F(SetupFileFormatTest, UnstorableRatioOfAGearInUseRefusesTheRecord) {
    SetupVehicleContext c = NoCar();
    SetupControlValues v = DistinctValues();
    LFSSetupRecord r;
    r.Identifier = "unchanged";

    v.GearRatioText[3] = "9.2";
    auto result = files::RecordFromControls(v, c, r);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.badGearRow, 3);
    EXPECT_DOUBLE_EQ(result.badRatio, 9.2);
    EXPECT_EQ(r.Identifier, "unchanged");

    v = DistinctValues();
    v.GearRatioText[8] = "";  // no number at all
    result = files::RecordFromControls(v, c, r);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.badGearRow, 8);

    // Reverse is stored less 0.5: 1.0 to 8.0 fit, 0.9 and 8.1 do not.
    for (const char* text : {"0.9", "8.1", "1", "8"}) {
        v = DistinctValues();
        v.GearRatioText[0] = text;
        result = files::RecordFromControls(v, c, r);
        EXPECT_EQ(result.ok, std::string(text) == "1" || std::string(text) == "8") << text;
        if (!result.ok) EXPECT_EQ(result.badGearRow, 0) << text;
    }

    // A gear the vehicle does not use (a hidden, empty row) is stored as the nearest ratio.
    v = DistinctValues();
    v.GearRatioText[7] = "";
    v.GearRatioText[6] = "12";
    c.GearInUse[6] = c.GearInUse[7] = false;
    ASSERT_TRUE(files::RecordFromControls(v, c, r).ok);
    EXPECT_EQ(r.GearRatioWords[7], 0);
    EXPECT_EQ(static_cast<uint16_t>(r.GearRatioWords[6]), 65535);
}

}  // namespace
