#include "solar_terms.h"

#include <cmath>

#include "ephemeris.h"

namespace almanac {
namespace {

constexpr double kMeanSunSpeed = 360.0 / 365.2422;  // degrees per day

}  // namespace

std::vector<SolarTerm> SolarTermsBetween(double from, double to) {
  std::vector<SolarTerm> terms;
  double start = SunLongitude(from).degrees;
  int degrees = static_cast<int>(std::ceil(start / 15.0)) * 15 % 360;
  double guess = from + std::remainder(degrees - start, 360.0) / kMeanSunSpeed;
  while (true) {
    double moment = SunReaches(degrees, guess);
    if (moment > to) return terms;
    if (moment >= from) terms.push_back({degrees, moment});
    degrees = (degrees + 15) % 360;
    guess = moment + 15.0 / kMeanSunSpeed;
  }
}

}  // namespace almanac
