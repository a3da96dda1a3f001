#include <gtest/gtest.h>

#include <clocale>

// Tests run in the "C" locale so that no number text depends on the machine's settings.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
