#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace msa {

// The languages the dialogue speaks. French is the one every screen is
// first written in, and the one used when none is chosen.
enum class Language { French, English };

// The language of a code, "fr" or "en"; nothing for any other code.
std::optional<Language> languageFromCode(std::string_view code);
std::string_view languageCode(Language language);

// Every text a screen or the window shows, by what it says. A text is a
// pattern in UTF-8 (code page 437 characters only) where {0}, {1}... stand
// for the numbers or names a screen puts into it, so that each language
// orders its words its own way. The texts live in messages_fr.cpp and
// messages_en.cpp, one table per language.
enum class Msg {
  // the dialogue
  Pause,
  // title and data entry
  Title,
  TitleAbout1,
  TitleAbout2,
  TitleAbout3,
  DataTitle,
  PromptLdc,
  PromptRdc,
  PromptPolePairs,
  PromptPhaseResistance,
  PromptLc,
  PromptMutual,
  PromptLr,
  PromptDamperResistance,
  PromptFriction,
  PromptInertia,
  // the main menu
  StatusBeta,
  StatusXhi,
  StatusMu,
  StatusSpeed,
  StatusCurrent,
  StatusVoltage,
  MenuTitle,
  MenuR,
  MenuD,
  MenuE,
  MenuU,
  MenuS,
  MenuF,
  // what the steady-state studies share
  PromptSpeed,
  CemLine,
  FrictionLine,
  ControlChoice1,
  ControlChoice2,
  PromptControlChoice,
  IndeterminateArgument,
  IterationChoiceTitle,
  IterationChoiceAll,
  IterationChoiceEach,
  PromptIterationChoice,
  IterationNumber,
  RauLine,
  MuLine,
  NuLine,
  Coefficients,
  CoeffraddLine,
  PsidcLine,
  PsiqcLine,
  FluxNormLine,
  NewDeltaLine,
  RaddLine,
  IterationsEnd,
  PsidLine,
  PsiqLine,
  PsiLine,
  // menu E
  ExcitationTitle,
  PromptXhi,
  PromptUdc,
  PromptIdc,
  PromptMu,
  AlphaLine,
  ChapterOneTitle,
  FundamentalCurrentLine,
  CommutationEmfLine,
  CommutationFluxLine,
  FieldEmfLine,
  MfifProductLine,
  DeltaLine,
  MfifLine,
  ShaftTorqueLine,
  // menu U
  SteadyStateTitle,
  PromptShaftTorque,
  PromptFieldFlux,
  FieldVoltageLine,
  PromptBetaref,
  PromptXhiref,
  PromptStartMu,
  PromptStartDelta,
  SupplyVoltageLine,
  // menu S
  BetaHeldTitle,
  PromptXhimin,
  XhiHeldTitle,
  TransientTitle,
  InitialPsiLine,
  InitialPsidLine,
  InitialPsiqLine,
  InitialRauLine,
  InitialMuLine,
  InitialNuLine,
  PromptDrau,
  PromptDmu,
  PromptDnu,
  InitialUdcLine,
  PromptUdcfin,
  PromptTemin,
  PromptTdt,
  PromptTft,
  PromptTemax,
  PromptTeinc,
  PromptDtgrad,
  PromptDygrad,
  // the transient diagram
  DiagramTimeScale,
  DiagramLevelScale,
  LegendSpeed,
  LegendMu,
  LegendXhi,
  LegendCurrent,
  // the stops of the model: {0} the time, {1} the dc current
  StopNegativeCurrent,
  StopAlphaAbove180,
  StopMuAbove60,
  StopMuBelow0,
  StopAlphaUndefined,
  StopTimeStalled,
  StopRequested,
  // saves, as the title bar tells them
  Saved,
  SaveFailed,
  DiskFull,
  NoRightToWrite,
  FolderMissing,
  // the window's title bar, for a while or for a run
  ScreenCopied,
  CopyFailed,
  SmallStepNotice,  // {0} the step, {1} the smallest trustworthy one
  // the window
  WindowTitle,
  WindowTitleMessage,
  Count  // not a text: the number of keys
};

// The text of a key in a language.
std::string_view message(Language language, Msg key);

// The pattern with each {n} replaced by values[n]; any other brace is kept.
std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& values);

// The tables themselves (an empty text for a key a table lacks).
std::string_view frenchText(Msg key);
std::string_view englishText(Msg key);

}  // namespace msa
