// The character window as data: one row per control, with its place in
// twips, its caption and its look. The window builds its widgets from these
// rows and nothing else decides where a control stands or how it looks.
#pragma once

#include <optional>
#include <string>
#include <vector>

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

// Left, top, width and height in twips (15 to a pixel at 96 dpi).
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

// A font as the sheet names it; the window maps the family onto an
// installed look-alike.
struct FontSpec {
  const char* family;
  double points;
  bool bold = false;
  bool underline = false;
};

struct Look {
  FontSpec font;
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
};

// The window's own font, which controls without a font of their own use.
inline constexpr FontSpec kWindowFont{"MS Sans Serif", 8.25};

// Every control of the window, parents before their children; among
// controls of the same sort, later rows lie above earlier ones.
const std::vector<ControlRow>& characterWindowLayout();

// The fixed client area of the window, in twips.
inline constexpr int kClientWidthTwips = 13410;
inline constexpr int kClientHeightTwips = 11265;

inline constexpr const char* kWindowTitle = "Générateur Personnage ORVANDEL                         v1.0";

int twipsToPixels(int twips);

}  // namespace orvandel
