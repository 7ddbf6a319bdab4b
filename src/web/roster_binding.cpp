// The roster as the browser edition sees it: the page's handle on the
// roster session, addressed by place and answered in values the page reads.
// The page shows what it is given (each character's name and summary, the
// name proposed for a sheet, each refusal) and stores the roster file as it
// is, the same file as the window's.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/sheet.h"
#include "group_handle.h"
#include "roster/roster.h"
#include "roster/roster_file.h"
#include "roster/roster_session.h"
#include "sheet_io/gm_page.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

using emscripten::val;

val textList(const std::vector<std::string>& texts) {
  val list = val::array();
  for (const auto& text : texts) list.call<void>("push", text);
  return list;
}

// A refusal as the page reads it: null once done.
val refusalOf(const std::optional<std::string>& refusal) { return refusal ? val(*refusal) : val::null(); }

// The bytes of a JavaScript Uint8Array as text, copied in one call: a
// string argument is encoded character by character, which for a roster of
// a thousand characters (5 MB) took longer than reading it.
std::string textOf(const val& bytes) {
  std::string text(bytes["length"].as<std::size_t>(), '\0');
  val(emscripten::typed_memory_view(text.size(), reinterpret_cast<unsigned char*>(text.data())))
      .call<void>("set", bytes);
  return text;
}

// A JavaScript string as UTF-8, written by the browser's encoder straight
// into the engine's memory: for a stored roster of 3 000 characters (15 MB)
// a third of the time of encoding it apart and copying the bytes in. Room is
// made first for a text mostly ASCII; any characters left over then take at
// most three bytes for each UTF-16 unit.
std::string utf8Of(const val& text) {
  const val encoder = val::global("TextEncoder").new_();
  std::size_t left = text["length"].as<std::size_t>();
  std::string out(left + left / 8 + 16, '\0');
  std::size_t written = 0;
  val rest = text;
  while (true) {
    auto* unused = reinterpret_cast<unsigned char*>(out.data() + written);
    const val room(emscripten::typed_memory_view(out.size() - written, unused));
    const val done = encoder.call<val>("encodeInto", rest, room);
    written += done["written"].as<std::size_t>();
    const auto read = done["read"].as<std::size_t>();
    left -= read;
    if (left == 0) break;
    rest = rest.call<val>("slice", read);
    out.resize(written + 3 * left);
  }
  out.resize(written);
  return out;
}

class RosterHandle {
 public:
  // `stored`: the roster file's text as the page last stored it, empty for
  // none.
  explicit RosterHandle(const val& stored) {
    const std::string text = utf8Of(stored);
    if (text.empty()) return;
    ImportedCharacters read = importCharacters(text);
    session_ = RosterSession(Roster(std::move(read.characters)));
    loadProblems_ = std::move(read.problems);
  }

  // Why characters of the stored roster could not be read, in French.
  val loadProblems() const { return textList(loadProblems_); }

  // {name, summary} of the character at `at`: asked for the entries drawn
  // only, as a phone shows a few dozen of thousands.
  val character(std::size_t at) const {
    const KeptCharacter& kept = session_.characters().at(at);
    val entry = val::object();
    entry.set("name", kept.name);
    entry.set("summary", summary(kept));
    return entry;
  }
  std::size_t size() const { return session_.characters().size(); }
  // The places found, as a Uint32Array copied in one call.
  val search(const std::string& words) const {
    const std::vector<std::size_t> places = session_.roster().search(words);
    return val(emscripten::typed_memory_view(places.size(), places.data())).call<val>("slice");
  }

  // Each returns null once done, or why not, in French.
  val keep(const std::string& name, const std::string& sheetJson) {
    auto sheet = sheetForPlayer(sheetJson);
    if (auto* reason = std::get_if<std::string>(&sheet)) return val(*reason);
    return refusalOf(session_.keep(name, std::move(std::get<Personnage>(sheet))));
  }
  val rename(std::size_t at, const std::string& name) { return refusalOf(session_.rename(at, name)); }
  // "Mettre à jour": the character last opened takes the sheet on screen.
  val update(const std::string& sheetJson) {
    auto sheet = sheetForPlayer(sheetJson);
    if (auto* reason = std::get_if<std::string>(&sheet)) return val(*reason);
    return refusalOf(session_.update(std::move(std::get<Personnage>(sheet))));
  }
  val remove(std::size_t at) { return refusalOf(session_.remove(at)); }
  // Puts the last character removed back where it stood; its place, or -1
  // when none was removed.
  int undoRemoval() {
    const auto at = session_.undoRemoval();
    return at ? static_cast<int>(*at) : -1;
  }
  bool canUndoRemoval() const { return session_.canUndoRemoval(); }

  // The sheet of the character at `at`, which is now the one opened; empty
  // when there is none there.
  std::string open(std::size_t at) { return session_.open(at) ? std::string() : sheetJson(at); }
  // The place of the character last opened or kept, or -1.
  int opened() const {
    const auto at = session_.opened();
    return at ? static_cast<int>(*at) : -1;
  }
  std::string sheetJson(std::size_t at) const {
    return at < size() ? sheetToJson(session_.characters()[at].sheet) : std::string();
  }

  // The game master's page of the characters at `places`, in that order,
  // each under the name it is kept under: a group prepared on another day
  // prints as on the day it was made.
  std::string gmPage(const val& places) const {
    std::vector<NamedSheet> sheets;
    for (const auto at : emscripten::vecFromJSArray<std::size_t>(places)) {
      const KeptCharacter& kept = session_.characters().at(at);
      sheets.push_back({kept.name, kept.sheet});
    }
    return gmPageHtml(sheets);
  }

  std::string toJson() const { return rosterToJson(session_.characters()); }
  std::string toJsonLines() const { return rosterToJsonLines(session_.characters()); }

  // Adds the characters of the roster file or the JSON Lines of sheets
  // called `fileName`, given as bytes: { added, summary, problems }, the
  // summary saying how many came in and the problems why each bad one was
  // left out.
  val importBytes(const val& bytes, const std::string& fileName) {
    ImportedCharacters imported = importCharacters(textOf(bytes));
    const std::size_t added = session_.keepAll(std::move(imported.characters));
    val out = val::object();
    out.set("added", added);
    out.set("summary", importSummary(fileName, added, !imported.problems.empty()));
    out.set("problems", textList(imported.problems));
    return out;
  }

  // Keeps the characters `group` found, after the others, under the names
  // memberName() gives them: the names as kept, which the roster makes
  // distinct from those of characters kept before.
  val keepGroup(const GroupHandle& group, const std::string& groupName) {
    const std::size_t first = size();
    session_.keepAll(group.members(groupName));
    val names = val::array();
    for (std::size_t at = first; at < size(); ++at) names.call<void>("push", session_.characters()[at].name);
    return names;
  }

 private:
  RosterSession session_;
  std::vector<std::string> loadProblems_;
};

// The name a sheet is kept under until the player gives one.
std::string proposedNameOf(const std::string& sheetJson) {
  auto sheet = sheetForPlayer(sheetJson);
  if (const auto* read = std::get_if<Personnage>(&sheet)) return proposedName(*read);
  return proposedName(Personnage{});
}

}  // namespace
}  // namespace orvandel

EMSCRIPTEN_BINDINGS(orvandel_roster) {
  using namespace orvandel;
  emscripten::constant("largestRoster", static_cast<double>(kLargestRoster));
  emscripten::function("proposedName", &proposedNameOf);
  emscripten::class_<RosterHandle>("Roster")
      .constructor<const val&>()
      .function("loadProblems", &RosterHandle::loadProblems)
      .function("character", &RosterHandle::character)
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
      .function("gmPage", &RosterHandle::gmPage)
      .function("toJson", &RosterHandle::toJson)
      .function("toJsonLines", &RosterHandle::toJsonLines)
      .function("importBytes", &RosterHandle::importBytes)
      .function("keepGroup", &RosterHandle::keepGroup);
}
