// The steering plan and the camber diagram keep the car on their picture at every track,
// wheelbase and tyre size the ranges allow, in every view and at the sizes the main window and
// a graph window give them, while a car whose views fit keeps their usual scales.
#include <cmath>
#include <string>

#include "analysis/SteeringCode.hpp"
#include "charts/ChartColours.hpp"
#include "charts/ChartTestSupport.hpp"
#include "charts/VehicleCharts.hpp"

using namespace chart_test;
using namespace charts;

namespace {

class SteeringDiagramFit : public ChartTest {
protected:
    void Car(float front, float rear, float wheelbase, float width, float radius) {
        auto& v = core::GlobalChassisLab().CurrentVehicle;
        v.Axles[0].TrackWidth = front;
        v.Axles[1].TrackWidth = rear;
        v.Wheelbase = wheelbase;
        for (auto& t : vehicle::TyreCode().WheelTyres) {
            t.Width = width;
            t.UnloadedRadius = radius;
        }
    }
    // Straight ahead with no camber, or the inner wheel near a quarter turn (full Ackermann
    // at the program's greatest lock, 60 degrees, on a short wheelbase) and a strong camber.
    static void Steer(bool hard) {
        auto& st = analysis::SteeringCode();
        const float k = hard ? 1.0f : 0.0f;
        st.WheelSteerAngle = {1.5f * k, 0.9f * k, 0.05f * k, -0.05f * k};
        st.SteeringArmAngle = {0.8f * k, 1.1f * k};
        st.LiveCamber = {-0.2f * k, 0.2f * k, -0.1f * k, 0.1f * k};
    }
    // Each drawing that is part of the car lies on the picture; a wheel's direction line and
    // an Ackermann check line start on it. In the plan the car keeps clear of the lines of
    // its "Front" and "Rear" labels.
    std::string OffThePicture(bool plan) const {
        const double w = s.PixelWidth(), h = s.PixelHeight();
        double top = -0.5, bottom = h + 0.5;
        if (plan) {
            const auto texts = Texts();
            if (texts.size() != 2) return "labels missing";
            bottom = texts[0].y1 + 0.5;  // "Rear", then "Front"
            top = texts[1].y1 + s.TextHeight(texts[1].text) / 15.0 - 0.5;
        }
        for (const auto& op : s.DisplayList()) {
            const bool text = op.kind == DrawOpKind::Text;
            const auto on = [&](double x, double y) {
                return x >= -0.5 && x <= w + 0.5 && y >= (text ? -0.5 : top) &&
                       y <= (text ? h + 0.5 : bottom);
            };
            const bool ray = op.kind == DrawOpKind::Line &&
                             (op.color == kBlue || op.color == kLightRed);
            const bool ok = ray ? on(op.x1, op.y1) || on(op.x2, op.y2)
                                : on(op.x1, op.y1) && (text || on(op.x2, op.y2));
            if (!ok)
                return "(" + std::to_string(op.x1) + ", " + std::to_string(op.y1) + ")-(" +
                       std::to_string(op.x2) + ", " + std::to_string(op.y2) + ")";
        }
        return "";
    }
};

TEST_F(SteeringDiagramFit, EveryViewKeepsTheCarOnItsPicture) {
    // Tracks and wheelbase 0.5 .. 50 m; tyres from 50 mm on a 5" rim at 10 % to 1000 mm on
    // a 200" rim at 200 %.
    const struct {
        const char* name;
        float front, rear, wheelbase, width, radius;
    } cars[] = {
        {"ordinary", 1.53f, 1.51f, 2.63f, 0.225f, 0.32f},
        {"narrow front", 0.5f, 1.51f, 2.63f, 0.225f, 0.32f},
        {"wide front", 50.0f, 1.51f, 2.63f, 0.225f, 0.32f},
        {"wide rear", 1.53f, 50.0f, 2.63f, 0.225f, 0.32f},
        {"narrow and short", 0.5f, 0.5f, 0.5f, 0.225f, 0.32f},
        {"wide and short", 50.0f, 50.0f, 0.5f, 0.225f, 0.32f},
        {"narrow and long", 0.5f, 0.5f, 50.0f, 0.225f, 0.32f},
        {"huge tyres", 0.5f, 0.5f, 0.5f, 1.0f, 4.54f},
        {"tiny tyres", 50.0f, 0.5f, 50.0f, 0.05f, 0.0685f},
        {"narrow on tiny tyres", 0.5f, 0.5f, 2.63f, 0.05f, 0.0685f},
        {"wide tyres on small rims", 0.5f, 0.5f, 0.5f, 1.0f, 0.16f},
    };
    // The main window's pictures, a graph window at its designed size and at wide, flat and
    // tall ones.
    const int sizes[][2] = {{378, 302}, {436, 278}, {1000, 380}, {1000, 200}, {300, 700}};
    auto& st = analysis::SteeringCode();
    for (const auto& car : cars) {
        Car(car.front, car.rear, car.wheelbase, car.width, car.radius);
        for (bool steered : {false, true}) {
            Steer(steered);
            for (const auto& size : sizes) {
                s.SetPixelSize(size[0], size[1]);
                for (int view = 0; view < 2; ++view) {
                    const std::string at =
                        std::string(car.name) + (steered ? ", steered, " : ", ") +
                        std::to_string(size[0]) + " x " + std::to_string(size[1]) + ", view " +
                        std::to_string(view);
                    st.ToeDiagramMode = static_cast<uint8_t>(view);
                    DrawSteeringPlan(s);
                    EXPECT_EQ(OffThePicture(true), "") << "plan, " << at;
                    st.CamberDiagramMode = static_cast<uint8_t>(view);
                    DrawCamberView(s, s.ScaleWidth());
                    EXPECT_EQ(OffThePicture(false), "") << "camber, " << at;
                }
            }
        }
    }
}

TEST_F(SteeringDiagramFit, ACarWhoseViewsFitKeepsTheUsualScales) {
    // Close-up plan and camber views: the front track and a tyre's width take 2/3 of the
    // picture's width; the full plan: the wheelbase and two radii take 1/1.3 of its height.
    // A narrow car: its wheels, straight ahead, fit in every view at those scales.
    Car(0.5f, 0.5f, 2.63f, 0.225f, 0.32f);
    Steer(false);
    s.SetPixelSize(378, 302);
    const double across = 378.0 / (1.5 * (0.5 + 0.225));  // pixels per metre
    auto& st = analysis::SteeringCode();
    for (uint8_t view : {0, 1}) {
        st.ToeDiagramMode = view;
        DrawSteeringPlan(s);
        const DrawOp axle = Lines(kGrey).front();
        const double scale = view == 0 ? across : 302.0 / (1.3 * (2.63 + 2 * 0.32));
        EXPECT_NEAR(axle.x1 - axle.x2, 0.5 * scale, 1e-3) << view;
        st.CamberDiagramMode = view;
        DrawCamberView(s, s.ScaleWidth());
        const auto edges = Lines(kBlack);  // the two outlines' first edges, a track apart
        EXPECT_NEAR(edges[4].x1 - edges[0].x1, 0.5 * across, 1e-3) << view;
    }
}

}  // namespace
