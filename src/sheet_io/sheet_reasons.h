// A sheet the player brings (a file, a link), or why it is not one, worded
// for the player in French. Shared by the front ends that open sheets.
#pragma once

#include <cstddef>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "core/sheet.h"

namespace orvandel {

// A saved sheet is a few kilobytes; anything much bigger is the wrong file.
inline constexpr std::size_t kLargestSheet = 1 << 20;

// The sheet that `json` holds (keys not given keep the launch state), or the
// reason it is not one, as the end of a French sentence: "ce n’est pas du
// JSON valide.", "la case "x" n’existe pas sur la fiche." ...
std::variant<Personnage, std::string> sheetForPlayer(std::string_view json);

// The same for a JSON value already read, such as a sheet inside a roster.
std::variant<Personnage, std::string> sheetValueForPlayer(const nlohmann::json& value);

struct SheetError;

// Why a JSON text is not a sheet, worded as sheetForPlayer words it.
std::string sheetErrorReason(const SheetError& error);

}  // namespace orvandel
