// A list view's widget holds what the model holds after every change, each change copied by
// itself: a table filled row by row and cell by cell puts each row into the widget once, and
// a change of one cell or of the columns leaves the rows where they are scrolled to.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "ProgramOnDesktop.hpp"
#include "QtTestApp.hpp"
#include "SampleForm.hpp"
#include "qt/FormView.hpp"
#include "ui/tools/TorqueDataTable.hpp"

namespace {

// Where a list view's widget differs from the model: its columns, rows, cells or selection
// ("" where it holds the same).
std::string Difference(const QTreeWidget& tree, const platform::ListView& list) {
    const auto& columns = list.Columns();
    if (tree.columnCount() != std::max<int>(1, static_cast<int>(columns.size())))
        return "column count";
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const auto& col = columns[static_cast<std::size_t>(c)];
        if (tree.headerItem()->text(c).toStdString() != col.text) return "heading " + col.text;
        if (tree.columnWidth(c) != col.width) return "width of " + col.text;
    }
    if (tree.topLevelItemCount() != list.ItemCount()) return "row count";
    for (int i = 1; i <= list.ItemCount(); ++i) {
        const platform::ListItem& item = list.Item(i);
        const QTreeWidgetItem* row = tree.topLevelItem(i - 1);
        const std::string at = " of row " + std::to_string(i);
        if (row->text(0).toStdString() != item.text) return "text" + at;
        for (std::size_t k = 0; k < item.subItems.size(); ++k) {
            if (row->text(static_cast<int>(k) + 1).toStdString() != item.subItems[k])
                return "sub-item " + std::to_string(k + 1) + at;
        }
        if (row->isSelected() != item.selected) return "selection" + at;
        // Shown selected: the whole row, every column; shown unselected: no cell of it.
        const QItemSelectionModel& shown = *tree.selectionModel();
        if (item.selected ? !shown.isRowSelected(i - 1, {}) : shown.rowIntersectsSelection(i - 1, {}))
            return "selection shown" + at;
    }
    return "";
}

class ListViews : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        platform::InstallServiceDoubles();
        view = std::make_unique<qtfront::FormView>(form);
        tree = qobject_cast<QTreeWidget*>(view->WidgetFor(list));
        ASSERT_NE(tree, nullptr);
    }

    std::string Difference() const { return ::Difference(*tree, list); }

    // Fills the list with `rows` rows of three columns, each row added, then its second and
    // third cells written, as a handler fills a table.
    void Fill(int rows, const std::string& suffix) {
        list.ClearItems();
        for (int i = 1; i <= rows; ++i) {
            const int row = list.AddItem(std::to_string(i * 10) + " s");
            list.SetSubItem(row, 1, std::to_string(i) + suffix);
            list.SetSubItem(row, 2, std::to_string(i * i) + suffix);
        }
    }

    qttest::SampleForm form;
    platform::ListView& list = *form.list;
    std::unique_ptr<qtfront::FormView> view;
    QTreeWidget* tree = nullptr;
};

TEST_F(ListViews, TheWidgetFollowsEveryKindOfChange) {
    const struct {
        const char* change;
        std::function<void(platform::ListView&)> make;
    } changes[] = {
        {"an item selected first", [](auto& l) { l.SetSelected(2, true); }},
        {"a sub-item", [](auto& l) { l.SetSubItem(2, 1, "1:02.5"); }},
        {"a sub-item beyond the columns", [](auto& l) { l.SetSubItem(1, 3, "wet"); }},
        {"an item added", [](auto& l) { l.AddItem("D"); }},
        {"the new item's sub-item", [](auto& l) { l.SetSubItem(4, 1, "58.1"); }},
        {"an item's text", [](auto& l) { l.SetItemText(1, "A2"); }},
        {"an item selected", [](auto& l) { l.SetSelected(3, true); }},
        {"a middle item removed", [](auto& l) { l.RemoveItem(2); }},
        {"a click on an item", [](auto& l) { l.UserClickItem(1); }},
        {"a click adding an item", [](auto& l) { l.UserClickItem(3, true); }},
        {"the last item removed", [](auto& l) { l.RemoveItem(3); }},
        {"an item deselected", [](auto& l) { l.SetSelected(1, false); }},
        {"an item selected again", [](auto& l) { l.SetSelected(2, true); }},
        {"the columns cleared", [](auto& l) { l.ClearColumns(); }},
        {"the columns made again, wider",
         [](auto& l) {
             l.ClearColumns();
             l.AddColumn("Run", 120);
             l.AddColumn("Time", 90);
             l.AddColumn("Track", 60);
         }},
        {"the items cleared", [](auto& l) { l.ClearItems(); }},
        {"items added again", [](auto& l) { for (const char* r : {"E", "F"}) l.AddItem(r); }},
        {"a click on a new item", [](auto& l) { l.UserClickItem(2); }},
        {"an item added after it", [](auto& l) { l.AddItem("G"); }},
        {"a column added", [](auto& l) { l.AddColumn("Tyres", 50); }},
    };
    ASSERT_EQ(Difference(), "");
    for (const auto& c : changes) {
        c.make(list);
        EXPECT_EQ(Difference(), "") << "after " << c.change;
    }
    // A window made later shows the whole list, also where the list's last change was one of
    // its columns.
    view.reset();
    list.AddColumn("Driver", 70);
    view = std::make_unique<qtfront::FormView>(form);
    tree = qobject_cast<QTreeWidget*>(view->WidgetFor(list));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Difference(), "") << "in a window made later";
    // ... and where its last change selected one of two items selected.
    view.reset();
    list.SetSelected(1, true);
    view = std::make_unique<qtfront::FormView>(form);
    tree = qobject_cast<QTreeWidget*>(view->WidgetFor(list));
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(list.SelectedItems(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Difference(), "") << "in a window made after a selection";
}

// The header shares the list's selection model: selecting everything through it, or through
// the list's own keys, leaves the widget showing what the model holds.
TEST_F(ListViews, OnlyTheModelSelects) {
    list.SetSelected(2, true);
    view->show();
    QCoreApplication::processEvents();
    tree->header()->selectAll();
    EXPECT_EQ(Difference(), "") << "the header";
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(tree, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Difference(), "") << "the keys";
    view->hide();
}

// A table of 200 rows filled row by row and cell by cell (601 changes) puts each row into the
// widget once, where copying the whole table at each change would put in 60,300; a later
// change of a cell, of the columns or the removal of a row puts in none.
TEST_F(ListViews, EachRowIsPutIntoTheWidgetOnce) {
    list.AddColumn("Square", 80);
    long inserted = 0;
    QObject::connect(tree->model(), &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex&, int first, int last) { inserted += last - first + 1; });
    Fill(200, " N");
    EXPECT_EQ(Difference(), "");
    EXPECT_EQ(inserted, 200);
    list.SetItemText(5, "55 s");
    list.SetSubItem(6, 2, "1");
    list.RemoveItem(7);
    list.ClearColumns();
    list.AddColumn("Time", 100);
    EXPECT_EQ(Difference(), "");
    EXPECT_EQ(inserted, 200);
}

// The rows stay where they are scrolled to when one cell changes, when the columns are made
// again at a new width (a window's resize), and when the table is filled again with as many
// rows.
TEST_F(ListViews, RowsStayScrolledWhereThePersonLeftThem) {
    Fill(200, " N");
    view->show();
    QCoreApplication::processEvents();
    QScrollBar* bar = tree->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    bar->setValue(100);
    const int scrolled = bar->value();

    list.SetSubItem(120, 1, "changed");
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->value(), scrolled) << "one cell";

    list.ClearColumns();
    for (const char* heading : {"Time", "Force", "Square"}) list.AddColumn(heading, 70);
    QCoreApplication::processEvents();
    EXPECT_EQ(Difference(), "");
    EXPECT_EQ(bar->value(), scrolled) << "the columns";

    Fill(200, " kN");
    QCoreApplication::processEvents();
    EXPECT_EQ(Difference(), "");
    EXPECT_EQ(bar->value(), scrolled) << "the table filled again";
    view->hide();
}

// The engine's torque table open beside the vehicle editor at its smallest step (201 rows):
// after each keystroke in an engine box the table on screen holds the rows the model holds
// (editor_torque_table_201_rows.png in test-screenshots/), and the row the person picked.
class TorqueTableOnDesktop : public qttest::ProgramOnDesktop {
protected:
    static void Type(platform::TextBox& box, const std::string& text) {
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        if (text.empty()) {
            box.UserKey(platform::kKeyBack);
        } else {
            box.UserType(text);
        }
    }
};

TEST_F(TorqueTableOnDesktop, EachKeystrokeLeavesTheTableAsTheModelHasIt) {
    w->VehData_Modification->SetVisible(true);
    w->VehData_EditExisting->UserClick();
    // rad/s: idle 100, torque peak 300 (plateau 100 wide), power peak 600, limit 2000.
    Type(*w->VehData_NewLimitRPM, "2000");
    Type(*w->VehData_NewPowerRPM, "600");
    Type(*w->VehData_NewTorqueRPM, "300");
    Type(*w->VehData_NewTorquePeakWidth, "100");
    Type(*w->VehData_NewIdleRPM, "100");
    Type(*w->VehData_NewTorque, "250");
    w->TorquePowerPlot->UserDblClick();
    ui::TorqueDataTable* table = ui::OpenTorqueDataTable();
    ASSERT_NE(table, nullptr);
    QCoreApplication::processEvents();
    qtfront::FormView* view = desktop->ViewFor(*table);
    ASSERT_NE(view, nullptr);
    auto* tree = qobject_cast<QTreeWidget*>(view->WidgetFor(*table->DataTable));
    ASSERT_NE(tree, nullptr);

    Type(*table->UnitStepText, "");  // the smallest step, 5 rad/s
    EXPECT_EQ(table->DataTable->ItemCount(), 201);
    EXPECT_EQ(Difference(*tree, *table->DataTable), "");
    for (const char* torque : {"251", "180", "2", ""}) {  // the last two out of range: no rows
        Type(*w->VehData_NewTorque, torque);
        EXPECT_EQ(Difference(*tree, *table->DataTable), "") << torque;
    }
    Type(*w->VehData_NewTorque, "250");
    ASSERT_EQ(table->DataTable->ItemCount(), 201);
    EXPECT_EQ(tree->topLevelItem(40)->text(1).toStdString(), table->DataTable->Item(41).subItems[0]);
    // The view lays out its rows and scroll bar when the event loop is back.
    EXPECT_TRUE(qttest::RunEventsUntil([tree] { return tree->verticalScrollBar()->isVisible(); }));
    EXPECT_TRUE(view->grab().save(
        QString::fromStdString(qttest::ScreenshotPath("editor_torque_table_201_rows.png"))));
    // A row the person picked stays picked when the window is made wider (its columns made
    // again at their new width).
    table->DataTable->UserClickItem(41);
    table->SetSize(table->Width() + 60, table->Height());
    QCoreApplication::processEvents();
    EXPECT_EQ(table->DataTable->SelectedItems(), std::vector<int>{41});
    EXPECT_EQ(Difference(*tree, *table->DataTable), "") << "resized";
    // ... and over a keystroke in an engine box, shown selected where the person scrolled to
    // pick it (editor_torque_table_row_kept.png).
    tree->scrollToItem(tree->topLevelItem(40));
    QCoreApplication::processEvents();
    const QRect picked = tree->visualItemRect(tree->topLevelItem(40));
    ASSERT_TRUE(tree->viewport()->rect().contains(picked));
    Type(*w->VehData_NewTorque, "251");
    QCoreApplication::processEvents();
    EXPECT_EQ(table->DataTable->SelectedItems(), std::vector<int>{41});
    EXPECT_EQ(Difference(*tree, *table->DataTable), "") << "a keystroke";
    EXPECT_EQ(tree->visualItemRect(tree->topLevelItem(40)), picked) << "a keystroke";
    EXPECT_TRUE(view->grab().save(
        QString::fromStdString(qttest::ScreenshotPath("editor_torque_table_row_kept.png"))));
    w->VehData_Cancel->UserClick();
}

}  // namespace
