// A sheet the player brings (a file, a link), or why it is not one, worded
// for the player in French. Shared by the front ends that open sheets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "core/sheet.h"

namespace orvandel {

// A saved sheet is a few kilobytes; anything much bigger is the wrong file.
inline constexpr std::size_t kLargestSheet = 1 << 20;
// Why a file over kLargestSheet is refused, worded as the other reasons.
inline constexpr std::string_view kSheetTooBig = "le fichier est bien trop gros.";

// The most characters one box of a sheet may hold. The rules write at most a
// few hundred (the richest equipment line, 281), and the window stops typing
// there; a longer text is no sheet of this program, and laying it out would
// freeze the window on every zoom step and every click.
inline constexpr std::size_t kLongestBoxText = 1000;

// The characters (not bytes) of a UTF-8 text.
std::size_t charactersIn(std::string_view utf8);

// The sheet that `json` holds (keys not given keep the launch state), or the
// reason it is not one, as the end of a French sentence: "ce n’est pas du
// JSON valide.", "la case "x" n’existe pas sur la fiche." ...
std::variant<Personnage, std::string> sheetForPlayer(std::string_view json);

struct SheetError;

// Why a JSON text is not a sheet, worded as sheetForPlayer words it.
std::string sheetErrorReason(const SheetError& error);

}  // namespace orvandel
