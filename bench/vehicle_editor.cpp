// The vehicle editor's benchmarks with the test doubles' services (fonts measured by the
// double): EditorBenchmarks.hpp.
#include "EditorBenchmarks.hpp"

void InstallEditorBenchServices() {}

BENCHMARK_MAIN();
