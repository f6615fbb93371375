// What uiscript's dump prints for a window: its state, the display list in drawing order with
// continued texts merged, then the visible controls.
#include <gtest/gtest.h>

#include <sstream>

#include "ui/headless_platform.h"
#include "ui/program.h"
#include "window_dump.h"

namespace {

TEST(WindowDump, PrintsStateDrawingAndVisibleControls) {
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  ui::Window window(program, "Form9");
  ui::Control shown, hidden;
  shown.name = "Label1";
  shown.text = "標題";
  hidden.name = "cmd_prt";
  hidden.text = "列印";
  hidden.visible = false;
  window.Add(shown);
  window.Add(hidden);
  ui::Canvas& canvas = window.canvas;
  canvas.SetScale(0, -0.5, 87, 26);
  canvas.PrintAt(32, 22, "陽曆");
  canvas.Print("73/5/12");
  canvas.PrintAt(0.5, -0.25, "x");
  canvas.drawWidth = 2;
  canvas.drawStyle = 2;
  canvas.Line(1, 2, 3.5, 4, 0x00C00000);
  canvas.drawStyle = 0;
  canvas.Box(0, 0, 10, 10, 0x000000FF);
  canvas.Point(5, 6.25, 0x00FFFFFF);

  std::ostringstream out;
  uiscript::DumpWindow(program, window, out);
  EXPECT_EQ(out.str(),
            "WINDOW Form9 hidden\n"
            "TEXT 32 22 陽曆73/5/12\n"
            "TEXT 0.5 -0.25 x\n"
            "LINE 1 2 3.5 4 &H00C00000 2 2\n"
            "BOX 0 0 10 10 &H000000FF 2 0\n"
            "POINT 5 6.25 &H00FFFFFF\n"
            "CONTROL Label1 標題\n"
            "END\n");
  program.windows.Show(window);
  std::ostringstream again;
  uiscript::DumpWindow(program, window, again);
  EXPECT_EQ(again.str().substr(0, again.str().find('\n')), "WINDOW Form9 shown");
}

}  // namespace
