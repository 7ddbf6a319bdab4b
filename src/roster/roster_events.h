// A roster file read from the events of the JSON reader: each character's
// sheet goes straight into its record, with no document built in between,
// so that a roster of a thousand characters opens without a wait.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <variant>

#include "core/sheet.h"
#include "roster/roster_file.h"
#include "sheet_io/sheet_events.h"

namespace orvandel {

class RosterEvents final : public nlohmann::json_sax<nlohmann::json> {
 public:
  // Whether the document is a roster file: an object with a list of
  // characters. Anything else may still be JSON Lines of sheets.
  bool isRoster() const { return rootIsObject_ && charactersKey_; }
  ImportedCharacters result() &&;

  bool null() override;
  bool boolean(bool value) override;
  bool number_integer(number_integer_t value) override;
  bool number_unsigned(number_unsigned_t value) override;
  bool number_float(number_float_t value, const string_t& text) override;
  bool string(string_t& value) override;
  bool binary(binary_t& value) override;
  bool start_object(std::size_t size) override;
  bool key(string_t& name) override;
  bool end_object() override;
  bool start_array(std::size_t size) override;
  bool end_array() override;
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }

 private:
  // The depths of the file: the whole document, the roster object, its
  // list of characters, one character (whose sheet SheetEvents reads).
  enum Depth { kDocument, kRoster, kList, kCharacter };
  // Whose value the reader meets next.
  enum class Awaited { Nothing, Version, Characters, Name, Sheet };
  // One character as read so far; the sheet stays empty until "fiche" came.
  struct Character {
    std::optional<std::string> name;
    bool nameNotText = false;
    std::optional<std::variant<Personnage, SheetError>> sheet;
  };

  bool scalar(std::string* text = nullptr, std::optional<bool> newer = std::nullopt);
  bool opened(bool isObject);
  bool closed();
  void newCharacter();
  void characterRead();
  template <typename Event>
  bool toSheet(Event event);

  int depth_ = kDocument;
  int skipped_ = 0;  // the depth inside a value that nothing reads
  Awaited awaited_ = Awaited::Nothing;
  bool rootIsObject_ = false;
  bool charactersKey_ = false;
  bool charactersListed_ = false;
  bool newer_ = false;
  std::size_t number_ = 0;
  Character character_;
  std::optional<SheetEvents> sheet_;
  ImportedCharacters imported_;
};

}  // namespace orvandel
