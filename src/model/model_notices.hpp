#pragma once

namespace msa {

// What the model has to tell the user while it computes, besides a stop:
// a vector whose direction cannot be found. The studies print it in place.
class ModelNotices {
 public:
  virtual ~ModelNotices() = default;
  virtual void indeterminateArgument() = 0;
};

// Counts the notices and tells nobody: for a study whose screens print them
// later, in their place (the engine's steady-state studies), or a
// computation nobody watches.
class NoticeCounter : public ModelNotices {
 public:
  void indeterminateArgument() override { ++count; }
  int count = 0;
};

}  // namespace msa
