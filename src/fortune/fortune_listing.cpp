#include "fortune/fortune_listing.h"

#include <fstream>

#include "base/failure.h"
#include "base/number_text.h"
#include "base/program_folder.h"
#include "base/record_file.h"
#include "natal/chart_rules.h"

namespace qm::fortune {
namespace {

// A number first in its number format, then laid into its field.
std::string Field(double value, std::string_view format, std::string_view field) {
  return FormatText(FormatNumber(value, format), field);
}

// A pillar in brackets: "(甲戌)".
void AppendPillar(std::string& line, Pillar pillar) {
  line += "(";
  line += FormatText(StemText(pillar.stem), "@");
  line += FormatText(BranchText(pillar.branch), "@");
  line += ")";
}

// The fields of the age, the same in its twelve records: age, RocYear, luck ruler and score,
// year pillar and its two scores.
std::string AgeFields(const FortuneMonth& m) {
  std::string fields;
  fields.reserve(64);
  fields += Field(m.age, "#00", "@@@ ");
  fields += Field(m.rocYear, "#00", "@@@  ");
  fields += "(";
  fields += FormatText(RulerText(m.ruler), "@");
  fields += ") ";
  fields += Field(m.luckScore, "#0.0", "@@@@   ");
  AppendPillar(fields, m.year);
  fields += " ";
  fields += Field(m.yearStemScore, "##0.0", "@@@@ ");
  fields += " ";
  fields += Field(m.yearBranchScore, "##0.0", "@@@@ ");
  fields += " ";
  return fields;
}

bool SameAgeFields(const FortuneMonth& a, const FortuneMonth& b) {
  return a.age == b.age && a.rocYear == b.rocYear && a.ruler == b.ruler &&
         a.luckScore == b.luckScore && a.year == b.year && a.yearStemScore == b.yearStemScore &&
         a.yearBranchScore == b.yearBranchScore;
}

// The fields of the month: position, month pillar and its two scores, plain sum, monthly and
// cumulative score.
void AppendMonthFields(std::string& line, const FortuneMonth& m) {
  line += Field(m.position, "#0", " @@");
  AppendPillar(line, m.month);
  line += "  ";
  line += Field(m.monthStemScore, "##0.0", "@@@@@   ");
  line += " ";
  line += Field(m.monthBranchScore, "##0.0", "@@@@@    ");
  line += Field(m.sum, "##0.0", "  @@@@@      ");
  line += Field(m.monthly, "##0.0", "@@@@@      ");
  line += Field(m.cumulative, "####00.0", "@@@@@@@@");
}

}  // namespace

const std::string_view kFortuneListingHeader1 =
    "年 民 (大運)分     (流年) 天干 地支    (流月)  天干  地支    本列  \u3000加權   累計加權";
const std::string_view kFortuneListingHeader2 =
    "齡 國  干支  數\u3000  干支  分數 分數     干支\u3000分數  分數\u3000 加總 \u3000分數\u3000  總分數 ";

// Example, the 寅 month of age 26 in RocYear 83 under 甲, in a 甲戌 year, month 丙寅:
// " 26  83  (甲)  4.0   (甲戌)  4.0  -2.0    1(丙寅)    2.0      4.0       12.0       11.6          11.6"
std::string FortuneRecord(const FortuneMonth& month) {
  std::string line = AgeFields(month);
  AppendMonthFields(line, month);
  return line;
}

// The fields of an age are laid out once for its twelve records.
std::string FortuneListingText(const std::vector<FortuneMonth>& months) {
  std::string text;
  text.reserve(160 * (months.size() + 2));
  text.append(kFortuneListingHeader1).append("\r\n");
  text.append(kFortuneListingHeader2).append("\r\n");
  std::string ageFields;
  for (std::size_t i = 0; i < months.size(); ++i) {
    if (i == 0 || !SameAgeFields(months[i], months[i - 1])) ageFields = AgeFields(months[i]);
    text += ageFields;
    AppendMonthFields(text, months[i]);
    text += "\r\n";
  }
  return text;
}

void WriteFortuneListing(const std::vector<FortuneMonth>& months) {
  WriteFileWhole(ProgramFile(kFortuneListingName), FortuneListingText(months));
}

std::vector<std::string> ReadFortuneListing() {
  std::ifstream in(ProgramFile(kFortuneListingName), std::ios::binary);
  if (!in) throw Failure::Reading(kFortuneListingName, "找不到檔案");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (in.bad()) throw Failure::Reading(kFortuneListingName, "無法讀取檔案");
  return lines;
}

}  // namespace qm::fortune
