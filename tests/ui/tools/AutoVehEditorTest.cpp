// The start-up vehicle list editor: loading, adding several files at once, moving, removing
// a multi-selection and missing files, saving through a temporary file, reopening.
#include "ui/tools/AutoVehEditor.hpp"

#include <functional>
#include <optional>

#include <sys/stat.h>

#include "files/ListFiles.hpp"
#include "support/FilePermissions.hpp"
#include "support/VehicleTestSupport.hpp"
#include "support/WindowFileTest.hpp"

namespace {

using Items = std::vector<std::string>;

class AutoVehEditorTest : public windowtest::WindowFileTest {
protected:
    void SetUp() override {
        WindowFileTest::SetUp();
        files::ListFiles() = files::ListFilesState{};
    }
    std::unique_ptr<ui::AutoVehEditor> Open() {
        auto w = std::make_unique<ui::AutoVehEditor>();
        w->Show();
        return w;
    }
    static void Select(ui::AutoVehEditor& w, std::initializer_list<int> items) {
        for (int i = 1; i <= w.VehAutoList->ItemCount(); ++i) w.VehAutoList->SetSelected(i, false);
        for (int i : items) w.VehAutoList->SetSelected(i, true);
    }
    static std::vector<int> Selected(const ui::AutoVehEditor& w) {
        return w.VehAutoList->SelectedItems();
    }
};

TEST_F(AutoVehEditorTest, LoadsSkipsEmptyLinesAndKeepsItemsWhenTheFileIsMissing) {
    auto w = Open();
    EXPECT_EQ(w->VehAutoList->ItemCount(), 0);
    Write("autoveh.lst", "A\r\n\r\nB\r\n\r\n");
    w->AutoVehLoad->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"A", "B"}));
    std::filesystem::remove(root / "autoveh.lst");
    w->AutoVehLoad->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"A", "B"}));
}

TEST_F(AutoVehEditorTest, AddSeveralRemoveASelectionSaveAndReopen) {
    for (const char* name : {"Car", "Other Car", "Up", "Four"})
        vehtest::WriteVehicleFile(Path("vehicles/" + std::string(name) + ".vd3"),
                                  vehtest::ValidVehicle(name));
    auto w = Open();
    Dialogs().QueueOpen(platform::ScriptedFileDialog::Chosen(
        {Path("vehicles/Car.vd3"), Path("vehicles/Other Car.vd3"), Path("vehicles/Up.vd3")}));
    w->AutoVehAdd->UserClick();
    const auto& request = Dialogs().OpenRequests().back();
    EXPECT_TRUE(request.multiSelect);
    EXPECT_EQ(request.initialFolder, root.string() + "/vehicles/");
    EXPECT_EQ(w->Entries(), (Items{"Car", "Other Car", "Up"}));
    Dialogs().QueueOpenPath(Path("vehicles/Four.vd3"));
    w->AutoVehAdd->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"Car", "Other Car", "Up", "Four"}));
    EXPECT_EQ(Messages().Count(), 0u);

    Select(*w, {2, 4});
    w->AutoVehRemoveSelected->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"Car", "Up"}));

    ASSERT_TRUE(w->SaveList());
    EXPECT_EQ(ReadBack("autoveh.lst"), "Car\r\nUp\r\n\r\n");
    for (const auto& e : std::filesystem::directory_iterator(root))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos);
    w->Unload();
    auto again = Open();  // opening loads the saved list
    EXPECT_EQ(again->Entries(), (Items{"Car", "Up"}));

    // An empty list saves as one CR LF.
    Select(*again, {1, 2});
    again->AutoVehRemoveSelected->UserClick();
    again->AutoVehSave->UserClick();
    EXPECT_EQ(ReadBack("autoveh.lst"), "\r\n");
}

// A file the start-up would never load from its entry is refused, and one message says
// which and why; the others of the same choice are added.
TEST_F(AutoVehEditorTest, RefusesFilesTheStartUpWouldNotLoadAndSaysWhy) {
    vehtest::WriteVehicleFile(Path("vehicles/BMW.vd3"), vehtest::ValidVehicle("BMW M3 E46"));
    vehtest::WriteVehicleFile(Path("vehicles/BMW copy.vd3"), vehtest::ValidVehicle("BMW M3 E46"));
    vehtest::WriteVehicleFile(Path("vehicles/Golf.vd3"), vehtest::ValidVehicle("Golf"));
    std::filesystem::create_directories(root / "elsewhere");
    vehtest::WriteVehicleFile(Path("elsewhere/Kart.vd3"), vehtest::ValidVehicle("Kart"));
    Write("vehicles/Up.VD3", "x");
    Write("vehicles/Empty.vd3", "");
    vehtest::WriteVehicleFile(Path("vehicles/BMW twin.vd3"), vehtest::ValidVehicle("BMW M3 E46?"));
    vehtest::WriteVehicleFile(Path("vehicles/.vd3"), vehtest::ValidVehicle("No file name"));
    vehtest::WriteVehicleFile(Path("vehicles/Two\r\nLines.vd3"), vehtest::ValidVehicle("Two"));
    const std::string valid = ReadBack("vehicles/Golf.vd3");
    Write("vehicles/Short.vd3", valid.substr(0, 100));
    Write("vehicles/Long.vd3", valid + "x");
    Write("vehicles/Damaged.vd3", "VEHDATA\x09" + valid.substr(8));
    Write("autoveh.lst", "BMW\r\n");
    auto w = Open();

    const struct {
        const char* file;
        std::string refusal;  // "": added
    } cases[] = {
        {"elsewhere/Kart.vd3", "Kart.vd3 is not in the vehicles folder " + root.string() +
                                   "/vehicles/; only vehicles there load at start-up."},
        {"vehicles/Up.VD3", "Up.VD3 does not end in \".vd3\"; only such files load at start-up."},
        {"vehicles/BMW.vd3", "BMW is already in the list."},
        {"vehicles/BMW copy.vd3",
         "BMW copy.vd3 holds the vehicle BMW M3 E46, which BMW in the list already loads."},
        {"vehicles/Empty.vd3", "Empty.vd3 is empty or cannot be found."},
        {"vehicles/BMW twin.vd3",
         "BMW twin.vd3 holds the vehicle \"BMW M3 E46?\", whose setup files would be those of "
         "\"BMW M3 E46\", which BMW in the list already loads."},
        {"vehicles/.vd3", ".vd3 has no name before \".vd3\"; the start-up list cannot name it."},
        {"vehicles/Two\r\nLines.vd3",
         "Two\u240D\u240ALines.vd3 has a line break in its name; the start-up list cannot name "
         "it."},
        {"vehicles/Short.vd3", "Short.vd3 cannot be loaded: Not a valid vehicle data file"},
        {"vehicles/Long.vd3", "Long.vd3 cannot be loaded: Not a valid vehicle data file; The file "
                              "holds 327 bytes; a vehicle data file holds 326."},
        {"vehicles/Damaged.vd3", "Damaged.vd3 cannot be loaded: Incorrect vehicle data file version"},
        {"vehicles/Golf.vd3", ""},
        {"vehicles/Golf.vd3", "Golf is already in the list."},  // twice in one choice
    };
    std::vector<std::string> paths;
    std::string message = "Not added to the list:";
    for (const auto& c : cases) {
        paths.push_back(Path(c.file));
        if (!c.refusal.empty()) message += "\r\n" + c.refusal;
    }
    Dialogs().QueueOpen(platform::ScriptedFileDialog::Chosen(paths));
    w->AutoVehAdd->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"BMW", "Golf"}));
    ASSERT_EQ(Messages().Count(), 1u);
    EXPECT_EQ(Messages().Last().text, message);
    EXPECT_EQ(Messages().Last().title, "Problem");

    // A choice of more refused files than a message names: the twelfth, then how many more.
    std::vector<std::string> many(20, Path("vehicles/Empty.vd3"));
    Dialogs().QueueOpen(platform::ScriptedFileDialog::Chosen(many));
    w->AutoVehAdd->UserClick();
    std::string twelve = "Not added to the list:";
    for (int i = 0; i < 12; ++i) twelve += "\r\nEmpty.vd3 is empty or cannot be found.";
    EXPECT_EQ(Messages().Last().text, twelve + "\r\nand 8 more.");
}

TEST_F(AutoVehEditorTest, DialogCancelOrErrorAddsNothing) {
    auto w = Open();
    w->AutoVehAdd->UserClick();
    EXPECT_EQ(w->VehAutoList->ItemCount(), 0);
    EXPECT_EQ(Messages().Count(), 0u);
    Dialogs().QueueOpen(platform::ScriptedFileDialog::Failed(20476, "Buffer too small"));
    w->AutoVehAdd->UserClick();
    EXPECT_EQ(w->VehAutoList->ItemCount(), 0);
    EXPECT_EQ(Messages().Last().text, "Error 20476\r\nBuffer too small");
}

TEST_F(AutoVehEditorTest, MovesKeepASelectedBlockTogether) {
    Write("autoveh.lst", "A\r\nB\r\nC\r\nD\r\n");
    auto w = Open();
    Select(*w, {1, 2});
    w->AutoVehMoveDown->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"C", "A", "B", "D"}));
    EXPECT_EQ(Selected(*w), (std::vector<int>{2, 3}));
    w->AutoVehMoveUp->UserClick();
    w->AutoVehMoveUp->UserClick();  // the block already at the top stays as it is
    EXPECT_EQ(w->Entries(), (Items{"A", "B", "C", "D"}));
    EXPECT_EQ(Selected(*w), (std::vector<int>{1, 2}));
    Select(*w, {4});
    w->AutoVehMoveDown->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"A", "B", "C", "D"}));
    Select(*w, {2, 4});
    w->AutoVehMoveUp->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"B", "A", "D", "C"}));
    EXPECT_EQ(Selected(*w), (std::vector<int>{1, 3}));
}

// An entry holding a NUL byte names no file, though cut at the NUL it would name Here.vd3.
TEST_F(AutoVehEditorTest, RemoveMissingKeepsEntriesWhoseFileExistsEvenEmpty) {
    Write("vehicles/Here.vd3", "x");
    Write("vehicles/Empty.vd3", "");
    Write("autoveh.lst", "Gone\r\nHere\r\nEmpty\r\nAlso gone\r\nHere.vd3" + std::string(1, '\0') +
                             "x\r\n");
    auto w = Open();
    w->AutoVehRemoveMissing->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"Here", "Empty"}));
}

TEST_F(AutoVehEditorTest, AFailedSaveSaysSoAndKeepsTheOldList) {
    Write("autoveh.lst", "Old\r\n\r\n");
    auto w = Open();
    w->VehAutoList->AddItem("New");
    core::GlobalChassisLab().AppDir = Path("missing-folder") + "/";
    EXPECT_FALSE(w->SaveList());
    EXPECT_EQ(Messages().Last().icon, platform::MsgIcon::Critical);
    EXPECT_EQ(ReadBack("autoveh.lst"), "Old\r\n\r\n");
}

// A list the window could not read (one the user may write but not read, one above 1 MiB, a
// pipe) shows empty and is never saved over: Save List says why, also after a Reset List that
// still cannot read it. A later Reset List that reads it, or finds no file at all, lets the
// list be saved again.
TEST_F(AutoVehEditorTest, AListItCouldNotReadIsNeverSavedOver) {
    testsupport::FilePermissionsEnforced enforced;
    if (!enforced.Holds()) GTEST_SKIP() << "file permissions do not hold for root";
    const std::string stored = "Golf\r\nBMW M3 E46\r\n\r\n";
    const std::string large = stored + std::string(std::size_t{1} << 20, '\n');
    const std::string list = Path("autoveh.lst");
    const struct {
        const char* kind;
        std::function<void()> make;  // the list as the window cannot read it
        std::string reason;
    } rows[] = {
        {"mode 200",
         [&] {
             Write("autoveh.lst", stored);
             std::filesystem::permissions(list, std::filesystem::perms::owner_write);
         },
         "cannot be read: Permission denied"},
        {"above 1 MiB", [&] { Write("autoveh.lst", large); },
         "holds " + std::to_string(large.size()) +
             " bytes, more than any list of the program (at most 1048576 bytes); it was not "
             "read."},
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(list.c_str(), 0600), 0); }, "is not a regular file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        std::filesystem::remove(list);
        row.make();
        const auto before = std::filesystem::status(list);
        const bool regular = before.type() == std::filesystem::file_type::regular;
        const std::uintmax_t size = regular ? std::filesystem::file_size(list) : 0;
        const std::string problem = "The file " + list + " " + row.reason;
        Messages().Clear();
        auto w = Open();
        EXPECT_EQ(w->VehAutoList->ItemCount(), 0);
        EXPECT_EQ(Messages().Last().text, problem);

        w->VehAutoList->AddItem("New");
        EXPECT_FALSE(w->SaveList());
        EXPECT_EQ(Messages().Last().text,
                  "The list was not saved: the start-up list could not be read, so saving would "
                  "replace the vehicles it names with the list shown.\r\n" +
                      problem +
                      "\r\nOnce the file can be read, Reset List loads its vehicles and the list "
                      "can be saved.");
        EXPECT_EQ(Messages().Last().title, "Problem");
        w->AutoVehLoad->UserClick();  // still not read: said again
        EXPECT_EQ(Messages().Last().text, problem);
        EXPECT_FALSE(w->SaveList());
        EXPECT_EQ(Messages().Count(), 4u);
        EXPECT_EQ(std::filesystem::status(list).type(), before.type());
        EXPECT_EQ(std::filesystem::status(list).permissions(), before.permissions());
        if (regular) EXPECT_EQ(std::filesystem::file_size(list), size);

        // Readable again, or gone: read (or kept as shown), and saved.
        std::filesystem::remove(list);
        if (regular) Write("autoveh.lst", stored);
        w->AutoVehLoad->UserClick();
        EXPECT_TRUE(w->SaveList());
        EXPECT_EQ(ReadBack("autoveh.lst"), regular ? stored : "New\r\n\r\n");
        EXPECT_EQ(Messages().Count(), 4u);
    }
}

// A list the start could not read is told of then, once: the window opening shows it empty
// and says no more, also when opened again. A list that could not be read only since is told
// of when the window opens.
TEST_F(AutoVehEditorTest, AListTheStartCouldNotReadIsToldOnce) {
    Write("autoveh.lst", "A\r\n" + std::string(std::size_t{1} << 20, '\n'));
    files::LoadAutoVehicles();
    ASSERT_EQ(Messages().Count(), 1u);
    const std::string told = Messages().Last().text;
    auto w = Open();
    EXPECT_EQ(w->VehAutoList->ItemCount(), 0);
    w->Unload();
    auto again = Open();
    EXPECT_EQ(Messages().Count(), 1u);
    EXPECT_FALSE(again->SaveList());
    EXPECT_EQ(Messages().Count(), 2u);
    again->Unload();

    // Read since, then too large again: told.
    Write("autoveh.lst", "A\r\n");
    Open()->Unload();
    Write("autoveh.lst", "A\r\n" + std::string(std::size_t{1} << 20, '\n'));
    Open();
    ASSERT_EQ(Messages().Count(), 3u);
    EXPECT_EQ(Messages().Last().text, told);

    // Too large at start, then a folder in its place when the window opens: the other reason is
    // told.
    files::LoadAutoVehicles();
    ASSERT_EQ(Messages().Count(), 4u);
    std::filesystem::remove(root / "autoveh.lst");
    std::filesystem::create_directory(root / "autoveh.lst");
    Open();
    ASSERT_EQ(Messages().Count(), 5u);
    EXPECT_EQ(Messages().Last().text,
              "The file " + Path("autoveh.lst") + " cannot be read: Is a directory");
}

}  // namespace
