#include "diagram/transient_diagram.hpp"

#include <optional>

#include "diagram/line.hpp"
#include "diagram/tick_loop.hpp"
#include "numeric/extended.hpp"

namespace msa {

namespace {

void printHeader(Dialogue& d, const SimulationSettings& m) {
  d.print(Msg::DiagramTimeScale, {m.dtgrad}, Ending::NewLine);
  d.print(Msg::DiagramLevelScale, {m.dygrad}, Ending::NewLine);
}

void printLegend(Dialogue& d) {
  d.setColour(Colour::LightRed);
  d.print(Msg::LegendSpeed);
  d.setColour(Colour::LightMagenta);
  d.print(Msg::LegendMu);
  d.setColour(Colour::Yellow);
  d.print(Msg::LegendXhi);
  d.setColour(Colour::White);
  d.print(Msg::LegendCurrent);
}

// What the frame, the axes and the ticks are drawn with.
struct Pen {
  Picture& picture;
  Colour colour;
};

void drawLine(const Pen& pen, const WorldWindow& w, float xa, float ya, float xb, float yb) {
  msa::drawLine(pen.picture, w, xa, ya, xb, yb, pen.colour);
}

void drawFrameAndAxes(const Pen& s, const WorldWindow& w, const SimulationSettings& m) {
  drawLine(s, w, m.temin, m.ymin, m.temin, m.ymax);
  drawLine(s, w, m.temin, m.ymax, m.temax, m.ymax);
  drawLine(s, w, m.temax, m.ymax, m.temax, m.ymin);
  drawLine(s, w, m.temax, m.ymin, m.temin, m.ymin);
  drawLine(s, w, m.temin, 0, m.temax, 0);
  drawLine(s, w, 0, m.ymin, 0, m.ymax);
}

// A tick whose position lands on the same pixel as the one drawn before it
// would set the same pixels again; skipping it spares a graduation much finer
// than a pixel from drawing millions of them.
class SamePixelFilter {
 public:
  bool repeats(std::optional<PixelPoint> at, bool byColumn) {
    if (!at) return false;
    const Extended key = byColumn ? at->column : at->row;
    if (last_ && *last_ == key) return true;
    last_ = key;
    return false;
  }

 private:
  std::optional<Extended> last_;
};

// A graduation far finer than a pixel runs its loop millions of times; the
// window is let to show itself and answer now and then meanwhile.
class KeepWindowAlive {
 public:
  explicit KeepWindowAlive(Dialogue& d) : d_(d) {}
  void tick() {
    if (++count_ % kTicksBetweenShows == 0) d_.host().pictureChanged(d_.screen());
  }
  // Far more often than a display can follow, and still cheap.
  static constexpr unsigned long kTicksBetweenShows = 4096;

 private:
  Dialogue& d_;
  unsigned long count_ = 0;
};

// Ticks on the bottom and top edges, a third of a vertical graduation long.
void drawTimeTicks(const Pen& s, const WorldWindow& w, const SimulationSettings& m, KeepWindowAlive& alive) {
  SamePixelFilter filter;
  const auto tick = [&](float t) {
    alive.tick();
    if (filter.repeats(mapToPixel(w, t, m.ymin), true)) return;
    drawLine(s, w, t, m.ymin, t, float((Extended(m.dygrad) / 3.0f) + m.ymin));
    drawLine(s, w, t, m.ymax, t, float(Extended(m.ymax) - (Extended(m.dygrad) / 3.0f)));
  };
  forEachTick(m.temax, m.dtgrad, tick);
  forEachTick(m.temin, -m.dtgrad, tick);
}

// Ticks on the left and right edges, a third of a time graduation long.
void drawLevelTicks(const Pen& s, const WorldWindow& w, const SimulationSettings& m, KeepWindowAlive& alive) {
  SamePixelFilter filter;
  const auto tick = [&](float y) {
    alive.tick();
    if (filter.repeats(mapToPixel(w, m.temin, y), false)) return;
    drawLine(s, w, m.temin, y, float((Extended(m.dtgrad) / 3.0f) + m.temin), y);
    drawLine(s, w, m.temax, y, float(Extended(m.temax) - (Extended(m.dtgrad) / 3.0f)), y);
  };
  forEachTick(m.ymax, m.dygrad, tick);
  forEachTick(m.ymin, -m.dygrad, tick);
}

}  // namespace

WorldWindow drawDiagram(Dialogue& d, const SimulationSettings& m) {
  d.clearScreen();
  const WorldWindow window = setWorldWindow(m.temin, m.ymin, m.temax, m.ymax);
  printHeader(d, m);
  printLegend(d);
  const Pen s{d.screen().picture(), Colour::White};
  drawFrameAndAxes(s, window, m);
  KeepWindowAlive alive(d);
  drawTimeTicks(s, window, m, alive);
  drawLevelTicks(s, window, m, alive);
  return window;
}

}  // namespace msa
