// The character window as data: one row per control, with its place in
// twips, its caption and its look. The window builds its widgets from these
// rows and nothing else decides where a control stands or how it looks.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generation/skills.h"

namespace orvandel {

enum class ControlKind {
  Frame,      // the bordered container that holds the sheet
  Caption,    // static text
  Field,      // single-line edit box
  MultiLine,  // multi-line edit box, wrapping
  Selector,   // tick box without caption
  Button,
  Picture,  // artwork stretched to its box
  Line,     // one-pixel vertical separator
};

enum class Container { Window, Frame };

enum class Align { Left, Centre };

// Left, top, width and height in twips (kTwipsPerPixel to a pixel).
struct Twips {
  int left;
  int top;
  int width;
  int height;
};

struct Rgb {
  int red;
  int green;
  int blue;
};

// A font as the sheet names it; the front ends draw the family with the
// face that stands in for it (kStandInFaces).
struct NamedFont {
  const char* family;
  double points;
  bool bold = false;
  bool underline = false;
};

// The scalable face that a front end ships or finds installed for a family
// the sheet names. Tahoma was drawn as the scalable successor of MS Sans
// Serif, with the same metrics at the sheet's sizes.
struct StandInFace {
  const char* family;
  const char* face;
};
inline constexpr auto kStandInFaces =
    std::to_array<StandInFace>({{"MS Sans Serif", "Tahoma"}, {"Comic Sans MS", "Comic Neue"}});

// The face that draws `family`: its stand-in, or the family itself.
constexpr const char* standInFace(const char* family) {
  for (const auto& s : kStandInFaces)
    if (std::string_view(s.family) == family) return s.face;
  return family;
}

// A cursor of the sheet: its artwork resource and its hot spot, in the
// picture's pixels at 100 %.
struct CursorArt {
  const char* picture;
  int hotX;
  int hotY;
};
// Over the sheet, and over the title picture that rolls a character.
inline constexpr CursorArt kSheetCursor{":/artwork/cursor_sheet.pixels", 12, 1};
inline constexpr CursorArt kTitleCursor{":/artwork/cursor_title.pixels", 6, 0};

struct Look {
  NamedFont font;
  Align align;
  std::optional<Rgb> ink = std::nullopt;
  std::optional<Rgb> paper = std::nullopt;
  bool editable = false;
};

struct ControlRow {
  std::string name;
  ControlKind kind;
  Container container;
  Twips place;
  std::string caption;
  Look look;
  const char* picture = nullptr;  // artwork resource of a picture
  const char* tooltip = nullptr;
  // The captions that label a box on the sheet: the caption of its row and
  // that of its column, by control name; empty where the sheet has none.
  std::string rowLabel = {};
  std::string columnLabel = {};
};

// The window's own font, which controls without a font of their own use.
inline constexpr NamedFont kWindowFont{"MS Sans Serif", 8.25};

// Every control of the window, parents before their children; among
// controls of the same sort, later rows lie above earlier ones.
const std::vector<ControlRow>& characterWindowLayout();

// The row of the control called `name`, or nullptr.
const ControlRow* layoutRow(std::string_view name);

// The caption of the control called `name`; empty for an unknown name.
std::string layoutCaption(std::string_view name);

// The fixed client area of the window, in twips.
inline constexpr int kClientWidthTwips = 13410;
inline constexpr int kClientHeightTwips = 11265;

inline constexpr const char* kWindowTitle = "Générateur Personnage ORVANDEL                         v1.0";

// At 96 dpi and 100 %.
inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, at `zoom` times the sheet's own size.
int twipsToPixels(int twips, double zoom = 1.0);

// The controls with a role of their own, by name.
inline constexpr const char* kClientArea = "Form1";              // the window's own surface
inline constexpr const char* kSheetFrame = "Frame1";             // the frame that holds the sheet
inline constexpr const char* kTitlePicture = "orvandel";         // rolls a random character
inline constexpr const char* kTypedEntryButton = "Command1";     // "Saisie/Reroll"
inline constexpr const char* kQuitButton = "Command2";           // "QUITTER"
inline constexpr const char* kImprovementRollsBox = "des_comp";  // des_ok(17) rerolls it

// Whether the kind is a window of its own (edit box, selector, button,
// frame): those lie above the captions, pictures and lines they touch.
bool standsAbove(ControlKind kind);

// The caption heading the skills of `category` on the sheet.
const char* categoryHeading(SkillCategory category);

}  // namespace orvandel
