// A sheet read from the events of the JSON reader, one value at a time, with
// no document built in between: how a single sheet is read, and how a roster
// of a thousand sheets opens without a wait.
#pragma once

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <variant>

#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "sheet_io/sheet_json.h"

namespace orvandel {

// Takes the events of one JSON value, from its first to its last; result()
// then gives the sheet it made on top of `base`, or what was wrong with it,
// as sheetFromJson words it. A reader of a larger document hands it the
// events of one value until finished().
class SheetEvents final : public nlohmann::json_sax<nlohmann::json> {
 public:
  explicit SheetEvents(Personnage base = {});

  bool finished() const { return started_ && depth_ == 0; }
  std::variant<Personnage, SheetError> result() &&;

  ~SheetEvents() override;

  bool null() override;
  bool boolean(bool value) override;
  bool number_integer(number_integer_t value) override;
  bool number_unsigned(number_unsigned_t value) override;
  bool number_float(number_float_t value, const string_t& text) override;
  bool string(string_t& value) override;
  bool binary(binary_t&) override { return other(); }
  bool start_object(std::size_t size) override;
  bool key(string_t& name) override;
  bool end_object() override;
  bool start_array(std::size_t size) override;
  bool end_array() override;
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }

 private:
  // Whether the event is the value of a control of the sheet.
  bool atControlValue() const { return isObject_ && depth_ == 1 && field_.has_value(); }
  bool open();
  bool close();
  bool other();
  bool valueRead();
  void refuseValue();
  void refuse(SheetError error);
  void accept();
  // The recipe's value is read whole, as a small document of its own.
  struct RecipeCapture;
  // Hands an event to the recipe being read; whether its value is complete.
  template <typename Event>
  bool captured(Event event);
  void readRecipe();

  Personnage sheet_;
  bool started_ = false;
  bool isObject_ = false;
  int depth_ = 0;
  std::string control_;            // the key whose value comes next
  std::optional<FieldRef> field_;  // its field, while its value is awaited
  // The faults by control: the first in the order of the keys is told, as
  // a reader of the whole document would meet it; a key given twice counts
  // by its last value.
  std::map<std::string, SheetError, std::less<>> faults_;
  std::unique_ptr<RecipeCapture> recipe_;
};

}  // namespace orvandel
