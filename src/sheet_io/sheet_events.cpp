#include "sheet_io/sheet_events.h"

#include "core/excerpt.h"
#include "sheet_io/recipe_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {

struct SheetEvents::RecipeCapture {
  nlohmann::json value;
  nlohmann::detail::json_sax_dom_parser<nlohmann::json> parser{value, false};
  int depth = 0;  // of the objects and arrays open inside the recipe
};

SheetEvents::SheetEvents(Personnage base) : sheet_(std::move(base)) {}

SheetEvents::~SheetEvents() = default;

template <typename Event>
bool SheetEvents::captured(Event event) {
  if (!event(recipe_->parser)) return false;
  if (recipe_->depth == 0) readRecipe();
  return true;
}

void SheetEvents::readRecipe() {
  auto read = recipeFromJson(recipe_->value);
  recipe_.reset();
  if (auto* problem = std::get_if<std::string>(&read)) {
    refuse({SheetError::Problem::BadRecipe, control_, std::move(*problem)});
  } else {
    sheet_.recette = std::get<Recipe>(std::move(read));
    accept();
  }
  valueRead();
}

bool SheetEvents::null() {
  if (recipe_) return captured([](auto& parser) { return parser.null(); });
  return other();
}

bool SheetEvents::number_integer(number_integer_t value) {
  if (recipe_) return captured([&](auto& parser) { return parser.number_integer(value); });
  return other();
}

bool SheetEvents::number_unsigned(number_unsigned_t value) {
  if (recipe_) return captured([&](auto& parser) { return parser.number_unsigned(value); });
  return other();
}

bool SheetEvents::number_float(number_float_t value, const string_t& text) {
  if (recipe_) return captured([&](auto& parser) { return parser.number_float(value, text); });
  return other();
}

bool SheetEvents::end_object() {
  if (!recipe_) return close();
  --recipe_->depth;
  return captured([](auto& parser) { return parser.end_object(); });
}

bool SheetEvents::end_array() {
  if (!recipe_) return close();
  --recipe_->depth;
  return captured([](auto& parser) { return parser.end_array(); });
}

std::variant<Personnage, SheetError> SheetEvents::result() && {
  if (!isObject_)
    return SheetError{
        SheetError::Problem::NotAnObject, {}, "the sheet must be a JSON object keyed by control names"};
  if (!faults_.empty()) return faults_.begin()->second;
  return std::move(sheet_);
}

bool SheetEvents::boolean(bool value) {
  if (recipe_) return captured([&](auto& parser) { return parser.boolean(value); });
  if (atControlValue()) {
    if (auto* ticked = std::get_if<bool*>(&*field_)) {
      **ticked = value;
      accept();
    } else {
      refuseValue();
    }
  }
  return valueRead();
}

bool SheetEvents::string(string_t& value) {
  if (recipe_) return captured([&](auto& parser) { return parser.string(value); });
  if (atControlValue()) {
    if (auto* text = std::get_if<std::string*>(&*field_)) {
      if (const std::size_t length = charactersIn(value); length > kLongestBoxText) {
        refuse({SheetError::Problem::TooLong, control_,
                excerpt(control_) + " holds " + std::to_string(length) + " characters, more than a box holds",
                length});
      } else {
        **text = std::move(value);
        accept();
      }
    } else {
      refuseValue();
    }
  }
  return valueRead();
}

bool SheetEvents::start_object(std::size_t size) {
  if (recipe_) {
    ++recipe_->depth;
    return captured([&](auto& parser) { return parser.start_object(size); });
  }
  if (!started_) isObject_ = true;
  return open();
}

bool SheetEvents::key(string_t& name) {
  if (recipe_) return captured([&](auto& parser) { return parser.key(name); });
  if (depth_ != 1 || !isObject_) return true;
  control_ = std::move(name);
  if (control_ == kRecipeKey) {
    field_.reset();
    recipe_ = std::make_unique<RecipeCapture>();
    return true;
  }
  field_ = findField(sheet_, control_);
  if (!field_)
    refuse({SheetError::Problem::UnknownControl, control_,
            "unknown control name " + excerpt(control_) + " in the sheet"});
  return true;
}

bool SheetEvents::start_array(std::size_t size) {
  if (!recipe_) return open();
  ++recipe_->depth;
  return captured([&](auto& parser) { return parser.start_array(size); });
}

// An object or an array begins: the sheet itself, or a value that no
// control takes.
bool SheetEvents::open() {
  if (atControlValue()) refuseValue();
  field_.reset();
  started_ = true;
  ++depth_;
  return true;
}

bool SheetEvents::close() {
  --depth_;
  return true;
}

// A value that is neither an object nor an array has been read: a control
// has its value, or the whole document was that value (and no sheet).
bool SheetEvents::other() {
  if (atControlValue()) refuseValue();
  return valueRead();
}

bool SheetEvents::valueRead() {
  field_.reset();
  started_ = true;
  return true;
}

// The value for control_ is of the wrong kind.
void SheetEvents::refuseValue() {
  if (std::holds_alternative<std::string*>(*field_))
    refuse({SheetError::Problem::NotText, control_, excerpt(control_) + " must be a string"});
  else
    refuse({SheetError::Problem::NotTickBox, control_, excerpt(control_) + " must be true or false"});
}

void SheetEvents::refuse(SheetError error) {
  std::string control = error.control;
  faults_.insert_or_assign(std::move(control), std::move(error));
}

void SheetEvents::accept() {
  if (!faults_.empty()) faults_.erase(control_);
}

}  // namespace orvandel
