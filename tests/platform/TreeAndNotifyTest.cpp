// Control arrays with gaps, the container tree and z-order, and what the form's observer hears.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;
using platform_test::RecordingObserver;

namespace {

using ControlTree = PlatformTest;

TEST_F(ControlTree, ControlArraysKeepSparseIndexes) {
    Form form("TestForm");
    ControlArray<Label> phys;
    for (int i : {101, 7, 250}) form.CreateIn(phys, "Analysis_PhysLabel", i).SetCaption("x");
    EXPECT_EQ(phys.Count(), 3);
    EXPECT_EQ(phys.LowerBound(), 7);
    EXPECT_EQ(phys.UpperBound(), 250);
    EXPECT_EQ(phys.Indexes(), (std::vector<int>{7, 101, 250}));
    EXPECT_TRUE(phys.Has(101));
    EXPECT_FALSE(phys.Has(102));
    EXPECT_EQ(phys(101).DisplayName(), "Analysis_PhysLabel(101)");
    EXPECT_EQ(&phys[101], form.Find("Analysis_PhysLabel", 101));
    EXPECT_EQ(form.Find("Analysis_PhysLabel"), nullptr) << "-1 is not an index of the array";
    std::vector<int> visited;
    phys.ForEach([&](int i, Label&) { visited.push_back(i); });
    EXPECT_EQ(visited, (std::vector<int>{7, 101, 250}));

    ControlArray<Label> none;
    EXPECT_EQ(none.UpperBound(), -1);
    EXPECT_EQ(none.Count(), 0);
}

TEST_F(ControlTree, MissingArrayIndexIsAProgrammingErrorThatStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Form form("TestForm");
    ControlArray<Label> phys;
    form.CreateIn(phys, "Analysis_PhysLabel", 101);
    EXPECT_DEATH(phys(102), "control array has no element 102");
}

TEST_F(ControlTree, ChildrenAreInZOrderAndBringToFrontMovesToTheEnd) {
    Form form("TestForm");
    auto& frame = form.Create<Frame>("Page");
    auto& a = form.Create<Label>("A", &frame);
    auto& b = form.Create<Label>("B", &frame);
    auto& c = form.Create<Label>("C", &frame);
    EXPECT_EQ(form.Children(), (std::vector<Control*>{&frame}));
    EXPECT_EQ(a.Parent(), &frame);
    a.BringToFront();
    EXPECT_EQ(frame.Children(), (std::vector<Control*>{&b, &c, &a}));
    c.SendToBack();
    EXPECT_EQ(frame.Children(), (std::vector<Control*>{&c, &b, &a}));
    EXPECT_EQ(form.AllControls().size(), 4u);
}

TEST_F(ControlTree, ObserverHearsEachRealChangeOnceWithItsProp) {
    Form form("TestForm");
    RecordingObserver seen;
    form.SetObserver(&seen);
    auto& label = form.Create<Label>("Caption");
    auto& slider = form.Create<Slider>("S");
    auto& box = form.Create<PictureBox>("Graph");
    auto& optA = form.Create<OptionButton>("A");
    auto& optB = form.Create<OptionButton>("B");
    optA.SetValue(true);
    optB.SetValue(true);  // the button it clears is told too

    label.SetCaption("1.50 m");
    label.SetCaption("1.50 m");
    label.Move(1, 2, 3, 4);
    label.Move(1, 2, 3, 4);
    label.SetWidth(3);
    label.SetForeColor(RGB(255, 0, 0));
    label.SetFontBold(true);
    label.SetFontBold(true);
    label.SetVisible(false);
    label.SetEnabled(false);
    label.SetToolTipText("tip");
    slider.SetValue(5);
    slider.SetValue(5);
    slider.SetMax(20);
    box.Surf().Line(0, 0, 150, 150);

    EXPECT_EQ(seen.Count("Caption", Prop::Text), 1);
    EXPECT_EQ(seen.Count("Caption", Prop::Geometry), 1);
    EXPECT_EQ(seen.Count("Caption", Prop::Colors), 1);
    EXPECT_EQ(seen.Count("Caption", Prop::Font), 1);
    EXPECT_EQ(seen.Count("Caption", Prop::Visible), 1);
    EXPECT_EQ(seen.Count("Caption", Prop::Enabled), 1);
    EXPECT_EQ(seen.Count("Caption", Prop::ToolTip), 1);
    EXPECT_EQ(seen.Count("S", Prop::Value), 1);
    EXPECT_EQ(seen.Count("S", Prop::Range), 1);
    EXPECT_EQ(seen.Count("Graph", Prop::Surface), 1);
    EXPECT_EQ(seen.Count("A", Prop::Value), 2);
    EXPECT_EQ(seen.Count("B", Prop::Value), 1);

    // A menu change is reported as such; the form's own changes separately.
    form.AddMenu("Main_File", "&File").SetChecked(true);
    EXPECT_EQ(seen.menus, 2);
    form.SetCaption("ChassisLab");
    form.SetCaption("ChassisLab");
    EXPECT_EQ(std::count(seen.form.begin(), seen.form.end(), Prop::Text), 1);
}

TEST_F(ControlTree, ANewControlIsReportedToItsOwnContainer) {
    Form form("TestForm");
    auto& page = form.Create<Frame>("Page");
    auto& chart = form.Create<PictureBox>("Chart", &page);
    RecordingObserver seen;
    form.SetObserver(&seen);
    form.Create<Label>("Legend", &chart);
    EXPECT_EQ(seen.controls, (std::vector<std::pair<std::string, Prop>>{{"Chart", Prop::Children}}));
    EXPECT_TRUE(seen.form.empty());
    seen.controls.clear();
    form.Create<Label>("Note", &page, 3);
    EXPECT_EQ(seen.controls, (std::vector<std::pair<std::string, Prop>>{{"Page", Prop::Children}}));
    EXPECT_TRUE(seen.form.empty());
    seen.controls.clear();
    form.Create<CommandButton>("Go");  // the client area
    EXPECT_TRUE(seen.controls.empty());
    EXPECT_EQ(seen.form, std::vector<Prop>{Prop::Children});
    form.SetObserver(nullptr);
}

TEST_F(ControlTree, LabelsStartTransparentOnTheButtonFace) {
    // Transparent so that labels reaching over a frame's border leave it drawn; opaque on
    // request in the classic button-face colour.
    Form form("TestForm");
    auto& label = form.Create<Label>("Caption");
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.BackColor(), SysColor::ButtonFace);
    EXPECT_EQ(ResolveColor(label.BackColor()), ResolveColor(form.BackColor()));
}

TEST_F(ControlTree, PictureBoxSurfaceIsTheAreaInsideTheBorder) {
    Form form("TestForm");
    auto& box = form.Create<PictureBox>("Graph");
    ASSERT_TRUE(box.Border());  // bordered by design
    box.Move(0, 0, 300, 200);
    // 2 px of border on each side: 296 x 196 px inside, 4440 x 2940 twips.
    EXPECT_EQ(box.Surf().PixelWidth(), 296);
    EXPECT_EQ(box.Surf().PixelHeight(), 196);
    EXPECT_FLOAT_EQ(box.Surf().ScaleWidth(), 4440.0f);
    box.SetHeight(120);
    EXPECT_EQ(box.Surf().PixelHeight(), 116);
    EXPECT_FLOAT_EQ(box.Surf().ScaleHeight(), 1740.0f);

    // Without a border the whole box is drawing area; the border coming back shrinks it.
    box.SetBorder(false);
    EXPECT_EQ(box.Surf().PixelWidth(), 300);
    EXPECT_EQ(box.Surf().PixelHeight(), 120);
    box.SetBorder(true);
    EXPECT_EQ(box.Surf().PixelWidth(), 296);
    // A user scale maps its far corner to the inner bottom-right corner.
    box.Surf().Scale(0, 100, 10, 0);
    EXPECT_DOUBLE_EQ(box.Surf().ToPixelX(10), 296.0);
    EXPECT_DOUBLE_EQ(box.Surf().ToPixelY(0), 116.0);
    // A box smaller than its border has no drawing area, never a negative one.
    box.Move(0, 0, 3, 2);
    EXPECT_EQ(box.Surf().PixelWidth(), 0);
    EXPECT_EQ(box.Surf().PixelHeight(), 0);
}

TEST_F(ControlTree, ImageKeepsItsPictureWhenALoadFails) {
    Form form("TestForm");
    auto& photo = form.Create<Image>("VehPhoto");
    const std::string good = ::testing::TempDir() + "platform_photo.JPG";
    { FILE* f = std::fopen(good.c_str(), "wb"); std::fputs("x", f); std::fclose(f); }
    EXPECT_TRUE(photo.LoadPicture(good));
    EXPECT_EQ(photo.GetPicture().path, good);
    EXPECT_EQ(photo.GetPicture().width, 320);
    EXPECT_FALSE(photo.LoadPicture(::testing::TempDir() + "missing.jpg"));
    EXPECT_EQ(photo.GetPicture().path, good);
    photo.ClearPicture();
    EXPECT_TRUE(photo.GetPicture().Empty());
    std::remove(good.c_str());
}

TEST_F(ControlTree, ListViewSelectionAndSubItems) {
    Form form("TestForm");
    auto& list = form.Create<ListView>("Files");
    list.AddColumn("Name", 120);
    list.AddColumn("Size", 60);
    EXPECT_EQ(list.AddItem("a.set"), 1);
    EXPECT_EQ(list.AddItem("b.set"), 2);
    EXPECT_EQ(list.AddItem("c.set"), 3);
    list.SetSubItem(2, 1, "132");
    EXPECT_EQ(list.Item(2).subItems.at(0), "132");
    std::vector<int> clicked;
    list.ItemClick = [&](int i) { clicked.push_back(i); };
    list.SetMultiSelect(true);
    list.UserClickItem(1);
    list.UserClickItem(3, true);
    EXPECT_EQ(list.SelectedItems(), (std::vector<int>{1, 3}));
    list.UserClickItem(2);  // a plain click selects only the one
    EXPECT_EQ(list.SelectedItems(), (std::vector<int>{2}));
    EXPECT_EQ(clicked, (std::vector<int>{1, 3, 2}));
    list.RemoveItem(1);
    EXPECT_EQ(list.Item(1).text, "b.set");
    EXPECT_EQ(list.Item(9).text, "");
}

}  // namespace
