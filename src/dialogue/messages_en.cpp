// The dialogue in English: every text a screen or the window shows, in the
// terms of English texts on converter-fed machines. {0}, {1}... are the
// numbers or names put into a text (see messages.hpp). Each text keeps the
// rows of its French counterpart, and the columns where a screen aligns
// labels or numbers.
#include "dialogue/messages.hpp"

namespace msa {

std::string_view englishText(Msg key) {
  switch (key) {
    case Msg::Pause: return "press <enter> to continue";

    case Msg::Title: return "msa: self-controlled synchronous machine - December 2026 edition";
    case Msg::TitleAbout1: return "This program analyses a self-controlled synchronous machine";
    case Msg::TitleAbout2: return "in steady state and in transients";
    case Msg::TitleAbout3: return "with a macroscopic sliding-circuit model";
    case Msg::DataTitle: return " Drive parameters";
    case Msg::PromptLdc: return " dc link inductance ldc (default {0} H)= ";
    case Msg::PromptRdc: return " dc link resistance rdc (default {0} ohms)= ";
    case Msg::PromptPolePairs: return " number of pole pairs (default {0})= ";
    case Msg::PromptPhaseResistance: return " phase resistance r (default {0} ohms)= ";
    case Msg::PromptLc: return " commutation inductance lc (default {0} H)= ";
    case Msg::PromptMutual: return " peak mutual inductance, 1 phase to 1 damper M (default {0} H)= ";
    case Msg::PromptLr: return " self-inductance of 1 damper winding Lr (default {0} H)= ";
    case Msg::PromptDamperResistance: return " damper resistance referred to the stator (default {0} ohms)= ";
    case Msg::PromptFriction: return " viscous friction coefficient romegam (default {0} Nm/(rad/s))= ";
    case Msg::PromptInertia: return " moment of inertia (default {0} kgm²)= ";

    case Msg::StatusBeta: return " beta    = {0}°";
    case Msg::StatusXhi: return " xhi     = {0}°";
    case Msg::StatusMu: return " mu      = {0}°";
    case Msg::StatusSpeed: return " speed   = {0} rpm";
    case Msg::StatusCurrent: return " current = {0} A";
    case Msg::StatusVoltage: return " voltage = {0} V";
    case Msg::MenuTitle: return "main menu";
    case Msg::MenuR: return "enter <R> to return to the default values";
    case Msg::MenuD: return "      <D> to change all the data";
    case Msg::MenuE: return "      <E> to compute the field excitation of a steady state";
    case Msg::MenuU: return "      <U> to compute the steady-state supply voltage Udc";
    case Msg::MenuS: return "      <S> to simulate a transient";
    case Msg::MenuF: return "      <F> to quit the program";

    case Msg::PromptSpeed: return " mechanical speed (default {0} r/min)= ";
    case Msg::CemLine: return " Electromagnetic torque Cem = {0} Nm";
    case Msg::FrictionLine: return " Friction torque Cfrot = {0} Nm, i.e. a loss of {1} W";
    case Msg::ControlChoice1: return " Enter 1 for a solution at fixed firing advance angle beta";
    case Msg::ControlChoice2: return "       2 for a solution at fixed guard angle xhi";
    case Msg::PromptControlChoice: return " your choice (default {0})= ";
    case Msg::IndeterminateArgument: return "indeterminate argument";
    case Msg::IterationChoiceTitle: return " Solution by the method of chapter 2";
    case Msg::IterationChoiceAll: return " Enter 0 to run the iterations without stopping";
    case Msg::IterationChoiceEach: return "       1 to stop after each iteration";
    case Msg::PromptIterationChoice: return " your choice (default {0})= ";
    case Msg::IterationNumber: return " Iteration No.{0}";
    case Msg::RauLine: return " Angle rau = {0} °";
    case Msg::MuLine: return " Angle mu = {0} °";
    case Msg::NuLine: return " Angle nu = {0} °";
    case Msg::Coefficients: return " Coefficients x,y,z = ";
    case Msg::CoeffraddLine: return " coeffradd = {0}";
    case Msg::PsidcLine: return " psidc = {0} Wb";
    case Msg::PsiqcLine: return " psiqc = {0} Wb";
    case Msg::FluxNormLine: return " i.e. a magnitude of {0} Wb";
    case Msg::NewDeltaLine: return " new angle delta = {0} °";
    case Msg::RaddLine: return " Added resistance due to the damper windings Radd = {0} ohms";
    case Msg::IterationsEnd: return " End of the iterations";
    case Msg::PsidLine: return " Flux of the d-axis damper winding = {0} Wb";
    case Msg::PsiqLine: return " Flux of the q-axis damper winding = {0} Wb";
    case Msg::PsiLine: return " Flux of the armature circuit = {0} Wb";

    case Msg::ExcitationTitle: return " Field excitation required by a steady state";
    case Msg::PromptXhi: return " guard angle xhi (default {0} °)= ";
    case Msg::PromptUdc: return " dc voltage (default {0} V)= ";
    case Msg::PromptIdc: return " dc current (default {0} A)= ";
    case Msg::PromptMu: return " overlap angle mu (default {0} °)= ";
    case Msg::AlphaLine: return " Firing angle alpha = {0} °";
    case Msg::ChapterOneTitle: return " Solution by the method of chapter 1";
    case Msg::FundamentalCurrentLine: return " Peak value of the fundamental phase current = {0} A";
    case Msg::CommutationEmfLine: return " Peak value of the commutation emf = {0} V";
    case Msg::CommutationFluxLine: return " i.e. a flux of {0} Wb";
    case Msg::FieldEmfLine: return " Peak value of the emf due to the field winding = {0} V";
    case Msg::MfifProductLine: return " Product mf * if = mrf * if = {0} Wb";
    case Msg::DeltaLine: return " Angle delta = {0} °";
    case Msg::MfifLine: return " Field flux referred to the stator mfif = {0} Wb";
    case Msg::ShaftTorqueLine: return " Shaft torque = {0} Nm, i.e. a power of {1} W";

    case Msg::SteadyStateTitle: return " Steady-state solution";
    case Msg::PromptShaftTorque: return " shaft torque (default {0} Nm)= ";
    case Msg::PromptFieldFlux: return " armature flux due to the field mf* if (default {0} Wb)= ";
    case Msg::FieldVoltageLine: return " Peak armature voltage due to the field ={0} V";
    case Msg::PromptBetaref: return " firing advance angle betaref (default {0} °)= ";
    case Msg::PromptXhiref: return " guard angle xhiref (default {0} °)= ";
    case Msg::PromptStartMu: return " overlap angle mu to start the iterations (default {0} °)= ";
    case Msg::PromptStartDelta: return " angle delta to start the iterations (default {0} °)= ";
    case Msg::SupplyVoltageLine: return " Required supply voltage udcini = {0} V";

    case Msg::BetaHeldTitle: return " Simulation at constant firing advance angle beta";
    case Msg::PromptXhimin: return " minimum value of xhi (default {0} °)= ";
    case Msg::XhiHeldTitle: return " Simulation at constant guard angle xhi";
    case Msg::TransientTitle: return " Time-domain simulation";
    case Msg::InitialPsiLine: return " Initial value of psi  = {0} Wb";
    case Msg::InitialPsidLine: return " Initial value of psid = {0} Wb";
    case Msg::InitialPsiqLine: return " Initial value of psiq = {0} Wb";
    case Msg::InitialRauLine: return " Initial value of rau = {0}°";
    case Msg::InitialMuLine: return " Initial value of mu  = {0}°";
    case Msg::InitialNuLine: return " Initial value of nu  = {0}°";
    case Msg::PromptDrau: return " initial value of the derivative of rau (default {0} rad/s)= ";
    case Msg::PromptDmu: return " initial value of the derivative of mu  (default {0} rad/s)= ";
    case Msg::PromptDnu: return " initial value of the derivative of nu  (default {0} rad/s)= ";
    case Msg::InitialUdcLine: return " Initial value of the supply voltage Udc = {0} V";
    case Msg::PromptUdcfin: return " final value of the supply voltage Udc (default {0} V)= ";
    case Msg::PromptTemin: return " simulation start time temin (default {0} s)= ";
    case Msg::PromptTdt: return " transient start time (default {0} s)= ";
    case Msg::PromptTft: return " voltage transient end time (default {0} s)= ";
    case Msg::PromptTemax: return " display end time temax (default {0} s)= ";
    case Msg::PromptTeinc: return " time step teinc (default {0} s)= ";
    case Msg::PromptDtgrad: return " spacing of the time divisions (default {0} s)= ";
    case Msg::PromptDygrad: return " spacing of the vertical divisions (default {0} p.u.)= ";

    case Msg::DiagramTimeScale: return "diagram: 1 horizontal division ={0}s";
    case Msg::DiagramLevelScale: return "         1 vertical division ={0}p.u. or 10°";
    case Msg::LegendSpeed: return " omegam";
    case Msg::LegendMu: return " mu ";
    case Msg::LegendXhi: return " xhi ";
    case Msg::LegendCurrent: return " current ";

    case Msg::StopNegativeCurrent: return " stop: negative current at te ={0} s with I = {1} A";
    case Msg::StopAlphaAbove180: return " no commutation: alpha > 180° at te = {0} s with I = {1} A";
    case Msg::StopMuAbove60: return " short circuit: mu > 60° at te ={0} s with I = {1} A";
    case Msg::StopMuBelow0: return " impossible: mu < 0° at te ={0} s with I = {1} A";
    case Msg::StopAlphaUndefined: return "stop: cannot compute alpha at te = {0} s with I = {1} A";
    case Msg::StopTimeStalled: return " stop: time no longer advances at te ={0} s with I = {1} A";
    case Msg::StopRequested: return " stop requested at te ={0} s with I = {1} A";

    case Msg::Saved: return "saved: {0}";
    case Msg::SaveFailed: return "cannot save: {0}";
    case Msg::DiskFull: return "disk full";
    case Msg::NoRightToWrite: return "no permission to write in {0}";
    case Msg::FolderMissing: return "folder {0} not found";
    case Msg::ScreenCopied: return "text screen copied to the clipboard";
    case Msg::CopyFailed: return "cannot copy";
    case Msg::SmallStepNotice:
      return "a step of {0} s is too small for single-precision numbers: results less accurate, take at least {1} s";

    case Msg::WindowTitle: return "msa - self-controlled synchronous machine";
    case Msg::WindowTitleMessage: return "msa - {0}";

    case Msg::Count: break;
  }
  return {};
}

}  // namespace msa
