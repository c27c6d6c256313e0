#include "frontends/python/float_text.hpp"

#include <charconv>

namespace msa::python {

std::string shortestText(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace msa::python
