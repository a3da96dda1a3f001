// Steering and camber geometry.
#include "analysis/SteeringCode.hpp"

#include <cmath>

#include "core/GlobalChassisLab.hpp"
#include "core/PhysicalConstants.hpp"

namespace analysis {

namespace {

SteeringCodeState g_steering;

constexpr double kRightAngle = core::kPi / 2.0;

// n / d rounded to a float, or 0 when d is 0 or the quotient is not finite.
float Div(double n, double d) {
    if (d == 0.0) return 0.0f;
    const auto q = static_cast<float>(n / d);
    return std::isfinite(q) ? q : 0.0f;
}

// Degrees (as the sliders and setup bytes give them) to radians, rounded to a float.
float Radians(double degrees) { return static_cast<float>(degrees / core::kDegreesPerRadian); }

// The low 8 bits of a slider value, as the setup bytes hold toe and camber.
uint8_t LowByte(int32_t v) { return static_cast<uint8_t>(v & 0xFF); }

// Full-Ackermann angle of one front wheel: the wheel points square to the line from it to the
// turn centre, which lies `toCentre` (m, signed as the turn) from the wheel across the car.
// When the turn centre reaches the wheel (or would lie beyond it, on a very short wheelbase
// against a wide track) the angle is held at a right angle in the turn's direction.
double IdealWheelAngle(double wheelbase, double toCentre, double steer) {
    if (toCentre == 0.0 || (toCentre < 0.0) != (steer < 0.0)) {
        return steer > 0.0 ? kRightAngle : -kRightAngle;
    }
    return std::atan(wheelbase / toCentre);
}

}  // namespace

SteeringCodeState& SteeringCode() { return g_steering; }

float DecodeToeByte(uint8_t b) {
    const auto steps = static_cast<int16_t>(static_cast<int16_t>(b) - 9);
    return static_cast<float>(steps / 10.0);
}

float DecodeCamberAdjustByte(uint8_t b) {
    const auto steps = static_cast<int16_t>(static_cast<int16_t>(b) - 45);
    return static_cast<float>(steps / 10.0);
}

float CalcSteeringGeometry(const SteeringSetupInputs& setup, const LiveSteeringInputs& live,
                           uint8_t liveSpeed, const PitchAngles& bodyPitch) {
    SteeringCodeState& s = g_steering;
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const float wheelbase = v.Wheelbase;
    const float frontTrack = v.Axles[0].TrackWidth;

    s.WheelToe[0] = Radians(DecodeToeByte(LowByte(setup.Toe[0])));
    s.WheelToe[1] = -s.WheelToe[0];
    s.WheelToe[2] = Radians(DecodeToeByte(LowByte(setup.Toe[1])));
    s.WheelToe[3] = -s.WheelToe[2];
    for (int a = 0; a < 2; ++a) s.AxleCaster[a] = Radians(setup.Caster[a] / 10.0);
    s.AckermannFraction = static_cast<float>(setup.Ackermann / 100.0);
    s.SteeringLock = Radians(setup.Lock);
    s.SteerAngle = Radians(live.SteeringAngle / 10.0);
    for (int i = 0; i < 4; ++i) {
        s.StaticCamber[i] = Radians(DecodeCamberAdjustByte(LowByte(setup.Camber[i])));
    }
    s.WheelbaseTrackRatio[0] = Div(wheelbase, frontTrack);
    s.WheelbaseTrackRatio[1] = Div(wheelbase, v.Axles[1].TrackWidth);

    // Full Ackermann: both front wheels square to lines from the turn centre, which lies
    // R0 = L / tan(delta) to the side of the front axle's middle (positive = to the right).
    const double delta = s.SteerAngle;
    double idealLeft = 0.0;
    double idealRight = 0.0;
    if (delta != 0.0) {
        if (wheelbase > 0.0f) {
            const double r0 = wheelbase / std::tan(delta);
            idealLeft = IdealWheelAngle(wheelbase, r0 + frontTrack / 2.0, delta);
            idealRight = IdealWheelAngle(wheelbase, r0 - frontTrack / 2.0, delta);
        } else {
            // No wheelbase, no geometry to follow: the linkage adds nothing.
            idealLeft = delta;
            idealRight = delta;
        }
    }
    s.AckermannAngle[0] = static_cast<float>((idealLeft - delta) * s.AckermannFraction);
    s.AckermannAngle[1] = static_cast<float>((idealRight - delta) * s.AckermannFraction);

    s.WheelSteerAngle[0] = s.SteerAngle + s.AckermannAngle[0] + s.WheelToe[0];
    s.WheelSteerAngle[1] = s.SteerAngle + s.AckermannAngle[1] + s.WheelToe[1];
    s.WheelSteerAngle[2] = s.WheelToe[2];
    s.WheelSteerAngle[3] = s.WheelToe[3];

    // Turning radius from the mean front wheel angle, and the lateral acceleration v^2 / R.
    const float mean = (s.WheelSteerAngle[1] + s.WheelSteerAngle[0]) / 2.0f;
    float lateral = 0.0f;
    if (mean == 0.0f) {
        s.SteerRadius = 0.0f;
    } else {
        s.SteerRadius = Div(wheelbase, std::tan(static_cast<double>(mean)));
        const double speed = liveSpeed;
        lateral = Div(speed * speed, s.SteerRadius);
    }
    s.SteerRadius = std::fabs(s.SteerRadius);

    s.AckermannArmAngle = static_cast<float>(
        std::atan(static_cast<double>(Div(s.AckermannFraction * 0.5 * frontTrack, wheelbase))));
    s.SteeringArmAngle[0] = s.WheelSteerAngle[0] - s.AckermannArmAngle;
    s.SteeringArmAngle[1] = s.AckermannArmAngle + s.WheelSteerAngle[1];

    // Kingpin inclination lifts the car as a wheel steers, tilting both front wheels the
    // same way whatever the direction.
    for (int k = 0; k < 2; ++k) {
        s.InclinationCamber[k] = static_cast<float>(
            (1.0 - std::cos(static_cast<double>(s.WheelSteerAngle[k]))) *
            v.Axles[0].Inclination);
    }

    CalcWheelCamber(bodyPitch);
    return lateral;
}

void CalcWheelCamber(const PitchAngles& bodyPitch) {
    SteeringCodeState& s = g_steering;
    const vehicle::VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& roll = SuspensionCode().AxleRollAngle;

    for (int a = 0; a < 2; ++a) s.LiveCaster[a] = bodyPitch.Total + s.AxleCaster[a];

    s.RollCamber[0] = -roll[0];
    s.RollCamber[1] = roll[0];
    s.RollCamber[2] = -roll[1];
    s.RollCamber[3] = roll[1];

    // Caster tilts the outer wheel of a turn inwards at the top and the inner one outwards.
    s.CasterCamber[0] = static_cast<float>(-std::sin(static_cast<double>(s.WheelSteerAngle[0])) *
                                           s.LiveCaster[0]);
    s.CasterCamber[1] = static_cast<float>(std::sin(static_cast<double>(s.WheelSteerAngle[1])) *
                                           s.LiveCaster[0]);

    for (int a = 0; a < 2; ++a) {
        const float geometry = v.Axles[a].CamberOffset - v.Axles[a].Inclination;
        s.GeometryCamber[2 * a] = geometry;
        s.GeometryCamber[2 * a + 1] = geometry;
    }

    for (int i = 0; i < 4; ++i) {
        s.LiveCamber[i] = s.GeometryCamber[i] + s.RollCamber[i] + s.CasterCamber[i] +
                          s.InclinationCamber[i] + s.StaticCamber[i];
    }
}

}  // namespace analysis
