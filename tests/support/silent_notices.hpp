#pragma once

#include "model/model_notices.hpp"

namespace msa {

// For computations nobody watches (benchmarks, tests): counts the notices.
class SilentNotices : public ModelNotices {
 public:
  void indeterminateArgument() override { ++count; }
  int count = 0;
};

}  // namespace msa
