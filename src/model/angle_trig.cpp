#include "model/angle_trig.hpp"

#include <bit>

#include "numeric/extended.hpp"
#include "numeric/trigonometry.hpp"

namespace msa {

namespace {

void overlapTrig(AngleTrig& t, const MachineData& m) { extendedSinCos(m.mu2, t.sinMu2, t.cosMu2); }
void muTrig(AngleTrig& t, const MachineData& m) { t.sinMu = extendedSin(m.mu); }
void nuTrig(AngleTrig& t, const MachineData& m) {
  extendedSinCosTan(m.nu, t.sinNu, t.cosNu, t.tanNu);
}
void rauTrig(AngleTrig& t, const MachineData& m) { extendedSinCos(m.rau, t.sinRau, t.cosRau); }
void sumAndDifferenceTrig(AngleTrig& t, const MachineData& m) {
  extendedSinCos(Extended(m.nu) + m.rau, t.sinSum, t.cosSum);
  extendedSinCos(Extended(m.rau) - m.nu, t.sinDiff, t.cosDiff);
}

}  // namespace

AngleTrig AngleTrig::of(const MachineData& m) {
  AngleTrig t{};
  overlapTrig(t, m);
  muTrig(t, m);
  nuTrig(t, m);
  rauTrig(t, m);
  sumAndDifferenceTrig(t, m);
  return t;
}

// Keyed on the bits of the stored angles: the same bits give the same
// arguments, hence the same library results (a negative zero is a key of its own).
const AngleTrig& AngleTrigMemo::of(const MachineData& m) {
  const auto mu2 = std::bit_cast<std::uint32_t>(m.mu2);
  const auto mu = std::bit_cast<std::uint32_t>(m.mu);
  const auto nu = std::bit_cast<std::uint32_t>(m.nu);
  const auto rau = std::bit_cast<std::uint32_t>(m.rau);
  if (!filled_ || mu2 != mu2_) overlapTrig(trig_, m);
  if (!filled_ || mu != mu_) muTrig(trig_, m);
  if (!filled_ || nu != nu_) nuTrig(trig_, m);
  if (!filled_ || rau != rau_) rauTrig(trig_, m);
  if (!filled_ || nu != nu_ || rau != rau_) sumAndDifferenceTrig(trig_, m);
  filled_ = true;
  mu2_ = mu2;
  mu_ = mu;
  nu_ = nu;
  rau_ = rau;
  return trig_;
}

}  // namespace msa
