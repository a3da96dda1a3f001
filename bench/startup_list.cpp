// The start-up list of a program folder with 200 vehicles (the most the vehicle list holds):
// every file read, checked and appended, each new name checked against the setup files of the
// vehicles loaded before it. Run at every start of the program. Also a list that is no list: a
// binary file of NUL-holding lines; and recent-file lists of 1 MiB, their lines ended by CR
// alone, by LF or by CR LF.
//
// Run: build/bench_startup_list --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/GlobalChassisLab.hpp"
#include "files/ListFiles.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/VehicleFile.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/TemporaryFolder.hpp"
#include "support/VehicleTestSupport.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace {

constexpr int kVehicles = 200;

// A program folder whose start-up list names 200 copies of the Golf, each with its own name.
struct ListedFolder {
    std::filesystem::path root;

    ListedFolder() {
        platform::InstallServiceDoubles();
        root = testsupport::MakeTemporaryFolder("chassislab-bench");
        if (root.empty()) std::abort();
        std::filesystem::create_directories(root / "vehicles");
        auto& g = core::GlobalChassisLab();
        g.AppDir = root.string() + "/";
        g.VehiclesDir = g.AppDir + "vehicles/";
        files::VehicleFileRecord record;
        record.Identifier = files::kVehicleFileId;
        record.Version = files::kVehicleFileVersion;
        record.Vehicle = vehtest::ShippedCars()[2];
        std::string list;
        for (int i = 0; i < kVehicles; ++i) {
            const std::string stem = "v" + std::to_string(i);
            vehicle::SetVehicleName(record.Vehicle, "Vehicle " + std::to_string(i));
            const files::VehicleFileBytes bytes = files::EncodeVehicleFile(record);
            files::ReplaceFileContents(
                g.VehiclesDir + stem + ".vd3",
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            list += stem + "\r\n";
        }
        files::ReplaceFileContents(g.AppDir + "autoveh.lst", list);
    }
    ~ListedFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

void BM_StartUpListOf200Vehicles(benchmark::State& state) {
    ListedFolder folder;
    auto& g = core::GlobalChassisLab();
    for (auto _ : state) {
        g.Vehicles.clear();
        g.VehicleCount = 0;
        files::LoadAutoVehicles();
        benchmark::DoNotOptimize(g.VehicleCount);
    }
    if (g.VehicleCount != kVehicles) state.SkipWithError("not every vehicle was loaded");
}
BENCHMARK(BM_StartUpListOf200Vehicles)->Unit(benchmark::kMillisecond);

// A binary file saved as the start-up list: 110,000 distinct lines each holding a NUL byte
// (879 kB, below the list files' 1 MiB cap). None names a file; each is told apart from the
// others by its path, and the message names 20 of them.
void BM_StartUpListOfNulLines(benchmark::State& state) {
    ListedFolder folder;
    auto& g = core::GlobalChassisLab();
    std::string list;
    for (int i = 0; i < 110000; ++i) list += std::to_string(i) + '\0' + "\r\n";
    files::ReplaceFileContents(g.AppDir + "autoveh.lst", list);
    g.Vehicles.clear();
    g.VehicleCount = 0;
    for (auto _ : state) {
        files::LoadAutoVehicles();
        benchmark::DoNotOptimize(g.VehicleCount);
    }
    if (g.VehicleCount != 0) state.SkipWithError("a line holding a NUL loaded a vehicle");
}
BENCHMARK(BM_StartUpListOfNulLines)->Unit(benchmark::kMillisecond);

// A recent-file list of 1 MiB (the most a list file is read at): eight setup files, then line
// ends alone, as a damaged or hand-edited list may hold. Each line end makes an empty line, so
// the three kinds give some 1,000,000 lines (CR, LF) or 500,000 (CR LF); all but the first
// eight name no file. Arg: 0 CR alone, 1 LF, 2 CR LF.
void BM_RecentListOfOneMebibyte(benchmark::State& state) {
    ListedFolder folder;
    auto& g = core::GlobalChassisLab();
    const char* lineEnd = state.range(0) == 0 ? "\r" : state.range(0) == 1 ? "\n" : "\r\n";
    std::string list;
    for (int i = 0; i < 8; ++i) {
        const std::string path = g.AppDir + "s" + std::to_string(i) + ".set";
        files::ReplaceFileContents(path, "x");
        list += path + lineEnd;
    }
    while (list.size() + std::strlen(lineEnd) <= std::size_t{1} << 20) list += lineEnd;
    files::ReplaceFileContents(g.AppDir + "chassislab.mru", list);
    for (auto _ : state) benchmark::DoNotOptimize(files::LoadRecentFiles());
    if (files::ListFiles().RecentFilesCount != 8) state.SkipWithError("not every file was taken");
}
BENCHMARK(BM_RecentListOfOneMebibyte)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
