#include "files/FileHelpers.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

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

// -1 no such file (folders and bad paths included), 0 empty, 1 a file with contents. Beside
// the -1, ReachFile tells "no such file" (ENOENT), said of nothing, from the reasons a file
// cannot be reached, which the user is told.
TEST_F(CheckFileTest, ThreeWayResult) {
    EXPECT_EQ(CheckFile((dir_ / "missing.set").string()), -1);
    EXPECT_EQ(CheckFile(Write("empty.set", "")), 0);
    EXPECT_EQ(CheckFile(Write("one.set", "x")), 1);
    const std::pair<std::string, int> cases[] = {
        {dir_.string(), EISDIR},
        {dir_.string() + "/", EISDIR},
        {std::string(), ENOENT},
        {(dir_ / "no_such_folder" / "a.set").string(), ENOENT},
        {(dir_ / "one.set" / "a.set").string(), ENOTDIR},
        {(dir_ / "one.set").string() + std::string(1, '\0'), EINVAL},
        {"/dev/null", ENOTSUP}};
    for (const auto& [path, error] : cases) {
        EXPECT_EQ(CheckFile(path), -1) << path;
        EXPECT_EQ(ReachFile(path).check, -1) << path;
        EXPECT_EQ(ReachFile(path).error, error) << path;
        EXPECT_EQ(ReachFile(path).Unreachable(), error != ENOENT) << path;
    }
    EXPECT_EQ(ReachFile((dir_ / "one.set").string()).error, 0);
}

// A file is known by its device and its inode together: file systems number their files each
// from its own start, so two files of two devices may share an inode number.
TEST_F(CheckFileTest, AFileIsKnownByItsDeviceAndInode) {
    const FileIdentity one{1, 2}, sameInode{7, 2}, sameDevice{1, 3};
    EXPECT_EQ(one, (FileIdentity{1, 2}));
    EXPECT_NE(one, sameInode);
    EXPECT_NE(one, sameDevice);
    const std::string file = Write("one.set", "x");
    const FileReach reach = ReachFile(file);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(reach.identity, (FileIdentity{st.st_dev, st.st_ino}));

    // The roots of two file systems mounted here that share an inode number (such as /proc and
    // /sys, both 1) are not one file.
    std::ifstream mounts("/proc/self/mounts");
    std::vector<std::pair<std::string, FileIdentity>> roots;
    for (std::string device, point, rest;
         mounts >> device >> point && std::getline(mounts, rest);) {
        struct stat at {};
        if (::stat(point.c_str(), &at) == 0) roots.push_back({point, {at.st_dev, at.st_ino}});
    }
    bool tried = false;
    for (const auto& [a, idA] : roots)
        for (const auto& [b, idB] : roots) {
            if (idA.inode != idB.inode || idA.device == idB.device) continue;
            EXPECT_FALSE(SameFile(a, b)) << a << " " << b;
            tried = true;
        }
    if (!tried) GTEST_SKIP() << "no two file systems here share an inode number at their roots";
}

TEST(StripSetExtension, RemovesOnlyALowerCaseSetEnding) {
    const std::pair<std::string, std::string> cases[] = {
        {"mycar_race.set", "mycar_race"}, {"mycar.SET", "mycar.SET"}, {"reset", "r"},
        {"x_set", "x"}, {"set", ""}, {"se", "se"}, {"car.vd3", "car.vd3"}};
    for (const auto& [name, stem] : cases) EXPECT_EQ(StripSetExtension(name), stem) << name;
}

// Paths split at the last "/": folder part (with the separator) and file name. A "\\" is a
// character of the name.
TEST(PathParts, SplitAtTheLastSeparator) {
    const std::array<std::string, 3> cases[] = {
        {"file.set", "", "file.set"},
        {"/home/u/setups/x.set", "/home/u/setups/", "x.set"},
        {"/s/Track_Car_rain\\slick.set", "/s/", "Track_Car_rain\\slick.set"},
        {"C:\\a\\b.set", "", "C:\\a\\b.set"},
        {"/a\\b/c", "/a\\b/", "c"},
        {"/a/", "/a/", ""},
        {"", "", ""}};
    for (const auto& [path, folder, name] : cases) {
        EXPECT_EQ(GetFolderPart(path), folder) << path;
        EXPECT_EQ(GetFileNamePart(path), name) << path;
    }
}

TEST(SanitiseFileName, RemovesTheEightForbiddenCharacters) {
    EXPECT_EQ(SanitiseFileName("a/b:c?d*e\"f<g>h|i\\j"), "abcdefghi\\j");
    EXPECT_EQ(SanitiseFileName("Formula BMW FB02"), "Formula BMW FB02");
    // Every character is examined, however long the text.
    std::string longText(299, 'x');
    longText += '|';
    EXPECT_EQ(SanitiseFileName(longText), std::string(299, 'x'));
}

// Names whose setup files would carry one name: equal once the characters a file name cannot
// hold, the backslash and the blanks around them are gone. Letter case counts.
TEST(ShareSetupFiles, NamesThatCleanToOneStem) {
    const struct {
        const char* a;
        const char* b;
        bool shared;
    } cases[] = {{"Rally Car", "Rally Car?", true}, {"Car", " Car", true},
                 {"Track: Car", "Track Car", true}, {"A\\B", "AB", true},
                 {"Car", "car", false},              {"Track_Car", "Track Car", false},
                 {"Car (2)", "Car (3)", false}};
    for (const auto& c : cases) EXPECT_EQ(ShareSetupFiles(c.a, c.b), c.shared) << c.a << "|" << c.b;
}

// A save dialog's default extension is added to every name not ending in it, a name with a
// dot of its own included; letter case counts.
TEST(WithDefaultExtension, AddedUnlessTheNameEndsInIt) {
    const std::array<std::string, 3> cases[] = {{"/v/Car v1.2", "vd3", "/v/Car v1.2.vd3"},
                                                 {"/s/Golf.set", "set", "/s/Golf.set"},
                                                 {"/s/Golf.SET", "set", "/s/Golf.SET.set"},
                                                 {"/o/any.name", "", "/o/any.name"}};
    for (const auto& [path, extension, saved] : cases)
        EXPECT_EQ(WithDefaultExtension(path, extension), saved) << path;
}

}  // namespace
