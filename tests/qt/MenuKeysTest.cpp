// Keys pressed in the main window as the window system delivers them: a menu's shortcut opens
// its window wherever the focus is, a text box included, and no key changes a box's text
// behind the program's back.
#include <QLineEdit>
#include <QTest>

#include "ProgramOnDesktop.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/UnitConv.hpp"

namespace {

class MenuKeys : public qttest::ProgramOnDesktop {
protected:
    void TearDown() override {
        if (platform::Form* f = ui::PeekUnitConv()) f->Unload();
        ui::ResetUnitConv();
        ui::AutoVehEditorWindow().Unload();
        ProgramOnDesktop::TearDown();
    }
    // The second gear's box on the Gearing tab, with the focus in it.
    QLineEdit& FocusedGearBox() {
        w->Settings_SelectPage->UserSelect(4);
        qtfront::FormView& view = *desktop->ViewFor(*w);
        view.activateWindow();
        QApplication::setActiveWindow(&view);
        auto* box = qobject_cast<QLineEdit*>(view.WidgetFor(w->Set_GearRatioText(2)));
        EXPECT_NE(box, nullptr);
        box->setFocus();
        QCoreApplication::processEvents();
        EXPECT_TRUE(box->hasFocus());
        return *box;
    }
};

TEST_F(MenuKeys, CtrlUAndCtrlAOpenTheirWindowsFromATextBox) {
    QLineEdit& box = FocusedGearBox();
    const QString ratio = box.text();
    QTest::keyClick(&box, Qt::Key_U, Qt::ControlModifier);
    ASSERT_NE(ui::PeekUnitConv(), nullptr);
    EXPECT_TRUE(ui::PeekUnitConv()->Visible()) << "Unit Converter";
    FocusedGearBox();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(ui::AutoVehEditorWindow().Visible()) << "Configure Vehicle Auto-Loading";
    EXPECT_EQ(box.text(), ratio);
    EXPECT_EQ(w->Set_GearRatioText(2).Text(), ratio.toStdString());
}

// Keys with Ctrl or Alt that edit the text in the desktop's own way (X11's Ctrl+K, Ctrl+U) or type
// nothing leave the text alone, in the box and in the program alike; moving and selecting
// still work.
TEST_F(MenuKeys, NoKeyChangesABoxsTextBehindTheProgramsBack) {
    QLineEdit& box = FocusedGearBox();
    const std::string ratio = w->Set_GearRatioText(2).Text();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    } keys[] = {{Qt::Key_K, Qt::ControlModifier},  // erases to the end of the line
                {Qt::Key_Z, Qt::ControlModifier},
                {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
                {Qt::Key_W, Qt::ControlModifier | Qt::AltModifier}};
    for (const auto& k : keys) {
        box.setCursorPosition(1);
        QTest::keyClick(&box, k.key, k.mods);
        const std::string name = QKeySequence(k.key | k.mods).toString().toStdString();
        EXPECT_EQ(box.text().toStdString(), ratio) << name;
        EXPECT_EQ(w->Set_GearRatioText(2).Text(), ratio) << name;
    }
    box.setCursorPosition(0);
    QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(box.selectedText().toStdString(), ratio);
}

}  // namespace
