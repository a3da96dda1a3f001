// Every caption, button, check box and list item of the program's windows can be read whole at
// the default font: with each sample car and each unit preset, no text is wider (or, wrapped,
// taller) than the box the layout gives it. A list item counts where it shows once chosen, in
// the closed drop-down box.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <string>
#include <vector>

#include "ProgramOnDesktop.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "ui/tools/GearingAutoSpacer.hpp"
#include "ui/tools/MakeLevelRide.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "ui/tools/UnitConv.hpp"

namespace {

// How a control's text overflows its widget; empty when it fits.
std::string Overflow(const platform::Control& c, QWidget& w) {
    const QFontMetrics fm(w.font());
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        if (label->text().isEmpty()) return {};
        if (label->wordWrap()) {
            return label->heightForWidth(label->width()) > label->height() ? "wraps too tall" : "";
        }
        const QStringList lines = label->text().split('\n');
        for (const QString& line : lines) {
            if (fm.horizontalAdvance(line) > label->contentsRect().width()) return "too wide";
        }
        return lines.size() * fm.height() > label->height() + 1 ? "too tall" : "";
    }
    if (auto* combo = qobject_cast<QComboBox*>(&w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const int room = combo->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, combo)
                             .width();
        for (int i = 0; i < combo->count(); ++i) {
            if (fm.horizontalAdvance(combo->itemText(i)) > room) {
                return "item cut off: " + combo->itemText(i).toStdString();
            }
        }
        return {};
    }
    if (auto* button = qobject_cast<QPushButton*>(&w)) {
        const QString text = QString::fromStdString(platform::StripMnemonic(
            static_cast<const platform::CommandButton&>(c).Caption()));
        return fm.horizontalAdvance(text) + 6 > button->width() ? "too wide" : "";
    }
    if (auto* box = qobject_cast<QAbstractButton*>(&w)) {  // check and option buttons
        return !box->text().isEmpty() && box->sizeHint().width() > box->width() ? "too wide" : "";
    }
    if (c.Kind() == platform::ControlKind::Frame) {
        const std::string& caption = static_cast<const platform::Frame&>(c).Caption();
        const QString text = QString::fromStdString(platform::StripMnemonic(caption));
        return fm.horizontalAdvance(text) + 12 > w.width() ? "caption too wide" : "";
    }
    return {};
}

class TextsFit : public qttest::ProgramOnDesktop {
protected:
    // Every shown window's texts as they stand.
    void ExpectShownWindowsFit(const std::string& when) {
        for (platform::Form* form : platform::Desktop::Instance().ShownForms()) {
            qtfront::FormView* view = desktop->ViewFor(*form);
            ASSERT_NE(view, nullptr) << form->ClassName();
            for (const auto& control : form->AllControls()) {
                QWidget* widget = view->WidgetFor(*control);
                if (!widget) continue;
                const std::string overflow = Overflow(*control, *widget);
                EXPECT_EQ(overflow, "") << form->ClassName() << " " << control->DisplayName()
                                        << ", " << when;
            }
        }
    }
};

TEST_F(TextsFit, EveryWindowWithEachCarAndUnitPreset) {
    ui::ShowOptionsPanel();
    ui::ShowAbout();
    ui::ShowAutoVehEditor();
    ui::ShowGearingAutoSpacer();
    ui::ShowMakeLevelRide();
    ui::ShowMechCalcs();
    ui::ShowTorqueDataTable();
    ui::ShowUnitConv();
    ui::ShowDragRaceWindow();
    ui::ShowDataOutputReader();
    ui::ShowLFSSetupReader();
    ui::OptionsPanel& options = ui::OptionsPanelWindow();
    for (int preset : {0, 2}) {  // SI, Imperial
        options.SetUnits(preset).UserClick();
        for (int car = 0; car < w->Main_SelectVeh->ListCount(); ++car) {
            w->Main_SelectVeh->SetListIndex(car);
            ExpectShownWindowsFit("preset " + std::to_string(preset) + ", car " +
                                  std::to_string(car));
        }
    }
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
}

}  // namespace
