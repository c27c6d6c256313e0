#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "graphics/picture.hpp"
#include "png_read.hpp"
#include "results/result_saver.hpp"

using namespace msa;

namespace {

namespace fs = std::filesystem;

std::tm at(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

std::set<std::string> filesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

TEST(ResultSaver, NamesSavesAfterTheClockAndNeverOverwritesOne) {
  const fs::path dir = fs::temp_directory_path() / ("msa-saver-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  SimulationLog log;  // no run yet: no data file
  const ResultSaver saver(dir.string(), log, [] { return at(2026, 1, 2, 3, 4, 5); });
  Picture picture;
  picture.fill(1);
  picture.set(0, 0, 12);
  picture.set(639, 349, 14);

  const SaveOutcome first = saver.save(picture, false);
  EXPECT_TRUE(first.saved);
  EXPECT_EQ(first.message, "enregistré : msa-20260102-030405.png");
  // The same second again, with the 4:3 view on; then a file that only
  // shares the name of a 4:3 picture is enough to move on.
  EXPECT_EQ(saver.save(picture, true).message, "enregistré : msa-20260102-030405-2.png, msa-20260102-030405-2-4x3.png");
  std::FILE* other = std::fopen((dir / "msa-20260102-030405-3-4x3.png").c_str(), "wb");
  ASSERT_NE(other, nullptr);
  std::fclose(other);
  EXPECT_EQ(saver.save(picture, false).message, "enregistré : msa-20260102-030405-4.png");
  EXPECT_EQ(filesIn(dir), (std::set<std::string>{"msa-20260102-030405.png", "msa-20260102-030405-2.png",
                                                 "msa-20260102-030405-2-4x3.png", "msa-20260102-030405-3-4x3.png",
                                                 "msa-20260102-030405-4.png"}));

  // The 4:3 view fills 640 x 480, each screen pixel the colour of the
  // picture pixel under its centre (a row is 1.37 screen rows tall).
  const DecodedPng view = readPng((dir / "msa-20260102-030405-2-4x3.png").string());
  ASSERT_EQ(view.width, 640);
  ASSERT_EQ(view.height, 480);
  EXPECT_EQ(view.colourType, PNG_COLOR_TYPE_RGB);
  const auto rgbAt = [&](int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * 640 + x) * 3;
    return std::to_string(view.pixels[i]) + "," + std::to_string(view.pixels[i + 1]) + "," +
           std::to_string(view.pixels[i + 2]);
  };
  EXPECT_EQ(rgbAt(0, 0), "255,85,85");
  EXPECT_EQ(rgbAt(1, 0), "0,0,170");
  EXPECT_EQ(rgbAt(0, 1), "0,0,170");
  EXPECT_EQ(rgbAt(639, 479), "255,255,85");
  EXPECT_EQ(rgbAt(639, 478), "0,0,170");

  // A folder that is gone: a reason, and nothing written.
  fs::remove_all(dir);
  const SaveOutcome failed = saver.save(picture, true);
  EXPECT_FALSE(failed.saved);
  EXPECT_EQ(failed.message, "enregistrement impossible : dossier " + dir.string() + " introuvable");
  EXPECT_FALSE(fs::exists(dir));
}

}  // namespace
