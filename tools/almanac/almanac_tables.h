#pragma once
// Writes the eight calendar tables of RocYear 1 to 120 (1912 to 2031) into a folder: one record
// per line, numbers in the record form (" 2"), CR LF line ends.
#include <filesystem>
#include <vector>

#include "lunar_months.h"
#include "solar_terms.h"

namespace almanac {

inline constexpr int kFirstYear = 1912;  // RocYear 1
inline constexpr int kYears = 120;

// `terms` cover 1912 to 2031; `months` run from before the New Year of 1912 past that of 2032.
void WriteAlmanacTables(const std::vector<SolarTerm>& terms,
                        const std::vector<LunarMonth>& months,
                        const std::filesystem::path& folder);

}  // namespace almanac
