// The one caption writer: every label array reaches its own labels, the colour is set only
// where a caption carries one, and an index the array lacks is skipped.
#include <gtest/gtest.h>

#include <sstream>

#include "MainTestSupport.hpp"
#include "core/Caption.hpp"
#include "platform/Control.hpp"
#include "ui/main/CaptionWriter.hpp"

namespace {

using core::Caption;
using core::LabelArray;

class CaptionWriterTest : public ui_test::MainWindowTest {};

TEST_F(CaptionWriterTest, EachArrayReachesItsOwnLabels) {
    struct Case {
        LabelArray Array;
        const ui::Main::Array<ui::Main::Label>* Labels;
    };
    const Case cases[] = {
        {LabelArray::Analysis_PhysLabel, &w->Analysis_PhysLabel},
        {LabelArray::Set_LiveLabel, &w->Set_LiveLabel},
        {LabelArray::Set_AeroLabel, &w->Set_AeroLabel},
        {LabelArray::Analysis_SuspLabel, &w->Analysis_SuspLabel},
        {LabelArray::Set_SuspLabel, &w->Set_SuspLabel},
        {LabelArray::Set_SteerLabel, &w->Set_SteerLabel},
        {LabelArray::Set_TyreLabel, &w->Set_TyreLabel},
        {LabelArray::Analysis_SteeringLabel, &w->Analysis_SteeringLabel},
        {LabelArray::Analysis_TyreLabel, &w->Analysis_TyreLabel},
        {LabelArray::Analysis_AeroLabel, &w->Analysis_AeroLabel},
        {LabelArray::DataLabel, &w->DataLabel},
        {LabelArray::Set_GearingLabel, &w->Set_GearingLabel},
        {LabelArray::GearingLabel, &w->GearingLabel},
        {LabelArray::GearingRevsPreShift, &w->GearingRevsPreShift},
        {LabelArray::GearingRevsPostShift, &w->GearingRevsPostShift},
        {LabelArray::GearingSpeed, &w->GearingSpeed},
        {LabelArray::GearingSpeedGained, &w->GearingSpeedGained},
        {LabelArray::GearingRevsDropAbs, &w->GearingRevsDropAbs},
        {LabelArray::GearingRevsDropRel, &w->GearingRevsDropRel},
        {LabelArray::GearingReduction, &w->GearingReduction},
        {LabelArray::GearingCruisingRevs, &w->GearingCruisingRevs},
        {LabelArray::Analysis_AccLabel, &w->Analysis_AccLabel},
        {LabelArray::Analysis_DecLabel, &w->Analysis_DecLabel},
        {LabelArray::Set_BrakeLabel, &w->Set_BrakeLabel},
    };
    for (const Case& c : cases) {
        const int index = c.Labels->UpperBound();
        ASSERT_TRUE(c.Labels->Has(index)) << core::LabelArrayName(c.Array);
        const std::string text = std::string("written to ") + core::LabelArrayName(c.Array);
        ui::WriteCaptions(*w, {Caption{c.Array, index, text, std::nullopt}});
        EXPECT_EQ((*c.Labels)(index).Caption(), text);
    }
}

TEST_F(CaptionWriterTest, ColourOnlyWhereGivenAndMissingIndexSkipped) {
    ui::Main::Label& label = w->Analysis_SuspLabel(w->Analysis_SuspLabel.UpperBound());
    const int index = label.Index();
    label.SetForeColor(platform::RGB(0, 160, 0));
    ui::WriteCaptions(*w, {Caption{LabelArray::Analysis_SuspLabel, index, "a", std::nullopt}});
    EXPECT_EQ(label.ForeColor(), platform::RGB(0, 160, 0));  // left as it was
    ui::WriteCaptions(*w, {Caption{LabelArray::Analysis_SuspLabel, index, "b", 0x0000FFu}});
    EXPECT_EQ(label.ForeColor(), platform::RGB(255, 0, 0));
    EXPECT_EQ(label.Caption(), "b");
    ui::WriteCaptions(*w, {Caption{LabelArray::Analysis_SuspLabel, index, "c",
                                   core::kCaptionButtonText}});
    EXPECT_EQ(label.ForeColor(), platform::SysColor::ButtonText);

    // An index beyond the array: nothing written, the rest of the list still is.
    ui::WriteCaptions(*w, {Caption{LabelArray::Analysis_SuspLabel, index + 1000, "lost", {}},
                           Caption{LabelArray::Analysis_SuspLabel, index, "d", {}}});
    EXPECT_EQ(label.Caption(), "d");
}

TEST(CaptionText, ShowsArrayIndexTextAndColour) {
    std::ostringstream os;
    os << Caption{LabelArray::Set_GearingLabel, 7, "1.5 : 1", std::nullopt} << ' '
       << Caption{LabelArray::GearingSpeed, 2, "N/A", 0x0000FFu};
    EXPECT_EQ(os.str(), "Set_GearingLabel(7) \"1.5 : 1\" GearingSpeed(2) \"N/A\" [0x0000FF]");
}

}  // namespace
