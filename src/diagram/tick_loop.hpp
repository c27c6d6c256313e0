#pragma once

#include <functional>

namespace msa {

// Calls `tick` at 0, step, 2 step ... (the position accumulated in single
// precision) while the position has not passed `limit`: up to it for a step
// >= 0, down to it for a negative one. A step that no longer moves the
// position (zero, or lost in the rounding) gives that position once and ends
// the loop.
void forEachTick(float limit, float step, const std::function<void(float)>& tick);

}  // namespace msa
