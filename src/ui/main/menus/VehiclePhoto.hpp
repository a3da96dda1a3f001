// The header's photo of the current vehicle and, in its place, the vehicle tools panel (the
// editor's buttons and, with the low-resolution option on, the area move buttons).
#pragma once

#include <string>

namespace ui {

class Main;

// The photo file for a vehicle name in `folder`: "<name>.jpg", else the longest leading run of
// its words that has a photo, else "unknown.jpg". File names are matched without regard to
// letter case (".jpg" or ".JPG"); a file that is empty or cannot be decoded as a picture
// counts as missing and the search goes on. Loads the found picture into Info_VehPic; with no
// picture found the image is emptied, so it never shows another vehicle. Returns the path
// loaded ("" for none).
std::string LoadVehiclePhotoFrom(Main& form, const std::string& folder, const std::string& name);
// The current vehicle's photo from AppDir + "images/". Does not switch photo and tools.
void LoadVehiclePhoto(Main& form);

// True while the tools panel (the frame VehData_Modification) is shown in place of the photo.
bool VehicleToolsShown(const Main& form);
// Switches between photo and tools panel; the toggle's caption names what the next press
// shows. Only a person's click on the toggle (and the start with no vehicle) call this.
void ToggleVehiclePhotoAndTools(Main& form);
// While the tools panel is shown, the low-resolution frame follows the option; the options
// window calls this after storing the option (the view itself does not flip).
void FollowLowResOption(Main& form);

}  // namespace ui
