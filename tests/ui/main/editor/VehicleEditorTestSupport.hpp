// Shared by the vehicle editor tests: the program started with the shipped cars, typing into
// the editor's boxes as a person does, and a record comparison over the whole file layout.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/GlobalChassisLab.hpp"
#include "files/VehicleFile.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/editor/VehicleEditor.hpp"
#include "ui/main/editor/VehicleEditorChecks.hpp"
#include "vehicle/VehCode.hpp"

namespace editortest {

class EditorTest : public testsupport::StartedProgram {
protected:
    // The shipped cars loaded, the vehicle tools panel shown (its buttons take clicks).
    ui::Main& StartWithCars() {
        CopyShippedData();
        ui::Main& w = Start();
        w.VehData_Modification->SetVisible(true);
        return w;
    }

    // Replaces the box's whole text by typing, one character at a time (each raises the
    // box's checks, as typing does).
    static void Type(platform::TextBox& box, const std::string& text) {
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        if (text.empty()) {
            box.UserKey(platform::kKeyBack);
        } else {
            box.UserType(text);
        }
    }

    static bool Refused(const platform::Control& box) {
        return box.BackColor() == ui::kEditorRefusedColor;
    }
    static bool Accepted(const platform::Control& box) {
        return box.BackColor() == ui::kEditorValidColor;
    }
    static bool Valid(ui::EditorInput i) { return ui::VehicleEditorChecks().Holds(i); }
    static bool EditorOpen() { return core::FromVbBool(vehicle::VehCode().EditorOpen); }
    static auto& Messages() { return platform::MessageDouble(); }
};

// The record as the vehicle file stores it: two records are equal when every byte of their
// 326-byte files is.
inline files::VehicleFileBytes FileBytes(const vehicle::VehicleRecord& v) {
    return files::EncodeVehicleFile({files::kVehicleFileId, files::kVehicleFileVersion, v});
}

// The first byte offset where the two records' files differ, or -1.
inline int FirstDifference(const vehicle::VehicleRecord& a, const vehicle::VehicleRecord& b) {
    const auto x = FileBytes(a), y = FileBytes(b);
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i] != y[i]) return static_cast<int>(i);
    return -1;
}

}  // namespace editortest
