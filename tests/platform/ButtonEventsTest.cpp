// Check boxes, option buttons, tab strips, command buttons: which writes raise which events.
#include <string>
#include <vector>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;

namespace {

class ButtonEvents : public PlatformTest {
protected:
    Form form{"TestForm"};
};

// A code write raises Click only when the value changes; a person's click toggles, and takes
// grayed (2, a value of its own) to unchecked.
TEST_F(ButtonEvents, CheckBoxClicks) {
    auto& check = form.Create<CheckBox>("Opt_Check");
    std::vector<int> seen;
    check.Click = [&] { seen.push_back(check.Value()); };
    check.SetValue(0);  // unchanged
    check.SetValue(1);
    check.SetValue(1);
    check.SetValue(2);
    check.SetValue(-1);  // not a check box value: ignored
    check.SetValue(3);
    EXPECT_EQ(check.Value(), 2);
    check.UserClick();
    check.UserClick();
    check.UserClick();
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1, 0}));
}

TEST_F(ButtonEvents, OptionButtonsGroupByContainerAcrossArraysAndNames) {
    // Two arrays share the client area; a third option sits in a frame of its own.
    ControlArray<OptionButton> units, other;
    auto& a1 = form.CreateIn(units, "Units", 1);
    auto& a2 = form.CreateIn(units, "Units", 2);
    auto& b0 = form.CreateIn(other, "Other", 0);
    auto& frame = form.Create<Frame>("Box");
    auto& inFrame = form.Create<OptionButton>("Inner", &frame);
    inFrame.SetValue(true);

    a1.SetValue(true);
    b0.SetValue(true);  // same container as a1 although another array
    EXPECT_FALSE(a1.Value());
    EXPECT_FALSE(a2.Value());
    EXPECT_TRUE(b0.Value());
    EXPECT_TRUE(inFrame.Value()) << "a different container is a different group";

    a2.UserClick();
    EXPECT_TRUE(a2.Value());
    EXPECT_FALSE(b0.Value());
    EXPECT_TRUE(inFrame.Value());
}

TEST_F(ButtonEvents, OptionButtonTrueRaisesClickEveryTimeFalseNever) {
    auto& a = form.Create<OptionButton>("A");
    auto& b = form.Create<OptionButton>("B");
    int aClicks = 0, bClicks = 0;
    a.Click = [&] { ++aClicks; };
    b.Click = [&] { ++bClicks; };
    a.SetValue(true);
    a.SetValue(true);
    EXPECT_EQ(aClicks, 2);
    b.SetValue(true);  // clears a without raising a's Click
    EXPECT_EQ(aClicks, 2);
    EXPECT_EQ(bClicks, 1);
    b.SetValue(false);
    EXPECT_EQ(bClicks, 1);
    EXPECT_FALSE(b.Value());
    // A person clicking the option already chosen changes nothing.
    a.UserClick();
    EXPECT_EQ(aClicks, 3);
    a.UserClick();
    EXPECT_EQ(aClicks, 3);
}

TEST_F(ButtonEvents, TabStripNumbersFromOneAndCodeSelectionClicksLikeTheUser) {
    auto& tabs = form.Create<TabStrip>("Analysis_Tabs");
    EXPECT_EQ(tabs.SelectedTab(), 0);
    tabs.AddTab("&Masses");
    tabs.AddTab("&Suspension");
    tabs.AddTab("A && B");
    EXPECT_EQ(tabs.SelectedTab(), 1);
    EXPECT_EQ(tabs.TabCaption(2), "&Suspension");
    EXPECT_EQ(StripMnemonic(tabs.TabCaption(3)), "A & B");
    EXPECT_EQ(tabs.TabCaption(0), "");
    EXPECT_EQ(tabs.TabCaption(4), "");

    std::vector<int> clicks;
    tabs.Click = [&] { clicks.push_back(tabs.SelectedTab()); };
    tabs.SelectTab(2);
    tabs.SelectTab(2);  // already selected: still a click
    tabs.UserSelect(3);
    tabs.SelectTab(9);  // no such tab: nothing
    EXPECT_EQ(clicks, (std::vector<int>{2, 2, 3}));
}

TEST_F(ButtonEvents, DisabledOrHiddenContainersBlockUserEventsButNotCodeWrites) {
    auto& outer = form.Create<Frame>("Outer");
    auto& inner = form.Create<PictureBox>("Inner", &outer);
    auto& button = form.Create<CommandButton>("Go", &inner);
    auto& check = form.Create<CheckBox>("Flag", &inner);
    auto& slider = form.Create<Slider>("S", &inner);
    auto& text = form.Create<TextBox>("T", &inner);
    auto& combo = form.Create<ComboBox>("C", &inner);
    combo.AddItem("a");
    combo.AddItem("b");
    int buttonClicks = 0, events = 0;
    button.Click = [&] { ++buttonClicks; };
    check.Click = slider.Scroll = slider.Change = slider.Click = [&] { ++events; };
    text.Change = combo.Click = [&] { ++events; };
    text.KeyPress = [&](int&) { ++events; };

    outer.SetEnabled(false);
    EXPECT_TRUE(button.Enabled());
    EXPECT_FALSE(button.Usable());
    button.UserClick();
    check.UserClick();
    slider.UserDrag(5);
    slider.UserRelease();
    slider.UserClickAt(7);
    text.UserType("12");
    combo.UserSelect(1);
    EXPECT_EQ(buttonClicks, 0);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(check.Value(), 0) << "a blocked click changes nothing";
    EXPECT_EQ(slider.Value(), 0);
    EXPECT_EQ(text.Text(), "");
    EXPECT_EQ(combo.ListIndex(), -1);
    // Code still writes and raises.
    check.SetValue(1);
    slider.SetValue(4);
    text.SetText("x");
    combo.SetListIndex(1);
    EXPECT_EQ(events, 4);

    outer.SetEnabled(true);
    outer.SetVisible(false);
    EXPECT_TRUE(button.Visible());
    EXPECT_FALSE(button.Shown());
    button.UserClick();
    EXPECT_EQ(buttonClicks, 0);

    outer.SetVisible(true);
    button.SetEnabled(false);
    button.UserClick();
    EXPECT_EQ(buttonClicks, 0);
    button.SetEnabled(true);
    button.UserClick();
    EXPECT_EQ(buttonClicks, 1);
}

TEST_F(ButtonEvents, HandlersMayReenterOtherControlsSynchronously) {
    auto& check = form.Create<CheckBox>("A");
    auto& button = form.Create<CommandButton>("B");
    std::vector<std::string> order;
    button.Click = [&] {
        order.push_back("button in");
        check.SetValue(1);
        order.push_back("button out");
    };
    check.Click = [&] { order.push_back("check"); };
    button.UserClick();
    EXPECT_EQ(order, (std::vector<std::string>{"button in", "check", "button out"}));
}

TEST_F(ButtonEvents, TimerTicksOnlyWhenEnabledWithAnInterval) {
    auto& timer = form.Create<Timer>("Replay");
    int ticks = 0;
    timer.TimerEvent = [&] { ++ticks; };
    timer.Tick();
    timer.SetInterval(50);
    timer.Tick();
    timer.SetEnabled(false);
    timer.Tick();
    EXPECT_EQ(ticks, 1);
}

TEST_F(ButtonEvents, MenuClicksNeedTheEntryAndItsParentsEnabledAndVisible) {
    auto& file = form.AddMenu("Main_File", "&File");
    auto& open = file.AddItem("Main_FileOpen", -1, "&Open...");
    int clicks = 0;
    open.Click = [&] { ++clicks; };
    open.UserClick();
    file.SetEnabled(false);
    open.UserClick();
    file.SetEnabled(true);
    open.SetVisible(false);
    open.UserClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(StripMnemonic(open.Caption()), "Open...");
}

}  // namespace
