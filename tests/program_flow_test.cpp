#include <gtest/gtest.h>

#include "support/headless_run.hpp"

using namespace msa;

namespace {

const std::vector<std::string> kMenuRows{
    "menu principal",
    "",
    "entrez <R> pour revenir aux valeurs par défaut",
    "       <D> pour modifier toutes les données",
    "       <E> pour calculer l'excitation pour un état de régime",
    "       <U> pour calculer la Udc en régime",
    "       <S> pour simuler un transitoire",
    "",
    "       <F> pour quitter le programme",
};

bool isMainMenu(const std::vector<std::string>& screen) {
  return std::equal(kMenuRows.begin(), kMenuRows.end(), screen.begin() + 7);
}

TEST(ProgramFlow, StartUpReachesTheMenuOnlyAfterTheExcitationStudy) {
  const HeadlessRun run = runHeadless(kToFirstMenu + "F\n");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.ending, "=== exit 0");
  ASSERT_EQ(run.screens.size(), 22u);
  // Title screen: rows 4 to 6 and the pause on row 9.
  const auto& title = run.screens[0];
  EXPECT_FALSE(title[1].empty());
  EXPECT_EQ(title[3], "Ce programme analyse une machine synchrone autopilotée");
  EXPECT_EQ(title[4], "en régime statique et dynamique");
  EXPECT_EQ(title[5], "à l'aide d'un modèle macroscopique à circuit glissant");
  EXPECT_EQ(title[8], "pressez <enter> pour continuer");
  // The data entry shows the defaults, one prompt a row from row 3.
  const auto& entry = run.screens[11];
  const std::vector<std::string> prompts{
      " inductance dc ldc (df  0.217 H)=",
      " résistance dc rdc (df  0.88 ohms)=",
      " nombre de paires de pôles (df  2 )=",
      " résistance d'une phase r (df  0.5 ohms)=",
      " inductance de commutation lc (df  6.11e-003 H)=",
      " mutuelle max entre 1 phase et 1 amortisseur M (df  1.09e-002 H)=",
      " inductance propre d'un amortisseur Lr (df  1.09e-002 H)=",
      " résistance des amortisseurs ramenée au stator (df  2.e-002 ohms)=",
      " coefficient de frottement visqueux romegam (df  1.8e-002 Nm/(rad/s))=",
      " inertie mécanique (df  9.36e-002 kgm²)=",
  };
  EXPECT_EQ(entry[0], " Paramètres du dispositif");
  for (std::size_t i = 0; i < prompts.size(); ++i) EXPECT_EQ(entry[2 + i], prompts[i]) << i;
  EXPECT_EQ(entry[14], "pressez <enter> pour continuer");
  for (int i = 0; i < 21; ++i) EXPECT_FALSE(isMainMenu(run.screens[static_cast<std::size_t>(i)])) << i;
  EXPECT_TRUE(isMainMenu(run.screens[21]));
}

TEST(ProgramFlow, FirstMenuShowsComputedStatusLines) {
  const HeadlessRun run = runHeadless(kToFirstMenu + "f\n");
  ASSERT_EQ(run.screens.size(), 22u);
  const auto& menu = run.last();
  EXPECT_EQ(menu[0].substr(0, 11), " beta    = ");
  EXPECT_NE(menu[0], " beta    =  0°");
  EXPECT_EQ(menu[1], " xhi     =  49.5°");
  EXPECT_EQ(menu[3], " vitesse =  1146 rpm");
  EXPECT_EQ(menu[4], " courant =  5 A");
  EXPECT_EQ(menu[5], " tension =  110 V");
  EXPECT_EQ(menu[16], "");  // the answer is read on row 17
}

// Which answers at the menu pick which screen: a whole-field, one-letter match.
TEST(ProgramFlow, MenuAnswersSelectOnlyExactLetters) {
  struct Case {
    std::string answer;
    bool selectsTitle;
  };
  const std::vector<Case> cases{
      {"R", true},   {"r", true},    {"   r", true}, {"\"r\"", true}, {"r,x", true},
      {"r ", false}, {"rr", false},  {"Re", false}, {"x", false},    {"", false},
  };
  for (const Case& c : cases) {
    const HeadlessRun run = runHeadless(kToFirstMenu + c.answer + "\n");
    ASSERT_FALSE(run.screens.empty());
    EXPECT_EQ(run.ending, "=== end of input");
    EXPECT_EQ(run.status, 3);
    const auto& next = run.last();
    if (c.selectsTitle) {
      EXPECT_EQ(next[3], "Ce programme analyse une machine synchrone autopilotée") << c.answer;
    } else {
      EXPECT_TRUE(isMainMenu(next)) << c.answer;
    }
  }
}

TEST(ProgramFlow, MenuRReloadsDefaultsAndRunsDataEntryAndExcitationAgain) {
  // Change ldc at the first data entry, then R: the prompt shows 0.217 again.
  const std::string script = "\n0.3\n" + enters(9 + 1 + 5 + 1 + 1 + 1 + 1) + "R\n" + "\n";
  const HeadlessRun run = runHeadless(script);
  EXPECT_EQ(run.last()[2], " inductance dc ldc (df  0.217 H)=");
}

TEST(ProgramFlow, MenuDGoesToTheDataEntryThenTheExcitationStudy) {
  const HeadlessRun run = runHeadless(kToFirstMenu + "d\n" + enters(12));
  EXPECT_EQ(run.last()[0], " Calcul de l'excitation correspondant à un état de régime");
}

TEST(ProgramFlow, EndOfScriptWhileWaitingEndsWithStatusThree) {
  const HeadlessRun run = runHeadless("");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.ending, "=== end of input");
  ASSERT_EQ(run.screens.size(), 1u);
}

}  // namespace
