// Windows: loading once, unloading (with cancel), Esc, the desktop's list, single-instance
// holders.
#include <string>
#include <vector>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;

namespace {

// A tool window whose constructor is its design state.
class ToolWindow : public Form {
public:
    ToolWindow() : Form("ToolWindow") {
        SetCaption("Unit Converter");
        value = &Create<TextBox>("UnitConv_Value");
        value->SetText("1");
        Load = [this] { ++loads; };
    }
    TextBox* value;
    int loads = 0;
};

struct DesktopLog : DesktopObserver {
    std::vector<std::string> events;
    void FormShown(Form& f) override { events.push_back("shown " + f.ClassName()); }
    void FormHidden(Form& f) override { events.push_back("hidden " + f.ClassName()); }
    void FormBroughtToFront(Form& f) override { events.push_back("front " + f.ClassName()); }
    void FormUnloaded(Form& f) override { events.push_back("unloaded " + f.ClassName()); }
    void FormDestroyed(Form& f) override { events.push_back("destroyed " + f.ClassName()); }
};

class Forms : public PlatformTest {
protected:
    DesktopLog log;
    void SetUp() override {
        PlatformTest::SetUp();
        Desktop::Instance().CollectUnloaded();
        Desktop::Instance().SetObserver(&log);
    }
    void TearDown() override {
        Desktop::Instance().CollectUnloaded();
        Desktop::Instance().SetObserver(nullptr);
    }
};

TEST_F(Forms, ShowLoadsOnceThenResizesAndActivates) {
    Form form("Main");
    std::vector<std::string> order;
    form.Load = [&] { order.push_back("load"); };
    form.Resize = [&] { order.push_back("resize"); };
    form.Activate = [&] { order.push_back("activate"); };
    form.Show();
    form.Hide();
    form.Show();
    EXPECT_EQ(order,
              (std::vector<std::string>{"load", "resize", "activate", "activate"}));
    EXPECT_TRUE(form.Loaded());
    EXPECT_EQ(log.events, (std::vector<std::string>{"shown Main", "hidden Main", "shown Main"}));
}

TEST_F(Forms, DesktopListsShownFormsInStackingOrder) {
    Form a("A"), b("B");
    a.Show();
    b.Show();
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&a, &b}));
    a.BringToFront();
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&b, &a}));
    b.Show();  // showing a shown window brings it to the front
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&a, &b}));
    b.Hide();
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&a}));
    {
        Form graph("Graph");
        graph.Show();
        EXPECT_EQ(Desktop::Instance().ShownForms().size(), 2u);
    }
    EXPECT_EQ(Desktop::Instance().ShownForms(), (std::vector<Form*>{&a})) << "destroyed: gone";
}

TEST_F(Forms, UnloadMayBeCancelled) {
    Form form("Main");
    bool refuse = true;
    form.UnloadEvent = [&](bool& cancel) { cancel = refuse; };
    form.Show();
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(form.WasUnloaded());
    refuse = false;
    form.UserClose();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Loaded());
    EXPECT_TRUE(form.WasUnloaded());
    EXPECT_TRUE(Desktop::Instance().ShownForms().empty());
    EXPECT_EQ(log.events.back(), "unloaded Main");
}

TEST_F(Forms, UnloadFromInsideItsOwnUnloadHandlerIsHarmless) {
    Form form("Main");
    int unloads = 0;
    form.UnloadEvent = [&](bool&) {
        ++unloads;
        form.Unload();
    };
    form.Show();
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(form.WasUnloaded());
}

TEST_F(Forms, EscPressesTheCancelButtonOrClosesAToolWindowAndNothingElse) {
    Form main("Main");
    main.Show();
    EXPECT_FALSE(main.TakesEscape());
    main.UserEscape();
    EXPECT_TRUE(main.Visible()) << "a window that does not take Esc stays";

    ToolWindow tool;
    tool.SetClosesOnEscape(true);
    tool.Show();
    tool.UserEscape();
    EXPECT_TRUE(tool.WasUnloaded()) << "closed as by its close box";

    // A window with a Done button that only hides it: Esc presses the button, and only while
    // the button can be pressed.
    Form spacer("Spacer");
    CommandButton& done = spacer.Create<CommandButton>("Close");
    int presses = 0;
    done.Click = [&] {
        ++presses;
        spacer.Hide();
    };
    spacer.SetCancelButton(&done);
    spacer.SetClosesOnEscape(true);
    spacer.Show();
    done.SetEnabled(false);
    spacer.UserEscape();
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(spacer.Visible());
    done.SetEnabled(true);
    spacer.UserEscape();
    EXPECT_EQ(presses, 1);
    EXPECT_FALSE(spacer.Visible());
    EXPECT_FALSE(spacer.WasUnloaded()) << "hidden, as its button does, not unloaded";
}

TEST_F(Forms, HolderCreatesOnFirstUseAndRecreatesDesignStateAfterUnload) {
    FormHolder<ToolWindow> holder;
    EXPECT_FALSE(holder.IsLoaded());
    EXPECT_EQ(holder.Peek(), nullptr);
    ToolWindow& first = holder.Get();
    first.Show();
    first.Show();
    EXPECT_EQ(first.loads, 1);
    first.value->SetText("42");
    EXPECT_EQ(&holder.Get(), &first) << "the same instance while it lives";

    // A handler of the window unloads it and asks for it again: the old object stays alive
    // (parked) until the front end collects it.
    first.value->Change = [&] {
        first.Unload();
        ToolWindow& again = holder.Get();
        EXPECT_NE(&again, &first);
        EXPECT_EQ(again.value->Text(), "1") << "design state, not the edited one";
        EXPECT_EQ(first.value->Text(), "x");
    };
    first.value->SetText("x");
    EXPECT_EQ(Desktop::Instance().ParkedCount(), 1u);
    Desktop::Instance().CollectUnloaded();
    EXPECT_EQ(Desktop::Instance().ParkedCount(), 0u);
    EXPECT_EQ(log.events.back(), "destroyed ToolWindow");
    EXPECT_FALSE(holder.IsLoaded());
    holder.Get().Show();
    EXPECT_EQ(holder.Get().loads, 1);
}

TEST_F(Forms, ResizeFromTheUserAndFromCode) {
    Form form("Graph");
    int resizes = 0;
    form.Resize = [&] { ++resizes; };
    form.SetSize(400, 300);  // not loaded yet: no event
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(form.ClientWidth(), 400);
    EXPECT_EQ(form.ClientHeight(), 280);  // the 20 px menu margin stays
    form.Show();
    EXPECT_EQ(resizes, 1);
    form.UserResize(500, 350, 490, 320);
    EXPECT_EQ(form.ClientWidth(), 490);
    EXPECT_EQ(resizes, 2);
    form.SetClientSize(400, 300);  // the outer size follows with the margins the front end told
    EXPECT_EQ(form.Width(), 410);
    EXPECT_EQ(form.Height(), 330);
    EXPECT_EQ(resizes, 3);
    // A handler enforcing a minimum size re-enters Resize once.
    form.Resize = [&] {
        ++resizes;
        if (form.Width() < 300) form.SetSize(300, form.Height());
    };
    form.UserResize(200, 350, 190, 320);
    EXPECT_EQ(form.Width(), 300);
    EXPECT_EQ(form.ClientWidth(), 290);
    EXPECT_EQ(resizes, 5);
}

TEST_F(Forms, AMoveByThePersonKeepsLeftAndTopCurrent) {
    Form form("Graph");
    form.Move(100, 80, 400, 300);
    form.Show();
    int resizes = 0;
    form.Resize = [&] { ++resizes; };
    platform_test::RecordingObserver seen;
    form.SetObserver(&seen);
    form.UserMove(250, -20);  // partly above the screen is allowed
    EXPECT_EQ(form.Left(), 250);
    EXPECT_EQ(form.Top(), -20);
    EXPECT_EQ(form.Width(), 400);
    EXPECT_EQ(form.ClientWidth(), 400);
    EXPECT_EQ(seen.form, std::vector<Prop>{Prop::Geometry});
    form.UserMove(250, -20);  // where it is: nothing to report
    EXPECT_EQ(seen.form.size(), 1u);
    EXPECT_EQ(resizes, 0);
    form.SetObserver(nullptr);
}

// Centred on another window until code places it elsewhere (a person's move keeps it).
TEST_F(Forms, AWindowCentredOnAnotherKeepsItUntilCodeMovesIt) {
    Form owner("Main"), progress("Progress");
    owner.Move(100, 50, 1282, 843);
    progress.Move(0, 0, 302, 65);
    progress.CentreOn(owner);
    EXPECT_EQ(progress.Left(), 590);
    EXPECT_EQ(progress.Top(), 439);
    progress.UserMove(10, 10);
    EXPECT_EQ(progress.CentredOn(), &owner);
    progress.Move(5, 5, 320, 65);
    EXPECT_EQ(progress.CentredOn(), nullptr);
}

TEST_F(Forms, MenusAreFoundAtAnyDepth) {
    Form form("Main");
    auto& file = form.AddMenu("Main_File", "&File");
    auto& recent = file.AddItem("Main_FileRecent", -1, "Recent");
    recent.AddItem("Main_Recent", 0, "a.set");
    auto& second = recent.AddItem("Main_Recent", 1, "b.set");
    EXPECT_EQ(form.FindMenu("Main_Recent", 1), &second);
    EXPECT_EQ(form.FindMenu("Main_File"), &file);
    EXPECT_EQ(form.FindMenu("Main_Recent", 2), nullptr);
    recent.RemoveItem(second);
    EXPECT_EQ(form.FindMenu("Main_Recent", 1), nullptr);
    EXPECT_EQ(recent.Items().size(), 1u);
}

}  // namespace
