// The keys of the roster file, which its writer and its reader share, and
// the version that this program writes.
#pragma once

#include <cstddef>
#include <string>

namespace orvandel::roster_form {

inline constexpr const char* kFormatKey = "format";
inline constexpr const char* kFormat = "orvandel-personnages";
inline constexpr const char* kVersionKey = "version";
inline constexpr int kVersion = 1;
inline constexpr const char* kCharactersKey = "personnages";
inline constexpr const char* kNameKey = "nom";
inline constexpr const char* kSheetKey = "fiche";

// "personnage 3 : reason", "ligne 5 : reason": a character left out of an
// import, by its place.
inline std::string problemAt(const char* where, std::size_t number, const std::string& reason) {
  return std::string(where) + " " + std::to_string(number) + " : " + reason;
}

}  // namespace orvandel::roster_form
