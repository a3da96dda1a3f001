// The start-up vehicle list editor: loading, adding several files at once, moving, removing
// a multi-selection and missing files, saving through a temporary file, reopening.
#include "ui/tools/AutoVehEditor.hpp"

#include "support/WindowFileTest.hpp"

namespace {

using Items = std::vector<std::string>;

class AutoVehEditorTest : public windowtest::WindowFileTest {
protected:
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
    auto w = Open();
    Dialogs().QueueOpen(platform::ScriptedFileDialog::Chosen(
        {Path("vehicles/Car.vd3"), "/elsewhere/Other Car.vd3", Path("vehicles/Up.VD3")}));
    w->AutoVehAdd->UserClick();
    const auto& request = Dialogs().OpenRequests().back();
    EXPECT_TRUE(request.multiSelect);
    EXPECT_EQ(request.initialFolder, root.string() + "/vehicles/");
    EXPECT_EQ(w->Entries(), (Items{"Car", "Other Car", "Up.VD3"}));
    Dialogs().QueueOpenPath(Path("vehicles/Car.vd3"));  // the same name may appear again
    w->AutoVehAdd->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"Car", "Other Car", "Up.VD3", "Car"}));

    Select(*w, {2, 4});
    w->AutoVehRemoveSelected->UserClick();
    EXPECT_EQ(w->Entries(), (Items{"Car", "Up.VD3"}));

    ASSERT_TRUE(w->SaveList());
    EXPECT_EQ(ReadBack("autoveh.lst"), "Car\r\nUp.VD3\r\n\r\n");
    for (const auto& e : std::filesystem::directory_iterator(root))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos);
    w->Unload();
    auto again = Open();  // opening loads the saved list
    EXPECT_EQ(again->Entries(), (Items{"Car", "Up.VD3"}));

    // An empty list saves as one CR LF.
    Select(*again, {1, 2});
    again->AutoVehRemoveSelected->UserClick();
    again->AutoVehSave->UserClick();
    EXPECT_EQ(ReadBack("autoveh.lst"), "\r\n");
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

TEST_F(AutoVehEditorTest, RemoveMissingKeepsEntriesWhoseFileExistsEvenEmpty) {
    Write("vehicles/Here.vd3", "x");
    Write("vehicles/Empty.vd3", "");
    Write("autoveh.lst", "Gone\r\nHere\r\nEmpty\r\nAlso gone\r\n");
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

}  // namespace
