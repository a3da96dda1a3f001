// Gear-ratio rows: text and slider in step, texts that are no ratio, the comma key, ratios
// beyond the slider's range, the descending order of the forward gears (on code writes at
// once, on typed edits when they are committed) and when gearing and the live state are rerun.
#include <algorithm>
#include <cmath>

#include "ui/main/settings/SettingHandlersTestSupport.hpp"
#include "ui/main/inputs/CommittedInputs.hpp"
#include "ui/main/settings/GearRatioInputs.hpp"
#include "core/SliderRanges.hpp"
#include "support/StartedProgram.hpp"
#include "vehicle/GearingCode.hpp"

namespace {

using ui_test::Calls;
using ui_test::SettingHandlersTest;

class GearRatioTest : public SettingHandlersTest {
protected:
    platform::TextBox& Box(int i) { return w->Set_GearRatioText(i); }
    int Slider(int i) { return w->Set_GearRatioSlider(i).Value(); }
    // The person clicks into the box, selects all of it and types `text`.
    void TypeInto(int i, const std::string& text) {
        Box(i).UserFocus();
        Box(i).SetSelStart(0);
        Box(i).SetSelLength(static_cast<int>(Box(i).Text().size()));
        Box(i).UserType(text);
    }
    long Count(const std::string& name) const {
        return std::count(calls.begin(), calls.end(), name);
    }
    const Calls rerun{"CalcGearing", "AnalyseLiveState"};
};

// Design rows: 1st 3.79, 2nd 2.465, 3rd 1.775, 4th 1.385, 5th 1.15, 6th (1.0), 7th (0.9).

TEST_F(GearRatioTest, SliderShowsItsRatioInTheShortestTextAndACommaArrivesAsAPoint) {
    EXPECT_EQ(ui::GearRatioSliderText(3790), "3.79");
    EXPECT_EQ(ui::GearRatioSliderText(1000), "1");
    EXPECT_EQ(ui::GearRatioSliderText(500), "0.5");
    w->Set_GearRatioSlider(5).UserDrag(1150 - 10);
    EXPECT_EQ(Box(5).Text(), "1.14");
    w->Set_GearRatioSlider(8).SetValue(3555);
    EXPECT_EQ(Box(8).Text(), "3.555");

    TypeInto(8, "2,5");
    EXPECT_EQ(Box(8).Text(), "2.5");
    EXPECT_EQ(Slider(8), 2500);
}

// A text that is no ratio (empty, a wrong key, below 0.5, beyond what a setup file holds)
// moves nothing while it is typed and gives way to the last ratio when the edit is committed.
TEST_F(GearRatioTest, TextThatIsNoRatioWaitsForTheCommitThenTheLastRatioComesBack) {
    // One wrong key in 1st, then Tab: no gear becomes 0.5.
    EXPECT_EQ(CallsOf([&] { TypeInto(1, "x"); }), Calls{});
    EXPECT_EQ(Box(1).Text(), "x");
    EXPECT_EQ(Slider(1), 3790);
    Box(1).UserLeave();
    EXPECT_EQ(Box(1).Text(), "3.79");
    for (int g = 1; g <= 7; ++g)
        EXPECT_EQ(Slider(g), core::design::GearRatio[static_cast<std::size_t>(g)].value) << g;

    // Emptied and typed anew: the slider follows the ratios among the keystrokes only.
    TypeInto(8, "\b");
    EXPECT_EQ(Box(8).Text(), "");
    EXPECT_EQ(Slider(8), 4000);
    Box(8).UserType("0.7");
    EXPECT_EQ(Slider(8), 700);
    Box(8).UserKey(platform::kKeyReturn);
    EXPECT_EQ(Box(8).Text(), "0.7");

    // The ratio before the edit comes back, whatever ratios the keystrokes passed through.
    for (const char* typed : {"0.3", "99999", "7.51", "1,2,3", "3x"}) {
        TypeInto(8, typed);
        Box(8).UserKey(platform::kKeyReturn);
        EXPECT_EQ(Box(8).Text(), "0.7") << typed;
        EXPECT_EQ(Slider(8), 700) << typed;
    }
    TypeInto(8, "7.5");  // the largest ratio a setup file holds
    Box(8).UserLeave();
    EXPECT_EQ(Slider(8), 7500);

    // Written by code, such a text is refused at once; a box that never held a ratio takes
    // its slider's (reverse holds 1 to 8).
    Box(8).SetText("");
    EXPECT_EQ(Box(8).Text(), "7.5");
    Box(0).SetText("8.5");
    EXPECT_EQ(Box(0).Text(), "4");
    Box(0).SetText("8");
    EXPECT_EQ(Slider(0), 8000);
}

TEST_F(GearRatioTest, TextIsReadWithItsBlanksAndBeyondANarrowedRangeKeptAsTyped) {
    Box(8).SetText(" 3 .7 2");
    EXPECT_EQ(Slider(8), 3720);
    EXPECT_EQ(Box(8).Text(), " 3 .7 2");
    Box(8).SetText("4.0625");  // 4062.5 rounds half to even
    EXPECT_EQ(Slider(8), 4062);
    EXPECT_EQ(Box(8).Text(), "4.0625");  // the text keeps the typed precision

    // A narrowed range puts the slider at its limit and keeps the text.
    w->Set_GearRatioSlider(8).SetMax(5000);
    Box(8).SetText("6.2");
    EXPECT_EQ(Box(8).Text(), "6.2");
    EXPECT_EQ(Slider(8), 5000);
}

TEST_F(GearRatioTest, CodeWriteOrdersTheOtherGearsAndRipples) {
    const Calls got = CallsOf([&] { Box(3).SetText("4"); });  // 2nd follows, 1st by the ripple
    EXPECT_EQ(Slider(2), 4000);
    EXPECT_EQ(Slider(1), 4000);
    EXPECT_EQ(Box(1).Text(), "4");
    EXPECT_EQ(Slider(4), 1385);  // the gears below were already in order
    EXPECT_GE(Count("CalcGearing"), 1);
    EXPECT_EQ(got.back(), "AnalyseLiveState");
    EXPECT_EQ(core::GlobalChassisLab().SuppressRecalc, core::VbFalse);

    Box(7).SetText("3.5");  // 7th raises 6th, 5th and 4th; 3rd (4) is already higher
    for (int g = 4; g <= 7; ++g) EXPECT_EQ(Slider(g), 3500) << g;
    EXPECT_EQ(Box(5).Text(), "3.5");
    EXPECT_EQ(Slider(3), 4000);
}

TEST_F(GearRatioTest, TypedRatioOrdersTheNeighboursOnlyWhenCommitted) {
    // Key by key "1", "1.", "1.2": while typing nothing moves and, with the row out of order,
    // nothing is rerun; the slider keeps the ratio the gearing has.
    const Calls typing = CallsOf([&] { TypeInto(2, "1.2"); });
    EXPECT_EQ(Box(2).Text(), "1.2");
    EXPECT_EQ(Slider(2), 2465);
    EXPECT_EQ(Slider(3), 1775);
    EXPECT_EQ(Slider(4), 1385);
    EXPECT_EQ(typing, Calls{});

    Box(2).UserKey(platform::kKeyReturn);
    EXPECT_EQ(Slider(2), 1200);
    EXPECT_EQ(Slider(3), 1200);  // lowered to 1.2, not to the 1.0 of the partial text
    EXPECT_EQ(Slider(4), 1200);
    EXPECT_EQ(Box(3).Text(), "1.2");
    EXPECT_EQ(Slider(5), 1150);
    EXPECT_EQ(Slider(6), 1000);
    EXPECT_GE(Count("CalcGearing"), 1);

    // A second Return or leaving the box commits nothing more.
    EXPECT_EQ(CallsOf([&] {
                  Box(2).UserKey(platform::kKeyReturn);
                  Box(2).UserLeave();
              }),
              Calls{});

    // Leaving the box commits an edit as Return does.
    TypeInto(6, "1.3");
    EXPECT_EQ(Slider(5), 1150);
    Box(6).UserLeave();
    EXPECT_EQ(Slider(5), 1300);
}

TEST_F(GearRatioTest, TypingWithinOrderRerunsAsTheRatioChanges) {
    // 2nd between 3.79 and 1.775: every keystroke leaves the row in order.
    const Calls got = CallsOf([&] { TypeInto(2, "2.6"); });
    EXPECT_EQ(Slider(2), 2600);
    EXPECT_EQ(Count("CalcGearing"), 3);  // "2", "2." and "2.6"
    EXPECT_EQ(Count("AnalyseLiveState"), 3);
}

TEST_F(GearRatioTest, RecalculationRunsWithTheSuppressFlagRaised) {
    ui::SettingHandlers().Routines.CalcGearing = [this] {
        calls.push_back(core::GlobalChassisLab().SuppressRecalc == core::VbTrue ? "suppressed"
                                                                                : "open");
    };
    Box(8).SetText("3.9");
    EXPECT_EQ(calls, (Calls{"suppressed", "AnalyseLiveState"}));
    EXPECT_EQ(core::GlobalChassisLab().SuppressRecalc, core::VbFalse);
}

TEST_F(GearRatioTest, ReverseAndFinalDriveMoveNoOtherSliderButRerun) {
    const Calls got = CallsOf([&] {
        Box(0).SetText("7.9");
        Box(8).SetText("0.6");
    });
    EXPECT_EQ(got, (Calls{"CalcGearing", "AnalyseLiveState", "CalcGearing", "AnalyseLiveState"}));
    for (int g = 1; g <= 7; ++g)
        EXPECT_EQ(Slider(g), core::design::GearRatio[static_cast<std::size_t>(g)].value) << g;
}

TEST_F(GearRatioTest, WhileLoadingOrSuppressedOnlyTextAndSliderFollowEachOther) {
    for (int flag = 0; flag < 2; ++flag) {
        AllowRecalc();
        if (flag == 0)
            SetLoading(true);
        else
            SetSuppress(true);
        const Calls got = CallsOf([&] {
            Box(3).SetText(flag == 0 ? "2.9" : "3.1");
            w->Set_GearRatioSlider(4).SetValue(2000 + flag);
        });
        EXPECT_EQ(got, Calls{}) << flag;
        EXPECT_EQ(Slider(2), 2465) << flag;  // out of order, left so
        EXPECT_EQ(Slider(3), flag == 0 ? 2900 : 3100);
        EXPECT_EQ(Box(4).Text(), flag == 0 ? "2" : "2.001");
    }
}

TEST_F(GearRatioTest, RowOutOfOrderElsewhereStopsTheRerun) {
    SetSuppress(true);
    Box(6).SetText("1.3");  // above 5th's 1.15, left so while suppressed
    SetSuppress(false);
    EXPECT_EQ(CallsOf([&] { Box(8).SetText("3.7"); }), Calls{});
    SetAutoRecalc(false);
    EXPECT_EQ(CallsOf([&] { Box(5).SetText("1.4"); }), Calls{});  // in order, but no rerun
    EXPECT_EQ(Slider(4), 1400);                                   // the ordering still runs
}

// Every neighbouring pair of forward gears counts, 6th/7th included: with any one pair out of
// order a code write to the final drive reruns nothing, and a typed ratio that puts a pair
// out of order does not move its slider.
TEST_F(GearRatioTest, EachNeighbouringPairOutOfOrderStopsTheRerun) {
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const std::string lower = Box(k + 1).Text();
        SetSuppress(true);
        Box(k + 1).SetText(ui::GearRatioSliderText(Slider(k) + 1));  // left so while suppressed
        SetSuppress(false);
        EXPECT_EQ(CallsOf([&] { Box(8).SetText(k % 2 ? "3.7" : "3.8"); }), Calls{});
        SetSuppress(true);
        Box(k + 1).SetText(lower);
        SetSuppress(false);

        // "0", "0." hold no ratio; 0.5 lies below gear k + 1.
        const int upper = Slider(k);
        EXPECT_EQ(CallsOf([&] { TypeInto(k, "0.5"); }), Calls{});
        EXPECT_EQ(Slider(k), upper);
        TypeInto(k, ui::GearRatioSliderText(upper));
        Box(k).UserLeave();
    }
}

// The program with the shipped cars: the gearing, the runs and the searches read what a box
// last committed, never a text still being typed that holds no value.
class PendingTextTest : public testsupport::StartedProgram {
protected:
    static void TypeInto(platform::TextBox& box, const std::string& text) {
        box.UserFocus();
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        box.UserType(text);
    }
    // The captions of the Drive-train table that 2nd gear's ratio enters.
    static std::vector<std::string> SecondGearCaptions(ui::Main& w) {
        return {w.GearingReduction(2).Caption(), w.GearingSpeed(2).Caption(),
                w.GearingSpeedGained(1).Caption(), w.GearingSpeedGained(2).Caption()};
    }
    static bool RunIsFinite() {
        const auto& s = analysis::AccelerationCode();
        for (int32_t k = 0; k <= s.AccLastStep; ++k)
            for (int c = 0; c < analysis::kAccColumns; ++c)
                if (!std::isfinite(s.Row(k, c))) return false;
        return true;
    }
};

// While a person types into 2nd gear's box (2.087 on the first sample car, between 3.769 and
// 1.324), the slider and the ratio the gearing table uses agree after every key and after F5.
TEST_F(PendingTextTest, TheSliderAndTheGearingShowTheSameRatioWhileAPersonTypes) {
    CopyShippedData();
    ui::Main& w = Start();
    const struct {
        const char* typed;
        int slider;  // ratio x 1000 that both show before the edit is committed
    } cases[] = {{"1", 2087},     // out of order with 3rd: nothing follows yet
                 {"2", 2000},     // in order: both follow
                 {"2x", 2000},    // no ratio: both keep the last typed one
                 {"2.5", 2500},
                 {"abc", 2087},   // nothing typed that was a ratio: the one before
                 {"9", 2087}};    // beyond what the row holds
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        platform::TextBox& second = w.Set_GearRatioText(2);
        for (int f5 = 0; f5 < 2; ++f5) {
            if (f5 == 0) TypeInto(second, c.typed);
            else w.OptionsManUpdate->Click();  // "Manual Recalculate"
            EXPECT_EQ(w.Set_GearRatioSlider(2).Value(), c.slider) << "F5: " << f5;
            EXPECT_EQ(ui::GearRatioSliderValue(vehicle::GearingCode().GearRatios[2]), c.slider)
                << "F5: " << f5;
        }
        TypeInto(second, "2.087");  // back where it was, no gear moved
        second.UserLeave();
    }
}

TEST_F(PendingTextTest, FiguresReadTheCommittedValueWhileTheTypedTextHoldsNone) {
    CopyShippedData();
    ui::Main& w = Start();
    platform::TextBox& second = w.Set_GearRatioText(2);
    const std::string committed = second.Text();
    const std::vector<std::string> before = SecondGearCaptions(w);

    TypeInto(second, "abc");
    w.OptionsManUpdate->Click();  // "Manual Recalculate"
    EXPECT_EQ(SecondGearCaptions(w), before);

    // Another gear control reruns the gearing while the text waits, then a run starts.
    w.Set_GearRatioSlider(8).SetValue(w.Set_GearRatioSlider(8).Value() + 100);
    const std::vector<std::string> pending = SecondGearCaptions(w);
    w.Analysis_AccCalc->UserClick();
    EXPECT_TRUE(RunIsFinite());
    const int32_t pendingSteps = analysis::AccelerationCode().AccLastStep;
    second.UserLeave();  // the committed ratio comes back and reruns the gearing
    EXPECT_EQ(second.Text(), committed);
    EXPECT_EQ(SecondGearCaptions(w), pending);
    w.Analysis_AccCalc->UserClick();
    EXPECT_EQ(analysis::AccelerationCode().AccLastStep, pendingSteps);

    // A search box: a run started while "abc" waits in the "to" box searches up to 20.
    w.Analysis_AccSearchInput(2).SetText("100");
    w.Analysis_AccSearchInput(0).SetText("10");
    w.Analysis_AccSearchInput(1).SetText("20");
    const std::string searched = w.Analysis_AccLabel(133).Caption();
    TypeInto(w.Analysis_AccSearchInput(1), "abc");
    w.Analysis_AccCalc->UserClick();
    EXPECT_EQ(w.Analysis_AccSearchInput(1).Text(), "abc");  // not corrected while typed
    EXPECT_EQ(w.Analysis_AccLabel(133).Caption(), searched);
}

}  // namespace
