#include <gtest/gtest.h>

#include "support/headless_run.hpp"

using namespace msa;

namespace {

// Keys after the first menu: '|' stands for Enter.
std::string keys(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c == '|') c = '\n';
  return kToFirstMenu + out;
}

std::string statusValue(const HeadlessRun& run, int screen, const std::string& label) {
  return run.rowStartingWith(screen, label).substr(label.size());
}

TEST(ExcitationStudy, OperatingPointScreenWithTheDefaults) {
  const HeadlessRun run = runHeadless(kToFirstMenu);
  const int pause = run.find(" Angle alpha d'allumage =");
  ASSERT_GE(pause, 0);
  const auto& screen = run.screens[static_cast<std::size_t>(pause)];
  EXPECT_EQ(screen[0], " Calcul de l'excitation correspondant à un état de régime");
  EXPECT_EQ(screen[2], " angle de garde xhi (df  49.5 °)=");
  EXPECT_EQ(screen[3], " Tension dc (df  110 V)=");
  EXPECT_EQ(screen[4], " Courant dc (df  5 A)=");
  EXPECT_EQ(screen[5], " Vitesse mécanique (df  1146 r/min)=");
  EXPECT_EQ(screen[6], " Angle mu de commutation (df  6.1 °)=");
  EXPECT_EQ(screen[8], " Angle alpha d'allumage =  55.6 °");
  EXPECT_EQ(screen[10], "pressez <enter> pour continuer");
}

TEST(ExcitationStudy, ChapterOneAndResultsScreens) {
  const HeadlessRun run = runHeadless(kToFirstMenu);
  const int chapterOne = run.find(" Calcul selon le chapitre 1");
  ASSERT_GE(chapterOne, 0);
  EXPECT_EQ(run.rowStartingWith(chapterOne, " Produit mf * if").rfind("Wb"), run.rowStartingWith(chapterOne, " Produit mf * if").size() - 2);
  const int results = run.find(" Fin des itérations");
  ASSERT_GE(results, 0);
  EXPECT_NE(run.rowStartingWith(results, " Couple mécanique = "), "");
  EXPECT_EQ(run.rowStartingWith(results, " Coefficients x,y,z = ").find_first_not_of(' ', 22), 28u);
}

TEST(ExcitationStudy, IterationChoiceDecidesTheWaits) {
  // After the menu answer: five prompts, the pause, the chapter-1 pause, the choice.
  const HeadlessRun noWait = runHeadless(keys("e||||||||0.5|"));
  const HeadlessRun waits = runHeadless(keys("e||||||||1|" + std::string(20, '|')));
  const int menu = 21;
  EXPECT_EQ(noWait.screens.size() - menu, 1u + 5 + 1 + 1 + 1 + 1);  // then the results pause
  EXPECT_EQ(noWait.rowStartingWith(static_cast<int>(noWait.screens.size()) - 1, "pressez"), "pressez <enter> pour continuer");
  EXPECT_EQ(waits.screens.size() - menu, 1u + 5 + 1 + 1 + 1 + 20 + 1);
  // The twentieth wait comes before the results.
  const auto& lastWait = waits.screens[waits.screens.size() - 2];
  EXPECT_NE(std::find(lastWait.begin(), lastWait.end(), " Itération N° 20"), lastWait.end());
  EXPECT_EQ(std::find(lastWait.begin(), lastWait.end(), " Fin des itérations"), lastWait.end());
}

TEST(SupplyVoltageStudy, EnterEverywhereReproducesTheExcitationSteadyState) {
  const HeadlessRun first = runHeadless(kToFirstMenu);
  const int results = first.find(" Fin des itérations");
  ASSERT_GE(results, 0);
  for (const std::string choice : {"", "2"}) {
    const HeadlessRun run = runHeadless(keys("u||||" + choice + "|||||0|"));
    const int end = run.find(" Tension d'alimentation nécessaire udcini =", 22);
    ASSERT_GE(end, 0) << choice;
    EXPECT_EQ(run.rowStartingWith(end, " Tension d'alimentation nécessaire udcini ="),
              " Tension d'alimentation nécessaire udcini =  110 V")
        << choice;
    for (const std::string flux : {" Flux de l'amortisseur d'axe D =", " Flux de l'amortisseur d'axe Q =",
                                   " Flux du circuit d'induit ="}) {
      EXPECT_EQ(run.rowStartingWith(end, flux), first.rowStartingWith(results, flux)) << choice << flux;
    }
    const HeadlessRun menu = runHeadless(keys("u||||" + choice + "|||||0||"));
    EXPECT_EQ(statusValue(menu, static_cast<int>(menu.screens.size()) - 1, " courant = "), " 5 A") << choice;
  }
}

TEST(SupplyVoltageStudy, PromptsInOrderWithTheirConversions) {
  const HeadlessRun run = runHeadless(keys("u||||1|||||"));
  const int choice = run.find(" Calcul utilisant le chapitre 2", 22);
  ASSERT_GE(choice, 0);
  const auto& firstScreen = run.screens[static_cast<std::size_t>(choice - 1)];
  const std::vector<std::string> expected{
      " Calcul d'un état de régime",
      "",
      " Vitesse mécanique (df  1146 r/min)=",
      " Couple mécanique (df  2.033826 Nm)=",
  };
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(firstScreen[i], expected[i]);
  EXPECT_EQ(firstScreen[10], " Entrez 1 pour un calcul à angle d'attaque beta fixé");
  EXPECT_EQ(firstScreen[11], "        2 pour un calcul à angle de garde xhi fixé");
  EXPECT_EQ(firstScreen[12], " votre choix (df  1 )= 1");
  EXPECT_EQ(firstScreen[14].substr(0, 34), " angle d'attaque betaref (df  211.");
}

struct StopCase {
  const char* name;
  std::string keys;
  std::string message;
};

// Each of the four stops of the angle resolution, reached from the dialogue.
TEST(ModelStops, ReachedFromTheDialogueThenTheMenuShowsTheValuesReached) {
  const std::vector<StopCase> cases{
      {"zero overlap", "e|||||0||||", "arrêt sur impossibilité de calculer alpha en te =  0 s avec I =  5 A"},
      {"negative current", "e|||-5||||||", " impossibilité car mu < 0° en te = 0 s avec I = -5 A"},
      {"long overlap", "e||30|10||||||", " court-circuit car mu > 60° en te = 0 s avec I =  10 A"},
      {"late firing", "u||||1|400||||||", " commutation impossible car alpha > 180° en te =  0 s avec I =  5 A"},
  };
  for (const StopCase& c : cases) {
    const HeadlessRun run = runHeadless(keys(c.keys + "|"));
    const int stop = run.find(c.message);
    ASSERT_GE(stop, 0) << c.name;
    EXPECT_EQ(run.screens[static_cast<std::size_t>(stop)][3], c.message) << c.name;
    const int menu = stop + 1;
    ASSERT_LT(menu, static_cast<int>(run.screens.size())) << c.name;
    EXPECT_EQ(run.screens[static_cast<std::size_t>(menu)][7], "menu principal") << c.name;
  }
  // The values reached stay: the current typed, the overlap the resolution rejected.
  const HeadlessRun negative = runHeadless(keys("e|||-5|||||||"));
  EXPECT_EQ(statusValue(negative, static_cast<int>(negative.screens.size()) - 1, " courant = "), "-5 A");
  const HeadlessRun late = runHeadless(keys("u||||1|400|||||||"));
  EXPECT_EQ(statusValue(late, static_cast<int>(late.screens.size()) - 1, " beta    = "), " 400°");
}

TEST(ModelStops, ZeroOverlapReportsTheIndeterminateDirectionFirst) {
  const HeadlessRun run = runHeadless(keys("e|||||0||||"));
  const int stop = run.find("arrêt sur impossibilité de calculer alpha");
  ASSERT_GE(stop, 0);
  EXPECT_GE(run.find("argument indéterminé", stop), stop);
  EXPECT_NE(run.rowStartingWith(stop, " Coefficients x,y,z = ").find("nan"), std::string::npos);
}

TEST(ModelStops, AStopDuringTheExcitationLeavesTheXhiHeldModeAsNextDefault) {
  const HeadlessRun run = runHeadless(keys("e|||-5|||||||u||||"));
  EXPECT_GE(run.find(" votre choix (df  2 )="), 0);
}

TEST(ExtremeInputs, RunToPrintedInfinitiesOrAStopWithoutCrashing) {
  const std::vector<std::string> scripts{
      "e||||0|||||",         // speed 0: divisions by omega
      "e|inf|inf|inf|inf|inf||||",
      "e|1e39|-1e39|1e39|1e39|1e39||||",
      "u|0|0|0|7|0|0|0||0|",
      "u|1e30|1e30|1e30|0|1e30|1e30|1e30||0|",
      "e|&HFFFFFFFF|&B|-|.|1e-45||||",
  };
  for (const std::string& s : scripts) {
    const HeadlessRun run = runHeadless(keys(s + "|||F|"));
    EXPECT_TRUE(run.status == 0 || run.status == 3) << s;
    EXPECT_FALSE(run.screens.empty()) << s;
  }
  const HeadlessRun still = runHeadless(keys("e||||0|||||"));
  EXPECT_GE(still.find(" inf"), 0);
}

}  // namespace
