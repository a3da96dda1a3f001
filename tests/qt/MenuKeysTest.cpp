// Keys pressed in a gear box of the main window as the window system delivers them: a menu's
// shortcut opens its window, and no key changes the box's text behind the program's back.
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
};

TEST_F(MenuKeys, MenuShortcutsWorkFromATextBoxAndNoKeyEditsItBehindTheProgramsBack) {
    w->Settings_SelectPage->UserSelect(4);  // Gearing
    qtfront::FormView& view = *desktop->ViewFor(*w);
    auto* box = qobject_cast<QLineEdit*>(view.WidgetFor(w->Set_GearRatioText(2)));
    ASSERT_NE(box, nullptr);
    const std::string ratio = w->Set_GearRatioText(2).Text();
    using Opened = platform::Form* (*)();  // the window the key opens, if any
    const Opened converter = [] { return static_cast<platform::Form*>(ui::PeekUnitConv()); };
    const Opened autoLoad = [] { return static_cast<platform::Form*>(&ui::AutoVehEditorWindow()); };
    const struct {
        QKeyCombination key;
        Opened opens;
    } keys[] = {{Qt::CTRL | Qt::Key_U, converter},
                {Qt::CTRL | Qt::Key_A, autoLoad},
                {Qt::CTRL | Qt::Key_K, nullptr},  // erases to the end of the line (X11)
                {Qt::CTRL | Qt::Key_Z, nullptr},
                {Qt::CTRL | Qt::ALT | Qt::Key_W, nullptr}};  // types a "w"
    for (const auto& k : keys) {
        SCOPED_TRACE(QKeySequence(k.key).toString().toStdString());
        QApplication::setActiveWindow(&view);
        box->setFocus();
        box->setCursorPosition(1);
        QTest::keyClick(box, k.key.key(), k.key.keyboardModifiers());
        if (k.opens) EXPECT_TRUE(k.opens() && k.opens()->Visible());
        EXPECT_EQ(box->text().toStdString(), ratio);
        EXPECT_EQ(w->Set_GearRatioText(2).Text(), ratio);
    }
}

}  // namespace
