#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.hpp"

using namespace msa;

namespace {

struct Case {
  ProgramKind program;
  std::vector<std::string> args;
  std::string error;  // empty: accepted
  CommandLine expected;
};

CommandLine with(std::string CommandLine::*field, std::string value) {
  CommandLine c;
  c.*field = std::move(value);
  return c;
}

TEST(CommandLine, ReadsTheOptionsTheGnuWay) {
  const auto W = ProgramKind::Window;
  const auto H = ProgramKind::Headless;
  CommandLine all;
  all.record = "r.keys";
  all.play = "p.keys";
  all.saveDir = "out";
  all.csv = "d.csv";
  CommandLine help;
  help.help = true;
  CommandLine version;
  version.version = true;
  const Case cases[] = {
      {W, {}, "", {}},
      {W, {"--record", "r.keys", "--play=p.keys", "--save-dir", "out", "--csv=d.csv"}, "", all},
      {H, {"--pictures=pics"}, "", with(&CommandLine::pictures, "pics")},
      {H, {"--pic", "pics"}, "", with(&CommandLine::pictures, "pics")},  // a beginning of a name
      {H, {"--csv=a=b"}, "", with(&CommandLine::csv, "a=b")},
      {H, {"--csv", "--help"}, "", with(&CommandLine::csv, "--help")},  // a value, whatever it looks like
      {H, {"--csv=x", "--csv=y"}, "", with(&CommandLine::csv, "y")},   // the last one counts
      {W, {"--help"}, "", help},
      {H, {"--vers"}, "", version},
      {W, {"--lang", "en"}, "", with(&CommandLine::lang, "en")},
      {H, {"--lang=fr"}, "", with(&CommandLine::lang, "fr")},
      {H, {"--lang=EN"}, "option '--lang': unknown language 'EN' (fr or en) (see --help)", {}},
      {H, {"--"}, "", {}},
      {W, {"--pictures", "x"}, "unrecognized option '--pictures' (see --help)", {}},
      {H, {"--record", "x"}, "unrecognized option '--record' (see --help)", {}},
      {W, {"--p", "x"}, "", with(&CommandLine::play, "x")},
      {H, {"--csv"}, "option '--csv' requires an argument (see --help)", {}},
      {H, {"--csv="}, "option '--csv' requires a non-empty argument (see --help)", {}},
      {H, {"--help=yes"}, "option '--help' doesn't allow an argument (see --help)", {}},
      {H, {"-h"}, "", help},
      {W, {"-hx"}, "unexpected argument '-hx' (see --help)", {}},
      {H, {"keys.txt"}, "unexpected argument 'keys.txt' (see --help)", {}},
      {H, {"--", "keys.txt"}, "unexpected argument 'keys.txt' (see --help)", {}},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += a + " ";
    const ParsedCommandLine parsed = parseCommandLine(c.program, c.args, Language::English);
    EXPECT_EQ(parsed.error, c.error) << shown;
    if (!c.error.empty()) continue;
    const CommandLine& o = parsed.options;
    EXPECT_EQ(o.record, c.expected.record) << shown;
    EXPECT_EQ(o.play, c.expected.play) << shown;
    EXPECT_EQ(o.pictures, c.expected.pictures) << shown;
    EXPECT_EQ(o.saveDir, c.expected.saveDir) << shown;
    EXPECT_EQ(o.csv, c.expected.csv) << shown;
    EXPECT_EQ(o.lang, c.expected.lang) << shown;
    EXPECT_EQ(o.help, c.expected.help) << shown;
    EXPECT_EQ(o.version, c.expected.version) << shown;
  }
}

// The messages' language comes from the arguments before they are read
// whole: a --lang that names a language, wherever it stands.
TEST(CommandLine, ALanguageIsFoundAmongArgumentsWhateverElseIsWrong) {
  const auto H = ProgramKind::Headless;
  EXPECT_EQ(languageOfArguments(H, {"--bogus", "x", "--la", "en"}), Language::English);
  EXPECT_EQ(languageOfArguments(H, {"--lang=en", "--lang=de"}), Language::English);  // the last that names one
  EXPECT_EQ(languageOfArguments(H, {"--csv", "--lang=en"}), std::nullopt);  // the value of --csv
  EXPECT_EQ(languageOfArguments(H, {"--", "--lang=en"}), std::nullopt);
  EXPECT_EQ(languageOfArguments(H, {"--lang"}), std::nullopt);
  EXPECT_EQ(languageOfArguments(ProgramKind::Window, {"--p", "--lang=en"}), std::nullopt);  // --play's value
  EXPECT_EQ(parseCommandLine(H, {"--csv"}).error, "l'option « --csv » demande un argument (voir --help)");
}

}  // namespace
