// The three sample cars, started and selected as a person would, in several unit systems and
// live states: every caption, box text and chart drawing of the main window, and both run
// tables as their CSV exports, hashed per car, state and part. A change of any figure of the
// sample cars shows here.
//
// After a deliberate change, regenerate the hashes with
//     CHASSISLAB_REGENERATE_GOLDEN=1 ./tests_ui --gtest_filter='SampleCarsSnapshot*'
// in build/. CHASSISLAB_SNAPSHOT_DIR=<folder> writes the texts behind the hashes there, one
// file per car and state, so two builds can be compared line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "files/RunCsvExport.hpp"
#include "support/RunTablesKey.hpp"
#include "support/StartedProgram.hpp"
#include "support/WindowDump.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(__FILE__).parent_path() / "golden" / "sample_cars_snapshot.txt";

// 64-bit FNV-1a, fed piece by piece: the hash of texts fed one after the other is that of
// their concatenation.
class Fnv1a {
public:
    Fnv1a& Add(const std::string& text) {
        for (unsigned char c : text) h_ = (h_ ^ c) * 1099511628211ull;
        return *this;
    }
    std::string Hex() const {
        std::ostringstream hex;
        hex << std::hex << h_;
        return hex.str();
    }

private:
    uint64_t h_ = 1469598103934665603ull;
};

// The golden lines ("<car> <state> <part> <hash>") of one car.
std::string GoldenLinesOf(const std::string& text, int car) {
    std::istringstream in(text);
    std::string lines;
    for (std::string line; std::getline(in, line);)
        if (line.starts_with(std::to_string(car) + " ")) lines += line + "\n";
    return lines;
}

std::string ReadGolden() {
    std::ifstream in(kGolden, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// One test a car, so that the three run side by side.
class SampleCarsSnapshot : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
    }

    // Records the window and both runs under car and state. Runs met before in this test (the
    // same tables in the same units: the live sliders back at the bottom where they were) have
    // the export hashed then.
    void Record(int car, const std::string& state) {
        const auto& a = analysis::AccelerationCode();
        const auto& d = analysis::DecelerationCode();
        const std::string key = std::to_string(car) + " " + state;
        const std::string controls = testsupport::ShownControls(*main);
        hashes[key + " controls"] = Fnv1a().Add(controls).Hex();
        const char* dir = std::getenv("CHASSISLAB_SNAPSHOT_DIR");
        const uint64_t tables = testsupport::RunTablesKey();
        if (const auto known = runsHashes.find(tables); known != runsHashes.end() && !dir) {
            hashes[key + " runs"] = known->second;
            return;
        }
        const std::string acc =
            files::BuildRunCsv({a.AccData, analysis::kAccColumns, a.AccLastStep, a.AccTimeStep});
        const std::string dec =
            files::BuildRunCsv({d.DecData, analysis::kDecColumns, d.DecLastStep, d.DecTimeStep});
        hashes[key + " runs"] = runsHashes[tables] = Fnv1a().Add(acc).Add(dec).Hex();
        if (dir) {
            std::filesystem::create_directories(dir);
            std::string file = key;
            std::replace(file.begin(), file.end(), ' ', '_');
            std::ofstream(std::filesystem::path(dir) / (file + ".txt"), std::ios::binary)
                << controls << "---- runs\n" << acc << dec;
        }
    }

    // The live sliders all at their top or all at their bottom.
    void LiveSlidersTo(bool top) {
        for (platform::Slider* s : {main->Live_Speed, main->Live_Throttle, main->Live_Brake,
                                    main->Live_SteeringAngle, main->Live_FuelLoad,
                                    main->Live_TyreWear})
            s->SetValue(top ? s->Max() : s->Min());
    }

    void RecordAndCompare(int car);

    ui::Main* main = nullptr;
    std::map<std::string, std::string> hashes;
    std::map<uint64_t, std::string> runsHashes;  // by RunTablesKey()
};

void SampleCarsSnapshot::RecordAndCompare(int car) {
    ASSERT_EQ(main->Main_SelectVeh->ListCount(), 3);
    // The second and third cars are selected with the live sliders at their bottom, where the
    // car before leaves them.
    if (car > 0) {
        main->Main_SelectVeh->UserSelect(car - 1);
        LiveSlidersTo(false);
    }
    main->Main_SelectVeh->UserSelect(car);
    Record(car, "si");
    for (int preset : {1, 2}) {
        ui::ShowOptionsPanel();
        ui::OptionsPanelWindow().SetUnits(preset).UserClick();
        Record(car, "preset" + std::to_string(preset));
    }
    ui::OptionsPanelWindow().SetUnits(0).UserClick();
    ui::OptionsPanelWindow().Unload();
    for (bool top : {true, false}) {
        LiveSlidersTo(top);
        main->Analysis_AccCalc->UserClick();
        main->Analysis_DecCalc->UserClick();
        Record(car, top ? "live_top" : "live_bottom");
    }

    std::string text;
    for (const auto& [key, hash] : hashes) text += key + " " + hash + "\n";
    const std::string golden = ReadGolden();
    if (std::getenv("CHASSISLAB_REGENERATE_GOLDEN")) {
        // This car's lines replace its old ones; the file stays in order of car.
        std::string all;
        for (int c = 0; c < 3; ++c) all += c == car ? text : GoldenLinesOf(golden, c);
        std::ofstream(kGolden, std::ios::binary) << all;
        GTEST_SKIP() << "regenerated car " << car << " in " << kGolden;
    }
    ASSERT_FALSE(golden.empty()) << kGolden;
    EXPECT_EQ(text, GoldenLinesOf(golden, car))
        << "a figure of sample car " << car << " changed (see the comment above)";
}

TEST_F(SampleCarsSnapshot, EveryFigureOfTheFirstCarStaysAsItWas) { RecordAndCompare(0); }
TEST_F(SampleCarsSnapshot, EveryFigureOfTheSecondCarStaysAsItWas) { RecordAndCompare(1); }
TEST_F(SampleCarsSnapshot, EveryFigureOfTheThirdCarStaysAsItWas) { RecordAndCompare(2); }

}  // namespace
