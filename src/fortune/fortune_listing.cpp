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

}  // namespace

const std::string_view kFortuneListingHeader1 =
    "年 民 (大運)分     (流年) 天干 地支    (流月)  天干  地支    本列  \u3000加權   累計加權";
const std::string_view kFortuneListingHeader2 =
    "齡 國  干支  數\u3000  干支  分數 分數     干支\u3000分數  分數\u3000 加總 \u3000分數\u3000  總分數 ";

// Example, the 寅 month of age 26 in RocYear 83 under 甲, in a 甲戌 year, month 丙寅:
// " 26  83  (甲)  4.0   (甲戌)  4.0  -2.0    1(丙寅)    2.0      4.0       12.0       11.6          11.6"
std::string FortuneRecord(const FortuneMonth& m) {
  std::string line;
  line.reserve(128);
  line += Field(m.age, "#00", "@@@ ");
  line += Field(m.rocYear, "#00", "@@@  ");
  line += "(";
  line += FormatText(RulerText(m.ruler), "@");
  line += ") ";
  line += Field(m.luckScore, "#0.0", "@@@@   ");
  line += "(";
  line += FormatText(natal::StemText(m.year.stem), "@");
  line += FormatText(natal::BranchText(m.year.branch), "@");
  line += ") ";
  line += Field(m.yearStemScore, "##0.0", "@@@@ ");
  line += " ";
  line += Field(m.yearBranchScore, "##0.0", "@@@@ ");
  line += " ";
  line += Field(m.position, "#0", " @@");
  line += "(";
  line += FormatText(natal::StemText(m.month.stem), "@");
  line += FormatText(natal::BranchText(m.month.branch), "@");
  line += ")  ";
  line += Field(m.monthStemScore, "##0.0", "@@@@@   ");
  line += " ";
  line += Field(m.monthBranchScore, "##0.0", "@@@@@    ");
  line += Field(m.sum, "##0.0", "  @@@@@      ");
  line += Field(m.monthly, "##0.0", "@@@@@      ");
  line += Field(m.cumulative, "####00.0", "@@@@@@@@");
  return line;
}

std::string FortuneListingText(const std::vector<FortuneMonth>& months) {
  std::string text;
  text.reserve(160 * (months.size() + 2));
  text.append(kFortuneListingHeader1).append("\r\n");
  text.append(kFortuneListingHeader2).append("\r\n");
  for (const FortuneMonth& month : months) text.append(FortuneRecord(month)).append("\r\n");
  return text;
}

void WriteFortuneListing(const std::vector<FortuneMonth>& months) {
  WriteFileWhole(ProgramFile(kFortuneListingName), FortuneListingText(months));
}

std::vector<std::string> ReadFortuneListing() {
  std::ifstream in(ProgramFile(kFortuneListingName), std::ios::binary);
  if (!in) throw Failure("找不到檔案：" + std::string(kFortuneListingName));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (in.bad()) throw Failure("無法讀取檔案：" + std::string(kFortuneListingName));
  return lines;
}

}  // namespace qm::fortune
