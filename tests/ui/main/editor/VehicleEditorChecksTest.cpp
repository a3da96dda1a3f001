// The editor's input checks: each box's accepted and refused values with its colour and
// flag, the typing limit, the cross-checks of the engine speeds and the store buttons.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/OptionsSettings.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/editor/EngineControlWords.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"
#include "ui/main/form/EngineControls.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "vehicle/VehicleCheck.hpp"

namespace {

using editortest::EditorTest;
using ui::EditorInput;
using platform::TextBox;

class VehicleEditorChecks : public EditorTest {
protected:
    // The editor open on the first shipped car: every box holds a valid figure.
    ui::Main& OpenOnFirstCar() {
        ui::Main& w = StartWithCars();
        w.VehData_EditExisting->UserClick();
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
        return w;
    }

    // Every box the editor shows for the drive type: white, and its text within its length;
    // the store enabled.
    static void ExpectEveryBoxValid(ui::Main& w, const std::string& what) {
        for (const auto& owned : w.AllControls()) {
            const auto* box = dynamic_cast<const TextBox*>(owned.get());
            if (box == nullptr || !box->Name().starts_with("VehData_New") || !box->Shown())
                continue;
            const std::string shown = box->DisplayName() + " \"" + box->Text() + "\"";
            EXPECT_FALSE(Refused(*box)) << what << ": " << shown;
            EXPECT_LE(box->Text().size(), static_cast<std::size_t>(box->MaxLength()))
                << what << ": " << shown;
        }
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled()) << what;
    }
};

struct BoxCase {
    const char* what;
    std::function<TextBox&(ui::Main&)> box;
    EditorInput flag;
    std::vector<const char*> accepted, refused;
};

// Bounds are inclusive; an empty box reads as 0 (valid only where 0 is in range); text that
// is no number reads as 0 too. Not so an engine box: without a number it holds no figure and
// is refused though its range takes 0, where a 0 typed passes.
TEST_F(VehicleEditorChecks, EachBoxAcceptsItsRangeAndRefusesBeyond) {
    ui::Main& w = OpenOnFirstCar();
    const std::vector<BoxCase> cases = {
        {"body mass", [](ui::Main& m) -> TextBox& { return *m.VehData_NewBodyMass; },
         EditorInput::BodyMass, {"110", "750000", "1200abc"}, {"109.9", "750001", "abc", ""}},
        {"body height", [](ui::Main& m) -> TextBox& { return *m.VehData_NewBodyPosZ; },
         EditorInput::BodyPosZ, {"0", "5", ""}, {"5.01", "-0.1"}},
        {"tank", [](ui::Main& m) -> TextBox& { return *m.VehData_NewFuelTankCapacity; },
         EditorInput::FuelTankCapacity, {"1", "25000"}, {"0.9", ""}},
        {"seat right", [](ui::Main& m) -> TextBox& { return m.VehData_PassPosX(1); },
         EditorInput::PassPosX, {"50", "100"}, {"49", "101"}},
        {"engine braking", [](ui::Main& m) -> TextBox& { return *m.VehData_NewEBC; },
         EditorInput::EBC, {"0", "10"}, {"10.1", "-1", "", "-"}},
        {"efficiency", [](ui::Main& m) -> TextBox& { return *m.VehData_NewDrivetrainEff; },
         EditorInput::DrivetrainEff, {"50", "99"}, {"49"}},
        // 10 % is the lowest profile, for a tyre of 300 mm or more (VehicleEditorProperties).
        {"profile", [](ui::Main& m) -> TextBox& { return m.VehData_NewTyreProfile(1); },
         EditorInput::TyreProfile, {"20", "200"}, {"9", "201"}},
        {"spring ratio", [](ui::Main& m) -> TextBox& { return m.VehData_NewWheelSpringMR(0); },
         EditorInput::WheelSpringMR, {"0.5", "5"}, {"0.49", "5.01"}},
        {"lift", [](ui::Main& m) -> TextBox& { return *m.VehData_NewCl; },
         EditorInput::Cl, {"-5", "5", ""}, {"-5.1"}},
        {"body aero centre", [](ui::Main& m) -> TextBox& { return m.VehData_NewAeroDevicePosY(0); },
         EditorInput::AeroDevicePosY, {"0", "100"}, {"-1"}},
        {"rear wing", [](ui::Main& m) -> TextBox& { return m.VehData_NewAeroDevicePosY(2); },
         EditorInput::AeroDevicePosY, {"-75", "100"}, {"-76"}},
        {"front wing", [](ui::Main& m) -> TextBox& { return m.VehData_NewAeroDevicePosY(3); },
         EditorInput::AeroDevicePosY, {"175"}, {"176"}},
        {"handicap", [](ui::Main& m) -> TextBox& { return *m.VehData_NewHandicapPosZ; },
         EditorInput::HandicapPosZ, {"0", "5", "", "x"}, {"5.01", "-0.1", "99999"}},
        {"ride height", [](ui::Main& m) -> TextBox& { return m.VehData_NewRideHeight(0); },
         EditorInput::RideHeight, {"0", "1"}, {"1.01", "-0.01", "-9999"}},
        {"anti-roll bar ratio", [](ui::Main& m) -> TextBox& { return m.VehData_NewWheelARBMR(1); },
         EditorInput::WheelARBMR, {"0.5", "5"}, {"0.49", "5.01", "0.001", ""}},
        {"inclination", [](ui::Main& m) -> TextBox& { return m.VehData_NewInclination(0); },
         EditorInput::Inclination, {"0.52", "-0.52", ""}, {"0.53", "-1.56"}},
        {"camber", [](ui::Main& m) -> TextBox& { return m.VehData_NewCamber(1); },
         EditorInput::Camber, {"0.52", "-0.52"}, {"0.53", "-0.53"}},
        {"shift time", [](ui::Main& m) -> TextBox& { return *m.VehData_NewDrivetrainShiftTime; },
         EditorInput::DrivetrainShiftTime, {"5", "999"}, {"4", "1E3"}},
    };
    for (const BoxCase& c : cases) {
        TextBox& box = c.box(w);
        const std::string original = box.Text();
        for (const char* text : c.refused) {
            Type(box, text);
            EXPECT_TRUE(Refused(box)) << c.what << " '" << text << "'";
            EXPECT_FALSE(Valid(c.flag)) << c.what << " '" << text << "'";
            EXPECT_FALSE(w.VehData_UpdateVeh->Enabled()) << c.what << " '" << text << "'";
        }
        for (const char* text : c.accepted) {
            Type(box, text);
            EXPECT_TRUE(Accepted(box)) << c.what << " '" << text << "'";
            EXPECT_TRUE(Valid(c.flag)) << c.what << " '" << text << "'";
        }
        Type(box, original);
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled()) << c.what;
    }
}

// The engine speed boxes' own ranges (rad/s here); their colours also answer to the
// cross-checks, so only the flags are looked at.
TEST_F(VehicleEditorChecks, EngineSpeedBoxesOwnRanges) {
    ui::Main& w = OpenOnFirstCar();
    struct SpeedCase {
        platform::TextBox* box;
        EditorInput flag;
        const char* lowest;
        const char* belowLowest;
        const char* highest;
        const char* aboveHighest;
    };
    const SpeedCase cases[] = {
        {w.VehData_NewPowerRPM, EditorInput::PowerRPM, "10", "9.9", "25000", "25001"},
        {w.VehData_NewIdleRPM, EditorInput::IdleRPM, "0", "-0.1", "1000", "1000.1"},
        {w.VehData_NewTorquePeakWidth, EditorInput::TorquePeakWidth, "0", "-1", "9999", "9e99"},
    };
    for (const SpeedCase& c : cases) {
        const std::string original = c.box->Text();
        Type(*c.box, c.lowest);
        EXPECT_TRUE(Valid(c.flag)) << c.lowest;
        Type(*c.box, c.belowLowest);
        EXPECT_FALSE(Valid(c.flag)) << c.belowLowest;
        EXPECT_TRUE(Refused(*c.box)) << c.belowLowest;
        Type(*c.box, c.highest);
        EXPECT_TRUE(Valid(c.flag)) << c.highest;
        Type(*c.box, c.aboveHighest);
        EXPECT_FALSE(Valid(c.flag)) << c.aboveHighest;
        Type(*c.box, original);
        EXPECT_TRUE(Valid(c.flag));
    }
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
}

// The boxes that once took any text read it as every box does: text that is not a number
// reads 0, judged against the box's range.
TEST_F(VehicleEditorChecks, BoxesOnceWithoutARangeJudgeTextAsTheOthersDo) {
    ui::Main& w = OpenOnFirstCar();
    Type(w.VehData_NewCamber(0), "abc");
    EXPECT_TRUE(Accepted(w.VehData_NewCamber(0)));
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
    Type(*w.VehData_NewHandicapPosZ, "-9");
    Type(w.VehData_NewWheelARBMR(1), "");
    EXPECT_TRUE(Refused(*w.VehData_NewHandicapPosZ));
    EXPECT_TRUE(Refused(w.VehData_NewWheelARBMR(1)));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
}

TEST_F(VehicleEditorChecks, TypingStopsAtEachBoxsLength) {
    ui::Main& w = OpenOnFirstCar();
    Type(*w.VehData_NewBodyMass, "1234567890");
    EXPECT_EQ(w.VehData_NewBodyMass->Text(), "12345678");
    Type(*w.VehData_NewDrivetrainEff, "100");  // 2 characters: at most 99 %
    EXPECT_EQ(w.VehData_NewDrivetrainEff->Text(), "10");
    EXPECT_EQ(w.VehData_NewName->MaxLength(), 32);
}

// A change to one element of a box array re-checks and re-colours every element.
TEST_F(VehicleEditorChecks, ArraysAreCheckedWhole) {
    ui::Main& w = OpenOnFirstCar();
    Type(w.VehData_PassPosY(0), "101");
    EXPECT_TRUE(Refused(w.VehData_PassPosY(0)));
    w.VehData_PassPosY(1).SetBackColor(platform::RGB(1, 2, 3));  // to see it repainted
    Type(w.VehData_PassPosY(0), "100");
    EXPECT_TRUE(Accepted(w.VehData_PassPosY(0)));
    EXPECT_TRUE(Accepted(w.VehData_PassPosY(1)));
    EXPECT_TRUE(Valid(EditorInput::PassPosY));
}

// Unsprung mass is at most the axle's share of the body; rotating mass at most half the
// unsprung mass (exactly equal passes); body mass and front share re-check all four.
TEST_F(VehicleEditorChecks, WheelMassesFollowTheBody) {
    ui::Main& w = OpenOnFirstCar();
    Type(*w.VehData_NewBodyMass, "1000");
    Type(*w.VehData_NewBodyPosY, "50");
    Type(w.VehData_NewUnsprung(0), "500");  // equal to the front share: valid
    Type(w.VehData_NewRotMass(0), "250");   // half: valid
    EXPECT_TRUE(Accepted(w.VehData_NewUnsprung(0)));
    EXPECT_TRUE(Accepted(w.VehData_NewRotMass(0)));
    Type(w.VehData_NewRotMass(0), "250.1");
    EXPECT_TRUE(Refused(w.VehData_NewRotMass(0)));
    Type(w.VehData_NewRotMass(0), "20");
    Type(*w.VehData_NewBodyPosY, "49");  // the front share drops below the unsprung mass
    EXPECT_TRUE(Refused(w.VehData_NewUnsprung(0)));
    EXPECT_FALSE(Valid(EditorInput::Unsprung));
    Type(*w.VehData_NewBodyMass, "1100");  // 539 kg at the front again
    EXPECT_TRUE(Accepted(w.VehData_NewUnsprung(0)));
    EXPECT_TRUE(Valid(EditorInput::Unsprung));
}

// With pounds the body mass bounds apply to kilograms.
TEST_F(VehicleEditorChecks, BoundsApplyAfterTheUnitFactor) {
    ui::Main& w = OpenOnFirstCar();
    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::Mass, "Pounds"));
    const double lb = core::OptionsSettings().UnitFactorMass;
    ASSERT_NEAR(lb, 2.20462262, 1e-9);
    Type(*w.VehData_NewBodyMass, "242");  // 109.8 kg
    EXPECT_TRUE(Refused(*w.VehData_NewBodyMass));
    Type(*w.VehData_NewBodyMass, "243");  // 110.2 kg
    EXPECT_TRUE(Accepted(*w.VehData_NewBodyMass));
}

// The red lines above the preview's curve, read as one text.
std::vector<std::string> PreviewRefusalLines(ui::Main& w) {
    std::vector<std::string> lines;
    for (const platform::DrawOp& op : w.TorquePowerPlot->Surf().DisplayList()) {
        if (op.kind != platform::DrawOpKind::Text || op.color != platform::RGB(255, 0, 0) ||
            op.text.starts_with("Scanned ") || op.text.empty())
            continue;
        lines.push_back(op.text);
    }
    return lines;
}
std::string PreviewRefusal(ui::Main& w) {
    std::string text;
    for (const std::string& line : PreviewRefusalLines(w)) text += (text.empty() ? "" : " ") + line;
    return text;
}

// Each control caption the preview's red words name stands whole on one of their lines, as
// often as it is named.
void ExpectCaptionsWhole(ui::Main& w) {
    const std::string text = PreviewRefusal(w);
    for (const std::string_view caption : ui::kEngineCaptions) {
        std::size_t named = 0, whole = 0;
        for (std::size_t at = 0; (at = text.find(caption, at)) != std::string::npos; ++at) ++named;
        for (const std::string& line : PreviewRefusalLines(w))
            for (std::size_t at = 0; (at = line.find(caption, at)) != std::string::npos; ++at) ++whole;
        EXPECT_EQ(whole, named) << caption << " in: " << text;
    }
}

class EngineSpeedCrossChecks : public VehicleEditorChecks {
protected:
    // torque peak 400, plateau 100, power peak 600, idle 80, limit 800 rad/s: all in order;
    // 170 kW, which the Golf's 350 N m can give from 500 rad/s on.
    ui::Main& Open() {
        ui::Main& w = OpenOnFirstCar();
        Type(*w.VehData_NewPower, "170");
        Type(*w.VehData_NewLimitRPM, "800");
        Type(*w.VehData_NewTorqueRPM, "400");
        Type(*w.VehData_NewTorquePeakWidth, "100");
        Type(*w.VehData_NewPowerRPM, "600");
        Type(*w.VehData_NewIdleRPM, "80");
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
        return w;
    }
    static bool AllSpeedBoxesAccepted(ui::Main& w) {
        return Accepted(*w.VehData_NewTorqueRPM) && Accepted(*w.VehData_NewPowerRPM) &&
               Accepted(*w.VehData_NewTorquePeakWidth) && Accepted(*w.VehData_NewIdleRPM) &&
               Accepted(*w.VehData_NewLimitRPM);
    }
};

// The preview names the order broken as the check applies it (equal passes), the order with
// the plateau's start left out where that with its end is named.
TEST_F(EngineSpeedCrossChecks, PowerPeakBelowTorquePeakAndBackAgain) {
    ui::Main& w = Open();
    const std::string afterPlateau =
        "Peak power speed must not be below Peak torque speed + Torque plateau width";
    Type(*w.VehData_NewPowerRPM, "300");
    EXPECT_TRUE(Refused(*w.VehData_NewPowerRPM));
    EXPECT_TRUE(Refused(*w.VehData_NewTorqueRPM));
    EXPECT_FALSE(Valid(EditorInput::PowerAfterTorque));
    EXPECT_FALSE(Valid(EditorInput::PowerAfterPlateau));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    EXPECT_FALSE(w.VehData_DynoThrottle->Enabled());
    EXPECT_EQ(PreviewRefusal(w), afterPlateau);
    // The start's order alone, as a problem list would hold it with a plateau of no width.
    using Kind = vehicle::VehicleCheckKind;
    EXPECT_EQ(ui::BrokenEngineBoxRules(w, {{Kind::PowerBelowTorquePeak, "", {}}}),
              "Peak power speed must not be below Peak torque speed");
    EXPECT_EQ(ui::BrokenEngineBoxRules(w, {{Kind::PowerInsidePlateau, "", {}},
                                           {Kind::PowerBelowTorquePeak, "", {}}}),
              afterPlateau);
    Type(*w.VehData_NewPowerRPM, "450");  // after the peak, inside the plateau
    EXPECT_TRUE(Valid(EditorInput::PowerAfterTorque));
    EXPECT_FALSE(Valid(EditorInput::PowerAfterPlateau));
    EXPECT_TRUE(Accepted(*w.VehData_NewTorqueRPM));
    EXPECT_TRUE(Refused(*w.VehData_NewTorquePeakWidth));
    EXPECT_EQ(PreviewRefusal(w), afterPlateau);
    Type(*w.VehData_NewPowerRPM, "500");  // exactly at the plateau's end: equal passes
    EXPECT_TRUE(AllSpeedBoxesAccepted(w));
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
    // A power peak exactly at the plateau's end: the upper curve is fitted over the shortest
    // span the fits allow, so the preview's throttle works.
    EXPECT_TRUE(w.VehData_DynoThrottle->Enabled());
    Type(*w.VehData_NewPowerRPM, "600");
    EXPECT_TRUE(w.VehData_DynoThrottle->Enabled());
}

// Idle above the torque peak or the limit; a conflict between idle and limit mended from the
// idle box clears the limit box's mark too.
TEST_F(EngineSpeedCrossChecks, IdleAboveTorquePeakOrLimitMendedFromEitherBox) {
    ui::Main& w = Open();
    Type(*w.VehData_NewIdleRPM, "450");  // above the torque peak
    EXPECT_TRUE(Refused(*w.VehData_NewIdleRPM));
    EXPECT_TRUE(Refused(*w.VehData_NewTorqueRPM));
    EXPECT_TRUE(Accepted(*w.VehData_NewLimitRPM));
    EXPECT_FALSE(Valid(EditorInput::IdleLowest));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    EXPECT_EQ(PreviewRefusal(w), "Idle point must not be above Peak torque speed");
    Type(*w.VehData_NewIdleRPM, "400");  // equal passes
    EXPECT_TRUE(AllSpeedBoxesAccepted(w));
    Type(*w.VehData_NewIdleRPM, "80");
    EXPECT_TRUE(AllSpeedBoxesAccepted(w));
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());

    Type(*w.VehData_NewLimitRPM, "70");  // below idle (limit 10 .. 25000 itself: valid)
    EXPECT_TRUE(Refused(*w.VehData_NewLimitRPM));
    EXPECT_TRUE(Refused(*w.VehData_NewIdleRPM));
    EXPECT_FALSE(Valid(EditorInput::IdleLowest));
    EXPECT_EQ(PreviewRefusal(w), "Idle point must not be above Rev limit");
    Type(*w.VehData_NewIdleRPM, "60");
    EXPECT_TRUE(Accepted(*w.VehData_NewLimitRPM));
    EXPECT_TRUE(Accepted(*w.VehData_NewIdleRPM));
    EXPECT_TRUE(Valid(EditorInput::IdleLowest));
    // And from the limit box.
    Type(*w.VehData_NewLimitRPM, "50");
    EXPECT_TRUE(Refused(*w.VehData_NewIdleRPM));
    Type(*w.VehData_NewLimitRPM, "800");
    EXPECT_TRUE(AllSpeedBoxesAccepted(w));
    // Idle above both the limit and the torque peak: named against both, the lower first, so
    // that idle brought down to it clears both.
    Type(*w.VehData_NewLimitRPM, "300");
    Type(*w.VehData_NewIdleRPM, "450");
    EXPECT_TRUE(Refused(*w.VehData_NewIdleRPM));
    EXPECT_TRUE(Refused(*w.VehData_NewTorqueRPM));
    EXPECT_TRUE(Refused(*w.VehData_NewLimitRPM));
    EXPECT_EQ(PreviewRefusal(w),
              "Idle point must not be above Rev limit; Idle point must not be above Peak torque "
              "speed");
    Type(*w.VehData_NewIdleRPM, "300");
    EXPECT_TRUE(AllSpeedBoxesAccepted(w));
    Type(*w.VehData_NewLimitRPM, "800");
    // A box out of its own range stays red whatever the cross-checks say.
    Type(*w.VehData_NewLimitRPM, "5");
    Type(*w.VehData_NewIdleRPM, "4");
    EXPECT_TRUE(Refused(*w.VehData_NewLimitRPM));
    EXPECT_TRUE(Accepted(*w.VehData_NewIdleRPM));
}

// The Golf in SI: its torque peak of 1500 rpm shows as 157.08 rad/s. Idle typed as that box
// shows passes; a unit of the box's last digit above it is refused.
TEST_F(EngineSpeedCrossChecks, ASpeedTypedAsAnotherBoxShowsItCountsAsEqual) {
    ui::Main& w = OpenOnFirstCar();
    ASSERT_EQ(w.VehData_NewTorqueRPM->Text(), "157.08");
    Type(*w.VehData_NewIdleRPM, "157.08");
    EXPECT_TRUE(AllSpeedBoxesAccepted(w));
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
    Type(*w.VehData_NewIdleRPM, "157.081");
    EXPECT_TRUE(Refused(*w.VehData_NewIdleRPM));
    EXPECT_TRUE(Refused(*w.VehData_NewTorqueRPM));
    EXPECT_EQ(PreviewRefusal(w), "Idle point must not be above Peak torque speed");
}

// The figures a refusal states, in order: those in brackets and the one asked ("needs 206 Nm").
std::vector<std::string> StatedFigures(const std::string& text) {
    static const std::regex figure(R"(\([^)]*\)|(needs|gives) [^,(]*,)");
    std::vector<std::string> all;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), figure);
         it != std::sregex_iterator(); ++it)
        all.push_back(it->str());
    return all;
}

// What the advice at a refusal's end asks ("...: lower A or B, or raise C, D or E"): each
// name with -1 to lower it, 1 to raise it.
std::vector<std::pair<std::string, int>> Advice(const std::string& text) {
    std::vector<std::pair<std::string, int>> moves;
    std::string rest = text.substr(text.rfind(": ") + 2);
    for (const std::string& either : {", or ", " or "})
        for (std::size_t at; (at = rest.find(either)) != std::string::npos;)
            rest.replace(at, either.size(), ", ");
    int way = 0;
    for (std::size_t from = 0; from <= rest.size();) {
        std::size_t to = rest.find(", ", from);
        if (to == std::string::npos) to = rest.size();
        std::string name = rest.substr(from, to - from);
        if (name.starts_with("lower ") || name.starts_with("raise ")) {
            way = name[0] == 'l' ? -1 : 1;
            name = name.substr(6);
        }
        if (!name.empty()) moves.emplace_back(name, way);
        from = to + 2;
    }
    return moves;
}

// Figures that contradict each other mark the boxes they come from (and the shape sliders the
// power goes through), the preview says why with the figures the file reader states, naming
// the editor's controls, nothing can be stored, and each of those figures mends it; the
// curve's shape alone refuses nothing. Each control the preview names, moved one step (1 in
// the unit shown, or one slider position) the way it says, makes the share of the figure
// asked over the one it is held to smaller. The Golf's 350 N m over a plateau from 400 rad/s
// (100 wide), power peak 600 rad/s, limit 800: 150 kW is less than the 175 kW its plateau
// gives at 500 rad/s, and a 20 rad/s plateau (147 kW) mends it; 5000 kW needs 8333 N m at
// 600 rad/s; 13000 N m then gives 5460 kW at 420 rad/s, more than 5 % above the 5000. Makers
// round: 212 kW needs 1.0095 x the 350 N m at 600 rad/s and passes, 216 kW (1.029 x) does not.
// A 50 rad/s plateau gives 157.5 kW, 1.036 x a typed 152 kW: it passes with the power reduced
// by 5 % to 144.4 kW as well. Reduced by 2.5 %, 260 kW needs 422.5 N m; reduced by 5 % (the
// slider's end) and shifted by 10 % (its end), 374.2 N m: neither slider is advised then. Nor
// is a plateau of no width, which 13000 N m makes give 5200 kW at 400 rad/s.
// The advice names a control only where moving it alone as far as it goes (its range's or
// slider's end; the torque peak's speed down to idle) clears the refusal: 5000 kW needs far
// more than either slider gives, and 13000 N m from idle on still gives 1040 kW. A real
// engine's power typed 12 % high (123.15 kW at 628.3 rad/s from 175 N m) needs 1.064 x its
// torque with the power reduced by 5 %, 1.018 x shifted by 10 %. Where no control can alone
// (500000 N m from 1000 rad/s, 100 wide, gives 550000 kW against 2), the advice names those
// that ease it and says more than one must move; a control at its end (the width at 0, the
// plateau from 1100 rad/s) is not among them.
TEST_F(EngineSpeedCrossChecks, ContradictingFiguresMarkTheBoxesTheyComeFrom) {
    ui::Main& w = Open();
    enum Refusal { None, ByPlateau, ByPower };
    const std::vector<const platform::Control*> marked[] = {
        {},
        {w.VehData_NewTorque, w.VehData_NewTorqueRPM, w.VehData_NewTorquePeakWidth,
         w.VehData_NewPower},
        {w.VehData_NewPower, w.VehData_NewPowerRPM, w.VehData_NewTorque, w.VehData_NewPR,
         w.VehData_NewPS}};
    const char* said[] = {"", "Plateau gives more power: ", "Power needs more torque: "};
    // The controls by the names a person finds them by.
    struct Named {
        platform::TextBox* box;
        platform::Slider* slider;
    };
    const std::map<std::string, Named> controls = {
        {"Peak torque", {w.VehData_NewTorque, nullptr}},
        {"Peak torque speed", {w.VehData_NewTorqueRPM, nullptr}},
        {"Torque plateau width", {w.VehData_NewTorquePeakWidth, nullptr}},
        {"Peak power", {w.VehData_NewPower, nullptr}},
        {"Peak power speed", {w.VehData_NewPowerRPM, nullptr}},
        {"Power reduction", {nullptr, w.VehData_NewPR}},
        {"Shift power", {nullptr, w.VehData_NewPS}}};
    const auto problem = [&w] {
        for (const vehicle::VehicleProblem& p : vehicle::FindVehicleProblems(ui::VehicleToStore(w)))
            if (p.Figures) return p;
        return vehicle::VehicleProblem{};
    };
    const auto slide = [](platform::Slider* s, int v) { return [=] { s->SetValue(v); }; };
    const auto type = [](platform::TextBox* box, const char* text) { return [=] { Type(*box, text); }; };
    const auto typeAll = [](std::vector<std::pair<platform::TextBox*, const char*>> texts) {
        return [=] {
            for (const auto& [box, text] : texts) Type(*box, text);
        };
    };
    // A control moved as far as it goes the way the advice words it (1: up), as a person would
    // move it, and back again; what the check says then.
    const auto atFurthest = [&](const std::string& name, int way) {
        const Named& c = controls.at(name);
        const std::map<std::string, std::pair<std::string, std::string>> boxEnds = {
            {"Peak torque", {"2", "500000"}},
            {"Peak torque speed", {w.VehData_NewIdleRPM->Text(), ""}},
            {"Torque plateau width", {"0", ""}},
            {"Peak power", {"2", "500000"}},
            {"Peak power speed", {"", "25000"}}};
        vehicle::VehicleProblem after;
        if (c.box != nullptr) {
            const std::string kept = c.box->Text();
            const auto& ends = boxEnds.at(name);
            Type(*c.box, way < 0 ? ends.first : ends.second);
            EXPECT_TRUE(Valid(EditorInput::PowerAfterTorque) &&
                        Valid(EditorInput::PowerAfterPlateau) && Valid(EditorInput::IdleLowest))
                << name;
            after = problem();
            Type(*c.box, kept);
        } else {
            const int kept = c.slider->Value();
            c.slider->SetValue(way < 0 ? c.slider->Min() : c.slider->Max());
            after = problem();
            c.slider->SetValue(kept);
        }
        return after;
    };
    // Some refusals whole, as the editor words them.
    const struct {
        const char* step;
        std::function<void()> make;
        Refusal refusal;
        const char* whole = nullptr;
    } steps[] = {{"150 kW", type(w.VehData_NewPower, "150"), ByPlateau},
                 {"plateau 20 wide", type(w.VehData_NewTorquePeakWidth, "20"), None},
                 {"upper shape 99", slide(w.VehData_NewPCA, 99), None},
                 {"limit 2500 rad/s", type(w.VehData_NewLimitRPM, "2500"), None},
                 {"5000 kW", type(w.VehData_NewPower, "5000"), ByPower,
                  "Power needs more torque: Peak power with Power reduction (5000 kW) at Peak "
                  "power speed with Shift power (600 rad/s) needs 8333.3 Nm, more than 1.02 x "
                  "Peak torque (350 Nm): lower Peak power, or raise Peak power speed or Peak "
                  "torque"},
                 {"150 kW", type(w.VehData_NewPower, "150"), None},
                 {"5000 kW", type(w.VehData_NewPower, "5000"), ByPower},
                 {"9000 N m", type(w.VehData_NewTorque, "9000"), None},
                 {"13000 N m", type(w.VehData_NewTorque, "13000"), ByPlateau,
                  "Plateau gives more power: Peak torque (13000 Nm) at Peak torque speed + "
                  "Torque plateau width (420 rad/s) gives 5460 kW, more than 1.05 x Peak power "
                  "(5000 kW): lower Peak torque, Peak torque speed or Torque plateau width, or "
                  "raise Peak power"},
                 {"5500 kW", type(w.VehData_NewPower, "5500"), None},
                 {"350 N m", type(w.VehData_NewTorque, "350"), ByPower},
                 {"212 kW", type(w.VehData_NewPower, "212"), None},
                 {"216 kW", type(w.VehData_NewPower, "216"), ByPower},
                 {"152 kW", type(w.VehData_NewPower, "152"), None},
                 {"plateau 50 wide", type(w.VehData_NewTorquePeakWidth, "50"), None},
                 {"power reduced by 5 %", slide(w.VehData_NewPR, 50), None},
                 {"power reduced by 2.5 %", slide(w.VehData_NewPR, 25), None},
                 {"260 kW", type(w.VehData_NewPower, "260"), ByPower},
                 {"power reduced by 5 %, its end", slide(w.VehData_NewPR, 50), ByPower},
                 {"shift power at its end", slide(w.VehData_NewPS, 100), ByPower,
                  "Power needs more torque: Peak power with Power reduction (247 kW) at Peak "
                  "power speed with Shift power (660 rad/s) needs 374.2 Nm, more than 1.02 x "
                  "Peak torque (350 Nm): lower Peak power, or raise Peak power speed or Peak "
                  "torque"},
                 {"150 kW", type(w.VehData_NewPower, "150"), None},
                 {"plateau 0 wide", type(w.VehData_NewTorquePeakWidth, "0"), None},
                 {"13000 N m", type(w.VehData_NewTorque, "13000"), ByPlateau,
                  "Plateau gives more power: Peak torque (13000 Nm) at Peak torque speed + "
                  "Torque plateau width (400 rad/s) gives 5200 kW, more than 1.05 x Peak power "
                  "(150 kW): lower Peak torque, or raise Peak power"},
                 {"a real engine's power typed high",
                  [&] {
                      w.VehData_NewPR->SetValue(0);
                      w.VehData_NewPS->SetValue(0);
                      typeAll({{w.VehData_NewTorque, "175"},
                               {w.VehData_NewTorquePeakWidth, "100"},
                               {w.VehData_NewPowerRPM, "628.3"},
                               {w.VehData_NewPower, "123.15"}})();
                  },
                  ByPower,
                  "Power needs more torque: Peak power with Power reduction (123.2 kW) at Peak "
                  "power speed with Shift power (628.3 rad/s) needs 196 Nm, more than 1.02 x "
                  "Peak torque (175 Nm): lower Peak power, or raise Peak power speed, Shift "
                  "power or Peak torque"},
                 {"no control alone",
                  typeAll({{w.VehData_NewPower, "2"},
                           {w.VehData_NewLimitRPM, "2000"},
                           {w.VehData_NewPowerRPM, "1200"},
                           {w.VehData_NewTorqueRPM, "1000"},
                           {w.VehData_NewTorque, "500000"}}),
                  ByPlateau,
                  "Plateau gives more power: Peak torque (500000 Nm) at Peak torque speed + "
                  "Torque plateau width (1100 rad/s) gives 550000 kW, more than 1.05 x Peak "
                  "power (2 kW): more than one must move: lower Peak torque, Peak torque speed "
                  "or Torque plateau width, or raise Peak power"},
                 // The same plateau of no width: the width, at its end, is not named.
                 {"no control alone, no width",
                  typeAll({{w.VehData_NewTorqueRPM, "1100"}, {w.VehData_NewTorquePeakWidth, "0"}}),
                  ByPlateau,
                  "Plateau gives more power: Peak torque (500000 Nm) at Peak torque speed + "
                  "Torque plateau width (1100 rad/s) gives 550000 kW, more than 1.05 x Peak "
                  "power (2 kW): more than one must move: lower Peak torque or Peak torque "
                  "speed, or raise Peak power"}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.make();
        const std::string text = PreviewRefusal(w);
        if (s.whole != nullptr) EXPECT_EQ(text, s.whole);
        // Each caption it names stands whole on a line of the band.
        ExpectCaptionsWhole(w);
        EXPECT_EQ(text.substr(0, std::string(said[s.refusal]).size()), said[s.refusal]) << text;
        EXPECT_EQ(text.empty(), s.refusal == None) << text;
        EXPECT_EQ(Valid(EditorInput::EngineFiguresAgree), s.refusal == None);
        for (int r : {ByPlateau, ByPower}) {
            for (const platform::Control* box : marked[r]) {
                const auto& own = marked[s.refusal];
                EXPECT_EQ(Refused(*box), std::find(own.begin(), own.end(), box) != own.end())
                    << box->DisplayName();
            }
        }
        EXPECT_FALSE(Refused(*w.VehData_NewLimitRPM));
        EXPECT_EQ(w.VehData_NewPCA->BackColor(), platform::SysColor::ButtonFace);
        EXPECT_EQ(w.VehData_UpdateVeh->Enabled(), s.refusal == None);
        if (s.refusal == None) continue;

        const vehicle::VehicleProblem before = problem();
        EXPECT_EQ(text.find("Engine."), std::string::npos) << text;
        EXPECT_EQ(StatedFigures(text), StatedFigures(before.Text)) << text;
        const auto advice = Advice(text);
        // Each of the check's moves clears the refusal alone, as far as it goes, exactly where
        // it is advised with no word of more than one.
        const bool moreThanOne = text.find(": more than one must move: ") != std::string::npos;
        for (const vehicle::FieldMove& m : before.Figures->Moves) {
            const ui::EngineControl& c = *ui::EngineControlOf(m.Field);
            const bool reversed = c.Field->Slider != nullptr && c.Field->Slider->Sign < 0.0;
            const int way = (m.Move == vehicle::FigureMove::Raise) != reversed ? 1 : -1;
            const std::string name(c.Caption);
            SCOPED_TRACE(name);
            const vehicle::VehicleProblem after = atFurthest(name, way);
            const bool advised =
                std::find(advice.begin(), advice.end(), std::make_pair(name, way)) != advice.end();
            EXPECT_EQ(!after.Figures || after.Kind != before.Kind, advised && !moreThanOne) << text;
        }
        EXPECT_EQ(PreviewRefusal(w), text);
        for (const auto& [name, way] : advice) {
            SCOPED_TRACE(name);
            const auto c = controls.find(name);
            ASSERT_NE(c, controls.end()) << text;
            const std::string kept = c->second.box != nullptr ? c->second.box->Text() : "";
            const auto move = [&c, &kept](int by) {
                if (TextBox* box = c->second.box) {
                    std::ostringstream moved;
                    moved << std::stod(kept) + by;
                    Type(*box, by == 0 ? kept : moved.str());
                } else {
                    c->second.slider->SetValue(c->second.slider->Value() + by);
                }
            };
            move(way);
            const vehicle::VehicleProblem after = problem();
            EXPECT_EQ(after.Kind, before.Kind) << PreviewRefusal(w);
            ASSERT_TRUE(after.Figures);
            EXPECT_LT(after.Figures->Share, before.Figures->Share);
            move(c->second.box != nullptr ? 0 : -way);
            EXPECT_EQ(PreviewRefusal(w), text);
        }
    }
    // The ends in the units of the ranges: a power peak at 30000 rpm is far below the
    // 25000 rad/s (238732 rpm) its box takes, and raising it there clears 5000 PS.
    w.VehData_Cancel->UserClick();
    core::ApplyUnitPreset(1);
    w.VehData_EditExisting->UserClick();
    Type(*w.VehData_NewPower, "5000");
    Type(*w.VehData_NewPowerRPM, "30000");
    EXPECT_EQ(PreviewRefusal(w),
              "Power needs more torque: Peak power with Power reduction (5000 PS) at Peak power "
              "speed with Shift power (30000 rpm) needs 1170.6 Nm, more than 1.02 x Peak torque "
              "(350 Nm): lower Peak power, or raise Peak power speed or Peak torque");
}

// While engine boxes are red, the band says the rules they break, one after another, wrapped to
// the plot: each box's caption stays whole on a line there too ("Peak power speed", "Idle
// point"), in SI and in imperial units, as more boxes turn red.
TEST_F(EngineSpeedCrossChecks, TheRulesBandKeepsEachCaptionWhole) {
    ui::Main& w = OpenOnFirstCar();
    for (int preset : {0, 2}) {
        SCOPED_TRACE(preset);
        w.VehData_Cancel->UserClick();
        core::ApplyUnitPreset(preset);
        w.VehData_EditExisting->UserClick();
        const std::pair<TextBox*, const char*> red[] = {
            {w.VehData_NewTorque, "0"},          {w.VehData_NewIdleRPM, "99999"},
            {w.VehData_NewTorquePeakWidth, "-1"}, {w.VehData_NewPower, "0"},
            {w.VehData_NewPowerRPM, "0"},        {w.VehData_NewLimitRPM, "0"},
            {w.VehData_NewEBC, "-1"},            {w.VehData_NewTorqueRPM, "-1"}};
        for (const auto& [box, text] : red) {
            Type(*box, text);
            ASSERT_TRUE(Refused(*box)) << box->DisplayName();
            ASSERT_FALSE(PreviewRefusalLines(w).empty());
            ExpectCaptionsWhole(w);
        }
    }
}

// An engine box left empty holds no figure: red, the store disabled, for a vehicle edited or
// added alike, and the band above the engine preview says it needs one (read as 0, an empty
// idle, torque peak, plateau width or engine braking once stored an engine nobody typed).
// Every other box the editor shows for the Golf reads an empty text as 0: judged and stored as
// a 0 typed, so white where its range takes 0 (a height, the lift coefficient). A 0 typed in
// an engine box whose range takes it passes.
TEST_F(VehicleEditorChecks, AnEmptyEngineBoxNeedsAFigureWhereA0TypedPasses) {
    ui::Main& w = StartWithCars();
    const auto engineControlOf = [&w](const TextBox* box) -> const ui::EngineControl* {
        for (const ui::EngineControl* c : ui::kEngineControls)
            if (c->Box && w.*(c->Box) == box) return c;
        return nullptr;
    };
    for (const bool adding : {false, true}) {
        SCOPED_TRACE(adding ? "Create new vehicle" : "Edit existing vehicle");
        (adding ? w.VehData_CreateNew : w.VehData_EditExisting)->UserClick();
        if (adding) Type(*w.VehData_NewName, "Copy");
        const platform::CommandButton& store = adding ? *w.VehData_AddVeh : *w.VehData_UpdateVeh;
        ASSERT_TRUE(store.Enabled());
        int boxes = 0, engineBoxes = 0;
        for (const auto& owned : w.AllControls()) {
            auto* box = dynamic_cast<TextBox*>(owned.get());
            const bool editorBox = box != nullptr && (box->Name().starts_with("VehData_New") ||
                                                      box->Name().starts_with("VehData_Pass"));
            if (!editorBox || box == w.VehData_NewName || !box->Shown()) continue;
            ++boxes;
            const std::string text = box->Text();
            if (const ui::EngineControl* c = engineControlOf(box)) {
                ++engineBoxes;
                Type(*box, "");
                EXPECT_TRUE(Refused(*box)) << box->DisplayName();
                EXPECT_FALSE(store.Enabled()) << box->DisplayName();
                EXPECT_EQ(PreviewRefusal(w), std::string(c->Caption) + " needs a figure");
            } else {
                Type(*box, "0");
                const bool zeroRefused = Refused(*box), zeroStored = store.Enabled();
                const vehicle::VehicleRecord zero = ui::VehicleToStore(w);
                Type(*box, "");
                EXPECT_EQ(Refused(*box), zeroRefused) << box->DisplayName();
                EXPECT_EQ(store.Enabled(), zeroStored) << box->DisplayName();
                EXPECT_EQ(editortest::FirstDifference(ui::VehicleToStore(w), zero), -1)
                    << box->DisplayName();
            }
            Type(*box, text);
            EXPECT_TRUE(Accepted(*box)) << box->DisplayName();
            EXPECT_TRUE(store.Enabled()) << box->DisplayName();
        }
        // 9 physical, 6 passenger, 10 drive-train, 23 wheel and tyre, 11 aerodynamic boxes.
        EXPECT_EQ(boxes, 59);
        EXPECT_EQ(engineBoxes, 8);
        w.VehData_Cancel->UserClick();
    }

    w.VehData_EditExisting->UserClick();
    TextBox* const zeroTaken[] = {
        w.VehData_NewBodyPosZ, w.VehData_NewHandicapPosZ, w.VehData_NewFuelTankPosY,
        w.VehData_NewFuelTankPosZ, w.VehData_NewRefPosZ, &w.VehData_PassPosY(0),
        &w.VehData_PassPosZ(1), &w.VehData_NewInclination(0), &w.VehData_NewCamber(1),
        &w.VehData_NewRideHeight(0), w.VehData_NewCl, &w.VehData_NewAeroDevicePosY(2),
        &w.VehData_NewAeroDevicePosZ(3)};
    for (TextBox* box : zeroTaken) {
        const std::string text = box->Text();
        Type(*box, "");
        EXPECT_TRUE(Accepted(*box)) << box->DisplayName();
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled()) << box->DisplayName();
        Type(*box, text);
    }
    Type(*w.VehData_NewCl, "");
    Type(*w.VehData_NewBodyPosZ, "");
    const vehicle::VehicleRecord stored = ui::VehicleToStore(w);
    EXPECT_EQ(stored.LiftCoefficient, 0.0f);
    EXPECT_EQ(stored.BodyCoG.Z, 0.0f);

    Type(*w.VehData_NewIdleRPM, "0");  // a torque peak at 0 keeps the order then
    TextBox* const engineZeroTaken[] = {w.VehData_NewTorqueRPM, w.VehData_NewIdleRPM,
                                        w.VehData_NewTorquePeakWidth, w.VehData_NewEBC};
    for (TextBox* box : engineZeroTaken) {
        const std::string text = box->Text();
        Type(*box, "0");
        EXPECT_TRUE(Accepted(*box)) << box->DisplayName();
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled()) << box->DisplayName();
        Type(*box, "-");
        EXPECT_TRUE(Refused(*box)) << box->DisplayName();
        EXPECT_FALSE(w.VehData_UpdateVeh->Enabled()) << box->DisplayName();
        Type(*box, text);
    }
    // A figure with other text after it holds that figure, as in every other box.
    for (TextBox* box : {w.VehData_NewTorque, w.VehData_NewTorqueRPM}) {
        const std::string text = box->Text();
        Type(*box, text + " x");
        EXPECT_TRUE(Accepted(*box)) << box->DisplayName();
        EXPECT_TRUE(w.VehData_UpdateVeh->Enabled()) << box->DisplayName();
        Type(*box, text);
    }
}

// An engine box holds the number its text begins with, whatever follows: "0 rpm" is a 0, which
// the box's range judges (the torque peak and idle speeds and the engine braking take it, the
// peak torque does not, and the band names its range) and the store keeps. A box of blanks, or
// of a TAB (pasted: no key types one), holds no figure.
TEST_F(VehicleEditorChecks, AnEngineBoxHoldsTheZeroItsTextBeginsWith) {
    ui::Main& w = OpenOnFirstCar();
    Type(*w.VehData_NewIdleRPM, "0");  // a torque peak at 0 keeps the order then
    namespace ec = ui::engine_controls;
    struct Row {
        const ui::EngineControl& control;
        const char* text;
        const char* band;  // none: accepted
    };
    const Row rows[] = {
        {ec::TorquePeakSpeed, "0 rpm", ""},
        {ec::IdleSpeed, "0 rad/s", ""},
        {ec::EngineBraking, "0 %", ""},
        {ec::PeakTorque, "0 Nm", "Peak torque must be from 2 to 500000 Nm"},
        {ec::PeakTorque, "   ", "Peak torque needs a figure"},
        {ec::TorquePeakWidth, "   ", "Torque plateau width needs a figure"},
        {ec::LimitSpeed, "\t", "Rev limit needs a figure"},
        {ec::EngineBraking, "\t", "Engine braking coeff. needs a figure"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.control.Caption) + " \"" + row.text + "\"");
        TextBox& box = *(w.*(row.control.Box));
        const std::string text = box.Text();
        if (row.text[0] == '\t') {
            box.SetText(row.text);
        } else {
            Type(box, row.text);
        }
        const bool accepted = row.band[0] == '\0';
        EXPECT_EQ(Accepted(box), accepted);
        EXPECT_EQ(w.VehData_UpdateVeh->Enabled(), accepted);
        EXPECT_EQ(PreviewRefusal(w), row.band);
        const float stored = ui::VehicleToStore(w).Engine.*(row.control.Field->Figure);
        if (std::string(row.text).find('0') == std::string::npos) {
            EXPECT_TRUE(std::isnan(stored)) << stored;
        } else {
            EXPECT_EQ(stored, 0.0f);
        }
        Type(box, text);
    }
}

// The name of a new vehicle: not empty, and not one whose setup files a loaded vehicle's would
// share: its name with blanks around it ignored (case counting), or with characters a file
// name cannot hold. The box turns red while typing, as Add would refuse the name.
TEST_F(VehicleEditorChecks, NewNameMustDifferFromEveryLoadedName) {
    ui::Main& w = StartWithCars();
    w.VehData_CreateNew->UserClick();
    const std::string taken = core::Trim(core::GlobalChassisLab().Vehicles[1].Name);
    EXPECT_FALSE(Valid(EditorInput::Name));  // emptied by the opening
    Type(*w.VehData_NewName, taken + "  ");
    EXPECT_TRUE(Refused(*w.VehData_NewName));
    EXPECT_FALSE(w.VehData_AddVeh->Enabled());
    std::string lower = taken;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Type(*w.VehData_NewName, lower);
    EXPECT_TRUE(Accepted(*w.VehData_NewName));
    EXPECT_TRUE(w.VehData_AddVeh->Enabled());  // every other box holds the copied car's figures
    for (const std::string& twin : {" " + taken, taken + "?"}) {
        Type(*w.VehData_NewName, twin);
        EXPECT_TRUE(Refused(*w.VehData_NewName)) << twin;
        EXPECT_FALSE(w.VehData_AddVeh->Enabled()) << twin;
    }
    // 32 letters fit the record's 32 bytes only when each takes one byte.
    Type(*w.VehData_NewName, std::string(32, 'a'));
    EXPECT_TRUE(Accepted(*w.VehData_NewName));
    std::string accented;
    for (int i = 0; i < 20; ++i) accented += "\u00e9";  // 20 letters, 40 bytes
    Type(*w.VehData_NewName, accented);
    EXPECT_EQ(w.VehData_NewName->Text(), accented);
    EXPECT_TRUE(Refused(*w.VehData_NewName));
    // Cancelling gives the name box its window colour back.
    Type(*w.VehData_NewName, taken);
    w.VehData_Cancel->UserClick();
    EXPECT_TRUE(Accepted(*w.VehData_NewName));
}

// The first vehicle of an empty program with every box typed but the anti-roll bars' ratios:
// their empty boxes read 0, below the 0.5 their range starts at, and hold the vehicle back
// (it was added with a ratio of 0, and its own file then refused).
TEST_F(VehicleEditorChecks, AnUntouchedEmptyBoxHoldsTheFirstVehicleBack) {
    ui::Main& w = Start();
    ASSERT_EQ(core::GlobalChassisLab().VehicleCount, 0);
    ui::Main_VehData_CreateNew_Click(w);
    Type(*w.VehData_NewName, "First");
    // A rear-wheel-drive car in SI units (rad/s for the engine speeds).
    const std::pair<TextBox*, const char*> singles[] = {
        {w.VehData_NewBodyMass, "1200"}, {w.VehData_NewBodyPosX, "50"},
        {w.VehData_NewBodyPosY, "55"}, {w.VehData_NewBodyPosZ, "0.45"},
        {w.VehData_NewHandicapPosZ, "0.3"}, {w.VehData_NewFuelTankCapacity, "55"},
        {w.VehData_NewFuelTankPosY, "30"}, {w.VehData_NewFuelTankPosZ, "0.25"},
        {w.VehData_NewRefPosZ, "0.1"}, {w.VehData_NewTorque, "320"},
        {w.VehData_NewTorqueRPM, "400"}, {w.VehData_NewPower, "180"},
        {w.VehData_NewPowerRPM, "650"}, {w.VehData_NewDrivetrainEff, "88"},
        {w.VehData_NewDrivetrainShiftTime, "120"}, {w.VehData_NewIdleRPM, "90"},
        {w.VehData_NewLimitRPM, "750"}, {w.VehData_NewTorquePeakWidth, "100"},
        {w.VehData_NewEBC, "0.07"}, {w.VehData_NewWheelbase, "2.55"},
        {w.VehData_NewFrontalArea, "1.9"}, {w.VehData_NewCd, "0.31"}, {w.VehData_NewCl, "0.05"}};
    for (const auto& [box, text] : singles) Type(*box, text);
    const std::pair<platform::ControlArray<TextBox>*, const char*> arrays[] = {
        {&w.VehData_PassPosX, "70"}, {&w.VehData_PassPosY, "40"}, {&w.VehData_PassPosZ, "0.4"},
        {&w.VehData_NewTyreWidth, "225"}, {&w.VehData_NewTyreProfile, "45"},
        {&w.VehData_NewWheelSize, "17"}, {&w.VehData_NewUnsprung, "60"},
        {&w.VehData_NewRotMass, "19"}, {&w.VehData_NewWheelSpringMR, "1.1"},
        {&w.VehData_NewInclination, "0.2"}, {&w.VehData_NewCamber, "-0.01"},
        {&w.VehData_NewRideHeight, "0.12"}, {&w.VehData_NewTrackWidth, "1.52"},
        {&w.VehData_NewAeroDevicePosY, "50"}, {&w.VehData_NewAeroDevicePosZ, "0.3"}};
    for (const auto& [boxes, text] : arrays)
        boxes->ForEach([text](int, TextBox& box) { Type(box, text); });
    EXPECT_EQ(w.VehData_NewWheelARBMR(0).Text(), "");
    EXPECT_TRUE(Refused(w.VehData_NewWheelARBMR(0)));
    EXPECT_TRUE(Refused(w.VehData_NewWheelARBMR(1)));
    EXPECT_FALSE(w.VehData_AddVeh->Enabled());
    Type(w.VehData_NewWheelARBMR(0), "1.3");
    EXPECT_FALSE(w.VehData_AddVeh->Enabled());
    Type(w.VehData_NewWheelARBMR(1), "1.3");
    EXPECT_TRUE(w.VehData_AddVeh->Enabled());
}

// A camber of 30 degrees stored in degrees opens again in radians: shown as "0.523" (not the
// "0.5235988" that did not fit the box and lay a hair beyond 30 degrees), and stored
// unchanged it is the same camber.
TEST_F(VehicleEditorChecks, AFigureStoredInOneUnitOpensInAnother) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    core::ApplyUnitPreset(2);
    w.VehData_EditExisting->UserClick();
    Type(w.VehData_NewCamber(0), "30");
    w.VehData_UpdateVeh->UserClick();
    const vehicle::VehicleRecord stored = g.CurrentVehicle;
    core::ApplyUnitPreset(0);
    w.VehData_EditExisting->UserClick();
    EXPECT_EQ(w.VehData_NewCamber(0).Text(), "0.523");
    ExpectEveryBoxValid(w, "radians");
    w.VehData_UpdateVeh->UserClick();
    EXPECT_EQ(editortest::FirstDifference(g.CurrentVehicle, stored), -1);
}

// A vehicle with its figures at the ends of their ranges (5 m heights, a 1 m ride height, a
// 50 m track, aero elements 0.1 m below the reference, a 750 t body on 1 kg wheels, 100 m² of
// frontal area, angles of 30 degrees, an engine to 25,000 rad/s) opens in every unit preset
// with every box white and within its length, and stored unchanged keeps every byte.
TEST_F(VehicleEditorChecks, FiguresAtTheirBoundsOpenInEveryPreset) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    vehicle::VehicleRecord v = vehtest::ValidVehicle("At the bounds");
    v.BodyCoG.Z = v.FuelTankPos.Z = v.RefHeight = v.HandicapHeight = 5.0f;
    v.Seats[0].Z = v.Seats[1].Z = 5.0f;
    v.BodyMass = 750000.0f;
    v.BodyCoG.Y = 0.5f;
    for (std::size_t a = 0; a < 2; ++a) {
        v.Axles[a].RideHeight = 1.0f;
        v.Axles[a].TrackWidth = 50.0f;
        v.Axles[a].UnsprungMass = 50000.0f;
        v.Axles[a].Inclination = static_cast<float>(30 / 57.29577951308232);
        v.Axles[a].CamberOffset = -v.Axles[a].Inclination;
        v.RotatingMass[a] = 1.0f;
    }
    v.Wheelbase = 50.0f;
    for (auto& e : v.AeroElements) e.PosZ = -0.1f;
    v.FrontalArea = 100.0f;
    // 20 N m from idle (0) to the power peak and the limit at 25,000 rad/s: 500 kW.
    auto& e = v.Engine;
    const auto rpm = static_cast<float>(25000 / 0.10471975511963333);
    e.IdleRPM = e.TorquePeakRPM = e.TorquePeakWidth = 0.0f;
    e.PowerPeakRPM = e.LimitRPM = rpm;
    e.PeakTorque = 20.0f;
    e.PeakPower = 500.0f;
    const std::string path = (root / "vehicles" / "bounds.vd3").string();
    vehtest::WriteVehicleFile(path, v);
    ASSERT_TRUE(ui::LoadVehicleFileIntoWindow(w, path, true));
    ASSERT_EQ(core::Trim(g.CurrentVehicle.Name), "At the bounds");
    const vehicle::VehicleRecord loaded = g.CurrentVehicle;
    for (int preset : {0, 1, 2}) {
        core::ApplyUnitPreset(static_cast<int16_t>(preset));
        w.VehData_EditExisting->UserClick();
        ExpectEveryBoxValid(w, "preset " + std::to_string(preset));
        w.VehData_UpdateVeh->UserClick();
        EXPECT_EQ(editortest::FirstDifference(g.CurrentVehicle, loaded), -1) << preset;
    }
}

// A figure whose exact text is longer than its box shows the nearest text that, typed back,
// adds no problem, written without an exponent where one fits: the BMW's limit typed as
// shown in rad/s ("837.758", 8000.0017 rpm) opens in rpm as "8000", not "8E3"; an unsprung
// mass of exactly the axle's share of the body (1357.3 kg at 61 %: 827.953 kg) as "827.9",
// not the "828" that was refused; a wheel of half the axle's unsprung mass (38.85 of 77.7 kg)
// in pounds as "85.64", not the "85.65" that was refused.
TEST_F(VehicleEditorChecks, AShortenedTextTypedBackAddsNoProblem) {
    ui::Main& w = StartWithCars();
    auto& g = core::GlobalChassisLab();
    w.Main_SelectVeh->UserSelect(1);
    w.VehData_EditExisting->UserClick();
    Type(*w.VehData_NewLimitRPM, "837.758");
    w.VehData_UpdateVeh->UserClick();
    core::ApplyUnitPreset(1);
    w.VehData_EditExisting->UserClick();
    EXPECT_EQ(w.VehData_NewLimitRPM->Text(), "8000");
    w.VehData_Cancel->UserClick();

    vehicle::VehicleRecord& golf = g.Vehicles[0];
    golf.BodyMass = 1357.3f;
    golf.BodyCoG.Y = 0.61f;
    golf.Axles[0].UnsprungMass = static_cast<float>(double{golf.BodyMass} * golf.BodyCoG.Y);
    golf.Axles[1].UnsprungMass = 77.7f;
    golf.RotatingMass[1] = 38.85f;
    w.Main_SelectVeh->UserSelect(0);
    const struct {
        int preset;
        TextBox& box;
        const char* shown;
    } cases[] = {{0, w.VehData_NewUnsprung(0), "827.9"}, {2, w.VehData_NewRotMass(1), "85.64"}};
    for (const auto& c : cases) {
        core::ApplyUnitPreset(static_cast<int16_t>(c.preset));
        w.VehData_EditExisting->UserClick();
        const std::string shown = c.box.Text();
        EXPECT_EQ(shown, c.shown);
        Type(c.box, shown);
        ExpectEveryBoxValid(w, shown);
        w.VehData_Cancel->UserClick();
    }
}

// A tyre with less than 30 mm of sidewall (width x profile) marks both figures: 50 mm at
// 10 % gave the BMW a negative deflection. 300 mm at 10 % has the least there may be.
TEST_F(VehicleEditorChecks, ATyreWithoutSidewallMarksItsWidthAndProfile) {
    ui::Main& w = OpenOnFirstCar();
    Type(w.VehData_NewTyreWidth(0), "50");
    Type(w.VehData_NewTyreProfile(0), "10");
    EXPECT_TRUE(Refused(w.VehData_NewTyreWidth(0)));
    EXPECT_TRUE(Refused(w.VehData_NewTyreProfile(0)));
    EXPECT_TRUE(Accepted(w.VehData_NewTyreWidth(1)));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
    Type(w.VehData_NewTyreWidth(0), "300");
    EXPECT_TRUE(Accepted(w.VehData_NewTyreWidth(0)));
    EXPECT_TRUE(Accepted(w.VehData_NewTyreProfile(0)));
    EXPECT_TRUE(w.VehData_UpdateVeh->Enabled());
    Type(w.VehData_NewTyreWidth(0), "299");
    EXPECT_TRUE(Refused(w.VehData_NewTyreProfile(0)));
    EXPECT_FALSE(w.VehData_UpdateVeh->Enabled());
}

}  // namespace
