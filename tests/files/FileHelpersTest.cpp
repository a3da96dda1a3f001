#include "files/FileHelpers.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace files;

class CheckFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("chassislab_checkfile_" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    fs::path dir_;
};

TEST_F(CheckFileTest, ThreeWayResult) {
    EXPECT_EQ(CheckFile((dir_ / "missing.set").string()), -1);
    EXPECT_EQ(CheckFile(Write("empty.set", "")), 0);
    EXPECT_EQ(CheckFile(Write("one.set", "x")), 1);
}

TEST_F(CheckFileTest, FoldersAndBadPathsAreNoFile) {
    EXPECT_EQ(CheckFile(dir_.string()), -1);
    EXPECT_EQ(CheckFile(dir_.string() + "/"), -1);
    EXPECT_EQ(CheckFile(""), -1);
    EXPECT_EQ(CheckFile((dir_ / "no_such_folder" / "a.set").string()), -1);
}

TEST(StripSetExtension, RemovesOnlyALowerCaseSetEnding) {
    EXPECT_EQ(StripSetExtension("mycar_race.set"), "mycar_race");
    EXPECT_EQ(StripSetExtension("mycar.SET"), "mycar.SET");
    EXPECT_EQ(StripSetExtension("reset"), "r");
    EXPECT_EQ(StripSetExtension("x_set"), "x");
    EXPECT_EQ(StripSetExtension("set"), "");
    EXPECT_EQ(StripSetExtension("se"), "se");
    EXPECT_EQ(StripSetExtension("car.vd3"), "car.vd3");
}

TEST(PathParts, SplitAtTheLastSeparator) {
    EXPECT_EQ(GetFolderPart("file.set"), "");
    EXPECT_EQ(GetFileNamePart("file.set"), "file.set");
    EXPECT_EQ(GetFolderPart("/home/u/setups/x.set"), "/home/u/setups/");
    EXPECT_EQ(GetFileNamePart("/home/u/setups/x.set"), "x.set");
    EXPECT_EQ(GetFolderPart("C:\\a\\b.set"), "C:\\a\\");
    EXPECT_EQ(GetFileNamePart("C:\\a\\b.set"), "b.set");
    EXPECT_EQ(GetFolderPart("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(GetFileNamePart("C:\\a\\"), "");
    EXPECT_EQ(GetFolderPart("/a\\b/c"), "/a\\b/");
    EXPECT_EQ(GetFileNamePart("/a\\b/c"), "c");
    EXPECT_EQ(GetFileNamePart(""), "");
}

TEST(SanitiseFileName, RemovesTheEightForbiddenCharacters) {
    EXPECT_EQ(SanitiseFileName("a/b:c?d*e\"f<g>h|i\\j"), "abcdefghi\\j");
    EXPECT_EQ(SanitiseFileName("Formula BMW FB02"), "Formula BMW FB02");
    // Every character is examined, however long the text.
    std::string longText(299, 'x');
    longText += '|';
    EXPECT_EQ(SanitiseFileName(longText), std::string(299, 'x'));
}

}  // namespace
