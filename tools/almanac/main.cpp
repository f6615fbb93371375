// almanac FOLDER: computes the calendar tables of RocYear 1 to 120 and writes them into FOLDER.
#include <exception>
#include <filesystem>
#include <iostream>

#include "almanac_tables.h"
#include "civil_time.h"
#include "ephemeris.h"
#include "lunar_months.h"
#include "solar_terms.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: almanac FOLDER\n";
    return 2;
  }
  try {
    almanac::OpenEphemeris(QM_EPHEMERIS_DIR);
    // From the winter solstice before 1911 to the one after 2032, so that every month of the
    // lunar years 1911 to 2032 is numbered.
    double from = almanac::JulianDayUt({1910, 11, 1});
    double to = almanac::JulianDayUt({2033, 2, 1});
    auto terms = almanac::SolarTermsBetween(from, to);
    auto months = almanac::NumberedLunarMonths(terms, from, to);
    std::filesystem::create_directories(argv[1]);
    almanac::WriteAlmanacTables(terms, months, argv[1]);
    almanac::CloseEphemeris();
  } catch (const std::exception& e) {
    std::cerr << "almanac: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
