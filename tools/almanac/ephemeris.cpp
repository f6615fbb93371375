#include "ephemeris.h"

#include <swephexp.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <stdexcept>

namespace almanac {
namespace {

constexpr const char* kEphemerisFiles[] = {"sepl_18.se1", "semo_18.se1"};

Longitude Calculate(double jdUt, int body) {
  double xx[6] = {};
  char error[AS_MAXCH] = "";
  int32 used = swe_calc_ut(jdUt, body, SEFLG_SWIEPH | SEFLG_SPEED, xx, error);
  if (used < 0) throw std::runtime_error(std::string("Swiss Ephemeris: ") + error);
  if ((used & SEFLG_SWIEPH) == 0)
    throw std::runtime_error(std::string("Swiss Ephemeris files not used: ") + error);
  return {xx[0], xx[3]};
}

// An angle brought into -180..180.
double Signed(double degrees) { return std::remainder(degrees, 360.0); }

// Newton's method on an angle that grows with time; the moment to a few milliseconds.
double Solve(const std::function<Longitude(double)>& angle, double target, double guess) {
  double t = guess;
  for (int i = 0; i < 50; ++i) {
    Longitude a = angle(t);
    double step = Signed(target - a.degrees) / a.speed;
    t += step;
    if (std::fabs(step) < 1e-8) return t;
  }
  throw std::runtime_error("no convergence near Julian day " + std::to_string(guess));
}

}  // namespace

void OpenEphemeris(const std::string& folder) {
  for (const char* name : kEphemerisFiles)
    if (!std::filesystem::exists(std::filesystem::path(folder) / name))
      throw std::runtime_error("Swiss Ephemeris file missing: " + folder + "/" + name);
  swe_set_ephe_path(folder.c_str());
}

void CloseEphemeris() { swe_close(); }

Longitude SunLongitude(double jdUt) { return Calculate(jdUt, SE_SUN); }
Longitude MoonLongitude(double jdUt) { return Calculate(jdUt, SE_MOON); }

double SunReaches(double degrees, double guess) {
  return Solve(SunLongitude, degrees, guess);
}

double NewMoonNear(double guess) {
  auto elongation = [](double t) {
    Longitude moon = MoonLongitude(t), sun = SunLongitude(t);
    return Longitude{moon.degrees - sun.degrees, moon.speed - sun.speed};
  };
  return Solve(elongation, 0.0, guess);
}

}  // namespace almanac
