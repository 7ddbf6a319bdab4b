#include "recipe/recipe_link.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "recipe/verification.h"

namespace orvandel {
namespace {

// The code's fields are parted by dots, its typed boxes by tildes.
constexpr char kField = '.';
constexpr char kBox = '~';
constexpr std::string_view kVersion = "1";
// The entry by its letter, a capital when a box was typed into afterwards.
struct EntryLetter {
  char letter;
  RecipeEntry entry;
  bool retouched;
};
constexpr std::array<EntryLetter, 4> kEntryLetters{{
    {'h', RecipeEntry::Random, false},
    {'H', RecipeEntry::Random, true},
    {'s', RecipeEntry::Typed, false},
    {'S', RecipeEntry::Typed, true},
}};
// No link this program writes comes near; longer texts are not read at all.
constexpr std::size_t kLongestCode = 4096;

// A click by the letter of what it raises and its index: "t12", "a2", "p3".
struct ClickLetter {
  char letter;
  ImprovementKind kind;
  int last;
};
constexpr std::array<ClickLetter, 3> kClickLetters{{
    {'t', ImprovementKind::Skill, SkillSlots::kLast},
    {'a', ImprovementKind::Attack, WeaponSlots::kLast},
    {'p', ImprovementKind::Parry, WeaponSlots::kLast},
}};

std::string base36(std::uint64_t value) {
  std::array<char, 16> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 36).ptr;
  return std::string(digits.data(), end);
}

template <typename Number>
std::optional<Number> readNumber(std::string_view text, int base) {
  Number value{};
  if (text.empty()) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool plain(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_';
}

void appendEscaped(std::string& out, std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : text) {
    if (plain(c)) {
      out += c;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
}

std::optional<std::string> unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (plain(text[i])) {
      out += text[i];
      continue;
    }
    if (text[i] != '%' || i + 2 >= text.size()) return std::nullopt;
    const auto byte = readNumber<unsigned>(text.substr(i + 1, 2), 16);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
    i += 2;
  }
  return out;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string clicksCode(const std::vector<ImprovementTarget>& clicks) {
  std::string out;
  for (const ImprovementTarget& click : clicks) {
    for (const ClickLetter& row : kClickLetters)
      if (row.kind == click.kind) out += row.letter;
    out += std::to_string(click.index);
  }
  return out;
}

std::optional<std::vector<ImprovementTarget>> readClicks(std::string_view text) {
  std::vector<ImprovementTarget> clicks;
  while (!text.empty()) {
    const ClickLetter* row = nullptr;
    for (const ClickLetter& candidate : kClickLetters)
      if (candidate.letter == text.front()) row = &candidate;
    if (!row) return std::nullopt;
    text.remove_prefix(1);
    const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
    const auto index = readNumber<int>(text.substr(0, digits), 10);
    if (!index || *index < 1 || *index > row->last) return std::nullopt;
    clicks.push_back({row->kind, *index});
    text.remove_prefix(digits);
  }
  return clicks;
}

std::string typedCode(const Recipe& recipe) {
  std::string out;
  for (std::size_t k = 0; k < kTypedBoxCount; ++k) {
    if (k > 0) out += kBox;
    appendEscaped(out, recipe.typed[k]);
  }
  return out;
}

std::uint64_t tickedMask(const std::vector<int>& ticked) {
  std::uint64_t mask = 0;
  for (const int selector : ticked) mask |= std::uint64_t{1} << selector;
  return mask;
}

std::optional<std::vector<int>> readTicked(std::string_view text) {
  const auto mask = readNumber<std::uint64_t>(text, 36);
  if (!mask) return std::nullopt;
  std::vector<int> ticked;
  std::uint64_t known = 0;
  for (const int selector : Selectors::kIndices) {
    known |= std::uint64_t{1} << selector;
    if (*mask & (std::uint64_t{1} << selector)) ticked.push_back(selector);
  }
  if (*mask & ~known) return std::nullopt;
  return ticked;
}

bool readTyped(std::string_view text, Recipe& recipe) {
  const auto boxes = split(text, kBox);
  if (boxes.size() != kTypedBoxCount) return false;
  for (std::size_t k = 0; k < kTypedBoxCount; ++k) {
    auto box = unescaped(boxes[k]);
    if (!box) return false;
    recipe.typed[k] = std::move(*box);
  }
  return true;
}

}  // namespace

std::optional<std::string> recipeCode(const Recipe& recipe) {
  if (!recipe.seed) return std::nullopt;
  std::string code(kVersion);
  code += kField;
  for (const EntryLetter& row : kEntryLetters)
    if (row.entry == recipe.entry && row.retouched == recipe.retouched) code += row.letter;
  code += kField;
  code += base36(*recipe.seed);
  // A random entry with no click ends at its seed: a link that ends with a
  // dot loses it in many messages, which take the dot for the sentence's.
  if (recipe.entry == RecipeEntry::Random && recipe.clicks.empty()) return code;
  code += kField;
  code += clicksCode(recipe.clicks);
  if (recipe.entry == RecipeEntry::Typed) {
    code += kField;
    code += typedCode(recipe);
    code += kField;
    code += base36(tickedMask(recipe.ticked));
  }
  return code;
}

std::optional<Recipe> readRecipeCode(std::string_view code) {
  if (code.size() > kLongestCode) return std::nullopt;
  const auto fields = split(code, kField);
  if (fields.size() < 3 || fields[0] != kVersion || fields[1].size() != 1) return std::nullopt;
  const auto entry = std::ranges::find(kEntryLetters, fields[1].front(), &EntryLetter::letter);
  if (entry == kEntryLetters.end()) return std::nullopt;
  Recipe recipe;
  recipe.entry = entry->entry;
  recipe.retouched = entry->retouched;
  const bool typed = recipe.entry == RecipeEntry::Typed;
  if (typed ? fields.size() != 6 : fields.size() > 4) return std::nullopt;
  recipe.seed = readNumber<std::uint64_t>(fields[2], 36);
  auto clicks = readClicks(fields.size() > 3 ? fields[3] : std::string_view());
  if (!recipe.seed || !clicks) return std::nullopt;
  recipe.clicks = std::move(*clicks);
  if (typed) {
    auto ticked = readTicked(fields[5]);
    if (!ticked || !readTyped(fields[4], recipe)) return std::nullopt;
    recipe.ticked = std::move(*ticked);
  }
  return recipe;
}

std::optional<std::string> recipeLink(std::string_view site, const Personnage& sheet) {
  if (!sheet.recette) return std::nullopt;
  const auto code = recipeCode(*sheet.recette);
  if (!code || site.size() + kRecipeFragment.size() + code->size() > kLongestRecipeLink) return std::nullopt;
  if (verify(sheet).outcome != Verification::Outcome::Conforms) return std::nullopt;
  std::string link(site);
  link += kRecipeFragment;
  link += *code;
  return link;
}

}  // namespace orvandel
