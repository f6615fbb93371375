#pragma once
// The fortune listing fortune.PRN: two header lines, then one record of 96 characters per month
// of the window, written whole by every drawing of the curve and shown by the list window. Its
// widths count characters, a Chinese character as one.
#include <string>
#include <string_view>
#include <vector>

#include "fortune/fortune_score.h"

namespace qm::fortune {

inline constexpr std::string_view kFortuneListingName = "fortune.PRN";

// The two header lines, 58 and 51 characters.
extern const std::string_view kFortuneListingHeader1;
extern const std::string_view kFortuneListingHeader2;

// One month as its record: age, RocYear, luck ruler and score, year pillar and scores, month
// position, month pillar and scores, plain sum, monthly score and cumulative score.
std::string FortuneRecord(const FortuneMonth& month);

// The whole listing, each line ended by CR LF.
std::string FortuneListingText(const std::vector<FortuneMonth>& months);

// Writes the listing whole (temporary file, then renamed over the old one); throws qm::Failure
// when it cannot.
void WriteFortuneListing(const std::vector<FortuneMonth>& months);

// The lines of the listing as they stand, without their line ends; throws qm::Failure when the
// file is missing. An empty file has no lines.
std::vector<std::string> ReadFortuneListing();

}  // namespace qm::fortune
