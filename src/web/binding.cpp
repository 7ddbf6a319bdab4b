// The engine as the browser edition sees it: one Session per page owns the
// sheet and the dice, and the layout table describes the page to draw. The
// page only shows what these functions return and forwards what the player
// does; every rule runs here, in the same C++ as the window and the CLI.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
#include "recipe/recipe_link.h"
#include "recipe/verification.h"
#include "session/outcome.h"
#include "session/sheet_session.h"
#include "sheet_io/refusal_text.h"
#include "sheet_io/sheet_formats.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

using emscripten::val;

std::unique_ptr<Dice> makeDice(const std::optional<std::uint64_t>& seed) {
  if (seed) return std::make_unique<SeededDice>(*seed);
  return std::make_unique<FreshDice>();
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
  // `seed`: the page's `?seed=` text, empty for fresh dice.
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

  // "Saisie/Reroll": {outcome, refusal}, the sentence that says what the
  // press did, and null when the generation ran, otherwise {message, detail,
  // field} with the sheet unchanged; the detail names the box at fault and
  // what is wrong with it, as orvandel-cli words it.
  val typedEntry() {
    const auto refusal = session_.typedEntry();
    val out = val::object();
    out.set("outcome", entryOutcome(refusal, session_.sheet()));
    out.set("refusal", val::null());
    if (!refusal) return out;
    val why = val::object();
    why.set("message", std::string(refusal->message));
    why.set("detail", refusalSentence(*refusal, session_.sheet()));
    why.set("field", refusal->field);
    out.set("refusal", why);
    return out;
  }
  // The title picture; the sentence that says what character it made.
  std::string randomEntry() {
    session_.randomEntry();
    return entryOutcome(std::nullopt, session_.sheet());
  }

  // An improvement click on `name`: what it spent, or why it spent nothing.
  std::string improve(const std::string& name) { return spend(improvementTarget(name)); }
  // Space or Enter on the value box `name`, as in the window.
  std::string improveByKey(const std::string& name) { return spend(keyedImprovementTarget(name)); }

  // A sheet the player brings (a file or a link): null once it is shown, or
  // why it is not a sheet, in French, with the sheet unchanged.
  val open(const std::string& json) {
    const auto reason = session_.open(json);
    return reason ? val(*reason) : val::null();
  }

  // The sheet a link's recipe makes: null once it is shown, or why the link
  // makes none, in French, with the sheet unchanged.
  val openRecipe(const std::string& code) {
    const auto reason = session_.openRecipe(code);
    return reason ? val(*reason) : val::null();
  }
  // {verdict, differences}: whether the sheet is what its recipe gives, and
  // each box that differs, a line each.
  val verification() const {
    const Personnage& sheet = session_.sheet();
    const Verification checked = verify(sheet);
    val differences = val::array();
    for (const std::string& line : differenceLines(sheet, checked)) differences.call<void>("push", line);
    val out = val::object();
    out.set("verdict", verdict(sheet, checked));
    out.set("differences", differences);
    return out;
  }
  // The short link to the sheet on `site` (the page's address): its recipe
  // alone when it is what its dice gave; empty when the link must carry the
  // whole sheet.
  std::string recipeLink(const std::string& site) const {
    return orvandel::recipeLink(site, session_.sheet()).value_or(std::string());
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
  // Whether closing the tab would lose the character shown; see SheetSession.
  bool holdsUnkeptCharacter() const { return session_.holdsUnkeptCharacter(); }
  void markKept() { session_.markKept(); }

  // QUITTER where the page may not close its tab: the launch state, with
  // the dice as the page opened them.
  void restart() { session_.restart(makeDice(seed_)); }

  // {control: name} for every control a screen reader names, as the sheet
  // now stands. A caption keeps its text on the page, where the box beside
  // it carries the name.
  val spokenNames() const {
    val names = val::object();
    for (const auto& row : characterWindowLayout()) {
      if (row.kind == ControlKind::Caption) continue;
      if (std::string name = spokenName(row, session_.sheet()); !name.empty()) names.set(row.name, name);
    }
    return names;
  }

 private:
  std::string spend(std::optional<ImprovementTarget> target) {
    if (!target) return {};
    const bool spent = session_.improve(*target);
    return improvementOutcome(spent, session_.sheet(), session_.journal());
  }

  std::optional<std::uint64_t> seed_;
  SheetSession session_;
};

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
  emscripten::function("stepOutcome", &stepOutcome);
  emscripten::function(
      "savedOutcome", +[](const std::string& file) { return savedOutcome(file); });
  emscripten::function(
      "openedOutcome", +[](const std::string& file) { return openedOutcome(file); });
  emscripten::function("copiedOutcome", &copiedOutcome);
  emscripten::constant("largestSheet", static_cast<double>(kLargestSheet));
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
      .function("openRecipe", &Session::openRecipe)
      .function("verification", &Session::verification)
      .function("recipeLink", &Session::recipeLink)
      .function("undo", &Session::undo)
      .function("redo", &Session::redo)
      .function("canUndo", &Session::canUndo)
      .function("canRedo", &Session::canRedo)
      .function("holdsUnkeptCharacter", &Session::holdsUnkeptCharacter)
      .function("markKept", &Session::markKept)
      .function("spokenNames", &Session::spokenNames)
      .function("journalLines", &Session::journalLines);
}
