// The words the sheet's written forms put before its values, shared by the
// full text and the game master's page so that both read alike.
#pragma once

#include <string_view>

namespace orvandel::labels {

inline constexpr std::string_view kNationalite = "Nationalité";
inline constexpr std::string_view kProfession = "Profession";
inline constexpr std::string_view kAge = "Age";
inline constexpr std::string_view kMagie = "Magie";
inline constexpr std::string_view kPv = "PV";
inline constexpr std::string_view kBlessureMajeure = "Blessure Majeure";
inline constexpr std::string_view kSan = "SAN";
inline constexpr std::string_view kAttaque = "Attaque";
inline constexpr std::string_view kParade = "Parade";
inline constexpr std::string_view kDommages = "Dommages";
inline constexpr std::string_view kCompetences = "Compétences";
inline constexpr std::string_view kEquipement = "Equipement";

}  // namespace orvandel::labels
