// The platform layer's program-wide state in one place: the installed services, the typed
// test doubles, the slider clamp counter and the desktop (shown and parked windows).
//
// The instance is created on first use and deliberately never destroyed, so windows held in
// other modules' static state can still deregister from the desktop while the program exits.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Form.hpp"
#include "platform/Services.hpp"

namespace platform {

class ScriptedMessageBox;
class ScriptedFileDialog;
class RecordingShell;
class RecordingSound;
class ScriptedHttp;
class FilePictures;
class ProcessLocale;
class FixedFontMetrics;
class SettableClock;
class CountingWindowUpdates;

// The doubles most recently installed by InstallServiceDoubles(), typed for tests. They stay
// reachable here even after the front end installs its own services.
struct ServiceDoubleSet {
    std::shared_ptr<ScriptedMessageBox> messages;
    std::shared_ptr<ScriptedFileDialog> fileDialogs;
    std::shared_ptr<RecordingShell> shell;
    std::shared_ptr<RecordingSound> sound;
    std::shared_ptr<ScriptedHttp> http;
    std::shared_ptr<FilePictures> pictures;
    std::shared_ptr<ProcessLocale> locale;
    std::shared_ptr<FixedFontMetrics> fonts;
    std::shared_ptr<SettableClock> clock;
    std::shared_ptr<CountingWindowUpdates> windowUpdates;
};

struct PlatformState {
    ServiceSet services;
    ServiceDoubleSet doubles;
    int64_t sliderClampTotal = 0;  // slider values clamped into range since start
    Desktop desktop;
};

PlatformState& Platform();

// Fills the service slots of `state` with fresh doubles (what InstallServiceDoubles does to
// the program-wide state; used while that state is being created).
void InstallServiceDoublesInto(PlatformState& state);

}  // namespace platform
