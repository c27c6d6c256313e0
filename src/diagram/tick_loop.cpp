#include "diagram/tick_loop.hpp"

#include "numeric/extended.hpp"

namespace msa {

namespace {

bool beforeLimit(float position, float limit, float step) {
  return (step >= 0 && position <= limit) || (step < 0 && position >= limit);
}

}  // namespace

void forEachTick(float limit, float step, const std::function<void(float)>& tick) {
  float position = 0;
  while (beforeLimit(position, limit, step)) {
    tick(position);
    const float next = float(Extended(position) + step);
    if (next == position) return;
    position = next;
  }
}

}  // namespace msa
