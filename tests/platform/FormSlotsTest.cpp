// Several windows of one class open side by side (FormSlots), and the window state that
// decides whether code may size a window.
#include <string>
#include <vector>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;
using platform_test::RecordingObserver;

namespace {

class GraphLikeWindow : public Form {
public:
    GraphLikeWindow() : Form("GraphLike") {
        SetCaption("Graph");
        SetResizable(true);
        tag = &Create<TextBox>("Tag");
        tag->SetText("none");
        Resize = [this] { ++resizes; };
    }
    TextBox* tag;
    int resizes = 0;
};

class FormSlotsTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        Desktop::Instance().CollectUnloaded();
    }
    void TearDown() override {
        slots.Reset();
        Desktop::Instance().CollectUnloaded();
    }
    FormSlots<GraphLikeWindow> slots;
};

TEST_F(FormSlotsTest, EachSlotIsItsOwnWindowAndOnlyAClosedOneStartsAfresh) {
    EXPECT_EQ(slots.Peek(0), nullptr);
    GraphLikeWindow& a = slots.Get(0);
    GraphLikeWindow& b = slots.Get(1);
    GraphLikeWindow& c = slots.Get(2);
    EXPECT_EQ(slots.Size(), 3u);
    for (GraphLikeWindow* w : {&a, &b, &c}) w->Show();
    a.tag->SetText("a");
    b.tag->SetText("b");
    c.tag->SetText("c");
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&a, &b, &c}));

    // Closing the middle one leaves the others as they are; its slot's next use is a fresh
    // window in its design state.
    b.UserClose();
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&a, &c}));
    EXPECT_EQ(slots.Peek(1), &b) << "the spent window stays in its slot until reused";
    GraphLikeWindow& b2 = slots.Get(1);
    EXPECT_NE(&b2, &b);
    EXPECT_EQ(b2.tag->Text(), "none");
    EXPECT_EQ(&slots.Get(0), &a);
    EXPECT_EQ(&slots.Get(2), &c);
    EXPECT_EQ(a.tag->Text(), "a");
    EXPECT_EQ(Desktop::Instance().ParkedCount(), 1u);
    b2.Show();
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&a, &c, &b2}));
    Desktop::Instance().CollectUnloaded();
    EXPECT_EQ(Desktop::Instance().ParkedCount(), 0u);
}

TEST_F(FormSlotsTest, ASlotFarAheadLeavesTheOnesBetweenEmpty) {
    slots.Get(3).Show();
    EXPECT_EQ(slots.Size(), 4u);
    EXPECT_EQ(slots.Peek(1), nullptr);
}

TEST_F(FormSlotsTest, OnlyANormalWindowIsSizedFromCode) {
    GraphLikeWindow& w = slots.Get(0);
    w.Move(10, 10, 300, 200);
    w.Show();
    w.resizes = 0;

    w.UserWindowState(WindowState::Maximized);
    EXPECT_EQ(w.WindowState(), WindowState::Maximized);
    EXPECT_EQ(w.resizes, 1) << "maximising is a change of size for the window's handlers";
    w.UserResize(1200, 900, 1190, 870);
    w.SetSize(250, 150);  // refused while maximised; a move still goes through
    EXPECT_EQ(w.Width(), 1200);
    EXPECT_EQ(w.Height(), 900);
    w.Move(40, 30, 250, 150);
    EXPECT_EQ(w.Left(), 40);
    EXPECT_EQ(w.Width(), 1200);

    w.UserWindowState(WindowState::Normal);
    w.UserResize(300, 200, 290, 170);
    w.SetSize(250, 150);
    EXPECT_EQ(w.Width(), 250);
    EXPECT_EQ(w.ClientWidth(), 240) << "the client area keeps its margins";

    // From code: the front end hears of it and the handlers run.
    RecordingObserver seen;
    w.SetObserver(&seen);
    const int before = w.resizes;
    w.SetWindowState(WindowState::Minimized);
    EXPECT_EQ(w.resizes, before + 1);
    ASSERT_FALSE(seen.form.empty());
    EXPECT_EQ(seen.form.back(), Prop::Style);
    w.SetObserver(nullptr);
}

}  // namespace
