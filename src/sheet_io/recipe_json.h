// A sheet's recipe in its JSON form: the object under the sheet's "recette"
// key, versioned so that a later shape can be told apart.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "core/recipe.h"

namespace orvandel {

inline constexpr std::string_view kRecipeKey = "recette";
inline constexpr int kRecipeVersion = 1;

nlohmann::json recipeToJson(const Recipe& recipe);

// The recipe `value` holds, or what is wrong with it, as the end of a French
// sentence after "la recette ".
std::variant<Recipe, std::string> recipeFromJson(const nlohmann::json& value);

}  // namespace orvandel
