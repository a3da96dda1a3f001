// The per-kind bindings' factories (used by CreateBinding) and small helpers they share.
#pragma once

#include <QObject>
#include <functional>

#include "qt/ControlBinding.hpp"

namespace qtfront {

ControlBinding* BindLabel(FormView& view, platform::Label& c, QWidget* parent);
ControlBinding* BindCommandButton(FormView& view, platform::CommandButton& c, QWidget* parent);
ControlBinding* BindCheckBox(FormView& view, platform::CheckBox& c, QWidget* parent);
ControlBinding* BindOptionButton(FormView& view, platform::OptionButton& c, QWidget* parent);
ControlBinding* BindFrame(FormView& view, platform::Frame& c, QWidget* parent);
ControlBinding* BindProgressBar(FormView& view, platform::ProgressBar& c, QWidget* parent);
ControlBinding* BindTimer(FormView& view, platform::Timer& c, QWidget* parent);
ControlBinding* BindTextBox(FormView& view, platform::TextBox& c, QWidget* parent);
ControlBinding* BindComboBox(FormView& view, platform::ComboBox& c, QWidget* parent);
ControlBinding* BindSlider(FormView& view, platform::Slider& c, QWidget* parent);
ControlBinding* BindScrollBar(FormView& view, platform::ScrollBar& c, QWidget* parent);
ControlBinding* BindTabStrip(FormView& view, platform::TabStrip& c, QWidget* parent);
ControlBinding* BindListView(FormView& view, platform::ListView& c, QWidget* parent);
ControlBinding* BindPictureBox(FormView& view, platform::PictureBox& c, QWidget* parent);
ControlBinding* BindImage(FormView& view, platform::Image& c, QWidget* parent);

// Turns left-button clicks and double clicks on a widget into callbacks, the way the desktop
// reports them: Click on release inside the widget, then DblClick for a double click (the
// release that ends a double click is no second Click).
class ClickRelay : public QObject {
public:
    ClickRelay(QWidget& widget, std::function<void()> click, std::function<void()> dblClick);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> click_, dblClick_;
    bool afterDouble_ = false;
};

// Lets a slider or drop-down take the mouse wheel only while it has the keyboard focus, as on
// the desktop the windows were designed for; otherwise the wheel goes on to the window, which
// scrolls. A window full of sliders then scrolls under the wheel without changing a setting.
class WheelNeedsFocus : public QObject {
public:
    explicit WheelNeedsFocus(QWidget& widget);
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qtfront
