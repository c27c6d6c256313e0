#pragma once

namespace msa {

// What the model has to tell the user while it computes, besides a stop:
// a vector whose direction cannot be found. The studies print it in place.
class ModelNotices {
 public:
  virtual ~ModelNotices() = default;
  virtual void indeterminateArgument() = 0;
};

}  // namespace msa
