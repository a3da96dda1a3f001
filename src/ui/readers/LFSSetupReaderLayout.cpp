// The setup reader's design-time layout (pixels). Two columns of frames below a row of three
// buttons: on the left "File Info", "Misc", "Passengers + Voluntary Handicaps", "Suspension"
// and the padding bytes; on the right "Drive-train", "Centre Diff", "Front + Rear
// Differentials" and "Tyres". (The padding frame stands on the left since the reverse ratio
// made "Drive-train" a row taller: so both columns fit the client area.) A row's caption label
// carries the index of the row's first box.
#include <string>
#include <utility>
#include <vector>

#include "files/SetupReaderTexts.hpp"
#include "ui/readers/LFSSetupReader.hpp"

namespace ui {
namespace {

constexpr int kClientWidth = 785;
constexpr int kClientHeight = 601;
constexpr int kLeftColumn = 4, kRightColumn = 394, kColumnWidth = 387;
constexpr int kFrameHead = 18;   // first row's top inside a frame
constexpr int kPitch = 22;       // row pitch
constexpr int kHintPitch = 16;   // the small "RL, RR, FL, FR" rows
constexpr int kBoxHeight = 20;
constexpr int kLabelHeight = 16;
constexpr int kGap = 3;          // between frames

// Two captioned boxes in a row.
constexpr int kPairCaption[2] = {6, 198};
constexpr int kPairCaptionWidth[2] = {124, 108};
constexpr int kPairBox[2] = {132, 308};
constexpr int kPairBoxWidth[2] = {62, 72};
// Rear / front columns.
constexpr int kAxleCaptionWidth = 140;
constexpr int kAxleBox[2] = {150, 268};
constexpr int kAxleBoxWidth = 110;
// Four wheel boxes.
constexpr int kWheelBox0 = 104, kWheelBoxStep = 70, kWheelBoxWidth = 66;

class Builder {
public:
    explicit Builder(LFSSetupReader& w) : w_(w) {}

    platform::Frame& Frame(int index, const std::string& caption, int left, int rows,
                           int hintRows = 0) {
        const int height = kFrameHead + rows * kPitch + hintRows * kHintPitch + 4;
        auto& f = w_.CreateIn(w_.SetupFrame, "SetupFrame", index);
        f.Move(left, left == kLeftColumn ? leftTop_ : rightTop_, kColumnWidth, height);
        f.SetCaption(caption);
        (left == kLeftColumn ? leftTop_ : rightTop_) += height + kGap;
        return f;
    }

    platform::Label& Label(platform::ControlArray<platform::Label>& arr, const char* name,
                           int index, platform::Frame& f, int left, int top, int width,
                           const std::string& caption) {
        auto& l = w_.CreateIn(arr, name, index, &f);
        l.Move(left, top + 3, width, kLabelHeight);
        l.SetCaption(caption);
        return l;
    }
    platform::Label& Caption(int index, platform::Frame& f, int left, int top, int width,
                             const std::string& caption) {
        return Label(w_.SetupLabel, "SetupLabel", index, f, left, top, width, caption);
    }
    platform::TextBox& Box(platform::ControlArray<platform::TextBox>& arr, const char* name,
                           int index, platform::Frame& f, int left, int top, int width) {
        auto& b = w_.CreateIn(arr, name, index, &f);
        b.Move(left, top, width, kBoxHeight);
        b.SetLocked(true);
        return b;
    }
    platform::TextBox& Info(int index, platform::Frame& f, int left, int top, int width) {
        return Box(w_.SetupInfo, "SetupInfo", index, f, left, top, width);
    }
    platform::CheckBox& Check(int index, platform::Frame& f, int left, int top,
                              const std::string& caption) {
        auto& c = w_.CreateIn(w_.SetupCheck, "SetupCheck", index, &f);
        c.Move(left, top, 56, kBoxHeight);
        c.SetCaption(caption);
        return c;
    }

    // Rows of one or two captioned boxes; a box index below 0 leaves the right half empty.
    void Pairs(platform::Frame& f, int firstRowTop,
               const std::vector<std::pair<std::pair<int, std::string>,
                                           std::pair<int, std::string>>>& rows) {
        int top = firstRowTop;
        for (const auto& [left, right] : rows) {
            for (int side = 0; side < 2; ++side) {
                const auto& [box, caption] = side == 0 ? left : right;
                if (box < 0) continue;
                Caption(box, f, kPairCaption[side], top, kPairCaptionWidth[side], caption);
                Info(box, f, kPairBox[side], top, kPairBoxWidth[side]);
            }
            top += kPitch;
        }
    }

    // "Rear" and "Front" headers, then rows of a caption and two boxes (rear, front).
    void AxleRows(platform::Frame& f, int rearHeader, int frontHeader,
                  const std::vector<std::pair<int, std::string>>& rows) {
        int top = kFrameHead;
        Label(w_.SetupLabel, "SetupLabel", rearHeader, f, kAxleBox[0], top - 4, kAxleBoxWidth,
              "Rear").SetAlignment(platform::Align::Center);
        Label(w_.SetupLabel, "SetupLabel", frontHeader, f, kAxleBox[1], top - 4, kAxleBoxWidth,
              "Front").SetAlignment(platform::Align::Center);
        top += kHintPitch;
        for (const auto& [box, caption] : rows) {
            Caption(box, f, kPairCaption[0], top, kAxleCaptionWidth, caption);
            Info(box, f, kAxleBox[0], top, kAxleBoxWidth);
            Info(box + 1, f, kAxleBox[1], top, kAxleBoxWidth);
            top += kPitch;
        }
        next_ = top;
    }

    // A caption with four wheel boxes, under an order hint.
    void WheelRow(platform::Frame& f, int first, int hint, const std::string& caption) {
        Label(w_.SetupLabel, "SetupLabel", hint, f, kWheelBox0, next_ - 3,
              4 * kWheelBoxStep, "RL, RR, FL, FR");
        next_ += kHintPitch;
        Caption(first, f, kPairCaption[0], next_, kWheelBox0 - 8, caption);
        for (int k = 0; k < 4; ++k)
            Info(first + k, f, kWheelBox0 + k * kWheelBoxStep, next_, kWheelBoxWidth);
        next_ += kPitch;
    }

private:
    LFSSetupReader& w_;
    int leftTop_ = 38;
    int rightTop_ = 38;
    int next_ = 0;
};

}  // namespace

void LFSSetupReader::KeepClientSize() {
    if (ClientWidth() == kClientWidth && ClientHeight() == kClientHeight) return;
    SetClientSize(kClientWidth, kClientHeight);
}

void LFSSetupReader::BuildLayout() {
    // The outer size until the front end reports the window's margins; then KeepClientSize.
    SetSize(kClientWidth, kClientHeight);
    auto button = [this](platform::CommandButton*& member, const char* name, int left, int width,
                         const char* caption) {
        member = &Create<platform::CommandButton>(name);
        member->Move(left, 8, width, 25);
        member->SetCaption(caption);
    };
    button(Read, "Read", 8, 100, "Open .set file");
    button(ReRead, "ReRead", 116, 80, "Refresh");
    button(ExportSetupToCSV, "ExportSetupToCSV", 204, 100, "Export to CSV");
    ReRead->SetEnabled(false);

    Builder b(*this);
    using P = std::pair<int, std::string>;
    const P none{-1, ""};

    // ---- Left column ----
    auto& fileInfo = b.Frame(0, "File Info", kLeftColumn, 2);
    for (int i = 0; i < 3; ++i) {
        const int side = i == 1 ? 1 : 0;
        const int top = kFrameHead + (i == 2 ? kPitch : 0);
        static const char* const kNames[3] = {"Identifier", "LFS I.V.", "Format Version"};
        b.Label(FileLabel, "FileLabel", i, fileInfo, kPairCaption[side], top,
                kPairCaptionWidth[side], kNames[i]);
        b.Box(SetupInfo, "SetupInfo", i, fileInfo, kPairBox[side], top, kPairBoxWidth[side]);
    }
    b.Check(0, fileInfo, kPairCaption[1], kFrameHead + kPitch, "Post 0.5X").SetWidth(100);

    auto& misc = b.Frame(1, "Misc", kLeftColumn, 6);
    const std::pair<int, const char*> checks[3] = {{1, "Asymmetric Tyres"}, {2, "TC"}, {0, "ABS"}};
    const int checkCaptionLeft[3] = {6, 186, 286};
    const int checkCaptionWidth[3] = {100, 24, 30};
    for (int k = 0; k < 3; ++k) {
        const int label = checks[k].first;
        b.Caption(label, misc, checkCaptionLeft[k], kFrameHead, checkCaptionWidth[k],
                  checks[k].second);
        // SetupCheck(1), (2), (3) stand after the captions of SetupLabel(1), (2), (0).
        b.Check(k + 1, misc, checkCaptionLeft[k] + checkCaptionWidth[k] + 4, kFrameHead, "Yes");
    }
    b.Pairs(misc, kFrameHead + kPitch,
            {{P{3, "TC Slip"}, P{4, "TC Speed"}},
             {P{5, "Front Wing Angle"}, P{6, "Rear Wing Angle"}},
             {P{7, "Steering Lock"}, P{8, "Parallel Steer"}},
             {P{9, "Brake Strength"}, P{10, "Brake Balance"}},
             {P{11, "Engine Brake Reduction"}, P{12, "Tyre Brand"}}});

    b.Pairs(b.Frame(6, "Passengers + Voluntary Handicaps", kLeftColumn, 3), kFrameHead,
            {{P{13, "Passenger Flags"}, P{14, "Config"}},
             {P{15, "????"}, P{16, "Mass Position"}},
             {P{17, "Mass (Quantity)"}, P{18, "Intake Restriction"}}});

    auto& suspension = b.Frame(5, "Suspension", kLeftColumn, 6, 1);
    b.AxleRows(suspension, 236, 237,
               {{19, "Ride Height"}, {21, "Spring Stiffness"}, {23, "Bump Damping"},
                {25, "Rebound Damping"}, {27, "Anti Roll Stiffness"}, {29, "Caster"}});

    // ---- Right column ----
    b.Pairs(b.Frame(3, "Drive-train", kRightColumn, 5), kFrameHead,
            {{P{31, "Final Drive"}, P{32, "Gear Ratio 1"}},
             {P{33, "Gear Ratio 2"}, P{34, "Gear Ratio 3"}},
             {P{35, "Gear Ratio 4"}, P{36, "Gear Ratio 5"}},
             {P{37, "Gear Ratio 6"}, P{38, "Gear Ratio 7"}},
             {P{files::kSetupInfoReverseRatio, "Reverse Ratio"}, none}});
    b.Pairs(b.Frame(2, "Centre Diff", kRightColumn, 2), kFrameHead,
            {{P{39, "Diff Type"}, none}, {P{40, "Viscous Setting"}, P{41, "Torque Split"}}});
    b.AxleRows(b.Frame(8, "Front + Rear Differentials", kRightColumn, 5, 1), 248, 249,
               {{42, "Diff Type"}, {44, "Viscous Setting"}, {46, "Pre-load"},
                {48, "Power Locking"}, {50, "Coast Locking"}});
    auto& tyres = b.Frame(9, "Tyres", kRightColumn, 4, 3);
    b.AxleRows(tyres, 246, 247, {{52, "Tyre Type"}, {54, "Toe In"}});
    b.WheelRow(tyres, 56, 57, "Camber Adjust");
    b.WheelRow(tyres, 60, 61, "Tyre Pressures");

    auto& padding = b.Frame(7, "Padding Spaces (should all be zero)", kLeftColumn, 2);
    for (int i = 1; i <= 17; ++i) {
        const int k = i <= 8 ? i - 1 : i - 9;
        const int top = kFrameHead + (i <= 8 ? 0 : kPitch);
        b.Box(BlankInfo, "BlankInfo", i, padding, 6 + k * 42, top, 40);
    }
}

}  // namespace ui
