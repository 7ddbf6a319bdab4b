// The engine as the browser edition sees it: one Session per page owns the
// sheet and the dice, and the layout table describes the page to draw. The
// page only shows what these functions return and forwards what the player
// does; every rule runs here, in the same C++ as the window and the CLI.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/dice.h"
#include "core/seed.h"
#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "generation/journal.h"
#include "layout/control_catalogue.h"
#include "layout/layout.h"
#include "layout/spoken_names.h"
#include "layout_rows.h"
#include "roster/roster.h"
#include "roster/roster_file.h"
#include "session/sheet_session.h"
#include "sheet_io/sheet_formats.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

using emscripten::val;

std::unique_ptr<Dice> makeDice(const std::optional<std::uint64_t>& seed) {
  if (seed) return std::make_unique<SeededDice>(*seed);
  return std::make_unique<ClockDice>();
}

// JSON text as the page's own object.
val parsed(const std::string& text) { return val::global("JSON").call<val>("parse", text); }

// The rows of the window's layout table, parents before children.
val layoutRows() { return parsed(layoutRowsJson()); }

val cursorOf(const CursorArt& art) {
  val cursor = val::object();
  cursor.set("picture", artworkName(art.picture));
  cursor.set("hotX", art.hotX);
  cursor.set("hotY", art.hotY);
  return cursor;
}

// What the page needs of the window itself.
val windowFacts() {
  val facts = val::object();
  facts.set("title", std::string(kWindowTitle));
  facts.set("widthTwips", kClientWidthTwips);
  facts.set("heightTwips", kClientHeightTwips);
  facts.set("twipsPerPixel", kTwipsPerPixel);
  // The most characters a box takes: a longer text would be no sheet.
  facts.set("longestBoxText", static_cast<double>(kLongestBoxText));
  facts.set("font", parsed(fontJson(kWindowFont)));
  facts.set("sheetCursor", cursorOf(kSheetCursor));
  facts.set("titleCursor", cursorOf(kTitleCursor));
  return facts;
}

// The phone column's places, in the order a player fills the sheet.
val columnPlaces() { return parsed(columnPlacesJson()); }

// Every control that Tab reaches, in the window's order.
val tabOrderNames() {
  val names = val::array();
  for (const auto& name : tabOrder()) names.call<void>("push", name);
  return names;
}

// The ten boxes where the player types rolls, in reading order.
val blueBoxes() {
  val names = val::array();
  for (const auto& blue : kBlueBoxes) names.call<void>("push", std::string(blue.name));
  return names;
}

// The controls with a role of their own.
val fixedControls() {
  val names = val::object();
  names.set("client", std::string(kClientArea));
  names.set("frame", std::string(kSheetFrame));
  names.set("title", std::string(kTitlePicture));
  names.set("typedEntry", std::string(kTypedEntryButton));
  names.set("quit", std::string(kQuitButton));
  return names;
}

// The tooltip of each selector: what a tick does.
val selectorTips() {
  val tips = val::object();
  for (const auto& row : characterWindowLayout())
    if (std::string tip = selectorTip(row.name); !tip.empty()) tips.set(row.name, tip);
  return tips;
}

// The values a press spends an improvement roll on: `clicks`, the controls
// a click spends one on; `keys`, those where Space or Enter does, as in the
// window.
val improvementControls() {
  val clicks = val::array();
  val keys = val::array();
  for (const auto& entry : controlCatalogue()) {
    if (entry.click) clicks.call<void>("push", entry.row->name);
    if (entry.key) keys.call<void>("push", entry.row->name);
  }
  val controls = val::object();
  controls.set("clicks", clicks);
  controls.set("keys", keys);
  return controls;
}

// The page's handle on the engine's session: the same actions as the
// window's, addressed by control name and answered in values the page reads.
class Session {
 public:
  // `seed`: the page's `?seed=` text, empty for the clock's dice.
  explicit Session(const std::string& seed) : seed_(readSeed(seed)), session_(makeDice(seed_)) {}

  // The sheet in its JSON form: every control name a key.
  std::string json() const { return sheetToJson(session_.sheet()); }
  // The sheet in one of its written forms ("json", "text"), as orvandel-cli
  // and the window write it; empty for a form that does not exist.
  std::string written(const std::string& form) const {
    const SheetFormat* format = findSheetFormat(form);
    return format ? format->write(session_.sheet()) : std::string();
  }

  bool setText(const std::string& name, const std::string& text) { return session_.setText(name, text); }
  bool setTicked(const std::string& name, bool ticked) { return session_.setTicked(name, ticked); }

  // "Saisie/Reroll": null when the generation ran, otherwise {message,
  // field} with the sheet unchanged.
  val typedEntry() {
    const auto refusal = session_.typedEntry();
    if (!refusal) return val::null();
    val out = val::object();
    out.set("message", std::string(refusal->message));
    out.set("field", refusal->field);
    return out;
  }
  void randomEntry() { session_.randomEntry(); }

  // An improvement click on `name`; whether a roll was spent.
  bool improve(const std::string& name) { return spend(improvementTarget(name)); }
  // Space or Enter on the value box `name`, as in the window.
  bool improveByKey(const std::string& name) { return spend(keyedImprovementTarget(name)); }

  // A sheet the player brings (a file or a link): null once it is shown, or
  // why it is not a sheet, in French, with the sheet unchanged.
  val open(const std::string& json) {
    const auto reason = session_.open(json);
    return reason ? val(*reason) : val::null();
  }

  bool undo() { return session_.undo(); }
  bool redo() { return session_.redo(); }
  // How the sheet shown was made: one French line a step of the rules, as
  // the window's journal and orvandel-cli --journal write it.
  val journalLines() const {
    val lines = val::array();
    for (const JournalEntry& entry : session_.journal()) lines.call<void>("push", journalLine(entry));
    return lines;
  }

  bool canUndo() const { return session_.canUndo(); }
  bool canRedo() const { return session_.canRedo(); }

  // QUITTER where the page may not close its tab: the launch state, with
  // the dice as the page opened them.
  void restart() { session_.restart(makeDice(seed_)); }

  // {control: name} for every control a screen reader names, as the sheet
  // now stands.
  val spokenNames() const {
    val names = val::object();
    for (const auto& row : characterWindowLayout())
      if (std::string name = spokenName(row, session_.sheet()); !name.empty()) names.set(row.name, name);
    return names;
  }

 private:
  bool spend(std::optional<ImprovementTarget> target) { return target && session_.improve(*target); }

  std::optional<std::uint64_t> seed_;
  SheetSession session_;
};

// Why a name is refused, as the window says it.
constexpr const char* kNoName = "Donnez un nom au personnage.";
constexpr const char* kNothingOpened =
    "Ouvrez d’abord un personnage de la liste : « Mettre à jour » le remplace par la fiche affichée.";
constexpr const char* kGone = "Ce personnage n’est plus dans la liste.";

// The name as the player meant it: without the spaces around it.
std::string trimmed(const std::string& name) {
  const auto first = name.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(" \t\r\n") - first + 1);
}

val textList(const std::vector<std::string>& texts) {
  val list = val::array();
  for (const auto& text : texts) list.call<void>("push", text);
  return list;
}

// The bytes of a JavaScript Uint8Array as text, copied in one call: a
// string argument is encoded character by character, which for a roster of
// a thousand characters (5 MB) took longer than reading it.
std::string textOf(const val& bytes) {
  std::string text(bytes["length"].as<std::size_t>(), '\0');
  val(emscripten::typed_memory_view(text.size(), reinterpret_cast<unsigned char*>(text.data())))
      .call<void>("set", bytes);
  return text;
}

// The page's handle on the characters it keeps: the roster library, the
// character last opened from it (which "Mettre à jour" replaces) and the
// removals of this visit, to put back. The page stores toJson() as it is,
// the same roster file as the window's.
class RosterHandle {
 public:
  // `stored`: the bytes of the roster file as the page last stored it,
  // empty for none.
  explicit RosterHandle(const val& stored) {
    const std::string text = textOf(stored);
    if (text.empty()) return;
    ImportedCharacters read = importCharacters(text);
    roster_ = Roster(std::move(read.characters));
    loadProblems_ = std::move(read.problems);
  }

  // Why characters of the stored roster could not be read, in French.
  val loadProblems() const { return textList(loadProblems_); }

  // [{name, profession, nationality, pv, san}] in the roster's order.
  val characters() const {
    val list = val::array();
    for (const KeptCharacter& c : roster_.characters()) {
      val entry = val::object();
      entry.set("name", c.name);
      entry.set("profession", c.sheet.profession_nom);
      entry.set("nationality", c.sheet.nationalite_nom);
      entry.set("pv", c.sheet.pv);
      entry.set("san", c.sheet.san);
      list.call<void>("push", entry);
    }
    return list;
  }
  std::size_t size() const { return roster_.size(); }
  val search(const std::string& words) const {
    val places = val::array();
    for (const std::size_t at : roster_.search(words)) places.call<void>("push", at);
    return places;
  }

  // Each returns null once done, or why not, in French.
  val keep(const std::string& name, const std::string& sheetJson) {
    const std::string kept = trimmed(name);
    if (kept.empty()) return val(std::string(kNoName));
    auto sheet = sheetForPlayer(sheetJson);
    if (auto* reason = std::get_if<std::string>(&sheet)) return val(*reason);
    opened_ = roster_.keep(kept, std::move(std::get<Personnage>(sheet)));
    return val::null();
  }
  val rename(std::size_t at, const std::string& name) {
    if (at >= roster_.size()) return val(std::string(kGone));
    const std::string kept = trimmed(name);
    if (kept.empty()) return val(std::string(kNoName));
    roster_.rename(at, kept);
    return val::null();
  }
  // "Mettre à jour": the character last opened takes the sheet on screen.
  val update(const std::string& sheetJson) {
    if (!opened_) return val(std::string(kNothingOpened));
    auto sheet = sheetForPlayer(sheetJson);
    if (auto* reason = std::get_if<std::string>(&sheet)) return val(*reason);
    roster_.update(*opened_, std::move(std::get<Personnage>(sheet)));
    return val::null();
  }
  val remove(std::size_t at) {
    if (at >= roster_.size()) return val(std::string(kGone));
    removed_.emplace_back(at, roster_.remove(at));
    if (opened_ == at)
      opened_.reset();
    else if (opened_ && *opened_ > at)
      --*opened_;
    return val::null();
  }
  // Puts the last character removed back where it stood; its place, or -1
  // when none was removed.
  int undoRemoval() {
    if (removed_.empty()) return -1;
    auto [at, character] = std::move(removed_.back());
    removed_.pop_back();
    if (opened_ && *opened_ >= at) ++*opened_;
    roster_.restore(at, std::move(character));
    return static_cast<int>(std::min(at, roster_.size() - 1));
  }
  bool canUndoRemoval() const { return !removed_.empty(); }

  // The sheet of the character at `at`, which is now the one opened; empty
  // when there is none there.
  std::string open(std::size_t at) {
    if (at >= roster_.size()) return {};
    opened_ = at;
    return sheetJson(at);
  }
  // The place of the character last opened or kept, or -1.
  int opened() const { return opened_ ? static_cast<int>(*opened_) : -1; }
  std::string sheetJson(std::size_t at) const {
    return at < roster_.size() ? sheetToJson(roster_.characters()[at].sheet) : std::string();
  }

  std::string toJson() const { return rosterToJson(roster_.characters()); }
  std::string toJsonLines() const { return rosterToJsonLines(roster_.characters()); }

  // Adds the characters of a roster file or of JSON Lines of sheets, given
  // as bytes; why each bad one was left out.
  val importBytes(const val& bytes) {
    ImportedCharacters imported = importCharacters(textOf(bytes));
    roster_.keepAll(std::move(imported.characters));
    return textList(imported.problems);
  }

 private:
  Roster roster_;
  std::vector<std::string> loadProblems_;
  std::optional<std::size_t> opened_;
  std::vector<std::pair<std::size_t, KeptCharacter>> removed_;
};

// The name a sheet is kept under until the player gives one.
std::string proposedNameOf(const std::string& sheetJson) {
  auto sheet = sheetForPlayer(sheetJson);
  if (const auto* read = std::get_if<Personnage>(&sheet)) return proposedName(*read);
  return proposedName(Personnage{});
}

}  // namespace
}  // namespace orvandel

EMSCRIPTEN_BINDINGS(orvandel) {
  using namespace orvandel;
  emscripten::function("layoutRows", &layoutRows);
  emscripten::function("windowFacts", &windowFacts);
  emscripten::function("tabOrder", &tabOrderNames);
  emscripten::function("columnPlaces", &columnPlaces);
  emscripten::function("fixedControls", &fixedControls);
  emscripten::function("blueBoxes", &blueBoxes);
  emscripten::function("selectorTips", &selectorTips);
  emscripten::function("improvementControls", &improvementControls);
  emscripten::constant("largestSheet", static_cast<double>(kLargestSheet));
  emscripten::constant("largestRoster", static_cast<double>(kLargestRoster));
  emscripten::function("proposedName", &proposedNameOf);
  emscripten::class_<Session>("Session")
      .constructor<const std::string&>()
      .function("json", &Session::json)
      .function("written", &Session::written)
      .function("setText", &Session::setText)
      .function("setTicked", &Session::setTicked)
      .function("typedEntry", &Session::typedEntry)
      .function("randomEntry", &Session::randomEntry)
      .function("improve", &Session::improve)
      .function("improveByKey", &Session::improveByKey)
      .function("restart", &Session::restart)
      .function("open", &Session::open)
      .function("undo", &Session::undo)
      .function("redo", &Session::redo)
      .function("canUndo", &Session::canUndo)
      .function("canRedo", &Session::canRedo)
      .function("spokenNames", &Session::spokenNames)
      .function("journalLines", &Session::journalLines);
  emscripten::class_<RosterHandle>("Roster")
      .constructor<const val&>()
      .function("loadProblems", &RosterHandle::loadProblems)
      .function("characters", &RosterHandle::characters)
      .function("size", &RosterHandle::size)
      .function("search", &RosterHandle::search)
      .function("keep", &RosterHandle::keep)
      .function("rename", &RosterHandle::rename)
      .function("update", &RosterHandle::update)
      .function("remove", &RosterHandle::remove)
      .function("undoRemoval", &RosterHandle::undoRemoval)
      .function("canUndoRemoval", &RosterHandle::canUndoRemoval)
      .function("open", &RosterHandle::open)
      .function("opened", &RosterHandle::opened)
      .function("sheetJson", &RosterHandle::sheetJson)
      .function("toJson", &RosterHandle::toJson)
      .function("toJsonLines", &RosterHandle::toJsonLines)
      .function("importBytes", &RosterHandle::importBytes);
}
