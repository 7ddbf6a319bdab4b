// The short share link: a sheet that is what its dice gave travels as its
// recipe alone, a few dozen characters that the receiving end replays, so
// that the link fits a QR code a phone reads across the table.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/recipe.h"
#include "core/sheet.h"

namespace orvandel {

// What follows the site's address in each kind of link.
inline constexpr std::string_view kRecipeFragment = "#r=";
inline constexpr std::string_view kSheetFragment = "#fiche=";

// The longest recipe link: past it, the link carries the whole sheet.
inline constexpr std::size_t kLongestRecipeLink = 200;

// The recipe as a fragment's text: letters, digits and "-._~%" only.
// Nothing for a recipe whose dice are a script: its rolls are no short text.
std::optional<std::string> recipeCode(const Recipe& recipe);

// The recipe that recipeCode() wrote; nothing for any other text.
std::optional<Recipe> readRecipeCode(std::string_view code);

// `site` followed by the sheet's recipe, when the sheet is exactly what
// its recipe gives and the link stays within kLongestRecipeLink; nothing
// otherwise, and the link must carry the sheet.
std::optional<std::string> recipeLink(std::string_view site, const Personnage& sheet);

}  // namespace orvandel
