// The month commander (司令): the stem element that rules the birth month at the birth's day
// count since the 節 that opened the month.
#include <array>
#include <string_view>

#include "natal/chart_steps.h"

namespace qm::natal {
namespace {

// Whole days since the 節 up to firstUpTo: the first text; from lastFrom on: the last text;
// between them: the middle text (months of two periods have none between).
struct CommanderPeriods {
  int firstUpTo;
  int lastFrom;
  std::string_view first, middle, last;
};

// Indexed by the 節 that opened the month, 1 小寒 .. 12 大雪.
constexpr std::array<CommanderPeriods, 13> kMonthCommanders = {{
    {},
    {9, 13, "(癸水司令)", "(庚辛金司令)", "(己土司令)"},   // 小寒 丑
    {7, 15, "(戊土司令)", "(丙火司令)", "(甲木司令)"},     // 立春 寅
    {10, 11, "(甲木司令)", "", "(乙木司令)"},              // 驚蟄 卯
    {9, 13, "(乙木司令)", "(壬癸水司令)", "(戊土司令)"},   // 清明 辰
    {7, 15, "(戊土司令)", "(庚金司令)", "(丙火司令)"},     // 立夏 巳
    {10, 20, "(丙火司令)", "(己土司令)", "(丁火司令)"},    // 芒種 午
    {9, 13, "(丁火司令)", "(甲乙木司令)", "(甲木司令)"},   // 小暑 未
    {7, 15, "(戊土司令)", "(壬水司令)", "(庚金司令)"},     // 立秋 申
    {10, 11, "(庚金司令)", "", "(辛金司令)"},              // 白露 酉
    {9, 13, "(辛金司令)", "(丙丁火司令)", "(戊土司令)"},   // 寒露 戌
    {7, 15, "(戊土司令)", "(甲木司令)", "(壬水司令)"},     // 立冬 亥
    {10, 11, "(壬水司令)", "", "(癸水司令)"},              // 大雪 子
}};

}  // namespace

// The ruler of the month by the whole days since its 節: 立春 + 8 days is 丙火, "(丙火司令)".
std::string_view MonthCommander(const LuckStart& luck) {
  const CommanderPeriods& periods = kMonthCommanders[luck.previousJie.month];
  long days = luck.minutesSincePreviousJie / 1440;
  if (days <= periods.firstUpTo) return periods.first;
  if (days >= periods.lastFrom) return periods.last;
  return periods.middle;
}

// The birth line ends with the month commander, right after its text.
void PrintMonthCommander(Chart& chart) { chart.canvas.Print(MonthCommander(chart.luckStart)); }

}  // namespace qm::natal
