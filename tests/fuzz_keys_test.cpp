// The program fuzzer's key encoding and its seeds: the Python converter, the
// decoder and the key-script printer must agree, or seeds would test other
// keys than written and printed crash inputs would not replay.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../fuzz/fuzz_keys.hpp"
#include "frontends/headless/headless_host.hpp"
#include "support/headless_run.hpp"

using namespace msa;

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Key> decodeBytes(const std::string& bytes) {
  return fuzzkeys::decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::vector<Key> parsed(const std::string& script) {
  const std::deque<Key> keys = parseKeyScript(script);
  return {keys.begin(), keys.end()};
}

// Runs tools/keys_to_fuzz.py on a key script.
std::string convertWithTool(const std::string& script) {
  const fs::path dir = fs::temp_directory_path();
  const fs::path in = dir / ("msa-fuzz-keys-" + std::to_string(::getpid()) + ".txt");
  const fs::path out = dir / ("msa-fuzz-keys-" + std::to_string(::getpid()) + ".bin");
  std::ofstream(in, std::ios::binary) << script;
  const std::string command = "python3 " MSA_SOURCE_DIR "/tools/keys_to_fuzz.py " + in.string() + " " + out.string();
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::string bytes = readBytes(out);
  fs::remove(in);
  fs::remove(out);
  return bytes;
}

fs::path programSeeds() { return fs::path(MSA_SOURCE_DIR) / "fuzz" / "corpus" / "program"; }

TEST(FuzzKeys, ConverterWritesWhatTheDecoderReadsAsTheSameKeys) {
  const std::string script =
      "12.5e-3\n&HFF,x\n\"r\" \n"
      "{BS}{DEL}{LEFT}{RIGHT}{UP}{DOWN}{HOME}{END}{TAB}{ESC}{ENTER}\t\r\n"
      "é à ê è ô û ° ² ░ █ ½ π ∞ \u00A0 Ç ü ☺ ▼ ⌂"  // code page 437 beyond ASCII
      "😀 €\n"                       // no code page 437 code: dropped
      "{{ {NOPE} { {BS";            // braces typed as they stand
  EXPECT_EQ(decodeBytes(convertWithTool(script)), parsed(script));
}

TEST(FuzzKeys, PrintedScriptsReplayTheDecodedKeys) {
  std::vector<std::string> inputs;
  for (int b = 0; b < 256; ++b) inputs.emplace_back(1, static_cast<char>(b));
  for (int c = 1; c < 256; ++c) inputs.push_back(std::string("\xFF") + static_cast<char>(c));
  inputs.push_back("{{{\xFF{x{BS}");
  for (const auto& seed : fs::directory_iterator(programSeeds())) inputs.push_back(readBytes(seed.path()));
  for (const std::string& input : inputs) {
    const std::vector<Key> keys = decodeBytes(input);
    EXPECT_EQ(parsed(fuzzkeys::toKeyScript(keys)), keys) << fuzzkeys::toKeyScript(keys);
  }
  // The one key left out: code 0, which the answer editor ignores anyway.
  EXPECT_EQ(fuzzkeys::toKeyScript(decodeBytes(std::string("\xFF\0", 2))), "");
}

// The seeds must keep reaching the screens they were written for, and end the
// program with F, or the fuzzer starts from nowhere.
TEST(FuzzSeeds, EachProgramSeedReachesItsScreenAndEndsTheProgram) {
  struct Case {
    const char* seed;
    const char* shows;
  };
  const std::vector<Case> cases{
      {"start_quit", "menu principal"},
      {"menu_e", " Fin des itérations"},
      {"menu_e_each_iteration", " Itération N° 20"},
      {"menu_u_beta", " Tension d'alimentation nécessaire udcini ="},
      {"menu_u_xhi", " angle de garde xhiref"},
      {"menu_s_defaults", "diagramme : 1 graduation horizontale = 0.5s"},
      {"menu_s_ramp_twice", " Simulation à angle de garde xhi constant"},
      {"menu_s_teinc0", " arrêt sur courant négatif en te =-5.e-002 s"},
      {"menu_s_one_step", "diagramme"},
      {"menu_s_dtgrad0", "diagramme : 1 graduation horizontale = 0s"},
      {"stop_mu0", "arrêt sur impossibilité de calculer alpha en te ="},
      {"stop_idc_negative", " impossibilité car mu < 0° en te ="},
      {"stop_betaref400", " commutation impossible car alpha > 180° en te ="},
      {"menu_r_d_edited", " inductance dc ldc (df  0.15 H)="},
      {"long_answers", "Ce programme analyse une machine synchrone autopilotée"},
  };
  for (const Case& c : cases) {
    const fs::path path = programSeeds() / (std::string(c.seed) + ".keys");
    ASSERT_TRUE(fs::exists(path)) << path;
    const HeadlessRun run = runHeadless(fuzzkeys::toKeyScript(decodeBytes(readBytes(path))));
    EXPECT_EQ(run.ending, "=== exit 0") << c.seed;
    EXPECT_NE(run.find(c.shows), -1) << c.seed << " never shows: " << c.shows;
  }
}

}  // namespace
