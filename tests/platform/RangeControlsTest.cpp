// Sliders, scroll bars and progress bars: events of drags, clicks and code writes, clamping.
#include <string>
#include <vector>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;

namespace {

class SliderEvents : public PlatformTest {
protected:
    Form form{"TestForm"};
    Slider& slider = form.Create<Slider>("Set_SuspSpringStiffness");
    std::vector<std::string> log;
    void SetUp() override {
        PlatformTest::SetUp();
        slider.SetMax(100);
        slider.Scroll = [this] { log.push_back("scroll " + std::to_string(slider.Value())); };
        slider.Change = [this] { log.push_back("change " + std::to_string(slider.Value())); };
        slider.Click = [this] { log.push_back("click " + std::to_string(slider.Value())); };
    }
};

// Change comes once a value settles somewhere new: a code write that moves it, a released drag
// that ends away from where it began, a click on the track (followed by Click).
TEST_F(SliderEvents, ChangeOnlyWhenTheSettledValueMoves) {
    slider.SetValue(40);
    slider.SetValue(40);
    slider.UserDrag(10);
    slider.UserDrag(20);
    slider.UserDrag(20);   // no movement, no event
    slider.UserRelease();
    slider.UserRelease();  // nothing moved since it settled
    slider.UserDrag(25);
    slider.UserDrag(20);   // back where it settled
    slider.UserRelease();
    slider.UserClickAt(60);
    slider.UserClickAt(60);  // unmoved: Click alone
    EXPECT_EQ(log, (std::vector<std::string>{"change 40", "scroll 10", "scroll 20", "change 20",
                                             "scroll 25", "scroll 20", "change 60", "click 60",
                                             "click 60"}));
}

TEST_F(SliderEvents, OutOfRangeValuesAreClampedAndCounted) {
    slider.SetValue(150);
    slider.SetValue(-5);
    slider.SetValue(50);
    EXPECT_EQ(log, (std::vector<std::string>{"change 100", "change 0", "change 50"}));
    EXPECT_EQ(slider.ClampCount(), 2);
    auto& other = form.Create<Slider>("Other");
    other.SetValue(11);  // default range 0..10
    EXPECT_EQ(other.Value(), 10);
    EXPECT_EQ(SliderClampTotal(), 3);
    ResetSliderClampTotal();
    EXPECT_EQ(SliderClampTotal(), 0);
    // A drag beyond the ends is the thumb stopping there, not a wrong value.
    slider.UserDrag(1000);
    EXPECT_EQ(slider.Value(), 100);
    EXPECT_EQ(slider.ClampCount(), 2);
}

TEST_F(SliderEvents, RangeWritesMoveTheValueInAndRaiseChange) {
    slider.SetValue(80);
    log.clear();
    slider.SetMax(50);
    EXPECT_EQ(slider.Value(), 50);
    slider.SetMin(60);  // above Max: Max follows, the range is the single value 60
    EXPECT_EQ(slider.Max(), 60);
    EXPECT_EQ(slider.Value(), 60);
    slider.SetMax(10);  // below Min: Min follows
    EXPECT_EQ(slider.Min(), 10);
    EXPECT_EQ(slider.Value(), 10);
    slider.SetMax(90);  // value already inside: no event
    EXPECT_EQ(log, (std::vector<std::string>{"change 50", "change 60", "change 10"}));
    EXPECT_EQ(slider.ClampCount(), 0) << "the range moved; no value was written wrongly";
}

TEST_F(SliderEvents, ChangeHandlerWritingTheSameSliderSettles) {
    // A handler that snaps to multiples of 5 writes its own slider from inside Change.
    slider.Change = [this] {
        log.push_back("change " + std::to_string(slider.Value()));
        slider.SetValue(slider.Value() / 5 * 5);
    };
    slider.SetValue(37);
    EXPECT_EQ(slider.Value(), 35);
    EXPECT_EQ(log, (std::vector<std::string>{"change 37", "change 35"}));
    // After a drag the release raises Change once, and the snapped value counts as settled.
    log.clear();
    slider.UserDrag(42);
    slider.UserRelease();
    slider.UserRelease();
    EXPECT_EQ(slider.Value(), 40);
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 42", "change 42", "change 40"}));
}

TEST(ScrollBarEvents, DragStepAndCodeWrites) {
    Form form("TestForm");
    auto& bar = form.Create<ScrollBar>("Replay_Position", nullptr, -1, Orientation::Horizontal);
    std::vector<std::string> log;
    bar.Scroll = [&] { log.push_back("scroll " + std::to_string(bar.Value())); };
    bar.Change = [&] { log.push_back("change " + std::to_string(bar.Value())); };
    bar.UserDrag(30);
    bar.UserRelease();
    bar.UserStep(10);
    bar.UserStep(1000);  // stops at Max
    bar.SetValue(5);
    bar.SetValue(-20);  // clamped to Min
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 30", "change 30", "change 40", "change 100",
                                             "change 5", "change 0"}));
}

TEST(ScrollBarEvents, ReversedBarClampsToItsSpan) {
    Form form("TestForm");
    auto& bar = form.Create<ScrollBar>("V", nullptr, -1, Orientation::Vertical);
    bar.SetMin(100);
    bar.SetMax(0);  // value grows towards the top
    bar.SetValue(150);
    EXPECT_EQ(bar.Value(), 100);
    bar.UserStep(10);  // towards Max = 0
    EXPECT_EQ(bar.Value(), 90);
}

TEST(ProgressBarValues, ClampedIntoItsRange) {
    Form form("TestForm");
    auto& bar = form.Create<ProgressBar>("Export_Progress");
    bar.SetValue(120);
    EXPECT_EQ(bar.Value(), 100);
    bar.SetMax(50);
    EXPECT_EQ(bar.Value(), 50);
    bar.SetMin(70);
    EXPECT_EQ(bar.Max(), 70);
    EXPECT_EQ(bar.Value(), 70);
}

}  // namespace
