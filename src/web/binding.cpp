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

#include "core/dice.h"
#include "core/seed.h"
#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "history/sheet_history.h"
#include "layout/layout.h"
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

// ":/artwork/title.png" -> "title": the page draws the same piece from its SVG.
std::string artworkName(const char* resource) {
  const std::string_view path(resource);
  const auto start = path.rfind('/') + 1;
  return std::string(path.substr(start, path.rfind('.') - start));
}

val colour(const std::optional<Rgb>& rgb) {
  if (!rgb) return val::null();
  return val("rgb(" + std::to_string(rgb->red) + "," + std::to_string(rgb->green) + "," +
             std::to_string(rgb->blue) + ")");
}

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
      return "frame";
    case ControlKind::Caption:
      return "caption";
    case ControlKind::Field:
      return "field";
    case ControlKind::MultiLine:
      return "multiline";
    case ControlKind::Selector:
      return "selector";
    case ControlKind::Button:
      return "button";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::Line:
      return "line";
  }
  return "caption";
}

val fontOf(const NamedFont& named) {
  val font = val::object();
  font.set("family", std::string(named.family));
  font.set("face", std::string(standInFace(named.family)));
  font.set("points", named.points);
  font.set("bold", named.bold);
  font.set("underline", named.underline);
  return font;
}

val rowOf(const ControlRow& row) {
  val out = val::object();
  out.set("name", row.name);
  out.set("kind", std::string(kindName(row.kind)));
  out.set("container", std::string(row.container == Container::Frame ? "frame" : "window"));
  val twips = val::object();
  twips.set("left", row.place.left);
  twips.set("top", row.place.top);
  twips.set("width", row.place.width);
  twips.set("height", row.place.height);
  out.set("twips", twips);
  out.set("caption", row.caption);
  val look = val::object();
  look.set("font", fontOf(row.look.font));
  look.set("align", std::string(row.look.align == Align::Centre ? "centre" : "left"));
  look.set("ink", colour(row.look.ink));
  look.set("paper", colour(row.look.paper));
  look.set("editable", row.look.editable);
  out.set("look", look);
  out.set("picture", row.picture ? val(artworkName(row.picture)) : val::null());
  out.set("tooltip", row.tooltip ? val(std::string(row.tooltip)) : val::null());
  return out;
}

// The rows of the window's layout table, parents before children.
val layoutRows() {
  val rows = val::array();
  for (const auto& row : characterWindowLayout()) rows.call<void>("push", rowOf(row));
  return rows;
}

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
  facts.set("font", fontOf(kWindowFont));
  facts.set("sheetCursor", cursorOf(kSheetCursor));
  facts.set("titleCursor", cursorOf(kTitleCursor));
  return facts;
}

// The first stops of the Tab order, as in the window: the blue boxes in
// reading order, each followed by the selector that rerolls it.
val tabStops() {
  val stops = val::array();
  for (const auto& blue : kBlueBoxes) {
    stops.call<void>("push", std::string(blue.name));
    stops.call<void>("push", selectorName(blue.selector));
  }
  return stops;
}

class Session {
 public:
  // `seed`: the page's `?seed=` text, empty for the clock's dice.
  explicit Session(const std::string& seed) : seed_(readSeed(seed)), dice_(makeDice(seed_)) {}

  // The sheet in its JSON form: every control name a key.
  std::string json() const { return sheetToJson(sheet_); }
  // The sheet in one of its written forms ("json", "text"), as orvandel-cli
  // and the window write it; empty for a form that does not exist.
  std::string written(const std::string& form) const {
    const SheetFormat* format = findSheetFormat(form);
    return format ? format->write(sheet_) : std::string();
  }

  // Typing into a text field or ticking a selector; false for a name the
  // sheet does not have or a value of the other kind.
  bool setText(const std::string& name, const std::string& text) {
    const auto field = findField(sheet_, name);
    if (!field || !std::holds_alternative<std::string*>(*field)) return false;
    *std::get<std::string*>(*field) = text;
    return true;
  }
  bool setTicked(const std::string& name, bool ticked) {
    const auto field = findField(sheet_, name);
    if (!field || !std::holds_alternative<bool*>(*field)) return false;
    *std::get<bool*>(*field) = ticked;
    return true;
  }

  // "Saisie/Reroll": null when the generation ran, otherwise {message,
  // field} with the sheet unchanged.
  val typedEntry() {
    Personnage before = sheet_;
    const auto refusal = generateTyped(sheet_, *dice_);
    if (!refusal) {
      keepStep(std::move(before));
      return val::null();
    }
    val out = val::object();
    out.set("message", std::string(refusal->message));
    out.set("field", refusal->field);
    return out;
  }

  void randomEntry() {
    Personnage before = sheet_;
    generateRandom(sheet_, *dice_);
    keepStep(std::move(before));
  }

  // An improvement click on `name`; whether a roll was spent. A click that
  // spends nothing is no step to undo.
  bool improve(const std::string& name) { return spend(improvementTarget(name)); }
  // Space or Enter on the value box `name`, as in the window.
  bool improveByKey(const std::string& name) { return spend(keyedImprovementTarget(name)); }

  // Whether a click on `name` is an improvement click.
  static bool isImprovementTarget(const std::string& name) { return improvementTarget(name).has_value(); }
  // Whether Space or Enter on `name` is one.
  static bool takesImprovementKeys(const std::string& name) {
    return keyedImprovementTarget(name).has_value();
  }

  // A sheet the player brings (a file or a link): null once it is shown, or
  // why it is not a sheet, in French, with the sheet unchanged.
  val open(const std::string& json) {
    auto read = sheetForPlayer(json);
    if (auto* reason = std::get_if<std::string>(&read)) return val(*reason);
    Personnage before = std::move(sheet_);
    sheet_ = std::get<Personnage>(std::move(read));
    keepStep(std::move(before));
    return val::null();
  }

  // Stepping back and forth; whether the sheet changed.
  bool undo() { return show(history_.undo(sheet_)); }
  bool redo() { return show(history_.redo(sheet_)); }
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }

  // The launch state: a fresh sheet and the dice as the page opened them.
  // The sheet left behind is one step to undo.
  void restart() {
    Personnage before = std::move(sheet_);
    sheet_ = Personnage{};
    dice_ = makeDice(seed_);
    keepStep(std::move(before));
  }

 private:
  bool spend(std::optional<ImprovementTarget> target) {
    Personnage before = sheet_;
    if (!target || !orvandel::improve(sheet_, *target, *dice_)) return false;
    keepStep(std::move(before));
    return true;
  }
  void keepStep(Personnage before) {
    if (before != sheet_) history_.record(std::move(before));
  }
  bool show(std::optional<Personnage> sheet) {
    if (!sheet) return false;
    sheet_ = std::move(*sheet);
    return true;
  }

  Personnage sheet_;
  std::optional<std::uint64_t> seed_;
  std::unique_ptr<Dice> dice_;
  SheetHistory history_;
};

}  // namespace
}  // namespace orvandel

EMSCRIPTEN_BINDINGS(orvandel) {
  using namespace orvandel;
  emscripten::function("layoutRows", &layoutRows);
  emscripten::function("windowFacts", &windowFacts);
  emscripten::function("tabStops", &tabStops);
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
      .function("undo", &Session::undo)
      .function("redo", &Session::redo)
      .function("canUndo", &Session::canUndo)
      .function("canRedo", &Session::canRedo)
      .class_function("isImprovementTarget", &Session::isImprovementTarget)
      .class_function("takesImprovementKeys", &Session::takesImprovementKeys);
}
