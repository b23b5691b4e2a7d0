// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace aerolume {

inline constexpr double kFeetPerNauticalMile = 6076.11549;  // 1852 m

// The rates the window takes, each as an entry and the vertical speed and gradient as
// results too.
inline constexpr double kClimbMinVerticalSpeed = 1;  // ft/min
inline constexpr double kClimbMaxVerticalSpeed = 10000;
inline constexpr double kClimbMinPathAngle = 0.1;  // degrees
inline constexpr double kClimbMaxPathAngle = 30;
inline constexpr double kClimbMinGradient = 1;  // ft/NM
inline constexpr double kClimbMaxGradient = 3500;

// The one rate of climb or descent the pilot gives, as a positive magnitude.
enum class ClimbRate {
    VerticalSpeed,  // ft/min
    PathAngle,      // degrees above (climb) or below (descent) the horizon
    Gradient        // ft per NM over the ground
};

struct ClimbInput {
    double FromFeet;     // where the climb or descent starts, ft
    double ToFeet;       // where it ends, ft; equal to FromFeet gives zero time and distance
    double GroundSpeed;  // kt, > 0
    ClimbRate Given;     // which of the three `Rate` is
    double Rate;         // > 0, in the unit of `Given`
};

struct ClimbResult {
    double VerticalSpeed;  // ft/min, >= 0
    double PathAngle;      // degrees, >= 0
    double Gradient;       // ft/NM, >= 0
    double TimeHours;      // time to climb or descend from FromFeet to ToFeet
    double DistanceNm;     // ground distance covered meanwhile
    bool Descent;          // ToFeet below FromFeet
};

// Completes the three rates from the one given and the time and ground distance the
// altitude change takes:
//   gradient = vertical speed * 60 / ground speed (ft/NM),
//   angle = arctan(gradient / 6076.11549 ft per NM),
//   time = |to - from| / vertical speed, distance = |to - from| / gradient.
// Rates are magnitudes; whether it is a climb or a descent follows from the altitudes.
// A 3 degree path at 120 kt is 318 ft/NM and 637 ft/min.
ClimbResult ComputeClimb(const ClimbInput& input);

}  // namespace aerolume
