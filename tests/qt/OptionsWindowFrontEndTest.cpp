// The options window through the Qt front end, as a person uses it: a unit picked in a Qt
// drop-down reaches the unit system and the main window's figures, a scale slider dragged in
// Qt stores its scale and shows the new label, and a preset button does all 21 units.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <memory>

#include "QtTestApp.hpp"
#include "core/GraphScales.hpp"
#include "core/OptionsSettings.hpp"
#include "qt/FormView.hpp"
#include "support/StartedProgram.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace {

class OptionsWindowFrontEnd : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
        panel = &ui::OptionsPanelWindow();
        view = std::make_unique<qtfront::FormView>(*panel);
    }
    void TearDown() override {
        view.reset();
        ui::ResetOptionsPanel();
        StartedProgram::TearDown();
    }
    template <typename W>
    W* Widget(platform::Control& c) {
        auto* w = qobject_cast<W*>(view->WidgetFor(c));
        EXPECT_NE(w, nullptr) << c.DisplayName();
        return w;
    }

    ui::Main* main = nullptr;
    ui::OptionsPanel* panel = nullptr;
    std::unique_ptr<qtfront::FormView> view;
};

TEST_F(OptionsWindowFrontEnd, AUnitPickedInTheDropDownReachesTheMainWindow) {
    QComboBox* speed = Widget<QComboBox>(panel->Select(core::Quantity::Speed));
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->count(), 5);
    EXPECT_FALSE(speed->isEditable());
    emit speed->activated(2);  // "Miles per hour"
    EXPECT_EQ(core::UnitSuffix(core::Quantity::Speed), " mph");
    EXPECT_EQ(Widget<QLabel>(panel->UnitSuffixLabel(core::Quantity::Speed))->text().toStdString(), " mph");
    EXPECT_NE(main->GearingSpeed(1).Caption().find(" mph"), std::string::npos);
}

TEST_F(OptionsWindowFrontEnd, AScaleSliderDraggedInQtStoresItsScaleAndLabel) {
    panel->Select_Options->UserSelect(2);
    const auto sliders = core::GraphScaleSliders();
    std::size_t k = 0;
    while (sliders[k].Field != &core::OptionsBlock::SpeedTimeGraphScaleY) ++k;
    QSlider* s = Widget<QSlider>(*panel->ScaleSlider[k]);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->minimum(), 10);
    EXPECT_EQ(s->maximum(), 50);
    s->setSliderDown(true);
    s->setSliderPosition(35);
    s->setSliderDown(false);
    EXPECT_EQ(core::OptionsSettings().SpeedTimeGraphScaleY, 35);
    EXPECT_EQ(Widget<QLabel>(panel->Label_YUnits(32))->text().toStdString(), "35 m/s");
}

TEST_F(OptionsWindowFrontEnd, ThePresetButtonChoosesEveryUnit) {
    Widget<QPushButton>(panel->SetUnits(2))->click();
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const core::Quantity q = core::QuantityAt(i);
        EXPECT_EQ(Widget<QComboBox>(panel->Select(q))->currentText().toStdString(),
                  core::UnitPresetName(2, q))
            << i;
    }
}

}  // namespace
