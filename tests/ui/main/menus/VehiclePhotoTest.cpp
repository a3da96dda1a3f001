// The vehicle photo's search (full name, longest leading words, "unknown.jpg", letter case,
// empty files) and the switch between photo and vehicle tools panel.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/OptionsSettings.hpp"
#include "support/SampleVehicles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"

namespace {

namespace fs = std::filesystem;

class VehiclePhotoTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        images = root / "images";
        fs::create_directories(images);
        // One vehicle: the photo is on view and the toggle free (the editor is closed).
        vehicle::VehicleRecord v = sample::SampleCar();
        vehicle::SetVehicleName(v, "Sample car");
        vehtest::WriteVehicleFile((root / "vehicles" / "sample.vd3").string(), v);
        vehtest::WriteFile(root / "autoveh.lst", "sample\r\n");
        w = &Start();
    }
    void Photo(const std::string& file, const std::string& bytes = "jpeg") {
        vehtest::WriteFile(images / file, bytes);
    }
    std::string Find(const std::string& name) {
        return ui::LoadVehiclePhotoFrom(*w, images.string() + "/", name);
    }
    std::string In(const std::string& file) const { return (images / file).string(); }

    fs::path images;
    ui::Main* w = nullptr;
};

TEST_F(VehiclePhotoTest, TheFullNameComesFirstThenTheLongestLeadingWordsInAnyLetterCase) {
    Photo("alpha.Jpg");
    Photo("Alpha Beta.JPG");
    Photo("unknown.jpg");
    EXPECT_EQ(Find("Alpha Beta Gamma                "), In("Alpha Beta.JPG"));
    EXPECT_EQ(w->Info_VehPic->GetPicture().path, In("Alpha Beta.JPG"));
    EXPECT_EQ(Find("ALPHA Gamma"), In("alpha.Jpg"));
    Photo("Alpha Beta Gamma.jpg");
    EXPECT_EQ(Find("Alpha Beta Gamma"), In("Alpha Beta Gamma.jpg"));
}

TEST_F(VehiclePhotoTest, OneWordWithoutPhotoFallsToUnknownAndNothingEmptiesThePicture) {
    Photo("unknown.jpg");
    EXPECT_EQ(Find("Solo"), In("unknown.jpg"));
    fs::remove(images / "unknown.jpg");
    EXPECT_EQ(Find("Other"), "");
    EXPECT_EQ(w->Info_VehPic->GetPicture().path, "");  // not the photo shown before
}

TEST_F(VehiclePhotoTest, EmptyOrUnreadablePhotosCountAsMissingAndTheSearchGoesOn) {
    Photo("Alpha Beta.jpg", "");  // empty
    Photo("Alpha.jpg");
    Photo("unknown.jpg");
    EXPECT_EQ(Find("Alpha Beta"), In("Alpha.jpg"));
    // A folder by a photo's name is no photo (the Qt tests feed the real picture reader a
    // file it cannot decode).
    fs::remove(images / "Alpha.jpg");
    fs::create_directories(images / "Alpha.jpg");
    EXPECT_EQ(Find("Alpha Beta"), In("unknown.jpg"));
}

TEST_F(VehiclePhotoTest, ToggleSwitchesPhotoAndToolsAndTheCaptionNamesTheNextView) {
    ASSERT_FALSE(ui::VehicleToolsShown(*w));
    EXPECT_EQ(w->VehData_PhotoToggle->Caption(), "Toggle Vehicle Tools");
    w->VehData_PhotoToggle->UserClick();
    ASSERT_TRUE(ui::VehicleToolsShown(*w));
    EXPECT_EQ(w->VehData_PhotoToggle->Caption(), "Toggle Vehicle Photo");
    EXPECT_FALSE(w->Info_VehPic->Visible());
    EXPECT_FALSE(w->TestControls->Visible());  // the low-resolution option is off

    w->VehData_PhotoToggle->UserClick();
    EXPECT_FALSE(ui::VehicleToolsShown(*w));
    EXPECT_EQ(w->VehData_PhotoToggle->Caption(), "Toggle Vehicle Tools");
    EXPECT_TRUE(w->Info_VehPic->Visible());
    EXPECT_FALSE(w->VehData_Modification->Visible());
}

TEST_F(VehiclePhotoTest, TheLowResFrameFollowsTheOptionOnlyWhileTheToolsAreShown) {
    core::OptionsSettings().LowResControls = core::VbTrue;
    w->VehData_PhotoToggle->UserClick();
    EXPECT_TRUE(w->VehData_Modification->Visible());
    EXPECT_TRUE(w->TestControls->Visible());
    w->VehData_PhotoToggle->UserClick();
    EXPECT_FALSE(w->TestControls->Visible());

    w->VehData_PhotoToggle->UserClick();
    ASSERT_TRUE(ui::VehicleToolsShown(*w));
    ui::FollowLowResOption(*w);
    EXPECT_TRUE(w->TestControls->Visible());
    EXPECT_TRUE(ui::VehicleToolsShown(*w));  // the view does not flip
    core::OptionsSettings().LowResControls = core::VbFalse;
    ui::FollowLowResOption(*w);
    EXPECT_FALSE(w->TestControls->Visible());
    EXPECT_TRUE(w->VehData_Modification->Visible());

    w->VehData_PhotoToggle->UserClick();  // photo
    core::OptionsSettings().LowResControls = core::VbTrue;
    ui::FollowLowResOption(*w);
    EXPECT_FALSE(w->TestControls->Visible());
    EXPECT_TRUE(w->Info_VehPic->Visible());
}

}  // namespace
