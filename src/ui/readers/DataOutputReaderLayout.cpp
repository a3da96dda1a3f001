// The data output reader's design-time layout. Sizes are given in twips (15 per pixel), the
// unit the window was drawn in; Px converts. Inside a frame a row holds a caption and a box,
// and in its right half a second caption and box; position and matrix rows hold three boxes
// under the columns X, Y, Z.
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/readers/DataOutputReader.hpp"

namespace ui {
namespace {

constexpr int Px(int twips) { return twips / platform::kTwipsPerPixel; }

constexpr int kClientWidth = 813;   // pixels
constexpr int kClientHeight = 687;

constexpr int kCaptionLeft[2] = {120, 3000};
constexpr int kBoxLeft[3] = {1560, 3000, 4440};
constexpr int kCaptionWidth = 1335, kCaptionHeight = 255;
constexpr int kBoxWidth = 1215, kBoxHeight = 285;
constexpr int kRowPitch = 360, kFirstRow = 300;
constexpr int kPositionFirstRow = 540;  // below the X, Y, Z headers

// One row of a frame: up to two captioned boxes, or one caption over three boxes.
struct Row {
    std::string left;
    int leftBox;
    std::string right = {};
    int rightBox = -1;
    bool triple = false;  // leftBox, leftBox + 1, leftBox + 2 under X, Y, Z
};

Row Pair(std::string l, int lb, std::string r, int rb) { return {std::move(l), lb, std::move(r), rb}; }
Row One(std::string l, int lb) { return {std::move(l), lb}; }
Row Triple(std::string l, int first) { return {std::move(l), first, {}, -1, true}; }

class Builder {
public:
    explicit Builder(DataOutputReader& w) : w_(w) {}

    platform::Frame& Frame(platform::Container* page, const std::string& name,
                           const std::string& caption, int left, int top, int width,
                           int height) {
        auto& f = w_.Create<platform::Frame>(name, page);
        f.Move(Px(left), Px(top), Px(width), Px(height));
        f.SetCaption(caption);
        return f;
    }

    void Rows(platform::Frame& f, int firstRow, const std::vector<Row>& rows) {
        int top = firstRow;
        for (const Row& r : rows) {
            if (!r.left.empty()) Caption(f, kCaptionLeft[0], top, r.left, kCaptionWidth);
            if (r.triple) {
                for (int k = 0; k < 3; ++k) Box(f, r.leftBox + k, kBoxLeft[k], top);
            } else {
                Box(f, r.leftBox, kBoxLeft[0], top);
                if (r.rightBox >= 0) {
                    // Up to the box: room for "Weight Distribution".
                    Caption(f, kCaptionLeft[1], top, r.right, kBoxLeft[2] - kCaptionLeft[1]);
                    Box(f, r.rightBox, kBoxLeft[2], top);
                }
            }
            top += kRowPitch;
        }
    }

    // A matrix: its caption on the first row only, three rows of three boxes.
    void Matrix(platform::Frame& f, const std::string& caption, int first) {
        Rows(f, kFirstRow, {Triple(caption, first), Triple("", first + 3), Triple("", first + 6)});
    }

    void XYZHeaders(platform::Frame& f) {
        for (int k = 0; k < 3; ++k) {
            auto& l = w_.CreateIn(w_.XYZLabel, "XYZLabel", xyz_++, &f);
            l.Move(Px(kBoxLeft[k]), Px(kFirstRow), Px(kBoxWidth), Px(kCaptionHeight));
            l.SetCaption(std::string(1, static_cast<char>('X' + k)));
            l.SetAlignment(platform::Align::Center);
        }
    }

    // Narrow boxes without captions, eight to a row.
    void Padding(platform::Frame& f, int first, int last) {
        for (int i = first; i <= last; ++i) {
            const int k = i - first;
            auto& b = Box(f, i, 120 + (k % 8) * 720, 240 + (k / 8) * kRowPitch);
            b.SetWidth(Px(615));
        }
    }

private:
    void Caption(platform::Frame& f, int left, int top, const std::string& text, int width) {
        auto& l = w_.CreateIn(w_.OutputLabel, "OutputLabel", label_++, &f);
        l.Move(Px(left), Px(top + 30), Px(width), Px(kCaptionHeight));
        l.SetCaption(text);
    }
    platform::TextBox& Box(platform::Frame& f, int index, int left, int top) {
        auto& b = w_.CreateIn(w_.OutputBox, "OutputBox", index, &f);
        b.Move(Px(left), Px(top), Px(kBoxWidth), Px(kBoxHeight));
        b.SetLocked(true);
        return b;
    }

    DataOutputReader& w_;
    int label_ = 0;
    int xyz_ = 0;
};

// The rows of one wheel frame; base is the block's first box.
std::vector<Row> WheelRows(int b) {
    return {Pair("Tyre Type", b, "Pressure", b + 1),
            Pair("Temperature", b + 2, "Toe In", b + 3),
            Triple("Contact Patch", b + 4),
            Pair("Unsprung Mass", b + 7, "Tyre Width", b + 8),
            Pair("Tyre Profile", b + 9, "Rim Radius", b + 10),
            Pair("Rim Width", b + 11, "Spring Stiffness", b + 12),
            Pair("Damping (Bump)", b + 13, "Damping (Rebnd)", b + 14),
            Pair("Anti-Roll Stiffness", b + 15, "Camber", b + 16),
            Pair("Inclination", b + 17, "Caster", b + 18),
            Pair("Scrub Radius", b + 19, "Moment Of Inertia", b + 20),
            Pair("Spring Deflection", b + 21, "Motion Range", b + 22),
            Pair("Tyre Spring", b + 23, "Tyre Deflection", b + 24)};
}

}  // namespace

void DataOutputReader::BuildLayout() {
    SetCaption("LFS Vehicle Data Output Reader");
    SetClientSize(kClientWidth, kClientHeight);

    // Both buttons 77 pixels wide: "Open .bin file" with a few pixels to spare.
    Read = &Create<platform::CommandButton>("Read");
    Read->Move(Px(240), Px(120), Px(1155), Px(375));
    Read->SetCaption("Open .bin file");
    ReRead = &Create<platform::CommandButton>("ReRead");
    ReRead->Move(Px(1560), Px(120), Px(1155), Px(375));
    ReRead->SetCaption("Refresh");
    ReRead->SetEnabled(false);
    TabStrip1 = &Create<platform::TabStrip>("TabStrip1");
    TabStrip1->Move(Px(4800), Px(120), Px(3135), Px(375));
    TabStrip1->AddTab("General Data");
    TabStrip1->AddTab("Wheel Data");

    for (int p = 0; p < 2; ++p) {
        auto& page = CreateIn(Page, "Page", p);
        page.Move(0, Px(600), Px(12165), Px(9675));
        page.SetBorder(false);
    }
    Builder b(*this);
    platform::Frame* general = &Page(0);
    b.Rows(b.Frame(general, "Frame_Gen", "General", 60, 60, 5895, 1095), kFirstRow,
           {Pair("Identifier", 0, "Version", 1), Pair("Car Name", 2, "Passengers", 3)});
    b.Matrix(b.Frame(general, "Frame_BodyMatrix", "Body Matrix", 60, 1200, 5895, 1455),
             "Body Matrix...", 4);
    auto& world = b.Frame(general, "Frame_PosWorld", "Positions (world co-ordinates)", 60, 2700,
                          5895, 1335);
    b.XYZHeaders(world);
    b.Rows(world, kPositionFirstRow, {Triple("Ref Point", 13), Triple("CoG", 16)});
    auto& local = b.Frame(general, "Frame_PosLocal", "Positions (local co-ordinates)", 60, 4080,
                          5895, 2775);
    b.XYZHeaders(local);
    b.Rows(local, kPositionFirstRow,
           {Triple("CoG", 19), Triple("Fuel Tank", 22), Triple("Rear Wing", 25),
            Triple("Front Wing", 30), Triple("Undertray", 35), Triple("Body", 40)});
    b.Rows(b.Frame(general, "Frame_Aero", "Aero", 60, 6900, 5895, 1815), kFirstRow,
           {Pair("Rear Wing ClA", 28, "Rear Wing CdA", 29),
            Pair("Front Wing ClA", 33, "Front Wing CdA", 34),
            Pair("Undertray ClA", 38, "Undertray CdA", 39), Pair("Body ClA", 43, "Body CdA", 44)});
    b.Matrix(b.Frame(general, "Frame_Matrix", "Inertia Matrix", 6060, 60, 5895, 1455),
             "Inertia Matrix...", 45);
    b.Rows(b.Frame(general, "Frame_EngineDT", "Engine && Drivetrain", 6060, 1560, 5895, 4335),
           kFirstRow,
           {Pair("Peak Torque", 54, "at", 55), Pair("Peak Power", 56, "at", 57),
            Pair("Fuel", 58, "Mass", 59), Pair("Wheelbase", 60, "Weight Distribution", 61),
            Pair("Forward Gears", 62, "Drivetrain", 63),
            Pair("Torque Split", 64, "Drivetrain Eff.", 65), Pair("Reverse", 66, "First", 67),
            Pair("Second", 68, "Third", 69), Pair("Fourth", 70, "Fifth", 71),
            Pair("Sixth", 72, "Seventh", 73), One("Final", 74)});
    b.Rows(b.Frame(general, "Frame_Misc", "Misc", 6060, 5940, 5895, 1095), kFirstRow,
           {Pair("Parallel Steer", 75, "Brake Strength", 76), One("Brake Balance", 77)});
    b.Padding(b.Frame(general, "Frame_Blanks", "Padding Spaces (should all be zero)", 6060, 7140,
                      5895, 1695),
              78, 102);

    platform::Frame* wheels = &Page(1);
    b.Rows(b.Frame(wheels, "Frame_FL_Info", "Front Left Info", 120, 60, 5895, 4695), kFirstRow,
           WheelRows(153));
    b.Rows(b.Frame(wheels, "Frame_FR_Info", "Front Right Info", 6120, 60, 5895, 4695), kFirstRow,
           WheelRows(178));
    b.Rows(b.Frame(wheels, "Frame_RL_Info", "Rear Left Info", 120, 4800, 5895, 4695), kFirstRow,
           WheelRows(103));
    b.Rows(b.Frame(wheels, "Frame_RR_Info", "Rear Right Info", 6120, 4800, 5895, 4695), kFirstRow,
           WheelRows(128));

    // The general page in front, as its tab.
    TabStrip1->SelectTab(1);
    Page(0).BringToFront();
}

}  // namespace ui
