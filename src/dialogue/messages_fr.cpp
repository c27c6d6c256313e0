// The dialogue in French: every text a screen or the window shows.
// {0}, {1}... are the numbers or names put into a text (see messages.hpp).
#include "dialogue/messages.hpp"

namespace msa {

std::string_view frenchText(Msg key) {
  switch (key) {
    case Msg::Pause: return "pressez <enter> pour continuer";

    case Msg::Title: return "msa : machine synchrone autopilotée - édition de décembre 2026";
    case Msg::TitleAbout1: return "Ce programme analyse une machine synchrone autopilotée";
    case Msg::TitleAbout2: return "en régime statique et dynamique";
    case Msg::TitleAbout3: return "à l'aide d'un modèle macroscopique à circuit glissant";
    case Msg::DataTitle: return " Paramètres du dispositif";
    case Msg::PromptLdc: return " inductance dc ldc (df {0} H)= ";
    case Msg::PromptRdc: return " résistance dc rdc (df {0} ohms)= ";
    case Msg::PromptPolePairs: return " nombre de paires de pôles (df {0} )= ";
    case Msg::PromptPhaseResistance: return " résistance d'une phase r (df {0} ohms)= ";
    case Msg::PromptLc: return " inductance de commutation lc (df {0} H)= ";
    case Msg::PromptMutual: return " mutuelle max entre 1 phase et 1 amortisseur M (df {0} H)= ";
    case Msg::PromptLr: return " inductance propre d'un amortisseur Lr (df {0} H)= ";
    case Msg::PromptDamperResistance: return " résistance des amortisseurs ramenée au stator (df {0} ohms)= ";
    case Msg::PromptFriction: return " coefficient de frottement visqueux romegam (df {0} Nm/(rad/s))= ";
    case Msg::PromptInertia: return " inertie mécanique (df {0} kgm²)= ";

    case Msg::StatusBeta: return " beta    = {0}°";
    case Msg::StatusXhi: return " xhi     = {0}°";
    case Msg::StatusMu: return " mu      = {0}°";
    case Msg::StatusSpeed: return " vitesse = {0} rpm";
    case Msg::StatusCurrent: return " courant = {0} A";
    case Msg::StatusVoltage: return " tension = {0} V";
    case Msg::MenuTitle: return "menu principal";
    case Msg::MenuR: return "entrez <R> pour revenir aux valeurs par défaut";
    case Msg::MenuD: return "       <D> pour modifier toutes les données";
    case Msg::MenuE: return "       <E> pour calculer l'excitation pour un état de régime";
    case Msg::MenuU: return "       <U> pour calculer la Udc en régime";
    case Msg::MenuS: return "       <S> pour simuler un transitoire";
    case Msg::MenuF: return "       <F> pour quitter le programme";

    case Msg::PromptSpeed: return " Vitesse mécanique (df {0} r/min)= ";
    case Msg::CemLine: return " Couple électromagnétique Cem = {0} Nm";
    case Msg::FrictionLine: return " Couple de frottement Cfrot = {0} Nm soit perte de {1} W";
    case Msg::ControlChoice1: return " Entrez 1 pour un calcul à angle d'attaque beta fixé";
    case Msg::ControlChoice2: return "        2 pour un calcul à angle de garde xhi fixé";
    case Msg::PromptControlChoice: return " votre choix (df {0} )= ";
    case Msg::IndeterminateArgument: return "argument indéterminé";
    case Msg::IterationChoiceTitle: return " Calcul utilisant le chapitre 2";
    case Msg::IterationChoiceAll: return " Entrez 0 pour effectuer les itérations d'une traite";
    case Msg::IterationChoiceEach: return "        1 pour un arrêt après chaque intération";
    case Msg::PromptIterationChoice: return " Votre choix (df {0} )= ";
    case Msg::IterationNumber: return " Itération N°{0}";
    case Msg::RauLine: return " Angle rau = {0} °";
    case Msg::MuLine: return " Angle mu = {0} °";
    case Msg::NuLine: return " Angle nu = {0} °";
    case Msg::Coefficients: return " Coefficients x,y,z = ";
    case Msg::CoeffraddLine: return " coeffradd = {0}";
    case Msg::PsidcLine: return " psidc = {0} Wb";
    case Msg::PsiqcLine: return " psiqc = {0} Wb";
    case Msg::FluxNormLine: return " soit en norme {0} Wb";
    case Msg::NewDeltaLine: return " nouvel angle delta = {0} °";
    case Msg::RaddLine: return " Résistance additionnelle due aux amortisseurs Radd = {0} ohms";
    case Msg::IterationsEnd: return " Fin des itérations";
    case Msg::PsidLine: return " Flux de l'amortisseur d'axe D = {0} Wb";
    case Msg::PsiqLine: return " Flux de l'amortisseur d'axe Q = {0} Wb";
    case Msg::PsiLine: return " Flux du circuit d'induit = {0} Wb";

    case Msg::ExcitationTitle: return " Calcul de l'excitation correspondant à un état de régime";
    case Msg::PromptXhi: return " angle de garde xhi (df {0} °)= ";
    case Msg::PromptUdc: return " Tension dc (df {0} V)= ";
    case Msg::PromptIdc: return " Courant dc (df {0} A)= ";
    case Msg::PromptMu: return " Angle mu de commutation (df {0} °)= ";
    case Msg::AlphaLine: return " Angle alpha d'allumage = {0} °";
    case Msg::ChapterOneTitle: return " Calcul selon le chapitre 1";
    case Msg::FundamentalCurrentLine: return " Amplitude de la fondamentale du courant de phase = {0} A";
    case Msg::CommutationEmfLine: return " Amplitude de la f.e.m. de commutation = {0} V";
    case Msg::CommutationFluxLine: return " soit un flux de {0} Wb";
    case Msg::FieldEmfLine: return " Amplitude de la f.e.m. due à l'inducteur = {0} V";
    case Msg::MfifProductLine: return " Produit mf * if = mrf * if = {0}Wb";
    case Msg::DeltaLine: return " Angle delta = {0} °";
    case Msg::MfifLine: return " Flux d'inducteur ramené au stator  mfif = {0} Wb";
    case Msg::ShaftTorqueLine: return " Couple mécanique = {0} Nm soit une puissance de {1} W";

    case Msg::SteadyStateTitle: return " Calcul d'un état de régime";
    case Msg::PromptShaftTorque: return " Couple mécanique (df {0} Nm)= ";
    case Msg::PromptFieldFlux: return " Flux d'induit dû à l'inducteur mf* if (df {0}  Wb)= ";
    case Msg::FieldVoltageLine: return " Amplitude de la tension d'induit due à l'inducteur{0} V";
    case Msg::PromptBetaref: return " angle d'attaque betaref (df {0} °)= ";
    case Msg::PromptXhiref: return " angle de garde xhiref (df {0} °)= ";
    case Msg::PromptStartMu: return " Angle mu de commutation pour début des itérations (df {0} °)= ";
    case Msg::PromptStartDelta: return " Angle delta pour début des itérations (df {0} °)= ";
    case Msg::SupplyVoltageLine: return " Tension d'alimentation nécessaire udcini = {0} V";

    case Msg::BetaHeldTitle: return " Simulation à angle d'attaque beta constant";
    case Msg::PromptXhimin: return " Valeur minimum de xhi (df {0} °)= ";
    case Msg::XhiHeldTitle: return " Simulation à angle de garde xhi constant";
    case Msg::TransientTitle: return " Calcul de simulation temporelle";
    case Msg::InitialPsiLine: return " Valeur initiale de psi  = {0} Wb";
    case Msg::InitialPsidLine: return " Valeur initiale de psid = {0} Wb";
    case Msg::InitialPsiqLine: return " Valeur initiale de psiq = {0} Wb";
    case Msg::InitialRauLine: return " Valeur initiale de rau = {0}°";
    case Msg::InitialMuLine: return " Valeur initiale de mu  = {0}°";
    case Msg::InitialNuLine: return " Valeur initiale de nu  = {0}°";
    case Msg::PromptDrau: return " valeur initiale de la dérivée de rau (df {0} rad/s)= ";
    case Msg::PromptDmu: return " valeur initiale de la dérivée de mu  (df {0} rad/s)= ";
    case Msg::PromptDnu: return " valeur initiale de la dérivée de nu  (df {0} rad/s)= ";
    case Msg::InitialUdcLine: return " Valeur initiale de la tension d'alimentation Udc = {0} V";
    case Msg::PromptUdcfin: return " Valeur finale de la tension d'alimentation Udc (df {0} V)= ";
    case Msg::PromptTemin: return " temps de début de la simulation temin (df {0} s)= ";
    case Msg::PromptTdt: return " temps de début du transitoire (df {0} s)= ";
    case Msg::PromptTft: return " temps de fin du transitoire de tension (df {0} s)= ";
    case Msg::PromptTemax: return " temps de fin de l'affichage temax (df {0} s)= ";
    case Msg::PromptTeinc: return " pas temporel teinc (df {0} s)= ";
    case Msg::PromptDtgrad: return " écart entre deux graduations de temps (df {0} s)= ";
    case Msg::PromptDygrad: return " écart entre deux graduations verticales (df {0} p.u.)= ";

    case Msg::DiagramTimeScale: return "diagramme : 1 graduation horizontale ={0}s";
    case Msg::DiagramLevelScale: return "            1 graduation verticale ={0}p.u. ou 10°";
    case Msg::LegendSpeed: return " omegam";
    case Msg::LegendMu: return " mu ";
    case Msg::LegendXhi: return " xhi ";
    case Msg::LegendCurrent: return " courant ";

    case Msg::StopNegativeCurrent: return " arrêt sur courant négatif en te ={0} s avec I = {1} A";
    case Msg::StopAlphaAbove180: return " commutation impossible car alpha > 180° en te = {0} s avec I = {1} A";
    case Msg::StopMuAbove60: return " court-circuit car mu > 60° en te ={0} s avec I = {1} A";
    case Msg::StopMuBelow0: return " impossibilité car mu < 0° en te ={0} s avec I = {1} A";
    case Msg::StopAlphaUndefined: return "arrêt sur impossibilité de calculer alpha en te = {0} s avec I = {1} A";
    case Msg::StopTimeStalled:
      return " arrêt car le pas temporel ne fait plus avancer le temps en te ={0} s avec I = {1} A";
    case Msg::StopRequested: return " arrêt demandé en te ={0} s avec I = {1} A";

    case Msg::Saved: return "enregistré : {0}";
    case Msg::SaveFailed: return "enregistrement impossible : {0}";
    case Msg::DiskFull: return "disque plein";
    case Msg::NoRightToWrite: return "pas le droit d'écrire dans {0}";
    case Msg::FolderMissing: return "dossier {0} introuvable";
    case Msg::ScreenCopied: return "écran copié dans le presse-papiers";
    case Msg::CopyFailed: return "copie impossible";
    case Msg::SmallStepNotice:
      return "pas de {0} s trop petit pour les nombres en simple précision : résultats moins précis, prendre au moins {1} s";

    case Msg::WindowTitle: return "msa - machine synchrone autopilotée";
    case Msg::WindowTitleMessage: return "msa - {0}";

    case Msg::Count: break;
  }
  return {};
}

}  // namespace msa
