#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/picture.hpp"
#include "graphics/window_geometry.hpp"

using namespace msa;

namespace {

std::string describe(PixelRect r) {
  return std::to_string(r.width) + "x" + std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
         std::to_string(r.y);
}

// How many screen rows show each picture row when the rectangle's height is
// sampled nearest-neighbour (the pixel centre of each screen row picks the row).
std::vector<int> rowHeights(int height) {
  std::vector<int> rows(kPictureHeight, 0);
  for (long long j = 0; j < height; ++j) ++rows[static_cast<std::size_t>((2 * j + 1) * kPictureHeight / (2 * height))];
  return rows;
}

struct Case {
  const char* what;
  PixelSize drawable;
  PixelRect square;
  PixelRect fourByThree;
};

// Rectangles are {x, y, width, height}.
const Case kCases[] = {
    {"window at 1x", {640, 350}, {0, 0, 640, 350}, {86, 0, 467, 350}},
    {"window at 2x", {1280, 700}, {0, 0, 1280, 700}, {173, 0, 933, 700}},
    {"one pixel short of 2x", {1279, 700}, {319, 175, 640, 350}, {173, 0, 933, 700}},
    {"wide window", {1600, 700}, {160, 0, 1280, 700}, {333, 0, 933, 700}},
    {"tall window", {1280, 1000}, {0, 150, 1280, 700}, {0, 20, 1280, 960}},
    {"desktop 1600x900", {1600, 900}, {160, 100, 1280, 700}, {200, 0, 1200, 900}},
    {"window 800x600", {800, 600}, {80, 125, 640, 350}, {0, 0, 800, 600}},
    {"full screen 1920x1080", {1920, 1080}, {0, 15, 1920, 1050}, {260, 15, 1400, 1050}},
    {"full screen 2560x1440", {2560, 1440}, {0, 20, 2560, 1400}, {346, 20, 1867, 1400}},
    {"full screen 1366x768", {1366, 768}, {43, 34, 1280, 700}, {216, 34, 933, 700}},
    {"full screen 3840x2160", {3840, 2160}, {0, 30, 3840, 2100}, {520, 30, 2800, 2100}},
    {"4:3 screen 1024x768", {1024, 768}, {192, 209, 640, 350}, {45, 34, 933, 700}},
    // A HiDPI screen: the window is 1280x700 points, the drawable has 2 or
    // 1.5 pixels per point; the scale follows the drawable.
    {"HiDPI drawable 2x of a 2x window", {2560, 1400}, {0, 0, 2560, 1400}, {346, 0, 1867, 1400}},
    {"HiDPI drawable 1.5x of a 2x window", {1920, 1050}, {0, 0, 1920, 1050}, {260, 0, 1400, 1050}},
    // Smaller than the picture: scaled down, shape kept.
    {"half size", {320, 175}, {0, 0, 320, 175}, {43, 0, 233, 175}},
    {"narrow and small", {320, 400}, {0, 112, 320, 175}, {0, 80, 320, 240}},
    {"low and small", {600, 100}, {208, 0, 183, 100}, {233, 0, 133, 100}},
    {"just too narrow for 4:3 at 350 rows", {466, 350}, {0, 47, 466, 255}, {0, 0, 466, 350}},
    {"one pixel", {1, 1}, {0, 0, 1, 1}, {0, 0, 1, 1}},
    {"no area", {0, 700}, {}, {}},
    {"negative size", {-5, -5}, {}, {}},
};

TEST(WindowGeometry, PlacesThePictureInKnownAreas) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(pictureRect(c.drawable, AspectMode::SquarePixels), c.square)
        << describe(pictureRect(c.drawable, AspectMode::SquarePixels));
    EXPECT_EQ(pictureRect(c.drawable, AspectMode::FourByThree), c.fourByThree)
        << describe(pictureRect(c.drawable, AspectMode::FourByThree));
  }
}

// Checks that hold for every area size, swept over a grid of sizes.
class GeometrySweep : public ::testing::Test {
 protected:
  template <typename Check>
  void forEachArea(AspectMode mode, Check check) {
    for (int width = 1; width <= 2600; width += 13) {
      for (int height = 1; height <= 1500; height += 11) {
        const PixelRect r = pictureRect({width, height}, mode);
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + " -> " + describe(r));
        ASSERT_GE(r.width, 1);
        ASSERT_GE(r.height, 1);
        ASSERT_GE(r.x, 0);
        ASSERT_GE(r.y, 0);
        ASSERT_LE(r.x + r.width, width);
        ASSERT_LE(r.y + r.height, height);
        // Centred: the borders on either side differ by at most one pixel.
        ASSERT_LE(std::abs((width - r.x - r.width) - r.x), 1);
        ASSERT_LE(std::abs((height - r.y - r.height) - r.y), 1);
        check(PixelSize{width, height}, r);
      }
    }
  }
};

TEST_F(GeometrySweep, SquarePixelsUseTheLargestWholeFactorOrKeepTheShape) {
  forEachArea(AspectMode::SquarePixels, [](PixelSize area, PixelRect r) {
    if (area.width >= kPictureWidth && area.height >= kPictureHeight) {
      const int factor = r.width / kPictureWidth;
      ASSERT_EQ(r.width, kPictureWidth * factor);
      ASSERT_EQ(r.height, kPictureHeight * factor);
      ASSERT_TRUE(kPictureWidth * (factor + 1) > area.width || kPictureHeight * (factor + 1) > area.height)
          << "a larger factor would fit";
    } else {
      // The picture's shape to within one pixel, as large as the area allows.
      ASSERT_LE(std::abs(r.width * kPictureHeight - r.height * kPictureWidth), kPictureWidth);
      ASSERT_TRUE(r.width == area.width || r.height == area.height);
    }
  });
}

TEST_F(GeometrySweep, FourByThreeKeepsItsShapeAndRowsEvenlyTall) {
  forEachArea(AspectMode::FourByThree, [](PixelSize area, PixelRect r) {
    ASSERT_LE(std::abs(3 * r.width - 4 * r.height), 2) << "not 4:3";
    const std::vector<int> rows = rowHeights(r.height);
    const auto [low, high] = std::minmax_element(rows.begin(), rows.end());
    ASSERT_LE(*high - *low, 1) << "picture rows differ by more than one screen pixel";
    // Never much smaller than the largest 4:3 rectangle of the area...
    const long long largest = std::min(3LL * area.width / 4, static_cast<long long>(area.height));
    ASSERT_GE(8LL * r.height, 7 * largest - 8) << "needlessly small";
    // ...and rows equally tall whenever that costs no more than an eighth.
    for (int multiple = area.height / kPictureHeight * kPictureHeight; multiple >= kPictureHeight;
         multiple -= kPictureHeight) {
      if ((4 * multiple + 1) / 3 <= area.width && 8LL * multiple >= 7 * largest + 8) {
        ASSERT_EQ(*high, *low) << "rows of unequal height although " << multiple << " rows fit";
        ASSERT_GE(r.height, multiple);
        break;
      }
    }
  });
}

TEST(WindowGeometry, OpensAtTwiceTheSizeWhenTheDesktopHasRoom) {
  struct Desktop {
    PixelSize usable;
    int scale;
  };
  const Desktop desktops[] = {
      {{1600, 900}, 2},  {{1920, 1080}, 2}, {{3840, 2160}, 2}, {{1366, 768}, 2},
      {{1366, 738}, 1},  {{1280, 720}, 1},  {{1024, 768}, 1},  {{1279, 1024}, 1},
      {{800, 600}, 1},   {{0, 0}, 1},
  };
  for (const Desktop& d : desktops) {
    EXPECT_EQ(initialWindowScale(d.usable), d.scale) << d.usable.width << "x" << d.usable.height;
  }
}

}  // namespace
