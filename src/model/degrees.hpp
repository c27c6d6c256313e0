#pragma once

namespace msa {

// An angle in degrees, as the studies print it and the data files hold it:
// (angle / pi) x 180, rounded to single.
float degrees(float angle);

}  // namespace msa
