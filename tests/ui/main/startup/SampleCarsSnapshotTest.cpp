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
#include "support/StartedProgram.hpp"
#include "support/WindowDump.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(__FILE__).parent_path() / "golden" / "sample_cars_snapshot.txt";

std::string Fnv1a(const std::string& text) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    std::ostringstream hex;
    hex << std::hex << h;
    return hex.str();
}

class SampleCarsSnapshot : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
    }

    // Records the window and both runs under car and state.
    void Record(int car, const std::string& state) {
        const auto& a = analysis::AccelerationCode();
        const auto& d = analysis::DecelerationCode();
        const std::string key = std::to_string(car) + " " + state;
        const std::string controls = testsupport::ShownControls(*main);
        const std::string runs =
            files::BuildRunCsv({a.AccData, analysis::kAccColumns, a.AccLastStep, a.AccTimeStep}) +
            files::BuildRunCsv({d.DecData, analysis::kDecColumns, d.DecLastStep, d.DecTimeStep});
        hashes[key + " controls"] = Fnv1a(controls);
        hashes[key + " runs"] = Fnv1a(runs);
        if (const char* dir = std::getenv("CHASSISLAB_SNAPSHOT_DIR")) {
            std::filesystem::create_directories(dir);
            std::string file = key;
            std::replace(file.begin(), file.end(), ' ', '_');
            std::ofstream(std::filesystem::path(dir) / (file + ".txt"), std::ios::binary)
                << controls << "---- runs\n" << runs;
        }
    }

    ui::Main* main = nullptr;
    std::map<std::string, std::string> hashes;
};

TEST_F(SampleCarsSnapshot, EveryFigureOfTheSampleCarsStaysAsItWas) {
    const int cars = main->Main_SelectVeh->ListCount();
    ASSERT_EQ(cars, 3);
    for (int car = 0; car < cars; ++car) {
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
            for (platform::Slider* s : {main->Live_Speed, main->Live_Throttle, main->Live_Brake,
                                        main->Live_SteeringAngle, main->Live_FuelLoad,
                                        main->Live_TyreWear})
                s->SetValue(top ? s->Max() : s->Min());
            main->Analysis_AccCalc->UserClick();
            main->Analysis_DecCalc->UserClick();
            Record(car, top ? "live_top" : "live_bottom");
        }
    }

    std::string text;
    for (const auto& [key, hash] : hashes) text += key + " " + hash + "\n";
    if (std::getenv("CHASSISLAB_REGENERATE_GOLDEN")) {
        std::ofstream(kGolden, std::ios::binary) << text;
        GTEST_SKIP() << "regenerated " << kGolden;
    }
    std::ifstream in(kGolden, std::ios::binary);
    ASSERT_TRUE(in) << kGolden;
    const std::string golden{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text, golden) << "a figure of a sample car changed (see the comment above)";
}

}  // namespace
