// The vehicle editor's benchmarks (EditorBenchmarks.hpp) with the texts measured by Qt's font
// metrics, as the program measures them: the refusal's wrapping and the box texts cost what
// they cost on screen. Nothing is painted.
#include "EditorBenchmarks.hpp"
#include "QtBenchMain.hpp"
#include "platform/Services.hpp"
#include "qt/QtServices.hpp"

void InstallEditorBenchServices() {
    platform::Services().fonts = std::make_shared<qtfront::QtFontMetricsService>();
}

int main(int argc, char** argv) { return bench_support::RunQtBenchmarks(argc, argv); }
