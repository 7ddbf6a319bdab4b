#include "layout/layout.h"

#include <array>
#include <cmath>
#include <span>
#include <stdexcept>
#include <unordered_map>

#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"

namespace orvandel {
namespace {

// Colours.
constexpr Rgb kBlueBoxPaper{191, 205, 219};  // the desktop's inactive title bar
constexpr Rgb kMenuPaper{240, 240, 240};
constexpr Rgb kTitleBarTextPaper{255, 255, 255};
constexpr Rgb kQuitFace{192, 192, 255};
constexpr Rgb kBlueInk{0, 0, 255};
constexpr Rgb kRedInk{255, 0, 0};
constexpr Rgb kNationalityInk{255, 128, 255};
constexpr Rgb kProfessionInk{255, 128, 0};
constexpr Rgb kSorceryInk{0, 128, 0};
constexpr Rgb kEquipmentInk{0, 64, 0};

// Fonts.
constexpr NamedFont kWindowBold{"MS Sans Serif", 8.25, true};
constexpr NamedFont kTahoma{"Tahoma", 8.25};
constexpr NamedFont kTahomaBold{"Tahoma", 8.25, true};
constexpr NamedFont kTahomaSmall{"Tahoma", 6.75};
constexpr NamedFont kTahomaSign{"Tahoma", 6, true};
constexpr NamedFont kTahomaMedium{"Tahoma", 9.75};
constexpr NamedFont kTahomaMediumBold{"Tahoma", 9.75, true};
constexpr NamedFont kTahomaHeading{"Tahoma", 11.25, false, true};
constexpr NamedFont kTahomaLarge{"Tahoma", 12};
constexpr NamedFont kTahomaTitle{"Tahoma", 14.25};
constexpr NamedFont kComicBold{"Comic Sans MS", 8.25, true};
constexpr NamedFont kComic{"Comic Sans MS", 8.25};
constexpr NamedFont kComicMedium{"Comic Sans MS", 9.75};
constexpr NamedFont kComicMediumBold{"Comic Sans MS", 9.75, true};

// Looks shared by many rows.
constexpr Look kCaption{kTahoma, Align::Left};
constexpr Look kCentredCaption{kTahoma, Align::Centre};
constexpr Look kColumnHead{kTahomaSmall, Align::Centre};
constexpr Look kWindowCaption{kWindowFont, Align::Centre};
constexpr Look kComicHead{kComicBold, Align::Centre};
constexpr Look kReadOnly{kTahoma, Align::Centre};
constexpr Look kBlueBox{kTahomaBold, Align::Centre, std::nullopt, kBlueBoxPaper, true};
constexpr Look kBonus{kTahomaMediumBold, Align::Centre, kBlueInk};
constexpr Look kWeaponValue{kComic, Align::Centre};
constexpr Look kSelector{kWindowFont, Align::Left};

constexpr const char* kDes = "Dés";

// A row whose name and caption are written out in full.
struct FixedRow {
  const char* name;
  ControlKind kind;
  Twips place;
  const char* caption;
  Look look;
  const char* picture = nullptr;
  const char* tooltip = nullptr;
};

// clang-format off
// Beneath the frame: the two side strips and the frame itself.
constexpr auto kWindowBack = std::to_array<FixedRow>({
    {"Image1", ControlKind::Picture, {0, 0, 2235, 11220}, "", kCaption, ":/artwork/strip_left.pixels"},
    {"Image2", ControlKind::Picture, {11160, 0, 2235, 11220}, "", kCaption, ":/artwork/strip_right.pixels"},
    {kSheetFrame, ControlKind::Frame, {360, 120, 12735, 10815}, "Frame1", {kWindowFont, Align::Left}},
});

// Above the frame's lower right corner.
constexpr auto kWindowFront = std::to_array<FixedRow>({
    {kQuitButton, ControlKind::Button, {11760, 10200, 1095, 615}, "QUITTER",
     {kWindowBold, Align::Centre, std::nullopt, kQuitFace}},
});

// The separators are drawn over the captions they touch.
constexpr auto kSeparators = std::to_array<FixedRow>({
    {"Line1", ControlKind::Line, {3480, -240, 15, 7200}, "", kCaption},
    {"Line2", ControlKind::Line, {5760, 120, 15, 9840}, "", kCaption},
    {"Line3", ControlKind::Line, {8040, -360, 15, 9840}, "", kCaption},
    {"Line4", ControlKind::Line, {10320, 120, 15, 9840}, "", kCaption},
    {"Line5", ControlKind::Line, {12720, 0, 15, 10560}, "", kCaption},
});

constexpr auto kTitleAndHeads = std::to_array<FixedRow>({
    {kTitlePicture, ControlKind::Picture, {0, 0, 3405, 1215}, "", kCaption, ":/artwork/title.pixels",
     "Cliquez ici pour générez un personnage aléatoire"},
    {kTypedEntryButton, ControlKind::Button, {0, 1320, 975, 375}, "Saisie/Reroll", kColumnHead, nullptr,
     "Pour créer le personnage avec vos jets. Saisir les cases bleus avant de cliquez ici."},
    {"Label8", ControlKind::Caption, {960, 1320, 615, 255}, kDes, kColumnHead},
    {"Label23", ControlKind::Caption, {1920, 1320, 495, 255}, "Modif", kColumnHead},
    {"Label24", ControlKind::Caption, {2640, 1320, 615, 255}, "Total", kColumnHead},
});

constexpr auto kOrigins = std::to_array<FixedRow>({
    {"Label25", ControlKind::Caption, {0, 4200, 495, 255}, kDes, kCentredCaption},
    {"Label3", ControlKind::Caption, {840, 4200, 1095, 255}, "Nationalité", kCaption},
    {"nationalite", ControlKind::Field, {0, 4440, 495, 345}, "", kBlueBox},
    {"des_ok(14)", ControlKind::Selector, {480, 4560, 135, 195}, "", kSelector},
    {"nationalite_nom", ControlKind::MultiLine, {720, 4440, 2535, 375}, "",
     {kTahomaMediumBold, Align::Centre, kNationalityInk}},
    {"Label35", ControlKind::Caption, {0, 4800, 495, 255}, kDes, kCentredCaption},
    {"Label4", ControlKind::Caption, {840, 4800, 975, 255}, "Profession", kCaption},
    {"profession", ControlKind::Field, {0, 5040, 495, 375}, "", kBlueBox},
    {"des_ok(15)", ControlKind::Selector, {480, 5160, 135, 195}, "", kSelector},
    {"profession_nom", ControlKind::MultiLine, {720, 5040, 2535, 375}, "",
     {kTahomaMediumBold, Align::Centre, kProfessionInk}},
    {"Label5", ControlKind::Caption, {0, 5400, 375, 255}, "Age", kCentredCaption},
    {"age", ControlKind::Field, {0, 5640, 495, 375}, "", kBlueBox},
    {"des_ok(16)", ControlKind::Selector, {480, 5760, 135, 195}, "", kSelector},
    {"sorcier", ControlKind::Field, {720, 5640, 2535, 375}, "", {kTahomaMedium, Align::Centre, kSorceryInk}},
});

constexpr auto kVitals = std::to_array<FixedRow>({
    {"Label6", ControlKind::Caption, {0, 6120, 495, 255}, "SAN", kCentredCaption},
    {"san", ControlKind::Field, {0, 6360, 495, 375}, "", kReadOnly},
    {"Label7", ControlKind::Caption, {840, 6240, 375, 255}, "SFT", kCaption},
    {"sft", ControlKind::Field, {720, 6480, 375, 285}, "", kReadOnly},
    {"Label2", ControlKind::Caption, {1680, 6120, 375, 255}, "PV", kCentredCaption},
    {"pv", ControlKind::Field, {1680, 6360, 495, 375}, "", {kTahomaBold, Align::Centre, kBlueInk, kMenuPaper}},
    {"Label36", ControlKind::Caption, {2280, 6120, 735, 375}, "Blessure Majeure", kColumnHead},
    {"blessure_majeure", ControlKind::Field, {2400, 6480, 375, 285}, "", kReadOnly},
});

constexpr auto kWeaponHeads = std::to_array<FixedRow>({
    {"Label41", ControlKind::Caption, {240, 6960, 1455, 375}, "Armes", {kTahomaLarge, Align::Centre}},
    {"Label27", ControlKind::Caption, {1680, 6840, 855, 255}, "Attaque", kComicHead},
    {"bonus_attaque", ControlKind::Field, {1800, 7200, 615, 375}, "", kBonus},
    {"Label37", ControlKind::Caption, {2880, 6960, 1815, 255}, "Bonus aux Dommages", kWindowCaption},
    {"bonus_dommages", ControlKind::Field, {3000, 7200, 1575, 390}, "", {kComicMedium, Align::Centre}},
    {"Label28", ControlKind::Caption, {4920, 6840, 855, 255}, "Parade", kComicHead},
    {"bonus_parade", ControlKind::Field, {5040, 7200, 615, 375}, "", kBonus},
    {"Label26", ControlKind::Caption, {360, 7320, 855, 255}, "Nom", kComicHead},
});

constexpr auto kSkillHeads = std::to_array<FixedRow>({
    {"Compétences", ControlKind::Caption, {3600, 0, 1815, 495}, "Compétences", {kTahomaTitle, Align::Left}},
    {"Label39", ControlKind::Caption, {5760, 90, 1215, 255}, "Suplé.", kWindowCaption},
    {"des_comp", ControlKind::Field, {6720, 120, 495, 315}, "", {kComicMediumBold, Align::Centre, kRedInk}},
    {"des_ok(17)", ControlKind::Selector, {7200, 240, 135, 195}, "", kSelector},
});

constexpr auto kEquipment = std::to_array<FixedRow>({
    {"Label38", ControlKind::Caption, {0, 9840, 1215, 255}, "Equipement :", {kComicBold, Align::Left}},
    {"equipement", ControlKind::MultiLine, {0, 10080, 11175, 615}, "",
     {kWindowFont, Align::Left, kEquipmentInk, std::nullopt, true}},
});

// clang-format on

// The captions that label the single boxes: their row's, and their column's
// where the sheet gives one.
struct Labels {
  const char* box;
  const char* row;
  const char* column = "";
};

constexpr auto kSingleBoxLabels = std::to_array<Labels>({
    {"nationalite", "Label3", "Label25"},
    {"nationalite_nom", "Label3"},
    {"profession", "Label4", "Label35"},
    {"profession_nom", "Label4"},
    {"age", "Label5"},
    {"pv", "Label2"},
    {"blessure_majeure", "Label36"},
    {"san", "Label6"},
    {"sft", "Label7"},
    {"bonus_attaque", "Label27"},
    {"bonus_parade", "Label28"},
    {"bonus_dommages", "Label37"},
    {"equipement", "Label38"},
    {"des_comp", "Label39"},
});

// The column headings of the characteristic rows and of the weapon rows.
constexpr const char* kRollColumn = "Label8";
constexpr const char* kRaceColumn = "Label23";
constexpr const char* kTotalColumn = "Label24";
constexpr const char* kWeaponNameColumn = "Label26";
constexpr const char* kAttackColumn = "Label27";
constexpr const char* kParryColumn = "Label28";

// The characteristic rows, k = 0 to 6, stand 360 twips apart.
constexpr int kCaracPitch = 360;
constexpr int kFirstPlusLabel = 9;
constexpr auto kEqualsLabels = std::to_array({16, 18, 17, 19, 21, 20, 22});

// Weapon rows k = 1 to 6.
constexpr int kWeaponPitch = 360;

// Category headings with the category's bonus box beside them (495 x 375).
struct Heading {
  const char* name;
  SkillCategory category;
  Twips place;
  int bonusLeft;  // where the bonus box stands, for a category with a bonus
  int bonusTop;
};

constexpr auto kHeadings = std::to_array<Heading>({
    {"Label32", SkillCategory::Discretion, {3600, 480, 1335, 255}, 5040, 480},
    {"Label30", SkillCategory::Manipulation, {3600, 3720, 1335, 255}, 5040, 3720},
    {"Label31", SkillCategory::Perception, {5880, 360, 1335, 255}, 7320, 360},
    {"Label34", SkillCategory::Communication, {5760, 3960, 1575, 255}, 7320, 3960},
    {"Label29", SkillCategory::Agilite, {5880, 6480, 1335, 255}, 7320, 6480},
    {"Label33", SkillCategory::Connaissance, {8040, 0, 1455, 255}, 9600, 0},
    {"Label40", SkillCategory::Invocation, {10440, 0, 1335, 255}, 0, 0},
});

// Skill slots: the name caption at the top given here, the value box
// (495 x 375) beside it, `valueDrop` twips lower in the short column.
struct SkillSlot {
  int index;
  int top;
  int height = 255;
};

struct SkillColumn {
  int nameLeft;
  int nameWidth;
  int valueLeft;
  int valueDrop;
  std::span<const SkillSlot> slots;
};

// clang-format off
constexpr auto kColumn1 = std::to_array<SkillSlot>({
    {1, 960, 375}, {2, 1440}, {3, 1800}, {4, 2160}, {5, 2520, 375}, {49, 3120, 495},
    {12, 4200, 375}, {13, 4680, 495}, {14, 5160, 375}, {15, 5640}, {16, 6000}, {47, 6480, 495},
});
constexpr auto kColumn2 = std::to_array<SkillSlot>({
    {17, 840}, {18, 1200}, {19, 1560}, {20, 1920}, {21, 2280}, {22, 2640}, {23, 3000},
    {48, 3480, 495}, {39, 4440}, {40, 4800}, {41, 5160}, {42, 5520}, {50, 6000, 375},
    {6, 6960}, {7, 7320}, {8, 7680}, {9, 8040}, {10, 8400}, {11, 8760}, {46, 9240, 495},
});
constexpr auto kColumn3 = std::to_array<SkillSlot>({
    {24, 480, 375}, {25, 960, 375}, {26, 1440, 375}, {27, 1920, 375}, {28, 2400}, {29, 2760},
    {30, 3120}, {31, 3480}, {32, 3840}, {33, 4200}, {34, 4560}, {35, 4920}, {36, 5280, 375},
    {37, 5760, 375}, {38, 6240, 375}, {43, 6840, 375}, {44, 7320, 375}, {45, 7800, 375},
});
constexpr auto kColumn3Lower = std::to_array<SkillSlot>({{71, 8280, 375}, {72, 8760, 375}, {73, 9240, 375}});
// clang-format on

// Column 4 holds slots 51 to 70, 480 twips apart from 360 down.
constexpr int kColumn4First = 51;
constexpr int kColumn4Last = 70;
constexpr auto kColumn4 = [] {
  std::array<SkillSlot, kColumn4Last - kColumn4First + 1> slots{};
  for (int i = kColumn4First; i <= kColumn4Last; ++i)
    slots[static_cast<std::size_t>(i - kColumn4First)] = {i, 360 + 480 * (i - kColumn4First), 375};
  return slots;
}();

constexpr auto kSkillColumns = std::to_array<SkillColumn>({
    {3720, 1335, 5040, 0, kColumn1},
    {6000, 1335, 7320, 0, kColumn2},
    {8280, 1335, 9600, 0, kColumn3},
    {8160, 1380, 9600, 120, kColumn3Lower},
    {10560, 1500, 12120, 0, kColumn4},
});

constexpr int kBoxWidth = 495;
constexpr int kBoxHeight = 375;

std::string indexed(const char* base, int i) { return std::string(base) + "(" + std::to_string(i) + ")"; }
std::string label(int number) { return "Label" + std::to_string(number); }

class Builder {
 public:
  void add(std::span<const FixedRow> rows, Container container) {
    for (const auto& r : rows)
      rows_.push_back({r.name, r.kind, container, r.place, r.caption, r.look, r.picture, r.tooltip});
  }
  void add(std::string name, ControlKind kind, Twips place, std::string caption, Look look,
           std::string rowLabel = {}, std::string columnLabel = {}) {
    rows_.push_back({std::move(name), kind, Container::Frame, place, std::move(caption), look, nullptr,
                     nullptr, std::move(rowLabel), std::move(columnLabel)});
  }

  void labelSingleBoxes() {
    for (auto& row : rows_)
      for (const auto& l : kSingleBoxLabels)
        if (row.name == l.box) {
          row.rowLabel = l.row;
          row.columnLabel = l.column;
        }
  }

  void characteristics() {
    for (std::size_t k = 0; k < kCharacteristics.size(); ++k) {
      const int y = kCaracPitch * static_cast<int>(k);
      const std::string name = kCharacteristics[k].name;
      const bool editableRace = k != kCha;
      const std::string rowLabel = indexed("Label1", static_cast<int>(k));
      add(rowLabel, ControlKind::Caption, {0, 1680 + y, 1095, 255}, kCharacteristics[k].caption,
          {kTahomaBold, Align::Left});
      add(name, ControlKind::Field, {1080, 1560 + y, 495, 375}, "", kBlueBox, rowLabel, kRollColumn);
      add(indexed("des_ok", static_cast<int>(k)), ControlKind::Selector, {1560, 1680 + y, 135, 195}, "",
          kSelector);
      add(label(kFirstPlusLabel + static_cast<int>(k)), ControlKind::Caption, {1680, 1680 + y, 135, 255}, "+",
          {kTahomaSign, Align::Centre});
      add(name + "_race", ControlKind::Field, {1920, 1560 + y, 495, 375}, "",
          {kTahoma, Align::Centre, std::nullopt, kMenuPaper, editableRace}, rowLabel, kRaceColumn);
      add(label(kEqualsLabels[k]), ControlKind::Caption, {2520, 1680 + y, 135, 255}, "=",
          {kTahomaSign, Align::Left});
      add(name + "_tot", ControlKind::Field, {2760, 1560 + y, 495, 375}, "",
          {kTahomaBold, Align::Centre, kBlueInk, kTitleBarTextPaper}, rowLabel, kTotalColumn);
    }
  }

  void weapons() {
    for (int k = WeaponSlots::kFirst; k <= WeaponSlots::kLast; ++k) {
      const int y = kWeaponPitch * (k - 1);
      const std::string weapon = indexed("arme_nom", k);
      add(weapon, ControlKind::Caption, {0, 7800 + y, 1695, 255}, "", kWindowCaption, "", kWeaponNameColumn);
      add(indexed("arme_att", k), ControlKind::Field, {1800, 7680 + y, 615, 375}, "", kWeaponValue, weapon,
          kAttackColumn);
      add(indexed("arme_deg", k), ControlKind::Caption, {2520, 7800 + y, 2415, 255}, "", kWindowCaption,
          weapon);
      add(indexed("arme_par", k), ControlKind::Field, {5040, 7680 + y, 615, 375}, "", kWeaponValue, weapon,
          kParryColumn);
    }
  }

  void headings() {
    for (const auto& h : kHeadings) {
      const SkillCategoryRow& category = categoryRow(h.category);
      add(h.name, ControlKind::Caption, h.place, category.heading, {kTahomaHeading, Align::Centre});
      if (category.bonus)
        add(std::string(fieldName(category.bonus)), ControlKind::Field,
            {h.bonusLeft, h.bonusTop, kBoxWidth, kBoxHeight}, "", kBonus, h.name);
    }
  }

  void skills() {
    for (const auto& column : kSkillColumns)
      for (const auto& slot : column.slots) {
        add(indexed("comp", slot.index), ControlKind::Caption,
            {column.nameLeft, slot.top, column.nameWidth, slot.height}, "", kCaption);
        add(indexed("Text1", slot.index), ControlKind::Field,
            {column.valueLeft, slot.top + column.valueDrop, kBoxWidth, kBoxHeight}, "", kReadOnly,
            indexed("comp", slot.index));
      }
  }

  std::vector<ControlRow> take() { return std::move(rows_); }

 private:
  std::vector<ControlRow> rows_;
};

}  // namespace

const std::vector<ControlRow>& characterWindowLayout() {
  static const std::vector<ControlRow> rows = [] {
    Builder b;
    b.add(kWindowBack, Container::Window);
    b.add(kTitleAndHeads, Container::Frame);
    b.characteristics();
    b.add(kOrigins, Container::Frame);
    b.add(kVitals, Container::Frame);
    b.add(kWeaponHeads, Container::Frame);
    b.weapons();
    b.add(kSkillHeads, Container::Frame);
    b.headings();
    b.skills();
    b.add(kEquipment, Container::Frame);
    b.add(kSeparators, Container::Frame);
    b.add(kWindowFront, Container::Window);
    b.labelSingleBoxes();
    return b.take();
  }();
  return rows;
}

const ControlRow* layoutRow(std::string_view name) {
  // Read for every control each time the screen-reader names are made: by
  // name, not by walking the table.
  static const std::unordered_map<std::string_view, const ControlRow*> byName = [] {
    std::unordered_map<std::string_view, const ControlRow*> rows;
    for (const ControlRow& row : characterWindowLayout()) rows.emplace(row.name, &row);
    return rows;
  }();
  const auto found = byName.find(name);
  return found == byName.end() ? nullptr : found->second;
}

std::string layoutCaption(std::string_view name) {
  const ControlRow* row = layoutRow(name);
  return row ? row->caption : std::string();
}

bool standsAbove(ControlKind kind) {
  return kind != ControlKind::Caption && kind != ControlKind::Picture && kind != ControlKind::Line;
}

const char* categoryHeading(SkillCategory category) {
  for (const auto& h : kHeadings)
    if (h.category == category) return h.name;
  throw std::out_of_range("no heading for a skill category");
}

int twipsToPixels(int twips, double zoom) {
  return static_cast<int>(std::lround(twips * zoom / kTwipsPerPixel));
}

}  // namespace orvandel
