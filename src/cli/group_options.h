// The conditions a game master puts on `generate`: --profession and
// --nationalite (each as often as wanted), --magie, --min and --max on a
// measure, read into the group library's Conditions, and the `names`
// listing of everything they accept, for people and for completion.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace orvandel {

struct Options;

// The conditions as typed, before they are read.
struct TypedConditions {
  std::vector<std::string> professions;
  std::vector<std::string> nationalities;
  std::optional<std::string> magie;
  std::vector<std::string> minima;
  std::vector<std::string> maxima;
  std::optional<std::string> groupName;

  bool any() const;
};

void addConditionOptions(CLI::App& command, TypedConditions& typed);

// Reads the typed conditions into options.conditions; the first fault found
// (an unknown name with the nearest one, a bound no character can meet),
// or empty.
std::string readConditions(const TypedConditions& typed, Options& options);

// The lists `orvandel-cli names` prints: every list under its heading, or
// the one named, a name a line.
inline constexpr const char* kNameLists = "professions, nationalites, magie ou mesures";
std::optional<std::string> nameListing(const std::string& list);

}  // namespace orvandel
