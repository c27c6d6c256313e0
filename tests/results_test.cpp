// msa-headless with the options and keys that take results out of the
// program: --csv, --save-dir and {SAVE}, {BREAK}, and their failures.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <regex>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/start_files.hpp"
#include "graphics/palette.hpp"
#include "support/headless_run.hpp"
#include "png_read.hpp"

using namespace msa;

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A fresh folder for one test, removed afterwards.
class ResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("msa-results-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }

  Outcome run(const std::string& options, const std::string& script) const {
    std::ofstream(dir_ / "keys", std::ios::binary) << script;
    const std::string command = std::string(MSA_HEADLESS) + " " + options + " < " + (dir_ / "keys").string() +
                                " > " + (dir_ / "out").string() + " 2> " + (dir_ / "err").string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir_ / "out"), slurp(dir_ / "err")};
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

std::vector<std::string> fields(const std::string& row) {
  std::vector<std::string> result;
  std::istringstream in(row);
  for (std::string field; std::getline(in, field, ',');) result.push_back(field);
  return result;
}

// Two short ramps, xhi then beta held fixed, both ended by the mu > 60° stop:
// the first at te = 0.134 s (steps of 1 ms from -0.01 s), the second at its
// first step.
const std::string kTwoRuns = "S\n2\n\n\n\n\n200\n-0.01\n0\n0.05\n0.2\n0.001\n0.05\n0.1\n\n"
                             "s\n1\n5\n\n\n\n\n\n\n\n\n0.4\n0.002\n\n\n\n";

TEST_F(ResultsTest, CommandLineMistakesEndBeforeAnythingIsShown) {
  Outcome o = run("--pictures " + path("missing"), "f\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "msa-headless: --pictures " + path("missing") + " : fichier ou dossier introuvable\n");

  o = run("--csv " + path("missing/data.csv"), "f\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find(path("missing/data.csv")), std::string::npos) << o.err;

  o = run("--save-dir=" + path("keys") + " --lang=en", "f\n");  // a file, not a folder
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "msa-headless: --save-dir " + path("keys") + ": not a folder\n");

  // The mistakes are told in the language of a --lang that names one, even
  // after the mistake, else of MSA_LANG, else in French.
  o = run("--bogus", "f\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "msa-headless: option non reconnue « --bogus » (voir --help)\n");
  EXPECT_EQ(run("--bogus --la en", "f\n").err, "msa-headless: unrecognized option '--bogus' (see --help)\n");
  o = run("--lang de", "f\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "msa-headless: option « --lang » : langue inconnue « de » (fr ou en) (voir --help)\n");
  ::setenv("MSA_LANG", "xx", 1);
  o = run("", "f\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "msa-headless: MSA_LANG : langue inconnue « xx » (fr ou en)\n");
  EXPECT_EQ(run("--lang=en --lang", "f\n").err, "msa-headless: option '--lang' requires an argument (see --help)\n");
  ::setenv("MSA_LANG", "en", 1);
  EXPECT_EQ(run("--csv", "f\n").err, "msa-headless: option '--csv' requires an argument (see --help)\n");
  EXPECT_NE(run("", "").out.find("press <enter> to continue"), std::string::npos);
  EXPECT_NE(run("--lang=fr", "").out.find("pressez <enter> pour continuer"), std::string::npos);
  ::unsetenv("MSA_LANG");

  o = run("--help", "");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out.rfind("usage : msa-headless", 0), 0u) << o.out;
  EXPECT_NE(o.out.find("{BREAK}"), std::string::npos);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(run("--help --lang en", "").out.rfind("usage: msa-headless", 0), 0u);

  // A picture that cannot be written ends the run at that answer line.
  fs::create_directories(dir_ / "read-2.pgm");
  o = run("--pictures " + dir_.string(), kToFirstMenu + "f\n");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out.find("=== read 3"), std::string::npos);
  EXPECT_NE(o.err.find("read-2.pgm"), std::string::npos) << o.err;
}

// The files of msa's options are all usable or none is made.
TEST_F(ResultsTest, StartFilesAreOpenedWholeOrNotAtAll) {
  std::ofstream(dir_ / "play.keys") << "f\n";
  CommandLine options;
  options.play = path("play.keys");
  options.record = path("record.keys");
  options.csv = path("missing/data.csv");
  StartFiles files;
  EXPECT_EQ(openStartFiles(options, files, Language::English),
            "--csv " + path("missing/data.csv") + ": No such file or directory");
  EXPECT_FALSE(fs::exists(dir_ / "record.keys"));
  EXPECT_FALSE(files.record);

  options.csv = path("record.keys");
  EXPECT_EQ(openStartFiles(options, files, Language::French),
            "--csv " + path("record.keys") + " : c'est aussi le fichier de --record");
  options.play = path("absent.keys");
  options.csv = path("data.csv");
  EXPECT_EQ(openStartFiles(options, files, Language::English),
            "--play " + path("absent.keys") + ": No such file or directory");
  EXPECT_FALSE(fs::exists(dir_ / "data.csv"));

  options.play = path("play.keys");
  StartFiles opened;
  EXPECT_EQ(openStartFiles(options, opened, Language::English), "");
  EXPECT_EQ(opened.playScript, "f\n");
  EXPECT_TRUE(opened.record && opened.csv);
}

TEST_F(ResultsTest, CsvHoldsEveryRunStartingStateAndSteps) {
  const Outcome o = run("--csv=" + path("data.csv"), kToFirstMenu + kTwoRuns + "f\n");
  ASSERT_EQ(o.status, 0) << o.err;
  const auto rows = lines(slurp(dir_ / "data.csv"));
  ASSERT_GT(rows.size(), 2u);
  EXPECT_EQ(rows[0], "run,te_s,speed_rpm,idc_a,mu_deg,xhi_deg,beta_deg,udc_v,cem_nm");
  int perRun[3] = {0, 0, 0};
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const auto f = fields(rows[i]);
    ASSERT_EQ(f.size(), 9u) << rows[i];
    ASSERT_TRUE(f[0] == "1" || f[0] == "2") << rows[i];
    ++perRun[std::stoi(f[0])];
  }
  // The starting state and one row per finished step: the step a stop
  // interrupts leaves none.
  EXPECT_EQ(perRun[1], 1 + 143);
  EXPECT_EQ(perRun[2], 1);
  // The first row is the state the menu shows (1146 r/min, 5 A, beta
  // 211.98°) at temin; the supply voltage then ramps to 200 V.
  EXPECT_EQ(rows[1], "1,-0.00999999978,1146,5,6.09953976,49.5,211.984146,110,4.19398499");
  EXPECT_EQ(rows[144], "1,0.133000091,1234.55811,48.0150909,59.3827133,49.5,268.308868,200,9.00787735");
  EXPECT_EQ(rows[145], "2,-0.00999999978,1235.03223,48.4261284,60.1022758,49.5,268.308929,200,9.06917381");
}

// The default transient's set-up answered with Enter: choice, xhimin, pause,
// three rates, Udcfin, four times, the step and two graduations.
const std::string kDefaultRunSetUp = "s\n" + enters(14);

TEST_F(ResultsTest, BreakStopsTheRunningSimulationAfterItsStep) {
  // The first {BREAK} is next in line when the run starts; the second comes
  // while the menu answer is read, and is ignored (no save either).
  fs::create_directories(dir_ / "saves");
  const Outcome o = run("--csv " + path("data.csv") + " --save-dir " + path("saves"),
                        kToFirstMenu + kDefaultRunSetUp + "{BREAK}\n{BREAK}f\n");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(fs::is_empty(dir_ / "saves"));
  const HeadlessRun screens = runHeadless(kToFirstMenu + kDefaultRunSetUp + "{BREAK}\n{BREAK}f\n");
  ASSERT_EQ(screens.screens.size(), 38u);
  // The report over the diagram, as the model's stops print it.
  const auto& report = screens.screens[36];
  EXPECT_EQ(report[0], "diagramme : 1 graduation horizontale = 0.5s");
  EXPECT_EQ(report[3], " arrêt demandé en te =-4.95e-002 s avec I =  5 A");
  EXPECT_EQ(screens.rowStartingWith(37, " xhi"), " xhi     =  49.50001°");
  // The run keeps its starting state and its one step.
  const auto rows = lines(slurp(dir_ / "data.csv"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2], "1,-0.0494999997,1146,5,6.09953642,49.5000076,211.984146,110,4.19398499");
}

// The files of the saves in a folder, in the order they were made: by time,
// then by the number a save of the same second gets.
std::vector<std::string> savedFiles(const fs::path& dir, const std::string& extension) {
  const std::regex name("msa-(\\d{8}-\\d{6})(-(\\d+))?\\" + extension);
  std::vector<std::pair<std::pair<std::string, int>, std::string>> found;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string file = entry.path().filename().string();
    std::smatch m;
    if (std::regex_match(file, m, name)) found.push_back({{m[1], m[3].matched ? std::stoi(m[3]) : 1}, file});
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> files;
  for (const auto& f : found) files.push_back(f.second);
  return files;
}

std::string pgmPixels(const fs::path& path) {
  const std::string pgm = slurp(path);
  return pgm.substr(pgm.size() - 640 * 350);
}

TEST_F(ResultsTest, SaveWritesThePictureAndTheLastRunWithoutTouchingTheDialogue) {
  fs::create_directories(dir_ / "saves");
  // At the first menu (no run yet), at the report of a run stopped at its
  // first step, and at the menu after it.
  const std::string keys = kToFirstMenu + "{SAVE}" + kDefaultRunSetUp + "{BREAK}{SAVE}\n{SAVE}f\n";
  const Outcome o = run("--pictures " + dir_.string() + " --save-dir " + path("saves") + " --csv " +
                            path("data.csv"), keys);
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.err, "");
  // Not a byte of the transcript changes.
  const Outcome plain = run("", kToFirstMenu + kDefaultRunSetUp + "{BREAK}\nf\n");
  EXPECT_EQ(o.out, plain.out);

  const auto pngs = savedFiles(dir_ / "saves", ".png");
  const auto csvs = savedFiles(dir_ / "saves", ".csv");
  ASSERT_EQ(pngs.size(), 3u);
  ASSERT_EQ(csvs.size(), 2u);
  const char* reads[] = {"read-22.pgm", "read-37.pgm", "read-38.pgm"};
  for (std::size_t i = 0; i < 3; ++i) {
    const DecodedPng png = readPng((dir_ / "saves" / pngs[i]).string());
    ASSERT_EQ(png.width, 640) << pngs[i];
    ASSERT_EQ(png.height, 350) << pngs[i];
    EXPECT_EQ(png.colourType, PNG_COLOR_TYPE_PALETTE);
    ASSERT_EQ(png.palette.size(), 16u);
    for (std::size_t c = 0; c < 16; ++c) {
      EXPECT_EQ((std::array<int, 3>{png.palette[c].red, png.palette[c].green, png.palette[c].blue}),
                (std::array<int, 3>{kPalette[c].r, kPalette[c].g, kPalette[c].b})) << "colour " << c;
    }
    EXPECT_TRUE(std::string(png.pixels.begin(), png.pixels.end()) == pgmPixels(dir_ / reads[i])) << pngs[i];
  }
  // Each data file is the run as --csv wrote it.
  for (const auto& csv : csvs) EXPECT_EQ(slurp(dir_ / "saves" / csv), slurp(dir_ / "data.csv")) << csv;
  for (const auto& entry : fs::directory_iterator(dir_ / "saves"))
    EXPECT_EQ(entry.path().filename().string().rfind(".msa-save", 0), std::string::npos) << "left behind";
}

// A run longer than the rows the log gathers at once: every step, in order,
// in the data file and in a save made after the run.
TEST_F(ResultsTest, ALongRunKeepsEveryRowInOrder) {
  fs::create_directories(dir_ / "saves");
  const std::string fineRun = "s\n1\n" + enters(9) + "0.02\n1e-6\n\n\n\n";
  const Outcome o = run("--save-dir " + path("saves") + " --csv " + path("data.csv"),
                        kToFirstMenu + fineRun + "{SAVE}f\n");
  ASSERT_EQ(o.status, 0) << o.err;
  const std::string data = slurp(dir_ / "data.csv");
  const auto rows = lines(data);
  ASSERT_GT(rows.size(), 70000u);
  double previous = -1;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const double te = std::stod(fields(rows[i])[1]);
    ASSERT_GT(te, previous) << i;
    previous = te;
  }
  const auto csvs = savedFiles(dir_ / "saves", ".csv");
  ASSERT_EQ(csvs.size(), 1u);
  EXPECT_TRUE(slurp(dir_ / "saves" / csvs[0]) == data);
}

}  // namespace
