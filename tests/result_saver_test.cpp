#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "graphics/picture.hpp"
#include "png_read.hpp"
#include "results/csv_rows.hpp"
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

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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

  // A folder that is gone: a reason naming it by its full path, and nothing
  // written.
  fs::remove_all(dir);
  const SaveOutcome failed = saver.save(picture, true);
  EXPECT_FALSE(failed.saved);
  EXPECT_EQ(failed.message, "enregistrement impossible : dossier " + dir.string() + " introuvable");
  EXPECT_FALSE(fs::exists(dir));
  const std::string relative = "msa-saver-gone-" + std::to_string(::getpid());
  EXPECT_EQ(ResultSaver(relative, log).save(picture, false).message,
            "enregistrement impossible : dossier " + (fs::current_path() / relative).string() + " introuvable");
}

// Saves once a run has been made: a foreign data file only sharing the name
// is left alone, and a run still going on keeps its own number.
TEST(ResultSaver, SavesTheRunSoFarBesideForeignFilesOrNothing) {
  const fs::path dir = fs::temp_directory_path() / ("msa-saver-run-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  SimulationLog log;
  const ResultSaver saver(dir.string(), log, [] { return at(2026, 1, 2, 3, 4, 6); });
  const Picture picture;
  StepPoint point{};
  log.runStarted(point);
  log.runEnded();
  log.runStarted(point);  // run 2, its rows not yet handed to the writer
  point.te = 0.5f;
  log.stepDone(point, point);
  std::ofstream(dir / "msa-20260102-030406.csv") << "foreign";

  EXPECT_EQ(saver.save(picture, false).message, "enregistré : msa-20260102-030406-2.png, msa-20260102-030406-2.csv");
  EXPECT_EQ(slurp(dir / "msa-20260102-030406.csv"), "foreign");
  EXPECT_EQ(slurp(dir / "msa-20260102-030406-2.csv"), std::string(kCsvHeader) + "2,0,0,0,0,0,0,0,0\n2,0.5,0,0,0,0,0,0,0\n");

  // A save that fails once its picture is written (a file-size limit here,
  // a full disk alike) leaves neither that picture nor a temporary file.
  for (int i = 0; i < 200; ++i) log.stepDone(point, point);
  const auto before = filesIn(dir);
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{2048, limit.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const SaveOutcome failed = saver.save(picture, false);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(failed.saved) << failed.message;
  EXPECT_EQ(filesIn(dir), before);
  fs::remove_all(dir);
}

}  // namespace
