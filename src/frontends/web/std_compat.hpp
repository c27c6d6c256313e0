#pragma once
// Included before every source of the WebAssembly build (tools/web/build.sh):
// the C++ library of Debian's emscripten 3.1.6 (libc++ 13) lacks two C++20
// pieces the program uses. Each is given here the meaning the standard gives
// it, and only where the library has none.
#include <version>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
#include <charconv>
#include <cstdio>
#include <system_error>
#include <type_traits>

namespace std {

#if !defined(__cpp_lib_bit_cast)
template <class To, class From>
  requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> && is_trivially_copyable_v<From>)
constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
#endif

// The standard defines a precision conversion as printf's in the C locale
// (general is %g), which is the only locale of this C library.
inline to_chars_result to_chars(char* first, char* last, float value, chars_format format, int precision) {
  const char* pattern = format == chars_format::scientific ? "%.*e" : format == chars_format::fixed ? "%.*f" : "%.*g";
  const int n = std::snprintf(first, static_cast<size_t>(last - first), pattern, precision, static_cast<double>(value));
  if (n < 0 || n >= last - first) return {last, errc::value_too_large};
  return {first + n, errc{}};
}

}  // namespace std
#endif
