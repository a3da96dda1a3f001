// The main of a benchmark program that runs through the Qt front end: offscreen unless the
// environment picks a platform, with the program's Qt services installed.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include "qt/QtServices.hpp"

namespace bench_support {

inline int RunQtBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qtfront::InstallQtServices();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench_support
