#pragma once

#include <string>

#include "dialogue/host.hpp"
#include "dialogue/screen.hpp"

namespace msa {

// Lets the user type and edit one answer line at the cursor, echoed in the
// present colour, until Enter; the cursor then stands at column 1 of the row
// after the answer. Returns the line in code page 437.
std::string editAnswerLine(Screen& screen, Host& host);

}  // namespace msa
