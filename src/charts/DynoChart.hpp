// The dyno chart: an engine's full-throttle torque and power against engine speed, as a
// rolling-road printout shows them. Drawn on any surface (the vehicle data page's plot, a
// graph window), scaled to fill it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Surface.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace charts {

// Names a band's text keeps whole on a line, as a figure with its unit: the captions of the
// controls it names ("Torque plateau width").
using KeptNames = std::span<const std::string_view>;

// The curve as the chart draws it: sampled every 1 rad/s from idle, in display units.
struct DynoSamples {
    float FirstSpeed = 0.0f;     // rad/s, the idle speed
    int32_t LastIndex = -1;      // last sample; -1 when there is none
    std::vector<float> Torque;   // torque display unit
    std::vector<float> Power;    // power display unit
};

// Samples the engine at its own throttle from idle to idle + (limit - idle rounded) rad/s.
// Leaves engine.Speed, Torque and Power at the last sample. No samples for an engine whose
// limit is not above its idle speed, whose speeds are not finite, or whose range is wider than
// any limit speed the vehicle editor accepts.
DynoSamples SampleDynoCurve(vehicle::EngineRecord& engine);

// The two peak lines printed while the vehicle editor is open, from the engine's scanned
// peaks (vehicle::ScanEnginePeaks): "Scanned torque peak: 245.3 Nm @ 471 rad/s", ...
std::vector<std::string> ScannedPeakTexts();

// Draws the engine's torque (and power, against a right-hand power axis) over engine speed on
// the whole surface, with grid steps from the options (DynoGraphScaleX/Y). With peaks, scans
// the engine's peaks first and prints them in red at the bottom left. With a refusal (the
// vehicle editor's of figures that contradict each other), prints it in red in a band of its
// own at the top, its words wrapped to the width (`names` kept whole), and scales the curves to
// stay below it. An engine without a curve (see SampleDynoCurve) or without a peak gets empty
// axes.
void DrawDynoChart(platform::Surface& surface, vehicle::EngineRecord& engine, bool showScannedPeaks,
                   std::string_view refusal = {}, KeptNames names = {});

// The band of DrawDynoChart alone, with no curve and no axes: the vehicle editor's preview
// while its engine boxes hold no engine, saying why.
void DrawDynoBand(platform::Surface& surface, std::string_view text, KeptNames names = {});

// The words of `text` in lines that fit `width` on the surface (a word wider than that on a
// line of its own). A figure stays on the line of its unit ("(200 Nm)", "523.6 rad/s",
// "350 lbf ft"), a factor on that of its "x" ("1.02 x"), and each of `names` on one line
// (broken at its blanks only where it is wider than a line).
std::vector<std::string> WrappedLines(const platform::Surface& surface, std::string_view text,
                                      float width, KeptNames names = {});

}  // namespace charts
