#pragma once
// Apparent geocentric ecliptic longitudes of the Sun and the Moon from the Swiss Ephemeris files,
// with ΔT from the library. Every function throws std::runtime_error when the ephemeris files
// cannot be used; the built-in analytic fallback is never accepted.
#include <string>

namespace almanac {

void OpenEphemeris(const std::string& folder);
void CloseEphemeris();

struct Longitude {
  double degrees = 0;  // 0..360
  double speed = 0;    // degrees per day
};

Longitude SunLongitude(double jdUt);
Longitude MoonLongitude(double jdUt);

// The moment near `guess` at which the Sun's longitude reaches `degrees`.
double SunReaches(double degrees, double guess);
// The conjunction of the Moon and the Sun in longitude nearest `guess`.
double NewMoonNear(double guess);

}  // namespace almanac
