// Every control of the character window against its name, kind, place and
// caption. The expected rows are written here on their own, in twips, so a
// misplaced, misnamed or missing control shows up.
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "core/dice.h"
#include "window/character_window.h"
#include "window/sheet_widgets.h"

namespace orvandel {
namespace {

struct Expected {
  QString name;
  QString kind;  // a widget class, or "picture" for a label showing artwork
  QRect pixels;
  QString caption;
  QString parent;
};

std::vector<Expected> expectedControls() {
  std::vector<Expected> rows;
  auto add = [&rows](const QString& name, const char* kind, int l, int t, int w, int h,
                     const QString& caption = {}, const char* parent = "Frame1") {
    rows.push_back({name, kind, QRect(l / 15, t / 15, w / 15, h / 15), caption, parent});
  };
  auto at = [](const char* base, int i) { return QStringLiteral("%1(%2)").arg(base).arg(i); };

  add("Frame1", "QGroupBox", 360, 120, 12735, 10815, "Frame1", "Form1");
  add("Command2", "QPushButton", 11760, 10200, 1095, 615, "QUITTER", "Form1");
  add("Image1", "picture", 0, 0, 2235, 11220, {}, "Form1");
  add("Image2", "picture", 11160, 0, 2235, 11220, {}, "Form1");
  add("orvandel", "picture", 0, 0, 3405, 1215);
  add("Command1", "QPushButton", 0, 1320, 975, 375, "Saisie/Reroll");
  add("Label8", "QLabel", 960, 1320, 615, 255, "Dés");
  add("Label23", "QLabel", 1920, 1320, 495, 255, "Modif");
  add("Label24", "QLabel", 2640, 1320, 615, 255, "Total");

  const QStringList caracs{"forc", "con", "tai", "dex", "intl", "pou", "cha"};
  const QStringList captions{"FORce",        "CONstitution", "TAIlle",  "DEXtérité",
                             "INTelligence", "POUvoir",      "CHArisme"};
  const int equals[] = {16, 18, 17, 19, 21, 20, 22};
  for (int k = 0; k < 7; ++k) {
    const int y = 360 * k;
    add(at("Label1", k), "QLabel", 0, 1680 + y, 1095, 255, captions[k]);
    add(caracs[k], "QLineEdit", 1080, 1560 + y, 495, 375);
    add(at("des_ok", k), "QCheckBox", 1560, 1680 + y, 135, 195);
    add(QStringLiteral("Label%1").arg(9 + k), "QLabel", 1680, 1680 + y, 135, 255, "+");
    add(caracs[k] + "_race", "QLineEdit", 1920, 1560 + y, 495, 375);
    add(QStringLiteral("Label%1").arg(equals[k]), "QLabel", 2520, 1680 + y, 135, 255, "=");
    add(caracs[k] + "_tot", "QLineEdit", 2760, 1560 + y, 495, 375);
  }

  add("Label25", "QLabel", 0, 4200, 495, 255, "Dés");
  add("Label3", "QLabel", 840, 4200, 1095, 255, "Nationalité");
  add("nationalite", "QLineEdit", 0, 4440, 495, 345);
  add("des_ok(14)", "QCheckBox", 480, 4560, 135, 195);
  add("nationalite_nom", "QPlainTextEdit", 720, 4440, 2535, 375);
  add("Label35", "QLabel", 0, 4800, 495, 255, "Dés");
  add("Label4", "QLabel", 840, 4800, 975, 255, "Profession");
  add("profession", "QLineEdit", 0, 5040, 495, 375);
  add("des_ok(15)", "QCheckBox", 480, 5160, 135, 195);
  add("profession_nom", "QPlainTextEdit", 720, 5040, 2535, 375);
  add("Label5", "QLabel", 0, 5400, 375, 255, "Age");
  add("age", "QLineEdit", 0, 5640, 495, 375);
  add("des_ok(16)", "QCheckBox", 480, 5760, 135, 195);
  add("sorcier", "QLineEdit", 720, 5640, 2535, 375);

  add("Label6", "QLabel", 0, 6120, 495, 255, "SAN");
  add("san", "QLineEdit", 0, 6360, 495, 375);
  add("Label7", "QLabel", 840, 6240, 375, 255, "SFT");
  add("sft", "QLineEdit", 720, 6480, 375, 285);
  add("Label2", "QLabel", 1680, 6120, 375, 255, "PV");
  add("pv", "QLineEdit", 1680, 6360, 495, 375);
  add("Label36", "QLabel", 2280, 6120, 735, 375, "Blessure Majeure");
  add("blessure_majeure", "QLineEdit", 2400, 6480, 375, 285);

  add("Label41", "QLabel", 240, 6960, 1455, 375, "Armes");
  add("Label27", "QLabel", 1680, 6840, 855, 255, "Attaque");
  add("bonus_attaque", "QLineEdit", 1800, 7200, 615, 375);
  add("Label37", "QLabel", 2880, 6960, 1815, 255, "Bonus aux Dommages");
  add("bonus_dommages", "QLineEdit", 3000, 7200, 1575, 390);
  add("Label28", "QLabel", 4920, 6840, 855, 255, "Parade");
  add("bonus_parade", "QLineEdit", 5040, 7200, 615, 375);
  add("Label26", "QLabel", 360, 7320, 855, 255, "Nom");
  for (int k = 1; k <= 6; ++k) {
    const int y = 360 * (k - 1);
    add(at("arme_nom", k), "QLabel", 0, 7800 + y, 1695, 255, QString(28, '.'));
    add(at("arme_att", k), "QLineEdit", 1800, 7680 + y, 615, 375);
    add(at("arme_deg", k), "QLabel", 2520, 7800 + y, 2415, 255, QString(52, '.'));
    add(at("arme_par", k), "QLineEdit", 5040, 7680 + y, 615, 375);
  }

  add("Compétences", "QLabel", 3600, 0, 1815, 495, "Compétences");
  add("Label39", "QLabel", 5760, 90, 1215, 255, "Suplé.");
  add("des_comp", "QLineEdit", 6720, 120, 495, 315);
  add("des_ok(17)", "QCheckBox", 7200, 240, 135, 195);
  add("Label32", "QLabel", 3600, 480, 1335, 255, "Discrétion");
  add("bonus_discretion", "QLineEdit", 5040, 480, 495, 375);
  add("Label30", "QLabel", 3600, 3720, 1335, 255, "Manipulation");
  add("bonus_manipulation", "QLineEdit", 5040, 3720, 495, 375);
  add("Label31", "QLabel", 5880, 360, 1335, 255, "Perception");
  add("bonus_perception", "QLineEdit", 7320, 360, 495, 375);
  add("Label34", "QLabel", 5760, 3960, 1575, 255, "Communication");
  add("bonus_communication", "QLineEdit", 7320, 3960, 495, 375);
  add("Label29", "QLabel", 5880, 6480, 1335, 255, "Agilité");
  add("bonus_agilite", "QLineEdit", 7320, 6480, 495, 375);
  add("Label33", "QLabel", 8040, 0, 1455, 255, "Connaissance");
  add("bonus_connaissance", "QLineEdit", 9600, 0, 495, 375);
  add("Label40", "QLabel", 10440, 0, 1335, 255, "Invocation");

  // Skill slots, column by column: {slot, top of the name, its height}.
  struct Slot {
    int i, top, height;
  };
  auto column = [&](int nameLeft, int nameWidth, int valueLeft, int drop,
                    std::initializer_list<Slot> entries) {
    for (const Slot& s : entries) {
      add(at("comp", s.i), "QLabel", nameLeft, s.top, nameWidth, s.height);
      add(at("Text1", s.i), "QLineEdit", valueLeft, s.top + drop, 495, 375);
    }
  };
  // clang-format off
  column(3720, 1335, 5040, 0,
         {{1, 960, 375}, {2, 1440, 255}, {3, 1800, 255}, {4, 2160, 255}, {5, 2520, 375}, {49, 3120, 495},
          {12, 4200, 375}, {13, 4680, 495}, {14, 5160, 375}, {15, 5640, 255}, {16, 6000, 255}, {47, 6480, 495}});
  column(6000, 1335, 7320, 0,
         {{17, 840, 255}, {18, 1200, 255}, {19, 1560, 255}, {20, 1920, 255}, {21, 2280, 255},
          {22, 2640, 255}, {23, 3000, 255}, {48, 3480, 495}, {39, 4440, 255}, {40, 4800, 255},
          {41, 5160, 255}, {42, 5520, 255}, {50, 6000, 375}, {6, 6960, 255}, {7, 7320, 255},
          {8, 7680, 255}, {9, 8040, 255}, {10, 8400, 255}, {11, 8760, 255}, {46, 9240, 495}});
  column(8280, 1335, 9600, 0,
         {{24, 480, 375}, {25, 960, 375}, {26, 1440, 375}, {27, 1920, 375}, {28, 2400, 255},
          {29, 2760, 255}, {30, 3120, 255}, {31, 3480, 255}, {32, 3840, 255}, {33, 4200, 255},
          {34, 4560, 255}, {35, 4920, 255}, {36, 5280, 375}, {37, 5760, 375}, {38, 6240, 375},
          {43, 6840, 375}, {44, 7320, 375}, {45, 7800, 375}});
  column(8160, 1380, 9600, 120, {{71, 8280, 375}, {72, 8760, 375}, {73, 9240, 375}});
  // clang-format on
  for (int i = 51; i <= 70; ++i) column(10560, 1500, 12120, 0, {{i, 360 + 480 * (i - 51), 375}});

  add("Label38", "QLabel", 0, 9840, 1215, 255, "Equipement :");
  add("equipement", "QPlainTextEdit", 0, 10080, 11175, 615);
  add("Line1", "QFrame", 3480, -240, 15, 7200);
  add("Line2", "QFrame", 5760, 120, 15, 9840);
  add("Line3", "QFrame", 8040, -360, 15, 9840);
  add("Line4", "QFrame", 10320, 120, 15, 9840);
  add("Line5", "QFrame", 12720, 0, 15, 10560);
  return rows;
}

QString captionOf(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QPushButton*>(w)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
  return {};
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { window_ = std::make_unique<CharacterWindow>(std::make_unique<SeededDice>(1)); }

  void window() {
    QCOMPARE(window_->objectName(), "Form1");
    QCOMPARE(window_->windowTitle(), "Générateur Personnage ORVANDEL                         v1.0");
    QCOMPARE(window_->size(), clientPixelSize());
    QCOMPARE(control("orvandel")->toolTip(), "Cliquez ici pour générez un personnage aléatoire");
    QCOMPARE(control("Command1")->toolTip(),
             "Pour créer le personnage avec vos jets. Saisir les cases bleus avant de cliquez ici.");
  }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("parent");
    for (const auto& e : expectedControls())
      QTest::newRow(qPrintable(e.name)) << e.name << e.kind << e.pixels << e.caption << e.parent;
  }

  void controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    QFETCH(QString, parent);
    QWidget* w = control(name);
    QVERIFY(w);
    if (kind == "picture") {
      QCOMPARE(w->metaObject()->className(), "QLabel");
      QVERIFY(!qobject_cast<QLabel*>(w)->pixmap().isNull());
    } else {
      QCOMPARE(w->metaObject()->className(), kind);
    }
    QCOMPARE(w->geometry(), pixels);
    QCOMPARE(captionOf(w), caption);
    QCOMPARE(w->parentWidget()->objectName(), parent);
  }

  void noOtherControl() {
    QStringList expected;
    for (const auto& e : expectedControls()) expected << e.name;
    QStringList named;
    for (QWidget* w : window_->findChildren<QWidget*>())
      if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) named << w->objectName();
    expected.sort();
    named.sort();
    QCOMPARE(named, expected);
  }

  void looks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("ink");  // invalid: the style's own
    QTest::addColumn<QColor>("paper");
    const QColor none;
    const QColor blueInk(0, 0, 255), blueBox(191, 205, 219), menu(240, 240, 240);
    auto row = [](const char* name) -> QTestData& { return QTest::newRow(name) << QString(name); };
    row("forc") << 8.25 << true << false << none << blueBox;
    row("age") << 8.25 << true << false << none << blueBox;
    row("forc_race") << 8.25 << false << false << none << menu;
    row("cha_tot") << 8.25 << true << false << blueInk << QColor(255, 255, 255);
    row("pv") << 8.25 << true << false << blueInk << menu;
    row("nationalite_nom") << 9.75 << true << false << QColor(255, 128, 255) << none;
    row("profession_nom") << 9.75 << true << false << QColor(255, 128, 0) << none;
    row("sorcier") << 9.75 << false << false << QColor(0, 128, 0) << none;
    row("des_comp") << 9.75 << true << false << QColor(255, 0, 0) << none;
    row("bonus_perception") << 9.75 << true << false << blueInk << none;
    row("equipement") << 8.25 << false << false << QColor(0, 64, 0) << none;
    row("Command2") << 8.25 << true << false << none << QColor(192, 192, 255);
    row("Command1") << 6.75 << false << false << none << none;
    row("Label32") << 11.25 << false << true << none << none;
    row("Label1(3)") << 8.25 << true << false << none << none;
    row("Label9") << 6.0 << true << false << none << none;
    row("Label41") << 12.0 << false << false << none << none;
    row("Compétences") << 14.25 << false << false << none << none;
    row("arme_att(4)") << 8.25 << false << false << none << none;
  }

  void looks() {
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, ink);
    QFETCH(QColor, paper);
    QWidget* w = control(name);
    QCOMPARE(w->font().pointSizeF(), points);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(w->font().underline(), underline);
    const bool button = qobject_cast<QPushButton*>(w);
    if (ink.isValid()) QCOMPARE(w->palette().color(QPalette::Text), ink);
    if (paper.isValid()) QCOMPARE(w->palette().color(button ? QPalette::Button : QPalette::Base), paper);
  }

  void fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    // clang-format off
    QTest::newRow("Tahoma") << "forc" << "Tahoma";
    QTest::newRow("window font") << "Label37" << "Tahoma";
    QTest::newRow("Comic Sans MS look-alike") << "des_comp" << "Comic Neue";
    // clang-format on
  }

  void fonts() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    const QString expected = QFontDatabase::families().contains(family) ? family : QString("DejaVu Sans");
    QCOMPARE(QFontInfo(control(name)->font()).family(), expected);
  }

 private:
  QWidget* control(const QString& name) const {
    const auto found = window_->findChildren<QWidget*>(name);
    return found.size() == 1 ? found.front() : nullptr;
  }

  std::unique_ptr<CharacterWindow> window_;
};

}  // namespace orvandel

QTEST_MAIN(orvandel::LayoutTest)
#include "tst_layout.moc"
