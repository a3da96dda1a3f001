// The one caption writer: every label array reaches its own labels, the colour is set only
// where a caption carries one, and an index the array lacks is skipped.
#include <gtest/gtest.h>

#include "ui/main/MainTestSupport.hpp"
#include "core/Caption.hpp"
#include "platform/Control.hpp"
#include "ui/main/displays/CaptionWriter.hpp"

namespace {

using core::Caption;
using core::LabelArray;

class CaptionWriterTest : public ui_test::MainWindowTest {};

TEST_F(CaptionWriterTest, EachArrayReachesItsOwnLabels) {
    // Each array's highest label, found on the window by the array's name.
    for (int a = 0; a <= static_cast<int>(LabelArray::Set_BrakeLabel); ++a) {
        const auto array = static_cast<LabelArray>(a);
        const std::string name = core::LabelArrayName(array);
        const platform::Label* target = nullptr;
        for (const auto& c : w->AllControls())
            if (c->Name() == name && (target == nullptr || c->Index() > target->Index()))
                target = static_cast<const platform::Label*>(c.get());
        ASSERT_NE(target, nullptr) << name;
        ui::WriteCaptions(*w, {Caption{array, target->Index(), "written to " + name, std::nullopt}});
        EXPECT_EQ(target->Caption(), "written to " + name);
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

}  // namespace
