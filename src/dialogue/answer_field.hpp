#pragma once

#include <string>
#include <string_view>

namespace msa {

// The first answer field of a typed line: leading blanks skipped, a quoted
// field up to its closing quote, otherwise up to the first comma; at most
// 4096 characters.
std::string answerField(std::string_view line);

// The numeric value of an answer field: &H/&O/&B whole numbers, or the
// longest leading decimal number (d or D may stand for the exponent letter);
// anything else is 0. Formed in double, rounded to single.
float numericValue(std::string_view field);

}  // namespace msa
