// Vehicles with several fields at their ends at once, which the sweep's one field at a time
// never reaches, opened through the File menu as a person would: the Golf on tyres a metre
// wide, and on those tyres a 750 t body with its centre of gravity and handicap mass 5 m up, a
// wheelbase and tracks of 0.5 m, every setup and live slider at its top.
//   - the contact patch stays on its picture for every wheel, and so do the four patches in a
//     graph window;
//   - the heavy vehicle tips (an axle's load is below zero): its axle loads, every caption
//     worked out from the wheel loads and its top speed read "N/A", while the Golf shows
//     figures there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charts/ResizeableGraphCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "platform/Controls.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/sweep/SweepChecks.hpp"
#include "vehicle/AeroCode.hpp"

namespace {

// The captions worked out from the live wheel loads, by display name.
std::vector<std::string> CaptionsFromWheelLoads() {
    std::vector<std::string> names;
    const auto add = [&names](const char* array, int first, int last) {
        for (int i = first; i <= last; ++i) names.push_back(std::string(array) + "(" + std::to_string(i) + ")");
    };
    add("Analysis_AeroLabel", 11, 13);   // rolling and total resistance, drag / rolling share
    add("Analysis_AeroLabel", 22, 24);   // axle loads, wheel-load share
    add("Analysis_AeroLabel", 77, 77);   // resistance power
    add("Analysis_AeroLabel", 17, 17);   // top speed, reached against that resistance
    add("Analysis_TyreLabel", 100, 117); // every tyre figure, at the wheel's live load
    add("Analysis_SuspLabel", 100, 103); // wheel travel remaining
    add("Analysis_SuspLabel", 140, 143); // vertical loads
    add("Analysis_SuspLabel", 164, 167); // wheel deflections
    add("Analysis_SuspLabel", 126, 139); // roll and pitch angles, height changes
    add("Analysis_PhysLabel", 135, 139); // live heights of the centre of gravity and elements
    add("Analysis_PhysLabel", 146, 153); // element heights from the centre, accelerations
    add("Analysis_PhysLabel", 157, 157); // lateral acceleration
    add("Analysis_AeroLabel", 73, 73);   // the wings' angles after the body's pitch
    add("Analysis_AeroLabel", 75, 75);
    add("Analysis_SteeringLabel", 106, 109); // roll camber
    add("Analysis_SteeringLabel", 118, 121); // live camber
    return names;
}

class VehicleCombinations : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
        golf = core::GlobalChassisLab().Vehicles.front();
    }

    // Opens the record through File > Load vehicle; with `slidersTop`, every setup and live
    // slider a person can move then goes to its top. Both runs are calculated.
    void Open(vehicle::VehicleRecord v, const std::string& name, bool slidersTop) {
        vehicle::SetVehicleName(v, name);
        const auto path = (root / "vehicles" / (name + ".vd3")).string();
        vehtest::WriteVehicleFile(path, v);
        platform::FileDialogDouble().QueueOpenPath(path);
        main->FileLoadVehicle->UserClick();
        ASSERT_EQ(core::Trim(main->Main_SelectVeh->Text()), name);
        for (const auto& owned : main->AllControls()) {
            auto* s = dynamic_cast<platform::Slider*>(owned.get());
            if (slidersTop && s && !s->Name().starts_with("VehData_New") && s->Shown() && s->Usable())
                s->SetValue(s->Max());
        }
        main->Analysis_AccCalc->UserClick();
        main->Analysis_DecCalc->UserClick();
    }

    std::string Caption(const std::string& name) const {
        for (const auto& owned : main->AllControls())
            if (owned->DisplayName() == name)
                if (const auto* l = dynamic_cast<const platform::Label*>(owned.get())) return l->Caption();
        ADD_FAILURE() << name << " is no label";
        return {};
    }

    ui::Main* main = nullptr;
    vehicle::VehicleRecord golf;
};

vehicle::VehicleRecord OnMetreWideTyres(vehicle::VehicleRecord v) {
    for (auto& tyre : v.Tyres) tyre.Width = 1000;  // mm, the widest a file holds
    return v;
}

vehicle::VehicleRecord HeavyAndNarrow(vehicle::VehicleRecord v) {
    v.BodyMass = 750000.0f;  // kg
    v.BodyCoG.Z = v.HandicapHeight = 5.0f;  // m
    v.Wheelbase = v.Axles[0].TrackWidth = v.Axles[1].TrackWidth = 0.5f;  // m
    return OnMetreWideTyres(v);
}

TEST_F(VehicleCombinations, TheContactPatchStaysOnItsPicture) {
    const struct {
        const char* name;
        vehicle::VehicleRecord record;
        bool slidersTop;
    } cases[] = {{"Wide tyres", OnMetreWideTyres(golf), false},
                 {"Heavy", HeavyAndNarrow(golf), true}};
    for (const auto& c : cases) {
        Open(c.record, c.name, c.slidersTop);
        sweep::CaptionQuantities none;
        std::vector<sweep::Finding> findings;
        sweep::Checks look(none, findings);
        platform::PictureBox& patch = main->Analysis_TyreDrawing(1);
        for (int wheel = 0; wheel < 4; ++wheel) {
            const int dropped = patch.Surf().DroppedOps();
            main->Analysis_TyreChoice->UserSelect(wheel);
            look.Picture(patch, c.name, "wheel " + std::to_string(wheel), dropped);
        }
        charts::OpenGraphWindow();
        ui::ResizeableGraphWindow& window = *ui::ResizeableGraphWindows().Windows.Peek(0);
        const int dropped = window.LargeGraph().Surf().DroppedOps();
        window.GraphMenuItem_Click(charts::GraphGroup::Tyres, 4);  // the four patches
        look.Picture(window.LargeGraph(), c.name, "graph window", dropped);
        EXPECT_TRUE(findings.empty()) << sweep::GroupedFindings(findings);
    }
}

TEST_F(VehicleCombinations, AVehicleThatTipsShowsNoFigureWorkedOutFromItsWheelLoads) {
    for (const bool heavy : {false, true}) {
        Open(heavy ? HeavyAndNarrow(golf) : golf, heavy ? "Heavy" : "Golf again", heavy);
        ASSERT_EQ(vehicle::VehicleTips(vehicle::AeroCode().LiveAero), heavy);
        for (const std::string& name : CaptionsFromWheelLoads()) {
            const std::string shown = Caption(name);
            if (heavy) EXPECT_EQ(shown, "N/A") << name;
            else EXPECT_NE(shown, "N/A") << name;
        }
    }
}

}  // namespace
