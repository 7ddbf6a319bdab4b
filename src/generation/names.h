// Profession and nationality names that several stages compare with
// profession_nom and nationalite_nom, each spelled once here.
#pragma once

#include <string_view>

namespace orvandel::names {

// The thirteen professions of the profession table ("Capitain" without e).
inline constexpr std::string_view kGuerrier = "Guerrier";
inline constexpr std::string_view kAssassin = "Assassin";
inline constexpr std::string_view kMarchand = "Marchand";
inline constexpr std::string_view kSecond = "Second";
inline constexpr std::string_view kCapitain = "Capitain";
inline constexpr std::string_view kMarin = "Marin";
inline constexpr std::string_view kChasseur = "Chasseur";
inline constexpr std::string_view kFermier = "Fermier";
inline constexpr std::string_view kPretre = "Prêtre";
inline constexpr std::string_view kNoble = "Noble";
inline constexpr std::string_view kVoleur = "Voleur";
inline constexpr std::string_view kMendiant = "Mendiant";
inline constexpr std::string_view kArtisan = "Artisan";

// Composite professions given by nationalities and sorcery.
inline constexpr std::string_view kNobleAssassin = "Noble Assassin";
inline constexpr std::string_view kNobleGuerrier = "Noble Guerrier";
inline constexpr std::string_view kNoblePretre = "Noble Prêtre";
inline constexpr std::string_view kPretreGuerrier = "Prêtre Guerrier";
inline constexpr std::string_view kPretreAssassin = "Prêtre Assassin";
inline constexpr std::string_view kChasseurGuerrier = "Chasseur Guerrier";
// A noble of birth whose second profession is "Mendiant" (after the title).
inline constexpr std::string_view kNobleMendiant = "Noble Mendiant";
// A noble of birth whose second profession is "Noble" becomes an heir: the
// title, then a number.
inline constexpr std::string_view kHeirTitle = "Héritier du trône N°";

// Nationalities that later stages name.
inline constexpr std::string_view kVeskaree = "Veskarée";
inline constexpr std::string_view kKorDuvan = "Kor Duvan";
inline constexpr std::string_view kUlvareth = "Ulvareth";
inline constexpr std::string_view kTalvane = "Talvane";

}  // namespace orvandel::names
