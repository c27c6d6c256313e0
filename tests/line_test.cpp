#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "graphics/clip.hpp"
#include "graphics/line.hpp"
#include "diagram/line.hpp"
#include "diagram/world_window.hpp"
#include "dialogue/screen.hpp"
#include "numeric/extended.hpp"

using namespace msa;

namespace {

using PixelSet = std::set<std::pair<int, int>>;  // (column, row)

PixelSet lit(const Picture& picture) {
  PixelSet pixels;
  for (int r = 0; r < kPictureHeight; ++r)
    for (int c = 0; c < kPictureWidth; ++c)
      if (picture.at(c, r) != 0) pixels.insert({c, r});
  return pixels;
}

PixelSet drawn(PixelPoint a, PixelPoint b) {
  auto picture = std::make_unique<Picture>();
  drawLine(*picture, a, b, Colour::LightBlue);
  return lit(*picture);
}

// The pixels from (c0, r0) to (c1, r1) of a vertical or horizontal run.
PixelSet run(int c0, int r0, int c1, int r1) {
  PixelSet pixels;
  for (int c = c0; c <= c1; ++c)
    for (int r = r0; r <= r1; ++r) pixels.insert({c, r});
  return pixels;
}

TEST(LinePixels, BothEndsIncludedWorkedOutByHand) {
  const struct {
    PixelPoint a, b;
    PixelSet pixels;
  } cases[] = {
      {{0, 0}, {3, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},    // shallow: decisions -1, 1, -3, -1
      {{0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},    // steep: rows are the major axis
      {{10, 10}, {13, 7}, {{10, 10}, {11, 9}, {12, 8}, {13, 7}}},
      {{5, 5}, {3, 0}, {{5, 5}, {5, 4}, {4, 3}, {4, 2}, {3, 1}, {3, 0}}},
      // a decision of exactly 0 moves the minor coordinate towards the second end,
      // so a segment and its reverse take different pixels
      {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {{4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}},
      {{5, 7}, {5, 3}, run(5, 3, 5, 7)},
      {{6, 9}, {2, 9}, run(2, 9, 6, 9)},
      {{8, 8}, {8, 8}, {{8, 8}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(drawn(c.a, c.b), c.pixels) << double(c.a.column) << "," << double(c.a.row) << " to "
                                         << double(c.b.column) << "," << double(c.b.row);
}

TEST(LineClipping, MovesTheOutsideEndOntoEachEdge) {
  using E = PixelEnd;
  using Visible = std::optional<std::pair<E, E>>;  // first, second
  const struct {
    PixelPoint a, b;
    Visible visible;
  } cases[] = {
      {{10, 20}, {30, 40}, {{E{10, 20}, E{30, 40}}}},
      {{-10, 100}, {10, 120}, {{E{0, 110}, E{10, 120}}}},
      {{-4, 10}, {4, 13}, {{E{0, 11}, E{4, 13}}}},          // row 11.5 truncated
      {{630, 10}, {650, 30}, {{E{639, 19}, E{630, 10}}}},   // second end outside: exchanged
      {{100, -5}, {104, 11}, {{E{101, 0}, E{104, 11}}}},    // column 101.25
      {{200, 340}, {208, 360}, {{E{203, 349}, E{200, 340}}}},  // column 203.6
      {{50, -100}, {50, 500}, {{E{50, 349}, E{50, 0}}}},    // equal columns: column kept
      {{-10, -20}, {20, 10}, {{E{10, 0}, E{20, 10}}}},      // left, then top
      {{-3, 2}, {2, -2}, {{E{0, 0}, E{0, 0}}}},  // row -0.4 truncates toward zero, onto the corner
      {{-5, 10}, {-1, 300}, Visible{}},          // both beyond the same edge
      {{10, 350}, {600, 400}, Visible{}},
      {{-10, 5}, {5, -10}, Visible{}},           // passes outside the corner
  };
  for (const auto& c : cases) {
    const auto got = clipToPicture(c.a, c.b);
    ASSERT_EQ(got.has_value(), c.visible.has_value()) << double(c.a.column) << "," << double(c.a.row);
    if (!got) continue;
    EXPECT_EQ(got->first, c.visible->first) << double(c.a.column) << "," << double(c.a.row);
    EXPECT_EQ(got->second, c.visible->second) << double(c.a.column) << "," << double(c.a.row);
  }
}

TEST(LineFarEnds, CutTheEdgeWhereTheSameLineWithNearEndsDoes) {
  const struct {
    PixelPoint a, b, nearA, nearB;
  } cases[] = {
      {{100, 100}, {100 + 3e20, 100 + 1e20}, {100, 100}, {1000, 400}},
      {{-1e30, 100}, {1e30, 100}, {-5000, 100}, {5000, 100}},
      {{-1e15, -1e15}, {1e15, 1e15}, {-1000, -1000}, {1000, 1000}},
      {{320, 175}, {320, 1e40}, {320, 175}, {320, 5000}},
  };
  for (const auto& c : cases) EXPECT_EQ(drawn(c.a, c.b), drawn(c.nearA, c.nearB)) << double(c.nearB.column);
  // one column over on the way to a row 1e30 away: the crossing of row 0 lies
  // a vanishing fraction right of column 300
  EXPECT_EQ(drawn({300, 200}, {301, -1e30}), run(300, 0, 300, 200));
  EXPECT_EQ(drawn({301, -1e30}, {300, 200}), run(300, 0, 300, 200));
}

// (0, 0)-(640, 350) puts user unit x on column x and y on row 349 - y.
PixelSet drawnInUnits(float xa, float ya, float xb, float yb,
                      WorldWindow window = setWorldWindow(0, 0, 640, 350)) {
  auto screen = std::make_unique<Screen>();
  drawLine(*screen, window, xa, ya, xb, yb);
  return lit(screen->picture());
}

TEST(LineFarEnds, HugeFiniteUserValuesStillClip) {
  EXPECT_EQ(drawnInUnits(100, 49, 100, 3e38f), run(100, 0, 100, 300));
  EXPECT_EQ(drawnInUnits(-3e38f, 175, 3e38f, 175), run(0, 174, 639, 174));
  EXPECT_EQ(drawnInUnits(100, 49, 101, -3e38f), run(100, 300, 100, 349));
}

TEST(LineNonFinite, AnEndThatIsNotFiniteDrawsNothing) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float v : {std::numeric_limits<float>::quiet_NaN(), inf, -inf}) {
    EXPECT_TRUE(drawnInUnits(v, 10, 20, 30).empty() && drawnInUnits(10, v, 20, 30).empty() &&
                drawnInUnits(10, 10, v, 30).empty() && drawnInUnits(10, 10, 20, v).empty())
        << v;
  }
  EXPECT_FALSE(drawnInUnits(10, 10, 20, 30).empty());
  // a window of no width maps through a division by zero
  EXPECT_TRUE(drawnInUnits(4, 10, 6, 30, setWorldWindow(5, 0, 5, 350)).empty());
}

TEST(WorldWindow, ReversedCornersAreExchanged) {
  const WorldWindow straight = setWorldWindow(-0.05f, -0.1f, 3.2f, 1.4f);
  const WorldWindow reversed = setWorldWindow(3.2f, 1.4f, -0.05f, -0.1f);
  EXPECT_TRUE(reversed.on);
  EXPECT_EQ(reversed.x1, -0.05f);
  EXPECT_EQ(reversed.y1, -0.1f);
  EXPECT_EQ(reversed.w, 4.25f);
  EXPECT_EQ(reversed.h, 2.5f);
  EXPECT_EQ(straight.w, reversed.w);
  EXPECT_EQ(straight.h, reversed.h);
}

TEST(WorldWindow, MapsToTheNearestPixelHalvesAwayFromZero) {
  const struct {
    WorldWindow window;
    float x, y;
    Extended column, row;
  } cases[] = {
      // 1024 units wide and high: u = x * 0.625 and v = y * 0.341796875, both exact
      {setWorldWindow(0, 0, 1024, 1024), 4, 256, 3, 349 - 88},     // 2.5 and 87.5
      {setWorldWindow(0, 0, 1024, 1024), -4, -256, -3, 349 + 88},  // -2.5 and -87.5
      {setWorldWindow(0, 0, 1024, 1024), 1024, 1024, 640, -1},
      // the default diagram
      {setWorldWindow(-0.05f, -0.1f, 3.2f, 1.4f), -0.05f, -0.1f, 0, 349},
      {setWorldWindow(-0.05f, -0.1f, 3.2f, 1.4f), 0, 0, 10, 326},
      {setWorldWindow(-0.05f, -0.1f, 3.2f, 1.4f), 3.2f, 1, 640, 92},
      {setWorldWindow(-0.05f, -0.1f, 3.2f, 1.4f), 3.2f, 1.4f, 640, -1},
      // before any window is set, coordinates are pixels
      {WorldWindow{}, 12.4f, 7.5f, 12, 8},
  };
  for (const auto& c : cases) {
    const auto p = mapToPixel(c.window, c.x, c.y);
    ASSERT_TRUE(p) << c.x;
    EXPECT_EQ(p->column, c.column) << c.x;
    EXPECT_EQ(p->row, c.row) << c.y;
  }
}

}  // namespace
