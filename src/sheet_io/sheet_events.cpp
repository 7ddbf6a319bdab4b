#include "sheet_io/sheet_events.h"

#include "core/excerpt.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {

std::variant<Personnage, SheetError> SheetEvents::result() && {
  if (!isObject_)
    return SheetError{
        SheetError::Problem::NotAnObject, {}, "the sheet must be a JSON object keyed by control names"};
  if (!faults_.empty()) return faults_.begin()->second;
  return std::move(sheet_);
}

bool SheetEvents::boolean(bool value) {
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

bool SheetEvents::start_object(std::size_t) {
  if (!started_) isObject_ = true;
  return open();
}

bool SheetEvents::key(string_t& name) {
  if (depth_ != 1 || !isObject_) return true;
  control_ = std::move(name);
  field_ = findField(sheet_, control_);
  if (!field_)
    refuse({SheetError::Problem::UnknownControl, control_,
            "unknown control name " + excerpt(control_) + " in the sheet"});
  return true;
}

bool SheetEvents::start_array(std::size_t) { return open(); }

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
