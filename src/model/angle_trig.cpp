#include "model/angle_trig.hpp"

#include <bit>

#include "numeric/extended.hpp"
#include "numeric/trigonometry.hpp"

namespace msa {

namespace {

void overlapTrig(AngleTrig& t, const ConverterAngles& a) { extendedSinCos(a.mu2, t.sinMu2, t.cosMu2); }
void muTrig(AngleTrig& t, const ConverterAngles& a) { t.sinMu = extendedSin(a.mu); }
void nuTrig(AngleTrig& t, const ConverterAngles& a) {
  extendedSinCosTan(a.nu, t.sinNu, t.cosNu, t.tanNu);
}
void rauTrig(AngleTrig& t, const ConverterAngles& a) { extendedSinCos(a.rau, t.sinRau, t.cosRau); }
void sumAndDifferenceTrig(AngleTrig& t, const ConverterAngles& a) {
  extendedSinCos(Extended(a.nu) + a.rau, t.sinSum, t.cosSum);
  extendedSinCos(Extended(a.rau) - a.nu, t.sinDiff, t.cosDiff);
}

}  // namespace

AngleTrig AngleTrig::of(const ConverterAngles& a) {
  AngleTrig t{};
  overlapTrig(t, a);
  muTrig(t, a);
  nuTrig(t, a);
  rauTrig(t, a);
  sumAndDifferenceTrig(t, a);
  return t;
}

// Keyed on the bits of the stored angles: the same bits give the same
// arguments, hence the same library results (a negative zero is a key of its own).
const AngleTrig& AngleTrigMemo::of(const ConverterAngles& a) {
  const auto mu2 = std::bit_cast<std::uint32_t>(a.mu2);
  const auto mu = std::bit_cast<std::uint32_t>(a.mu);
  const auto nu = std::bit_cast<std::uint32_t>(a.nu);
  const auto rau = std::bit_cast<std::uint32_t>(a.rau);
  if (!filled_ || mu2 != mu2_) overlapTrig(trig_, a);
  if (!filled_ || mu != mu_) muTrig(trig_, a);
  if (!filled_ || nu != nu_) nuTrig(trig_, a);
  if (!filled_ || rau != rau_) rauTrig(trig_, a);
  if (!filled_ || nu != nu_ || rau != rau_) sumAndDifferenceTrig(trig_, a);
  filled_ = true;
  mu2_ = mu2;
  mu_ = mu;
  nu_ = nu;
  rau_ = rau;
  return trig_;
}

}  // namespace msa
