// msa-reference: an independent integration of the machine model for the
// validation report (docs/validation.md), written apart from src/ so that it
// checks the program rather than repeats it.
//
// The machine data, the excitation study that sets up the default operating
// point and the transient are coded once, as a template on the type that
// stores each quantity:
//   float        every quantity rounded to float where stored, as msa does;
//   long double  the same formulas with the state and every stored quantity
//                kept in extended precision: the reference of the step study.
// Every formula is evaluated in long double with the grouping msa uses.
//
// Usage:
//   msa-reference run STORAGE TEINC [TEMAX [FROM]]
//       the default transient (Udc 110 V -> 153.5 V at te = 0, beta held)
//       from the default excitation study; STORAGE is float or extended.
//       Prints one CSV row for every step ending at te >= FROM and for the
//       last step (default: only the last) with
//       te, speed (r/min), Idc, mu, xhi (degrees) and the energy terms.
//   msa-reference steady
//       the excitation study's operating point (psi, psid, psiq, Cmec, mfif,
//       beta, omegam) as msa leaves it in its record.
// Build: g++ -O2 -std=c++20 -msse3 tools/validation/reference.cpp -o msa-reference
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

using L = long double;

template <typename S>
struct Machine {
  // Device data and constants (always the float values of the defaults).
  S ldc, rdc, p, r, lc, M, Lr, rA, romegam, J, M2Lr, pi, sqrt3;
  // Operating point.
  S xhi, mu, mu2, alpha, alpha1, beta, betaref, delta, nu, rau, drau, dmu, dnu;
  S Udc, udc, Idc, iD, iQ, omegam, omega, mfif, I1, Ec, Ef;
  S psidc, psiqc, psic, psid, psiq, psi, Cem, Cfrot, Cmec;
  S x, y, z, coeffradd, cmu2, smu2, Radd;
  S kxmu, kymu, kzmu, kxnu, kynu, kznu, urot, umu, unu, ures, ue, det;
  S ControlMode, xhimin, Udcfin, temin, tdt, tft, temax, teinc, te;
};

struct Stop : std::runtime_error {
  using std::runtime_error::runtime_error;
};

template <typename S>
S argument(const Machine<S>& m, S a, S b) {
  const L n = L(a) * a + L(b) * b;
  if (n == 0 || std::isnan(n)) return 0;
  if (std::fabs(L(b)) <= std::fabs(L(a))) {
    const S t = S(std::atan(L(b) / a));
    return a > 0 ? t : S(L(m.pi) + t);
  }
  const S t = S(std::atan(L(a) / b));
  return b > 0 ? S(L(m.pi) / 2.0f - t) : S((3.0f * L(m.pi)) / 2.0f - t);
}

template <typename S>
void commutation(Machine<S>& m) {
  m.cmu2 = S(std::cos(L(m.mu2)));
  m.smu2 = S(std::sin(L(m.mu2)));
  const S kxy = S((3.0f * L(m.sqrt3)) / ((std::cos(L(m.nu)) * m.pi) * 2.0f));
  const S bx = S(std::cos(L(m.nu) + m.rau) * m.cmu2 + std::cos(L(m.rau) - m.nu) * m.mu2 / m.smu2);
  m.x = S(L(bx) * kxy);
  const S by = S(std::sin(L(m.nu) + m.rau) * m.cmu2 + std::sin(L(m.rau) - m.nu) * m.mu2 / m.smu2);
  m.y = S((-L(kxy)) * by);
  const S za = S(((std::sin(L(m.mu)) * 3.0f) - (((L(m.cmu2) * m.cmu2) * m.mu) * 2.0f)) - m.mu);
  const S zb = S(((((L(m.smu2) * m.smu2) * m.mu) * 2.0f) + std::sin(L(m.mu))) - m.mu);
  const S tnu = S(std::tan(L(m.nu)));
  m.z = S(2.0f - (((((((L(tnu) * tnu) * za + zb) * 3.0f) / m.smu2) / m.smu2) / 4.0f) / m.pi));
  m.coeffradd = S((1.5 * L(m.z) - L(m.x) * m.x) - L(m.y) * m.y);
}

template <typename S>
void fluxStep(Machine<S>& m) {
  m.psidc = S((((L(m.M) * m.M) / m.Lr) * m.x) * m.Idc + m.mfif + L(m.iD) * m.M);
  m.psiqc = S(((-((L(m.M) * m.M) / m.Lr)) * m.y) * m.Idc + L(m.iQ) * m.M);
  m.delta = argument(m, m.psidc, m.psiqc);
  m.psic = S(std::sqrt(L(m.psidc) * m.psidc + L(m.psiqc) * m.psiqc));
}

template <typename S>
L commutationTerm(const Machine<S>& m) {
  return (((L(m.lc) * m.Idc) * 2.0f) / m.sqrt3) / m.psic;
}

template <typename S>
void xhiHeld(Machine<S>& m) {
  fluxStep(m);
  const S cosval = S(std::cos(L(m.xhi)) - commutationTerm(m));
  if (cosval > 1.0 || cosval < -1.0 || std::isnan(L(cosval))) throw Stop("alpha");
  const S sinval = S(std::sqrt(-(L(cosval) * cosval) + 1.0));
  m.alpha = argument(m, cosval, sinval);
  m.mu = S(L(m.alpha) - m.xhi);
  if (L(m.mu) > L(m.pi) / 3.0f) throw Stop("mu>60");
  if (m.mu < 0 || std::isnan(L(m.mu))) throw Stop("mu<0");
  m.mu2 = S(L(m.mu) / 2.0f);
  m.nu = S((L(m.pi) / 2.0f + m.xhi) + m.mu2);
  m.rau = S(L(m.delta) + m.nu);
  m.beta = S((L(m.pi) / 3.0f + m.rau) + m.mu2);
}

template <typename S>
void resolveAngles(Machine<S>& m) {
  if (m.ControlMode > 1.5f) return xhiHeld(m);
  m.beta = m.betaref;
  fluxStep(m);
  m.alpha = S((L(m.beta) - (5.0f * L(m.pi)) / 6.0f) - m.delta);
  if (m.alpha > m.pi) throw Stop("alpha>180");
  const S cosval = S(std::cos(L(m.alpha)) + commutationTerm(m));
  if (cosval > 1.0 || cosval < -1.0 || std::isnan(L(cosval))) {
    m.xhi = m.xhimin;
    return xhiHeld(m);
  }
  const S sinval = S(std::sqrt(-(L(cosval) * cosval) + 1.0));
  m.xhi = S(std::atan(L(sinval) / cosval));
  if (m.xhi < 0) m.xhi = S(L(m.pi) + m.xhi);
  if (m.xhi < m.xhimin || std::isnan(L(m.xhi))) {
    m.xhi = m.xhimin;
    return xhiHeld(m);
  }
  m.mu = S(L(m.alpha) - m.xhi);
  if (L(m.mu) > L(m.pi) / 3.0f) throw Stop("mu>60");
  if (m.mu < 0 || std::isnan(L(m.mu))) throw Stop("mu<0");
  m.mu2 = S(L(m.mu) / 2.0f);
  m.rau = S((L(m.beta) - m.mu2) - L(m.pi) / 3.0f);
  m.nu = S(L(m.rau) - m.delta);
}

template <typename S>
void solveCurrents(Machine<S>& m) {
  const S a11 = S(((L(m.x) * m.x + L(m.y) * m.y) * m.M * m.M) / m.Lr + (L(m.lc) * m.z + m.ldc));
  const S a12 = S(L(m.M) * m.x), a13 = S((-L(m.y)) * m.M);
  const S b1 = S(L(m.psi) - L(m.mfif) * m.x);
  const S a21 = a12, a22 = m.Lr, b2 = S(L(m.psid) - m.mfif);
  const S a31 = a13, a33 = m.Lr, b3 = m.psiq;
  S det = S((L(a22) * a11) * a33);
  det = S((L(det) - (L(a22) * a31) * a13) - (L(a12) * a21) * a33);
  S num1 = S((L(a22) * b1) * a33);
  num1 = S((L(num1) - (L(a22) * b3) * a13) - (L(a12) * b2) * a33);
  m.Idc = S(L(num1) / det);
  S num2 = S((L(b3) * a21) * a13 + (L(b2) * a11) * a33);
  num2 = S((L(num2) - (L(b2) * a31) * a13) - (L(b1) * a21) * a33);
  m.iD = S(L(num2) / det);
  S num3 = S((L(a12) * a31) * b2 + (L(a22) * a11) * b3);
  num3 = S((L(num3) - (L(a22) * a31) * b1) - (L(a12) * a21) * b3);
  m.iQ = S(L(num3) / det);
  m.det = det;
  if (!(m.Idc >= 0)) throw Stop("Idc<0");
}

template <typename S>
void angleCoefficients(Machine<S>& m) {
  const L cn = std::cos(L(m.nu));
  const S fxy = S((((3.0f * L(m.sqrt3)) / 4.0f) / m.pi) / cn);
  const S gmu = S((L(m.smu2) - L(m.cmu2) * m.mu2) / m.smu2);
  m.kxmu = S(((std::cos(L(m.rau) - m.nu) * gmu - std::cos(L(m.nu) + m.rau)) * fxy) / m.smu2);
  m.kymu = S(((std::sin(L(m.rau) - m.nu) * gmu - std::sin(L(m.nu) + m.rau)) * fxy) / m.smu2);
  S dza = S((-4.0f) * L(m.smu2) - ((L(m.cmu2) * m.cmu2) * m.smu2) * 2.0f);
  dza = S((L(m.cmu2) * m.mu) * 3.0f + dza);
  const S dzb = S(L(m.cmu2) * m.mu + (((L(m.smu2) * m.smu2) * m.smu2) * 2.0f + (-2.0f) * L(m.smu2)));
  const L tn = std::tan(L(m.nu));
  const S dzs = S((tn * tn) * dza + dzb);
  m.kzmu = S((((((-0.75f) / L(m.pi)) * dzs) / m.smu2) / m.smu2) / m.smu2);
  const S fnu = S(((((3.0f * L(m.sqrt3)) / 2.0f) / m.pi) / cn) / cn);
  const S gnu = S(L(m.mu2) / m.smu2 - m.cmu2);
  m.kxnu = S((std::sin(L(m.rau)) * fnu) * gnu);
  m.kynu = S((std::cos(L(m.rau)) * (-L(fnu))) * gnu);
  const S dzn = S(((((std::sin(L(m.mu)) * 3.0f) - m.mu) - ((L(m.cmu2) * m.mu) * m.cmu2) * 2.0f) / m.smu2) / m.smu2);
  m.kznu = S(((((std::sin(L(m.nu)) * ((-1.5f) / L(m.pi))) / cn) / cn) / cn) * dzn);
}

template <typename S>
void voltagesAndTorques(Machine<S>& m) {
  m.Radd = S(((L(m.M) * m.rA) / m.Lr) * m.coeffradd);
  m.urot = S((-(L(m.drau) + m.omega)) * ((L(m.M) * m.x) * m.iQ + ((L(m.iD) * m.M) + m.mfif) * m.y));
  S wmu = S(((L(m.lc) * m.kzmu) * m.Idc) * 0.5);
  wmu = S((L(m.psidc) * m.kxmu + wmu) - L(m.psiqc) * m.kymu);
  m.umu = S((-L(m.dmu)) * wmu);
  S wnu = S(((L(m.lc) * m.kznu) * m.Idc) * 0.5);
  wnu = S((L(m.psidc) * m.kxnu + wnu) - L(m.psiqc) * m.kynu);
  m.unu = S((-L(m.dnu)) * wnu);
  m.ures = S((((L(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc);
  m.ue = S(((L(m.umu) + m.urot) + m.unu) + m.ures);
  m.Cem = S((((-L(m.y)) * m.psidc - L(m.psiqc) * m.x) * m.p) * m.Idc);
  m.Cfrot = S(L(m.omegam) * m.romegam);
}

// A value typed back as shown: the prompts convert to degrees or r/min and back.
float roundTrip(float v, float pi, float unit) {
  const float shown = float((L(v) / pi) * unit);
  return float((L(shown) / unit) * pi);
}

// The defaults, the data entry and the excitation study with every answer
// kept, then the set-up of a beta-held simulation: msa's first S run.
Machine<float> defaultSimulationStart(float teinc, float temax) {
  Machine<float> m{};
  m.pi = 3.1415927f;
  m.sqrt3 = 1.7320508f;
  m.ldc = 0.217f, m.rdc = 0.88f, m.p = 2, m.r = 0.5f, m.lc = 0.00611f, m.M = 0.0109f;
  m.Lr = m.M, m.rA = 0.02f, m.romegam = 0.018f, m.J = 0.0936f;
  m.M2Lr = float(((L(m.M) * m.M) * 1.5) / m.Lr);
  m.xhi = float(0.275 * L(m.pi));
  m.Udc = 110, m.Idc = 5;
  m.mu = float(0.0338888888888889 * L(m.pi));
  m.omegam = float(L(38.2f) * m.pi);
  m.xhimin = float(0.0555555555555556 * L(m.pi));
  m.Udcfin = 153.5f, m.temin = -0.05f, m.tdt = 0, m.tft = 0, m.temax = temax, m.teinc = teinc;
  // Excitation study, operating point.
  m.ControlMode = 2;
  m.xhi = roundTrip(m.xhi, m.pi, 180.0f);
  m.udc = m.Udc;
  m.omegam = roundTrip(m.omegam, m.pi, 30.0f);
  m.omega = float(L(m.omegam) * m.p);
  m.mu = roundTrip(m.mu, m.pi, 180.0f);
  m.mu2 = float(L(m.mu) / 2.0f);
  m.alpha1 = float(L(m.mu2) + m.xhi);
  m.alpha = float(L(m.mu) + m.xhi);
  // Chapter 1: the fundamentals.
  m.I1 = float(((L(m.sqrt3) * m.Idc) * 2.0f) / m.pi);
  const float den = float(((std::cos(L(m.alpha1)) * m.sqrt3) * std::cos(L(m.mu2))) * 3.0f);
  m.Ec = float(((L(m.udc) - L(m.Idc) * m.rdc) * m.pi) / den);
  const float efb = float(((L(m.M2Lr) * m.omega) * m.I1) * std::cos(L(m.alpha1)));
  const float efa = float(((L(m.M2Lr) * m.omega) * m.I1) * std::sin(L(m.alpha1)) + m.Ec);
  m.Ef = float(std::sqrt(L(efb) * efb + L(efa) * efa));
  m.mfif = float(L(m.Ef) / m.omega);
  m.delta = argument(m, efa, efb);
  m.nu = float(((L(m.pi) / 2.0f) + m.xhi) + m.mu2);
  m.rau = float(L(m.delta) + m.nu);
  // Chapter 2: twenty iterations.
  for (int iter = 1; iter <= 20; ++iter) {
    commutation(m);
    m.Radd = float(((((L(m.M) * m.rA) / m.Lr) * m.M) / m.Lr) * m.coeffradd);
    const float q = float((-(L(m.udc) - (((L(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc)) / m.omega);
    m.mfif = float(L(q) / m.y);
    resolveAngles(m);
  }
  m.psid = float(((L(m.x) * m.M) * m.Idc) + m.mfif);
  m.psiq = float(((-L(m.M)) * m.y) * m.Idc);
  m.psi = float(((L(m.psidc) * m.x) + ((L(m.z) * m.lc) + m.ldc) * m.Idc) - L(m.psiqc) * m.y);
  m.Cem = float(((((-L(m.y)) * m.psidc) - L(m.psiqc) * m.x) * m.p) * m.Idc);
  m.Cfrot = float(L(m.omegam) * m.romegam);
  m.Cmec = float(L(m.Cem) - m.Cfrot);
  m.ControlMode = 1;
  // Simulation set-up: beta held, xhimin kept.
  m.betaref = m.beta;
  m.xhimin = roundTrip(m.xhimin, m.pi, 180.0f);
  voltagesAndTorques(m);
  return m;
}

template <typename S>
Machine<S> widen(const Machine<float>& f) {
  static_assert(sizeof(Machine<float>) / sizeof(float) == sizeof(Machine<S>) / sizeof(S));
  Machine<S> m;
  const float* from = reinterpret_cast<const float*>(&f);
  S* to = reinterpret_cast<S*>(&m);
  for (std::size_t i = 0; i < sizeof(Machine<float>) / sizeof(float); ++i) to[i] = S(from[i]);
  return m;
}

// The energies of the run so far, integrated over each step by the trapezoid.
struct Energies {
  L supply = 0;     // udc * Idc
  L resistive = 0;  // (z r + rdc + Radd) Idc^2 + rA (iD^2 + iQ^2)
  L friction = 0;   // Cfrot * omegam
  L shaft = 0;      // Cmec * omegam
  // Left out of the balance: the angle-rate voltages (umu + unu) Idc and
  // the drau part of the rotation voltage.
  L angle = 0, drau = 0;
};

struct Powers {
  L supply, resistive, friction, shaft, angle, drau;
};

template <typename S>
Powers powers(const Machine<S>& m) {
  const L i = m.Idc;
  return {L(m.udc) * i, ((L(m.z) * m.r + m.rdc) + m.Radd) * i * i + L(m.rA) * (L(m.iD) * m.iD + L(m.iQ) * m.iQ),
          L(m.Cfrot) * m.omegam, L(m.Cmec) * m.omegam, (L(m.umu) + m.unu) * i,
          -L(m.drau) * ((L(m.M) * m.x) * m.iQ + ((L(m.iD) * m.M) + m.mfif) * m.y) * i};
}

// Kinetic energy and the magnetic energy of the armature and damper circuits
// (the current system's inductance matrix, half the quadratic form).
template <typename S>
L kinetic(const Machine<S>& m) {
  return 0.5L * m.J * L(m.omegam) * m.omegam;
}
template <typename S>
L magnetic(const Machine<S>& m) {
  const L a11 = ((L(m.x) * m.x + L(m.y) * m.y) * m.M * m.M) / m.Lr + (L(m.lc) * m.z + m.ldc);
  const L a12 = L(m.M) * m.x, a13 = -L(m.y) * m.M;
  const L i = m.Idc, d = m.iD, q = m.iQ;
  return 0.5L * (a11 * i * i + 2 * a12 * i * d + 2 * a13 * i * q + L(m.Lr) * (d * d + q * q));
}

template <typename S>
void evaluate(Machine<S>& m) {
  solveCurrents(m);
  resolveAngles(m);
  commutation(m);
  angleCoefficients(m);
}

template <typename S>
void printRow(const Machine<S>& m, const Energies& e, L kin0, L mag0) {
  // The speed also as msa's data file writes it, rounded to float.
  std::printf("%.9Lg,%.12Lg,%.9g,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg,%.12Lg\n", L(m.te),
              (L(m.omegam) * 30) / L(m.pi), double(float((L(m.omegam) / L(m.pi)) * 30.0f)), L(m.Idc),
              (L(m.mu) / m.pi) * 180, (L(m.xhi) / m.pi) * 180, L(m.udc),
              L(m.Cem), e.supply, kinetic(m) - kin0, e.resistive, e.friction, e.shaft, magnetic(m) - mag0, e.angle, e.drau);
}

template <typename S>
int run(Machine<S> m, L from) {
  std::puts("te_s,speed_rpm,speed_as_csv_rpm,idc_a,mu_deg,xhi_deg,udc_v,cem_nm,e_supply_j,d_kinetic_j,e_resistive_j,e_friction_j,"
            "e_shaft_j,d_magnetic_j,e_angle_rates_j,e_drau_j");
  Energies e;
  const L kin0 = kinetic(m), mag0 = magnetic(m);
  m.te = m.temin;
  for (long step = 1;; ++step) {
    const Machine<S> s = m;  // the step-start copies
    evaluate(m);
    voltagesAndTorques(m);
    const Powers p0 = powers(m);
    // In extended precision te is counted, not accumulated, so that every
    // step lands on its own multiple of the step.
    m.te = sizeof(S) == sizeof(float) ? S(L(m.te) + m.teinc) : S(L(m.temin) + step * L(m.teinc));
    if (m.te <= m.tdt) m.udc = m.Udc;
    else if (m.te >= m.tft) m.udc = m.Udcfin;
    else m.udc = S((((L(m.te) - m.tdt) * (L(m.Udcfin) - m.Udc)) / (L(m.tft) - m.tdt)) + m.Udc);
    S iDm = s.iD, iQm = s.iQ, udcm = s.udc, uem = s.ue, Cemm = s.Cem, Cfm = s.Cfrot;
    for (int k = 0; k < 4; ++k) {
      m.psid = S(L(s.psid) - ((L(iDm) * m.rA) * m.teinc));
      m.psiq = S(L(s.psiq) - ((L(iQm) * m.rA) * m.teinc));
      m.psi = S(((L(udcm) - uem) * m.teinc) + s.psi);
      m.omegam = S(((((L(Cemm) - Cfm) - m.Cmec) / m.J) * m.teinc) + s.omegam);
      m.omega = S(L(m.omegam) * m.p);
      evaluate(m);
      m.drau = S((L(m.rau) - s.rau) / m.teinc);
      m.dmu = S((L(m.mu) - s.mu) / m.teinc);
      m.dnu = S((L(m.nu) - s.nu) / m.teinc);
      voltagesAndTorques(m);
      iDm = S((L(m.iD) + s.iD) / 2.0f), iQm = S((L(m.iQ) + s.iQ) / 2.0f);
      udcm = S((L(m.udc) + s.udc) / 2.0f), uem = S((L(m.ue) + s.ue) / 2.0f);
      Cemm = S((L(m.Cem) + s.Cem) / 2.0f), Cfm = S((L(m.Cfrot) + s.Cfrot) / 2.0f);
    }
    Powers p1 = powers(m);
    const L h = L(m.te) - L(s.te);
    const L iStart = s.Idc;
    e.supply += h * (L(s.udc) * iStart + L(m.udc) * L(m.Idc)) / 2;
    e.resistive += h * (p0.resistive + p1.resistive) / 2;
    e.friction += h * (p0.friction + p1.friction) / 2;
    e.shaft += h * (p0.shaft + p1.shaft) / 2;
    e.angle += h * (p0.angle + p1.angle) / 2;
    e.drau += h * (p0.drau + p1.drau) / 2;
    if (L(m.te) >= from && m.te < m.temax) printRow(m, e, kin0, mag0);
    if (m.te >= m.temax) break;
    if (!(m.te > s.te)) throw Stop("time stalled");
  }
  printRow(m, e, kin0, mag0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "steady") {
      const Machine<float> m = defaultSimulationStart(0.0005f, 3.2f);
      std::printf("psi,%.9g\npsid,%.9g\npsiq,%.9g\nCmec,%.9g\nmfif,%.9g\nbeta_deg,%.9g\nspeed_rpm,%.9g\nIdc,%.9g\n",
                  m.psi, m.psid, m.psiq, m.Cmec, m.mfif, double((L(m.beta) / m.pi) * 180),
                  double((L(m.omegam) * 30) / m.pi), m.Idc);
      return 0;
    }
    if (what == "run" && argc >= 4) {
      const std::string storage = argv[2];
      const float teinc = std::strtof(argv[3], nullptr);
      const float temax = argc > 4 ? std::strtof(argv[4], nullptr) : 3.2f;
      const L from = argc > 5 ? std::strtold(argv[5], nullptr) : 1e30L;
      const Machine<float> start = defaultSimulationStart(teinc, temax);
      if (storage == "float") return run(start, from);
      if (storage == "extended") {
        Machine<L> m = widen<L>(start);
        // The step itself as typed (a decimal), not its float.
        m.teinc = std::strtold(argv[3], nullptr);
        m.temax = argc > 4 ? std::strtold(argv[4], nullptr) : 3.2L;
        // te is exact here and lands on 0 itself; the step of the supply
        // voltage goes with the first te past 0, as in float, where te is
        // never exactly 0.
        m.temin = -0.05L;
        m.tdt = m.tft = m.teinc / 2;
        return run(m, from);
      }
    }
    std::fputs("usage: msa-reference run float|extended TEINC [TEMAX [FROM]] | steady\n", stderr);
    return 2;
  } catch (const Stop& stop) {
    std::fprintf(stderr, "msa-reference: model stop: %s\n", stop.what());
    return 1;
  }
}
