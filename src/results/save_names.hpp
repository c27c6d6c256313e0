#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace msa {

// The local time a save is named after; injected so that nothing but the
// program's entry point depends on the real clock.
using SaveClock = std::function<std::tm()>;
std::tm localTimeNow();

// "msa-YYYYMMDD-HHMMSS".
std::string saveStem(const std::tm& time);

// The stem of a save made at `time`: the plain one, or with "-2", "-3"...
// when a file of that name is already there (`taken` tells, for a stem,
// whether any of the save's files exists), so that no save overwrites
// another.
std::string freeSaveStem(const std::tm& time, const std::function<bool(const std::string&)>& taken);

}  // namespace msa
