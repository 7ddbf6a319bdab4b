// Debian 12's Emscripten (3.1.6) ships a libc++ that lacks the C++20 range
// algorithms and floating-point std::from_chars. The browser build includes
// this header before every source (and only that build), so the engine, the
// sheet's forms and the layout table compile unchanged. Each stand-in does
// what the standard's function does for the arguments the engine passes.
#pragma once

#ifdef __EMSCRIPTEN__

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>

namespace std {

#if !defined(__cpp_lib_ranges) || __cpp_lib_ranges < 201911L
namespace ranges {
// With or without a projection, a pointer to a member as ranges' take.
struct FindStandIn {
  constexpr auto operator()(auto&& range, const auto& value) const {
    return std::find(std::begin(range), std::end(range), value);
  }
  constexpr auto operator()(auto&& range, const auto& value, auto projection) const {
    return std::find_if(std::begin(range), std::end(range),
                        [&](auto&& item) { return std::invoke(projection, item) == value; });
  }
};
inline constexpr FindStandIn find;
inline constexpr auto find_if = [](auto&& range, auto predicate) {
  return std::find_if(std::begin(range), std::end(range), predicate);
};
inline constexpr auto any_of = [](auto&& range, auto predicate) {
  return std::any_of(std::begin(range), std::end(range), predicate);
};
inline constexpr auto all_of = [](auto&& range, auto predicate) {
  return std::all_of(std::begin(range), std::end(range), predicate);
};
inline constexpr auto fill = [](auto&& range, const auto& value) {
  std::fill(std::begin(range), std::end(range), value);
  return std::end(range);
};
inline constexpr auto min_element = [](auto&& range) {
  return std::min_element(std::begin(range), std::end(range));
};
inline constexpr auto copy = [](auto&& range, auto out) {
  return std::copy(std::begin(range), std::end(range), out);
};
// The operation may be a pointer to a member, as ranges' algorithms take.
inline constexpr auto transform = [](auto&& range, auto out, auto operation) {
  return std::transform(std::begin(range), std::end(range), out,
                        [&](auto&& item) { return std::invoke(operation, item); });
};
}  // namespace ranges
#endif

// Plain decimal only, as the engine's number scanner hands it over. The C
// library of the browser build has no locale, so its decimal point is '.'.
inline from_chars_result from_chars(const char* first, const char* last, double& value) {
  const std::string text(first, last);
  char* end = nullptr;
  errno = 0;
  const double parsed = std::strtod(text.c_str(), &end);
  const auto used = end - text.c_str();
  if (used == 0) return {first, errc::invalid_argument};
  if (errno == ERANGE) return {first + used, errc::result_out_of_range};
  value = parsed;
  return {first + used, errc{}};
}

}  // namespace std

#endif
