// The texts the vehicle editor's fill writes in its boxes: the shortest that reads back to the
// record's very Single, and when that does not fit, one that does.
#include "core/OptionsSettings.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"

namespace {

namespace rg = vehicle::ranges;
using editortest::EditorTest;

// Field (as the record holds it), unit factor, box length (0: no limit), range, text.
TEST(BoxText, ShortestTextThatFits) {
    const struct {
        float field;
        double factor;
        int length;
        vehicle::FieldRange range;
        const char* text;
    } rows[] = {
        // The Single 1382.12866210938: eight digits round its dropped 6 up.
        {1382.1287f, 1.0, 0, rg::BodyMass, "1382.1287"},
        // 5 m in inches of 0.393900787 per centimetre (196.95): a character too long.
        {5.0f, 39.3900787, 5, rg::Height, "196.9"},
        // A hair below zero, within the check's slack of it, shows "0" where its own text does
        // not fit: in metres no text of its digits fits, in inches "-1E-09" is one too long.
        {-2.5387104E-11f, 1.0, 5, rg::Height, "0"},
        {-2.5387104E-11f, 39.3900787, 5, rg::Height, "0"},
        {-2.5387104E-11f, 39.3900787, 6, rg::Height, "-1E-09"},
        {-2.5387104E-11f, 1.0, 0, rg::Height, "-2.5387104E-11"},
        // Beyond the slack, a figure no text of its digits fits shows the nearest that does.
        {-5E-6f, 1.0, 4, rg::LiftCoefficient, "0"},
        {-5E-6f, 1.0, 5, rg::LiftCoefficient, "-5E-6"},
        // An engine speed, rpm in the record, in its box in rad/s: within the slack of zero in
        // rad/s, as the check judges it (not in rpm, where it is beyond); 2E-5 rpm is beyond.
        {5E-6f, core::kRpmToRadPerSec, 5, rg::IdleSpeed, "0"},
        {2E-5f, core::kRpmToRadPerSec, 5, rg::IdleSpeed, "21E-7"},
        // A figure the range refuses whose text does not fit shows the nearest that does: a
        // car without wheel drive runs at 100 % efficiency, "99" in the two-character box (not
        // "90", a digit fewer).
        {1.0f, 100.0, 2, rg::DrivetrainEfficiency, "99"},
    };
    for (const auto& r : rows) {
        const std::string text = ui::FieldText(r.field, r.factor, r.length, r.range);
        EXPECT_EQ(text, r.text) << r.field << " x " << r.factor << " in " << r.length;
    }
}

class BoxTexts : public EditorTest {};

// -1E-9 in typed as the body's height in imperial units is stored as -2.5387104E-11 m, which
// the check takes as 0. In SI its box of 5 characters shows "0" (not the whole figure, which
// the box cut to "-2.53", below the range), and stored as shown the body sits at 0.
TEST_F(BoxTexts, AHeightAHairBelowZeroShowsZero) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    core::ApplyUnitPreset(2);
    w.VehData_EditExisting->UserClick();
    Type(*w.VehData_NewBodyPosZ, "-1E-9");
    ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
    w.VehData_UpdateVeh->UserClick();
    ASSERT_EQ(g.Vehicles[0].BodyCoG.Z, -2.5387104E-11f);

    core::ApplyUnitPreset(0);
    w.VehData_EditExisting->UserClick();
    platform::TextBox& box = *w.VehData_NewBodyPosZ;
    EXPECT_EQ(box.Text(), "0");
    EXPECT_LE(box.Text().size(), static_cast<std::size_t>(box.MaxLength()));
    Type(box, box.Text());
    EXPECT_TRUE(Accepted(box));
    ASSERT_TRUE(w.VehData_UpdateVeh->Enabled());
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(g.Vehicles[0].BodyCoG.Z, 0.0f);
}

}  // namespace
