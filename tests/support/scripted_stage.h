// One rule stage run over a sheet with a written script of rolls, and the
// fields it must leave: the rows of the stage tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/scripted_dice.h"
#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/generation.h"

namespace orvandel::testing {

// A field by its control name and its text.
struct FieldText {
  std::string name;
  std::string text;
};

inline void setFields(Personnage& sheet, const std::vector<FieldText>& fields) {
  for (const FieldText& field : fields) {
    const auto ref = findField(sheet, field.name);
    ASSERT_TRUE(ref && std::holds_alternative<std::string*>(*ref)) << field.name;
    *std::get<std::string*>(*ref) = field.text;
  }
}

// Every text of `after` as in `before` except the `changes`: a stage that
// writes a field the game's row does not name fails here.
inline void expectOnlyChanged(const Personnage& before, const Personnage& after,
                              const std::vector<FieldText>& changes, std::string_view what) {
  Personnage expected = before;
  setFields(expected, changes);
  for (const std::string& name : controlNames())
    EXPECT_EQ(fieldText(after, name), fieldText(expected, name)) << what << ": " << name;
}

// A generation of `sheet` whose every roll comes from `script`.
struct ScriptedGeneration {
  ScriptedGeneration(Personnage& sheet, std::string_view script, Entry entry = Entry::Random)
      : dice(script), g{sheet, dice, entry} {}

  // Runs `stage`, which must take exactly the rolls of the script: a roll
  // it lacks or one left unread means the stage rolled other dice than the
  // game's table says.
  template <typename Stage>
  void run(Stage&& stage, std::string_view what) {
    EXPECT_NO_THROW(stage(g)) << what;
    EXPECT_EQ(dice.remaining(), 0U) << what << ": rolls left unread";
  }

  ScriptedDice dice;
  Generation g;
};

}  // namespace orvandel::testing
