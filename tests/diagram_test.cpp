#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <set>

#include "data/machine_data.hpp"
#include "diagram/tick_loop.hpp"
#include "diagram/transient_diagram.hpp"
#include "support/plot_step.hpp"
#include "diagram/world_window.hpp"
#include "dialogue/dialogue.hpp"
#include "numeric/extended.hpp"

using namespace msa;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();


class NoKeys : public Host {
 public:
  Key nextKey(const Screen&) override { return Key::special(Key::Kind::Enter); }
  void beep() override {}
};

std::set<int> span(int from, int to, std::set<int> more = {}) {
  for (int i = from; i <= to; ++i) more.insert(i);
  return more;
}

const std::set<int> kTimeTickColumns = {10, 108, 207, 305, 404, 502, 601};
const std::set<int> kLevelTickRows = {46, 92, 139, 186, 232, 279, 326};

class Diagram : public ::testing::Test {
 protected:
  void SetUp() override {
    loadDefaults(m);
    m.settings.dtgrad = 0.5f;
    m.settings.dygrad = 0.2f;
  }
  // Columns (of a row) or rows (of a column) whose pixel passes the test.
  std::set<int> where(int count, const std::function<bool(int)>& passes) const {
    std::set<int> found;
    for (int i = 0; i < count; ++i)
      if (passes(i)) found.insert(i);
    return found;
  }
  std::set<int> litColumns(int r) const {
    return where(kPictureWidth, [&](int c) { return pixel(c, r) != 0; });
  }
  std::set<int> litRows(int c) const {
    return where(kPictureHeight, [&](int r) { return pixel(c, r) != 0; });
  }
  std::set<int> rowsOfColour(std::uint8_t colour) const {
    return where(kPictureHeight, [&](int r) {
      return !where(kPictureWidth, [&](int c) { return pixel(c, r) == colour; }).empty();
    });
  }
  bool cellShows(int row, int column, std::uint8_t colour) const {
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 8; ++x)
        if (pixel((column - 1) * 8 + x, (row - 1) * 14 + y) == colour) return true;
    return false;
  }
  std::uint8_t pixel(int c, int r) const { return screen.picture().at(c, r); }
  WorldWindow defaultWindow() const { return setWorldWindow(m.settings.temin, m.settings.ymin, m.settings.temax, m.settings.ymax); }
  CurveValues defaultsAt(float te) const { return {te, m.state.omegam, m.state.angles.mu, m.state.angles.xhi, m.state.currents.Idc}; }

  Screen screen;
  NoKeys host;
  Dialogue d{screen, host};
  MachineData m;
};

TEST_F(Diagram, ClearsAndPrintsHeaderAndLegend) {
  screen.picture().set(300, 200, 7);
  screen.moveCursor(20, 5);
  d.printText("reste");
  drawDiagram(d, m.settings);
  EXPECT_EQ(pixel(300, 200), 0);
  EXPECT_EQ(screen.rowText(20), "");
  EXPECT_EQ(screen.rowText(1), "diagramme : 1 graduation horizontale = 0.5s");
  EXPECT_EQ(screen.rowText(2), "            1 graduation verticale = 0.2p.u. ou 10°");
  EXPECT_EQ(screen.rowText(3), " omegam mu  xhi  courant");
  EXPECT_EQ(screen.row(), 3);  // the final answer is echoed after the legend
  EXPECT_EQ(screen.column(), 26);
  EXPECT_EQ(screen.colour(), Colour::White);
  EXPECT_TRUE(cellShows(3, 3, 12));   // o of omegam
  EXPECT_TRUE(cellShows(3, 9, 13));   // m of mu
  EXPECT_TRUE(cellShows(3, 13, 14));  // x of xhi
  EXPECT_TRUE(cellShows(3, 18, 15));  // c of courant
  EXPECT_FALSE(cellShows(3, 18, 14));

  m.settings.dtgrad = -0.5f;
  m.settings.dygrad = -0.2f;
  drawDiagram(d, m.settings);
  EXPECT_EQ(screen.rowText(1), "diagramme : 1 graduation horizontale =-0.5s");
  EXPECT_EQ(screen.rowText(2), "            1 graduation verticale =-0.2p.u. ou 10°");
}

TEST_F(Diagram, DefaultFrameAxesAndTicks) {
  drawDiagram(d, m.settings);
  EXPECT_EQ(litRows(0), span(0, 349));       // left frame, across the header
  EXPECT_EQ(litRows(10), span(0, 349));      // vertical axis
  EXPECT_EQ(litColumns(349), span(0, 639));  // bottom frame
  EXPECT_EQ(litColumns(326), span(0, 639));  // time axis
  // no right frame (column 640): only level ticks, time axis and bottom frame
  EXPECT_EQ(litRows(639), span(349, 349, kLevelTickRows));
  // time ticks from the bottom up to row 333, and from row 0 down to row 15
  EXPECT_EQ(litColumns(340), span(0, 0, kTimeTickColumns));
  EXPECT_EQ(litColumns(333), span(0, 0, kTimeTickColumns));
  EXPECT_EQ(litColumns(332), (std::set<int>{0, 10}));
  for (int c : {502, 601})  // clear of the header text; no top frame on row -1
    EXPECT_EQ(litRows(c), span(0, 15, span(333, 349, {326}))) << c;
  // level ticks up to 1.2, from column 0 to 33 and from 639 to 607
  for (int r : {46, 92, 139, 186, 232, 279}) EXPECT_EQ(litColumns(r), span(0, 33, span(607, 639)));
  EXPECT_EQ(litColumns(45), (std::set<int>{0, 10}));
}

TEST_F(Diagram, TicksRunBothWaysFromZero) {
  m.settings.temin = -1.05f;  // t = -1, -0.5, 0 on columns 8, 83, 158
  m.settings.ymin = -0.5f;    // y = -0.4, -0.2, 0 on rows 331, 294, 257
  drawDiagram(d, m.settings);
  const std::set<int> bottom = litColumns(340);
  EXPECT_EQ(std::set<int>(bottom.begin(), bottom.upper_bound(158)), (std::set<int>{0, 8, 83, 158}));
  const std::set<int> right = litRows(639);
  EXPECT_EQ(std::set<int>(right.lower_bound(257), right.end()), (std::set<int>{257, 294, 331, 349}));
}

TEST_F(Diagram, SettingsThatDrawNoTicks) {
  const struct {
    float temin, temax, dtgrad, dygrad;
  } cases[] = {
      {-0.05f, 3.2f, -0.5f, 0.2f},  // 0 > temax and 0 < temin are needed; level ticks point out
      {-0.05f, 3.2f, 0.5f, -0.2f},  // and the same the other way round
      {3.2f, -0.05f, 0.5f, 0.2f},   // exchanged by the window: frame at temax on column 0
      {-0.05f, 3.2f, 0, 0},         // one tick at 0 per loop, of no length; the loops end
  };
  for (const auto& c : cases) {
    m.settings.temin = c.temin, m.settings.temax = c.temax, m.settings.dtgrad = c.dtgrad, m.settings.dygrad = c.dygrad;
    drawDiagram(d, m.settings);
    EXPECT_EQ(litColumns(340), (std::set<int>{0, 10})) << c.temin << " " << c.dtgrad;
    EXPECT_EQ(litColumns(200), (std::set<int>{0, 10})) << c.temin << " " << c.dtgrad;
    EXPECT_EQ(litRows(639), (std::set<int>{326, 349})) << c.temin << " " << c.dygrad;
  }
}

TEST_F(Diagram, PlotStepPutsEachCurveOnItsScale) {
  plotStep(d, defaultWindow(), defaultsAt(1.0f), defaultsAt(1.0005f));
  EXPECT_EQ(rowsOfColour(12), (std::set<int>{147}));  // 1146 r/min
  EXPECT_EQ(rowsOfColour(13), (std::set<int>{297}));  // mu 6.1°
  EXPECT_EQ(rowsOfColour(14), (std::set<int>{95}));   // xhi 49.5°
  EXPECT_EQ(rowsOfColour(15), (std::set<int>{223}));  // 5 A
  EXPECT_EQ(screen.colour(), Colour::White);

  const float angle = float((Extended(50) / 180) * pi);
  const struct {
    float CurveValues::*field;
    float onePerUnit;
    std::uint8_t colour;
  } curves[] = {{&CurveValues::omegam, float(Extended(50) * pi), 12},  // 1500 r/min
                {&CurveValues::mu, angle, 13},
                {&CurveValues::xhi, angle, 14},
                {&CurveValues::Idc, 11.31371f, 15}};
  for (const auto& curve : curves) {
    CurveValues start = defaultsAt(1.0f);
    start.*curve.field = curve.onePerUnit;
    CurveValues end = start;
    end.te = 1.0005f;
    d.clearScreen();
    plotStep(d, defaultWindow(), start, end);
    EXPECT_EQ(rowsOfColour(curve.colour), (std::set<int>{92})) << int(curve.colour);  // y = 1
  }
  // An overlap whose per-unit value lies so near a pixel's edge that the
  // angle scale must be the double 3.6 (the float 3.6 puts it a row lower).
  CurveValues start = defaultsAt(1.0f);
  start.mu = 0x1.18d932p-5f;
  CurveValues end = start;
  end.te = 1.0005f;
  d.clearScreen();
  plotStep(d, defaultWindow(), start, end);
  EXPECT_EQ(rowsOfColour(13), (std::set<int>{316}));
}

TEST_F(Diagram, ValueThatIsNotFiniteDropsOnlyItsCurve) {
  const struct {
    float CurveValues::*field;
    std::uint8_t colour;
  } curves[] = {{&CurveValues::omegam, 12}, {&CurveValues::mu, 13}, {&CurveValues::xhi, 14},
                {&CurveValues::Idc, 15}, {&CurveValues::te, 0}};  // no time: no curve at all
  for (const auto& curve : curves) {
    for (float bad : {kNaN, -kInf}) {
      for (bool atStart : {true, false}) {
        d.clearScreen();
        CurveValues start = defaultsAt(1.0f);
        CurveValues end = defaultsAt(1.0005f);
        // (a reference, not (c ? start : end).*field: g++ 12 assigns to a copy there)
        CurveValues& spoilt = atStart ? start : end;
        spoilt.*curve.field = bad;
        plotStep(d, defaultWindow(), start, end);
        for (std::uint8_t colour : {12, 13, 14, 15})
          EXPECT_EQ(rowsOfColour(colour).empty(), curve.colour == colour || curve.colour == 0)
              << int(curve.colour) << " " << bad << " " << atStart << " colour " << int(colour);
        EXPECT_EQ(screen.colour(), Colour::White);
      }
    }
  }
}

TEST(TickLoop, RunsFromZeroTowardsTheLimit) {
  const struct {
    float limit, step;
    int count;
  } cases[] = {
      {3.2f, 0.5f, 7},  {1.4f, 0.2f, 7},   // 7 x 0.2 gives 1.4000001 > 1.4
      {-1.0f, -0.5f, 3}, {0.0f, 0.5f, 1},  // the limit itself is reached
      {3.2f, -0.5f, 0}, {-0.5f, 0.5f, 0},  // a step away from the limit
      {kNaN, 0.5f, 0},  {1.0f, kNaN, 0},
      {1.0f, 0.0f, 1},  {kInf, 0.0f, 1},   // a step of zero: once
  };
  for (const auto& c : cases) {
    int count = 0;
    forEachTick(c.limit, c.step, [&](float) { ++count; });
    EXPECT_EQ(count, c.count) << c.limit << " by " << c.step;
  }
}

TEST(TickLoop, StepLostInTheRoundingEndsWhereThePositionStalls) {
  // from 0 the position grows until adding the step no longer changes it,
  // some 2^24 steps on and far short of the limit
  for (float step : {1e-10f, -1e-10f}) {
    float previous = 0, last = 0;
    forEachTick(step > 0 ? 1.0f : -1.0f, step, [&](float position) {
      previous = last;
      last = position;
    });
    EXPECT_NE(last, 0.0f) << step;
    EXPECT_EQ(float(Extended(last) + step), last) << step;
    EXPECT_NE(previous, last) << step;  // the stalled position comes once
  }
}

}  // namespace
