// The primary hexagram (本卦) on the left and the hexagram it changes into (變卦) on the right:
// lines, palace, 世 and 應, 卦身, 納甲 with 納音, 六沖 and 六合, 反吟 and 伏吟.
#include <string>

#include "base/number_text.h"
#include "hexagram/hexagram_chart.h"
#include "hexagram/hexagram_tables.h"

namespace qm::hexagram {
namespace {

// Where one side of the chart prints its palace items.
struct PalaceLayout {
  double palaceX, markX, nameX, worldX;
};
constexpr PalaceLayout kPrimarySide{22, 33, 30, 19.5};
constexpr PalaceLayout kChangedSide{56, 67, 64, 64.8};
constexpr double kPalaceRow = 15, kNameRow = 14;

// A yang line is two strokes side by side, a yin line two full-width minus signs.
void PrintLine(ui::Canvas& canvas, int yang, double x, double secondX, double y) {
  if (yang) {
    canvas.PrintAt(x, y, "─");
    canvas.PrintAt(secondX, y, "─");
  } else {
    canvas.PrintAt(x, y, "－－");
  }
}

void PrintPalace(ui::Canvas& canvas, const Hexagram& h, const PalaceLayout& at) {
  canvas.PrintAt(at.palaceX, kPalaceRow, std::string(kTrigramNames[h.palace]) +
                                             ItemNumber(h.position) + "宮");
  if (h.position == 7) canvas.PrintAt(at.markX, kPalaceRow, "遊魂卦");
  if (h.position == 8) canvas.PrintAt(at.markX, kPalaceRow, "歸魂卦");
  canvas.PrintAt(at.nameX, kNameRow, kHexagramNames[h.palace][h.position - 1]);
  canvas.PrintAt(at.worldX, LineRow(h.world - 1), "世");
  canvas.PrintAt(at.worldX, LineRow(h.response - 1), "應");
}

void PrintClashOrHarmony(ui::Canvas& canvas, const Hexagram& h, double x) {
  if (IsSixClash(h.branches)) canvas.PrintAt(x, kPalaceRow, "六沖卦");
  if (IsSixHarmony(h.branches)) canvas.PrintAt(x, kPalaceRow, "六合卦");
}

}  // namespace

void PrintLines(ui::Canvas& canvas, const HexagramChart& chart) {
  for (int k = 0; k < 6; ++k) {
    const double y = LineRow(k);
    const int primary = chart.primary.flags[k], changed = chart.changed.flags[k];
    PrintLine(canvas, primary, 21.35, 22.88, y);
    if (primary != changed) {
      canvas.PrintAt(24.8, y, primary ? "O" : "X");
      canvas.PrintAt(39.5, y, std::string(15, '-') + ">");
    }
    PrintLine(canvas, changed, 61.25, 62.78, y);
  }
}

void PrintPrimaryPalace(ui::Canvas& canvas, const HexagramChart& chart) {
  PrintPalace(canvas, chart.primary, kPrimarySide);
}

void PrintHexagramBody(ui::Canvas& canvas, const HexagramChart& chart) {
  canvas.PrintAt(52, 11, "卦身:" + std::string(BranchName(HexagramBody(chart.primary))));
}

void PrintChangedPalace(ui::Canvas& canvas, const HexagramChart& chart) {
  PrintPalace(canvas, chart.changed, kChangedSide);
}

void PrintNajia(ui::Canvas& canvas, const HexagramChart& chart) {
  const Hexagram& p = chart.primary;
  for (int k = 0; k < 6; ++k)
    canvas.PrintAt(30, LineRow(k), std::string(StemName(p.stems[k])) +
                                       std::string(BranchName(p.branches[k])) + " " +
                                       std::string(NayinName(p.stems[k], p.branches[k])));
  const Hexagram& c = chart.changed;
  for (int k = 0; k < 6; ++k) {
    canvas.PrintAt(53.5, LineRow(k),
                   std::string(StemName(c.stems[k])) + std::string(BranchName(c.branches[k])));
    canvas.PrintAt(72.5, LineRow(k), NayinName(c.stems[k], c.branches[k]));
  }
}

void PrintClashAndHarmony(ui::Canvas& canvas, const HexagramChart& chart) {
  PrintClashOrHarmony(canvas, chart.primary, kPrimarySide.markX);
  PrintClashOrHarmony(canvas, chart.changed, kChangedSide.markX);
}

void PrintReversedAndHidden(ui::Canvas& canvas, const HexagramChart& chart) {
  struct Side {
    int first;
    double x;
    const char* reversed;
    const char* hidden;
  };
  for (const Side& side : {Side{0, 62, "內卦反吟", "內卦伏吟"}, Side{3, 72, "外卦反吟", "外卦伏吟"}}) {
    switch (TrigramEchoOf(chart.primary, chart.changed, chart.in.lines, side.first)) {
      case TrigramEcho::Reversed: canvas.PrintAt(side.x, 10, side.reversed); break;
      case TrigramEcho::Hidden: canvas.PrintAt(side.x, 11, side.hidden); break;
      case TrigramEcho::None: break;
    }
  }
}

}  // namespace qm::hexagram
