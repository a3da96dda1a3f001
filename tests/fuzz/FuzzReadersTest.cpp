// A short deterministic fuzz pass over every file reader and the number parsers: mutated
// copies of the shipped vehicle, setup, options and list files (fixed seed), each read followed
// by the analyses and both runs (acceleration at 1/100 s). A crash or a sanitizer report ends
// the program; a case running over 20 s aborts it; a non-finite figure in a run or a "NaN" or
// "inf" text on the window fails the test. The damaged files once found this way are always
// among the cases.
//
// FUZZ_CASES (environment) scales the number of cases per reader (default 1000).
//
// The three passes over whole-program cases are split into shards, each its own ctest entry, so
// that no entry holds a large share of the suite: each shard draws every case of its pass from
// the pass's seed, as one run would, and runs every kShards-th of them (case i in shard
// i % kShards). A finding names its case by that number.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "files/ListFiles.hpp"
#include "files/VehicleFile.hpp"
#include "support/HangWatchdog.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/VehicleFieldRanges.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/main/settings/SetupFileIO.hpp"

namespace {

constexpr unsigned kSeed = 20261207;
constexpr unsigned kCaseSeconds = 20;
constexpr int kShards = 12;

int Cases(int perThousand) {
    const char* env = std::getenv("FUZZ_CASES");
    const int base = env ? std::atoi(env) : 1000;
    return std::max(1, base * perThousand / 1000);
}

// One case may take at most kCaseSeconds, a hang watchdog far above what a case takes under
// the sanitizers on a loaded machine: past that the pass is stopped as hung.
struct CaseTimer : testsupport::HangWatchdog {
    CaseTimer() : HangWatchdog("a fuzz case", kCaseSeconds) {}
};

// Mutations of a file's bytes: single bytes changed, special floats written over 4 bytes,
// a cut, or a repeated piece.
std::string Mutate(std::string bytes, std::mt19937& rng) {
    static constexpr float kSpecial[] = {std::numeric_limits<float>::quiet_NaN(),
                                         std::numeric_limits<float>::infinity(),
                                         -std::numeric_limits<float>::infinity(), 1e38f,
                                         -1e38f, 0.0f, -1.0f, 1e-40f, 65535.0f};
    static constexpr uint8_t kBytes[] = {0, 1, 7, 8, 9, 0x7F, 0x80, 0xFF, '\r', '\n', '=', ','};
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const std::size_t at = rng() % bytes.size();
        switch (rng() % 6) {
            case 0: bytes[at] = static_cast<char>(rng()); break;
            case 1: bytes[at] = static_cast<char>(kBytes[rng() % std::size(kBytes)]); break;
            case 2: bytes[at] = static_cast<char>(bytes[at] ^ (1 << (rng() % 8))); break;
            case 3: {
                const auto u = std::bit_cast<uint32_t>(kSpecial[rng() % std::size(kSpecial)]);
                for (std::size_t k = 0; k < 4 && at + k < bytes.size(); ++k)
                    bytes[at + k] = static_cast<char>(u >> (8 * k));
                break;
            }
            case 4: bytes.resize(at); break;
            default: bytes.insert(at, bytes.substr(at, rng() % 16)); break;
        }
    }
    return bytes;
}

std::string WithFloat(std::string bytes, std::size_t offset, float f) {
    const auto u = std::bit_cast<uint32_t>(f);
    for (int k = 0; k < 4; ++k) bytes[offset + k] = static_cast<char>(u >> (8 * k));
    return bytes;
}

// A vehicle file with one change made to its record.
template <typename Change>
std::string Changed(const std::string& bytes, Change change) {
    files::VehicleFileBytes raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    files::VehicleFileRecord record = files::DecodeVehicleFile(raw);
    change(record.Vehicle);
    const files::VehicleFileBytes out = files::EncodeVehicleFile(record);
    return std::string(out.begin(), out.end());
}

bool FiniteRows(const std::vector<float>& data, int32_t lastStep, int columns) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(lastStep + 1) * columns; ++i)
        if (!std::isfinite(data[i])) return false;
    return true;
}

class FuzzReadersTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
    }

    // The analyses and both runs for the current vehicle, then the checks of every figure and
    // every label text.
    void RunEverythingAndCheck(ui::Main& w, const std::string& what) {
        if (core::GlobalChassisLab().VehicleCount == 0) return;
        // The read itself has recomputed the analyses; the runs are run here at 1/100 s.
        float dt = 0.01f;
        ui::RunAccelerationAnalysis(w, dt);
        ui::RunDecelerationAnalysis(w);
        const auto& acc = analysis::AccelerationCode();
        const auto& dec = analysis::DecelerationCode();
        EXPECT_TRUE(FiniteRows(acc.AccData, acc.AccLastStep, analysis::kAccColumns)) << what;
        EXPECT_TRUE(FiniteRows(dec.DecData, dec.DecLastStep, analysis::kDecColumns)) << what;
        for (float r : acc.AccResults) EXPECT_TRUE(std::isfinite(r)) << what;
        for (float r : dec.DecResults) EXPECT_TRUE(std::isfinite(r)) << what;
        static const std::regex notANumber("(^|[^A-Za-z])(nan|NaN|NAN|inf|Inf|INF)([^A-Za-z]|$)");
        for (const auto& c : w.AllControls()) {
            if (c->Kind() != platform::ControlKind::Label) continue;
            const std::string& text = static_cast<const platform::Label&>(*c).Caption();
            EXPECT_FALSE(std::regex_search(text, notANumber))
                << what << ": " << c->DisplayName() << " shows " << text;
        }
    }
};

// One shard of a pass: GetParam() is the shard's number.
class FuzzReadersShard : public FuzzReadersTest, public ::testing::WithParamInterface<int> {
protected:
    bool Mine(std::size_t fuzzCase) const {
        return static_cast<int>(fuzzCase % kShards) == GetParam();
    }
};

TEST_P(FuzzReadersShard, VehicleFiles) {
    ui::Main& w = Start();
    std::mt19937 rng(kSeed);
    // The shipped vehicles, as the start-up list names them.
    const std::vector<std::string> stems = files::ReadAutoVehicleList().value();
    std::vector<std::string> good;
    for (const auto& stem : stems)
        good.push_back(vehtest::ReadFile(root / "vehicles" / (stem + ".vd3")));
    ASSERT_EQ(good.size(), 3u);
    // The damaged files of the past: eight gears, a NaN and a 1e38 kg body, an empty file; a
    // drive-train 1e6 and 5 times efficient, a handicap at 1e29 m, a body aero centre 1e38
    // to the side.
    std::vector<std::string> cases;
    std::string eight = good[0];
    eight[220] = 8;
    cases.push_back(eight);
    cases.push_back(WithFloat(good[1], 40, std::numeric_limits<float>::quiet_NaN()));
    cases.push_back(WithFloat(good[2], 40, 1e38f));
    cases.push_back("");
    using R = vehicle::VehicleRecord;
    for (const std::string& car : good) {
        cases.push_back(Changed(car, [](R& v) { v.Drivetrain.DrivetrainEfficiency = 1e6f; }));
        cases.push_back(Changed(car, [](R& v) { v.Drivetrain.DrivetrainEfficiency = 5.0f; }));
        cases.push_back(Changed(car, [](R& v) { v.HandicapHeight = 1e29f; }));
        cases.push_back(Changed(car, [](R& v) { v.AeroElements[0].PosX = 1e38f; }));
    }
    const int n = Cases(1000);
    for (int i = 0; i < n; ++i) cases.push_back(Mutate(good[rng() % good.size()], rng));

    int loaded = 0, run = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (!Mine(i)) continue;
        ++run;
        CaseTimer timer;
        std::string bytes = cases[i];
        // A new name for each file, so an accepted vehicle is never refused as a duplicate.
        if (bytes.size() >= 40) bytes.replace(8, 32, core::PadFixed("Fuzz " + std::to_string(i), 32));
        const auto path = root / "vehicles" / "fuzz.vd3";
        vehtest::WriteFile(path, bytes);
        if (!files::LoadVehicleFile(path.string(), false)) continue;
        ++loaded;
        w.Main_SelectVeh->AddItem(core::GlobalChassisLab().Vehicles.back().Name);
        w.Main_SelectVeh->UserSelect(w.Main_SelectVeh->ListCount() - 1);
        RunEverythingAndCheck(w, "vehicle case " + std::to_string(i));
        // The selection goes back to a shipped car and the fuzzed vehicle leaves the list, so
        // the list never fills up (at 200 vehicles every further file would be refused).
        w.Main_SelectVeh->UserSelect(static_cast<int>(i % 3));
        w.Main_SelectVeh->RemoveItem(w.Main_SelectVeh->ListCount() - 1);
        auto& g = core::GlobalChassisLab();
        g.Vehicles.pop_back();
        g.VehicleCount = static_cast<uint8_t>(g.Vehicles.size());
        if (HasFailure()) break;
    }
    std::printf("vehicle files, shard %d: %d of %zu cases, %d loaded\n", GetParam(), run,
                cases.size(), loaded);
}

// A file may hold any figure its field's range allows, however odd: each field bounded only by
// what its box lets the user type, at each end of that range, loads and runs to finite figures.
TEST_F(FuzzReadersTest, FiguresAtTheEndsOfTheirRangesRunFinite) {
    ui::Main& w = Start();
    namespace rg = vehicle::ranges;
    using R = vehicle::VehicleRecord;
    struct End {
        const char* what;
        float& (*field)(R&);
        vehicle::FieldRange range;
        void (*keepOrder)(R&) = nullptr;  // the other figures the bound's speed order needs
    };
    const End ends[] = {
        {"handicap height", [](R& v) -> float& { return v.HandicapHeight; }, rg::HandicapHeight},
        {"front ARB ratio", [](R& v) -> float& { return v.Axles[0].ARBMotionRatio; },
         rg::ARBMotionRatio},
        {"rear inclination", [](R& v) -> float& { return v.Axles[1].Inclination; }, rg::Angle},
        {"front camber", [](R& v) -> float& { return v.Axles[0].CamberOffset; }, rg::Angle},
        {"rear ride height", [](R& v) -> float& { return v.Axles[1].RideHeight; }, rg::RideHeight},
        {"efficiency", [](R& v) -> float& { return v.Drivetrain.DrivetrainEfficiency; },
         rg::DrivetrainEfficiency},
        {"shift time", [](R& v) -> float& { return v.Drivetrain.ShiftTime; }, rg::ShiftTime},
        // A plateau of 9999 rad/s needs the power peak and the limit beyond it, and the power
        // its torque gives at its end.
        {"plateau", [](R& v) -> float& { return v.Engine.TorquePeakWidth; }, rg::TorquePeakWidth,
         [](R& v) {
             auto& e = v.Engine;
             e.PowerPeakRPM = e.LimitRPM = 230000.0f;
             const float end = (e.TorquePeakRPM + e.TorquePeakWidth) * 0.10471975511963333f;
             e.PeakPower = std::max(e.PeakPower, e.PeakTorque * end / 1000.0f);  // kW
         }},
    };
    const std::string car = vehtest::ReadFile(
        root / "vehicles" / (files::ReadAutoVehicleList().value().front() + ".vd3"));
    int n = 0;
    for (const End& e : ends) {
        for (const double bound : {e.range.Min, e.range.Max}) {
            const std::string bytes = Changed(car, [&](R& v) {
                e.field(v) = static_cast<float>(bound / e.range.RecordToChecked);
                if (e.keepOrder) e.keepOrder(v);
                vehicle::SetVehicleName(v, "End " + std::to_string(n++));
            });
            const auto path = root / "vehicles" / "end.vd3";
            vehtest::WriteFile(path, bytes);
            const std::string what = std::string(e.what) + " at " + std::to_string(bound);
            ASSERT_TRUE(files::LoadVehicleFile(path.string(), false)) << what;
            w.Main_SelectVeh->AddItem(core::GlobalChassisLab().Vehicles.back().Name);
            w.Main_SelectVeh->UserSelect(w.Main_SelectVeh->ListCount() - 1);
            RunEverythingAndCheck(w, what);
        }
    }
}

TEST_P(FuzzReadersShard, SetupFiles) {
    ui::Main& w = Start();
    std::mt19937 rng(kSeed + 1);
    const std::vector<std::string> names = {"VW Golf GTI Mk7", "BMW M3 E46",
                                            "Subaru Impreza WRX STI"};
    std::vector<std::string> good;
    for (const std::string& name : names)
        good.push_back(vehtest::ReadFile(root / "setups" / (name + "_Default.set")));
    const int n = Cases(1000);
    int opened = 0, run = 0;
    for (int i = 0; i < n; ++i) {
        const int car = static_cast<int>(rng() % names.size());
        const std::string bytes = i == 0 ? std::string() : Mutate(good[car], rng);
        if (!Mine(i)) continue;
        ++run;
        CaseTimer timer;
        w.Main_SelectVeh->UserSelect(car);
        const auto path = root / "setups" / (names[car] + "_fuzz.set");
        vehtest::WriteFile(path, bytes);
        files::SetupFile().SetupOpenPath = path.string();
        if (ui::OpenSetupFile(false)) ++opened;
        RunEverythingAndCheck(w, "setup case " + std::to_string(i));
        if (HasFailure()) break;
    }
    std::printf("setup files, shard %d: %d of %d cases, %d opened\n", GetParam(), run, n,
                opened);
}

TEST_P(FuzzReadersShard, OptionsAndListFilesAtStartUp) {
    const std::string goodOptions = [&] {
        Start();
        ui::ResetMainWindow();
        return vehtest::ReadFile(root / "Options.ini");
    }();
    const std::string goodList = vehtest::ReadFile(root / "autoveh.lst");
    const std::string goodRecent = "C:\\setups\\a.set\r\n/tmp/b.set\r\n";
    const std::string goodLanguages = "English\r\nDeutsch\r\n";
    std::mt19937 rng(kSeed + 2);
    const int n = Cases(150);
    for (int i = 0; i < n; ++i) {
        // Drawn in this order whichever shard runs the case.
        const std::string options = Mutate(goodOptions, rng);
        const std::string list = Mutate(goodList, rng);
        const std::string recent = Mutate(goodRecent, rng);
        const std::string languages = Mutate(goodLanguages, rng);
        if (!Mine(i)) continue;
        CaseTimer timer;
        vehtest::WriteFile(root / "Options.ini", options);
        vehtest::WriteFile(root / "autoveh.lst", list);
        vehtest::WriteFile(root / "chassislab.mru", recent);
        vehtest::WriteFile(root / "languages.lst", languages);
        ui::ResetMainWindow();
        ui::Main& w = Start();
        EXPECT_EQ(w.Main_SelectVeh->ListCount(), core::GlobalChassisLab().VehicleCount);
        RunEverythingAndCheck(w, "start-up case " + std::to_string(i));
        ASSERT_TRUE(w.Unload());
        if (HasFailure()) break;
    }
}

INSTANTIATE_TEST_SUITE_P(Shard, FuzzReadersShard, ::testing::Range(0, kShards));

TEST(FuzzNumberParsers, MutatedNumberTextsNeverCrash) {
    std::mt19937 rng(kSeed + 3);
    const std::vector<std::string> seeds = {"12.5", "-1.5E+3", "1D3", "&H1F", "&O17", "  7 . 5",
                                            "1e999", std::string(400, '9'), "0.000001", "-.5e-2"};
    const int n = Cases(5000);
    for (int i = 0; i < n; ++i) {
        CaseTimer timer;
        const std::string text = Mutate(seeds[rng() % seeds.size()], rng);
        const double v = core::Val(text);
        EXPECT_FALSE(std::isnan(v)) << text;
        (void)core::CIntChecked(v);
        (void)core::CLngChecked(v);
        (void)core::CByteChecked(v);
        const std::string back = core::SingleText(static_cast<float>(v));
        if (std::isfinite(static_cast<float>(v))) {
            EXPECT_EQ(back.find("nan"), std::string::npos) << text;
            EXPECT_EQ(back.find("inf"), std::string::npos) << text;
        }
        (void)core::RoundToDecimals(static_cast<float>(v), static_cast<int>(rng() % 9));
    }
}

}  // namespace
