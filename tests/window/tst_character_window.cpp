// The window's actions: each click reaches the engine with the window's dice,
// typing and ticking reach the sheet, and afterwards every widget shows the
// sheet; the status line says what each did, and screen readers hear it.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/dice.h"
#include "core/scripted_dice.h"
#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "layout/control_catalogue.h"
#include "layout/layout.h"
#include "support/sheet_boxes.h"
#include "window/character_window.h"
#include "window/roster_window.h"
#include "window/status_line.h"

namespace orvandel {
namespace {

// Rolls from whichever source the test hands it, so a generation and the
// clicks after it can take their dice from different sources.
class HandedDice final : public Dice {
 public:
  explicit HandedDice(Dice* first) : source(first) {}
  int des(int faces) override { return source->des(faces); }
  Dice* source;
};

const QStringList kBlueBoxNames{"forc", "con", "tai",         "dex",        "intl",
                                "pou",  "cha", "nationalite", "profession", "age"};
const QStringList kTypedRolls{"12", "9", "14", "11", "16", "10", "13", "42", "57", "25"};

QWidget* control(const CharacterWindow& window, const QString& name) {
  return window.findChild<QWidget*>(name);
}

void typeInto(const CharacterWindow& window, const QString& name, const QString& typed) {
  QTest::keyClicks(control(window, name), typed);
}

// The first control whose widget does not show its sheet field, if any.
QString firstMismatch(const CharacterWindow& window) {
  Personnage sheet = window.sheet();
  for (const std::string& name : controlNames()) {
    QWidget* w = control(window, QString::fromStdString(name));
    const FieldRef field = *findField(sheet, name);
    if (auto* tick = std::get_if<bool*>(&field)) {
      if (qobject_cast<QCheckBox*>(w)->isChecked() != **tick) return QString::fromStdString(name);
      continue;
    }
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(w)) shown = label->text();
    if (auto* line = qobject_cast<QLineEdit*>(w)) shown = line->text();
    if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) shown = multi->toPlainText();
    if (shown.toStdString() != *std::get<std::string*>(field)) return QString::fromStdString(name);
  }
  return {};
}

// Presses Tab until the focus is on `w`; whether it got there.
bool tabTo(QWidget* w) {
  for (int tabs = 0; tabs < 300 && QApplication::focusWidget() != w; ++tabs)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  return QApplication::focusWidget() == w;
}

// Presses OK on the message box once it is up, keeping what it showed.
struct MessageBoxSeen {
  QString text;
  QString detail;
  int buttons = -1;
};
void answerMessageBox(MessageBoxSeen& seen) {
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen = {box->text(), box->informativeText(), static_cast<int>(box->buttons().size())};
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
  });
}

// Whether `said` holds each of `pieces`, in order.
bool saysInOrder(const QString& said, const QStringList& pieces) {
  qsizetype from = 0;
  for (const QString& piece : pieces) {
    from = said.indexOf(piece, from);
    if (from < 0) return false;
    from += piece.size();
  }
  return true;
}

}  // namespace

class CharacterWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void launchState() {
    CharacterWindow window(std::make_unique<SeededDice>(1));
    QCOMPARE(firstMismatch(window), QString());
    QVERIFY(window.sheet() == Personnage{});
  }

  // The sheet is built in its own font; dialogs and menus keep the desktop's.
  void desktopFontKept() {
    QFont desktop = QApplication::font();
    desktop.setPointSizeF(desktop.pointSizeF() + 1.5);  // unlike any of the sheet's
    QApplication::setFont(desktop);
    CharacterWindow window(std::make_unique<SeededDice>(1), 0.9);
    QCOMPARE(QApplication::font(), desktop);
    QMessageBox box(QMessageBox::NoIcon, {}, QStringLiteral("Texte"), QMessageBox::Ok, &window);
    QCOMPARE(box.font(), desktop);
    QVERIFY(window.findChild<QLineEdit*>(QStringLiteral("forc"))->font() != desktop);
  }

  // Tab walks the whole order that the browser page walks too (the order
  // itself is the control catalogue's test).
  void tabOrder() {
    CharacterWindow window(std::make_unique<SeededDice>(1));
    QStringList shared;
    for (const std::string& name : orvandel::tabOrder()) shared << QString::fromStdString(name);
    QStringList order;
    QWidget* w = control(window, "forc");
    do {
      if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
      w = w->nextInFocusChain();
    } while (w != control(window, "forc"));
    QCOMPARE(order, shared);
  }

  void typing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    // clang-format off
    QTest::newRow("blue box") << "forc" << "12" << "12";
    QTest::newRow("race field") << "dex_race" << "+1d6" << "+1d6";
    QTest::newRow("read-only race field") << "cha_race" << "3" << "";
    QTest::newRow("read-only total") << "forc_tot" << "18" << "";
    QTest::newRow("equipment") << "equipement" << "Sac, corde" << "Sac, corde";
    // clang-format on
  }

  void typing() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    CharacterWindow window(std::make_unique<SeededDice>(1));
    typeInto(window, name, typed);
    Personnage sheet = window.sheet();
    QCOMPARE(QString::fromStdString(*std::get<std::string*>(*findField(sheet, name.toStdString()))), kept);
  }

  void ticking() {
    CharacterWindow window(std::make_unique<SeededDice>(1));
    QTest::mouseClick(control(window, "des_ok(14)"), Qt::LeftButton);
    QTest::mouseClick(control(window, "des_ok(17)"), Qt::LeftButton);
    QTest::mouseClick(control(window, "des_ok(17)"), Qt::LeftButton);
    Personnage expected;
    expected.des_ok(14) = true;
    QVERIFY(window.sheet() == expected);
  }

  void typedEntry() {
    CharacterWindow window(std::make_unique<SeededDice>(5));
    Personnage expected;
    for (int i = 0; i < kBlueBoxNames.size(); ++i) {
      typeInto(window, kBlueBoxNames[i], kTypedRolls[i]);
      *std::get<std::string*>(*findField(expected, kBlueBoxNames[i].toStdString())) =
          kTypedRolls[i].toStdString();
    }
    QTest::mouseClick(control(window, "des_ok(17)"), Qt::LeftButton);
    expected.des_ok(17) = true;
    SeededDice dice(5);
    QVERIFY(!generateTyped(expected, dice));

    QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
    QVERIFY(boxesOf(window.sheet()) == boxesOf(expected));
    QCOMPARE(firstMismatch(window), QString());
  }

  void refusal_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("detail");
    // clang-format off
    QTest::newRow("forc empty") << "forc" << "" << "la case forc (FORce — Dés) est vide";
    QTest::newRow("con empty") << "con" << "" << "la case con (CONstitution — Dés) est vide";
    QTest::newRow("cha empty") << "cha" << "" << "la case cha (CHArisme — Dés) est vide";
    QTest::newRow("nationalite empty") << "nationalite" << ""
        << "la case nationalite (Nationalité — Dés) ne contient pas un nombre : \"\"";
    QTest::newRow("forc not a number") << "forc" << "abc"
        << "la case forc (FORce — Dés) ne contient pas un nombre : \"abc\"";
    QTest::newRow("con out of range") << "con" << "5000"
        << "la case con (CONstitution — Dés) contient \"5000\", hors de -999..999";
    // clang-format on
  }

  // The message keeps its words and names the box and its fault, as the
  // CLI does; the cursor lands in that box with its text selected, ready to
  // be typed over.
  void refusal() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, detail);
    auto script = std::make_unique<ScriptedDice>("");
    ScriptedDice* dice = script.get();
    CharacterWindow window(std::move(script));
    window.show();
    for (int i = 0; i < kBlueBoxNames.size(); ++i)
      typeInto(window, kBlueBoxNames[i], kBlueBoxNames[i] == box ? typed : kTypedRolls[i]);
    const Personnage before = window.sheet();

    MessageBoxSeen seen;
    answerMessageBox(seen);
    QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
    QCOMPARE(seen.text, "Remplir les cases bleues");
    QCOMPARE(seen.detail, detail.left(1).toUpper() + detail.mid(1));
    QCOMPARE(window.status(), "Remplir les cases bleues : " + detail);
    QCOMPARE(seen.buttons, 1);
    QVERIFY(window.sheet() == before);
    QCOMPARE(dice->remaining(), 0u);
    QCOMPARE(window.focusWidget(), control(window, box));
    QCOMPARE(qobject_cast<QLineEdit*>(control(window, box))->selectedText(), typed);
  }

  void randomEntry() {
    CharacterWindow window(std::make_unique<SeededDice>(9));
    for (const char* selector : {"des_ok(0)", "des_ok(15)", "des_ok(17)"})
      QTest::mouseClick(control(window, selector), Qt::LeftButton);
    Personnage expected;
    SeededDice dice(9);
    generateRandom(expected, dice);

    QTest::mouseClick(control(window, "orvandel"), Qt::LeftButton);
    QVERIFY(boxesOf(window.sheet()) == boxesOf(expected));
    QCOMPARE(firstMismatch(window), QString());
  }

  void improvementClick_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("script");
    // clang-format off
    QTest::newRow("skill name") << "comp(45)" << "100:37";
    QTest::newRow("attack") << "arme_att(2)" << "100:37";
    QTest::newRow("parry") << "arme_par(2)" << "100:64";
    QTest::newRow("skill value") << "Text1(45)" << "100:37";
    QTest::newRow("weapon name is no target") << "arme_nom(2)" << "";
    // clang-format on
  }

  void improvementClick() {
    QFETCH(QString, clicked);
    QFETCH(QString, script);
    SeededDice seeded(3);
    auto handed = std::make_unique<HandedDice>(&seeded);
    HandedDice* dice = handed.get();
    CharacterWindow window(std::move(handed));
    window.randomEntry();
    const Personnage before = window.sheet();
    const int count = std::stoi(before.des_comp);  // 3 to 8 after a random entry

    ScriptedDice rolls(script.toStdString());
    dice->source = &rolls;
    QTest::mouseClick(control(window, clicked), Qt::LeftButton);
    Personnage expected = before;
    if (const auto target = improvementTarget(clicked.toStdString())) {
      ScriptedDice same(script.toStdString());
      improve(expected, *target, same);
      QCOMPARE(window.sheet().des_comp, std::to_string(count - 1));
    }
    QVERIFY(boxesOf(window.sheet()) == boxesOf(expected));
    QCOMPARE(rolls.remaining(), 0u);
    QCOMPARE(firstMismatch(window), QString());
  }

  void statusSaysWhatAClickDid_data() {
    QTest::addColumn<QString>("spare");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("said");
    // clang-format off
    QTest::newRow("spent") << "3" << "40" << "100:37" << QStringList{"Chevaucher : ", "40", "18", "58", "2"};
    QTest::newRow("capped") << "1" << "78" << "100:66" << QStringList{"Chevaucher : ", "78", "33", "111", "90", "0"};
    QTest::newRow("nothing to spend") << "0" << "40" << ""
        << QStringList{"Aucun jet d’amélioration à dépenser (Suplé. 0)"};
    // clang-format on
  }

  // A click's sentence, on the line and as the line's name to screen
  // readers.
  void statusSaysWhatAClickDid() {
    QFETCH(QString, spare);
    QFETCH(QString, value);
    QFETCH(QString, script);
    QFETCH(QStringList, said);
    QTemporaryDir dir;
    const QString path = dir.filePath("fiche.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString::fromUtf8(R"j({"comp(17)": "Chevaucher", "Text1(17)": "%1", "des_comp": "%2"})j")
                   .arg(value, spare)
                   .toUtf8());
    file.close();
    CharacterWindow window(std::make_unique<ScriptedDice>(script.toStdString()));
    QCOMPARE(window.openFrom(path), std::nullopt);
    QCOMPARE(
        window.status(),
        QStringLiteral(
            "Fiche ouverte : fiche.json — Sans recette : la fiche ne dit pas comment elle a été faite."));

    QTest::mouseClick(control(window, "comp(17)"), Qt::LeftButton);
    QVERIFY2(saysInOrder(window.status(), said), qPrintable(window.status()));
    auto* line = window.findChild<StatusLine*>();
    QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), window.status());
  }

  void keyboardAlone_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("action");  // what the key does, as the engine does it; "" for nothing
    const int none = Qt::NoModifier;
    // clang-format off
    QTest::newRow("Ctrl+N in a blue box") << "forc" << int(Qt::Key_N) << int(Qt::ControlModifier) << "random";
    QTest::newRow("Ctrl+N on a skill value") << "Text1(3)" << int(Qt::Key_N) << int(Qt::ControlModifier) << "random";
    QTest::newRow("Enter in a blue box") << "age" << int(Qt::Key_Return) << none << "typed";
    QTest::newRow("keypad Enter in a blue box") << "nationalite" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "typed";
    QTest::newRow("Space on a skill value") << "Text1(45)" << int(Qt::Key_Space) << none << "comp(45)";
    QTest::newRow("Enter on an attack") << "arme_att(2)" << int(Qt::Key_Return) << none << "arme_att(2)";
    QTest::newRow("Space on a parry") << "arme_par(6)" << int(Qt::Key_Space) << none << "arme_par(6)";
    QTest::newRow("Space on the title picture") << "orvandel" << int(Qt::Key_Space) << none << "random";
    QTest::newRow("Enter in a race box") << "dex_race" << int(Qt::Key_Return) << none << "";
    QTest::newRow("a letter on a skill value") << "Text1(45)" << int(Qt::Key_A) << none << "";
    // clang-format on
  }

  // Tab alone reaches the control, and the key does what the click does.
  void keyboardAlone() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, action);
    SeededDice first(3);
    auto handed = std::make_unique<HandedDice>(&first);
    HandedDice* dice = handed.get();
    CharacterWindow window(std::move(handed));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.randomEntry();
    QWidget* target = control(window, focus);
    QVERIFY(tabTo(target));

    Personnage expected = window.sheet();
    SeededDice rolls(11), same(11);
    dice->source = &rolls;
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (action == "random") generateRandom(expected, same);
    if (action == "typed") QVERIFY(!generateTyped(expected, same));
    if (const auto clicked = improvementTarget(action.toStdString()))
      QVERIFY(improve(expected, *clicked, same));
    QVERIFY(boxesOf(window.sheet()) == boxesOf(expected));
    QCOMPARE(firstMismatch(window), QString());
  }

  void focusIsVisible_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"forc", "dex_race", "des_ok(0)", "des_ok(17)", "Text1(3)", "arme_par(1)",
                             "equipement", "Command1", "Command2", "orvandel", "pv", "nationalite_nom"})
      QTest::newRow(name) << name;
  }

  // The border of a control changes when the keyboard focus comes to it, by
  // Tab or, for a box that is only read, by a click.
  void focusIsVisible() {
    QFETCH(QString, name);
    CharacterWindow window(std::make_unique<SeededDice>(3));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.randomEntry();
    QWidget* w = control(window, name);
    if (w->focusPolicy() & Qt::TabFocus)
      QVERIFY(tabTo(w));
    else
      QTest::mouseClick(w, Qt::LeftButton);
    QVERIFY(w->hasFocus());
    const QImage focused = w->grab().toImage();
    QTest::keyClick(w, Qt::Key_Tab);
    QVERIFY(!w->hasFocus());
    const QImage unfocused = w->grab().toImage();
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y)
      for (int x = 0; x < focused.width(); ++x)
        if (x < 2 || y < 2 || x >= focused.width() - 2 || y >= focused.height() - 2)
          changed += focused.pixel(x, y) != unfocused.pixel(x, y);
    QVERIFY2(changed > 0, qPrintable(name));
  }

  void screenReaders_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");  // a sheet field's name for what the sheet shows there
    QTest::addColumn<int>("role");
    const int edit = QAccessible::EditableText, tick = QAccessible::CheckBox, button = QAccessible::Button;
    // clang-format off
    QTest::newRow("blue box") << "forc" << "FORce" << edit;
    QTest::newRow("race box") << "dex_race" << "DEXtérité : modificateur racial" << edit;
    QTest::newRow("total") << "cha_tot" << "CHArisme : total" << edit;
    QTest::newRow("name box") << "nationalite_nom" << "Nationalité : nom" << edit;
    QTest::newRow("nationality roll") << "nationalite" << "Jet de nationalité" << edit;
    QTest::newRow("profession roll") << "profession" << "Jet de profession" << edit;
    QTest::newRow("skill name") << "comp(12)" << "comp(12)" << int(QAccessible::StaticText);
    QTest::newRow("selector") << "des_ok(14)" << "Relancer Jet de nationalité" << tick;
    QTest::newRow("improvement rolls selector") << "des_ok(17)" << "Relancer Jets d’amélioration" << tick;
    QTest::newRow("skill value") << "Text1(12)" << "comp(12)" << button;
    QTest::newRow("attack") << "arme_att(1)" << "arme_nom(1)" << button;
    QTest::newRow("typed entry") << "Command1" << "Saisie/Reroll" << button;
    QTest::newRow("title picture") << "orvandel" << "Tirer un personnage au hasard" << button;
    // clang-format on
  }

  // What a screen reader says, through Qt's accessibility interface.
  void screenReaders() {
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QFETCH(int, role);
    CharacterWindow window(std::make_unique<SeededDice>(4));
    window.show();
    window.randomEntry();
    Personnage sheet = window.sheet();
    if (const auto field = findField(sheet, spoken.toStdString()))
      spoken = QString::fromStdString(*std::get<std::string*>(*field));
    if (name.startsWith("arme_att")) spoken += " : attaque";
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(control(window, name));
    QCOMPARE(said->text(QAccessible::Name), spoken);
    QCOMPARE(int(said->role()), role);
  }

  // After a roll, every skill and weapon value has a name of its own: a
  // skill's text where it has letters and stands once on the sheet, its
  // heading and slot where it is dots or repeated ("Artisanat").
  void screenReadersTellValuesApart() {
    for (const int seed : {1, 4, 9}) {
      CharacterWindow window(std::make_unique<SeededDice>(seed));
      window.randomEntry();
      QStringList names;
      int dotted = 0, repeated = 0;
      for (int i = 1; i <= 73; ++i) {
        const QString skill =
            qobject_cast<QLabel*>(control(window, QStringLiteral("comp(%1)").arg(i)))->text();
        const QString name =
            QAccessible::queryAccessibleInterface(control(window, QStringLiteral("Text1(%1)").arg(i)))
                ->text(QAccessible::Name);
        QVERIFY2(name.contains(QRegularExpression("\\w")), qPrintable(name));
        if (!skill.contains(QRegularExpression("\\w"))) {
          ++dotted;
          QVERIFY2(name.endsWith(QStringLiteral("compétence %1").arg(i)), qPrintable(name));
        } else if (!name.startsWith(skill.simplified())) {
          QFAIL(qPrintable(name + " for " + skill));
        }
        repeated += name.contains('(') && name.endsWith(QStringLiteral("compétence %1)").arg(i));
        names << name;
      }
      for (int i = 1; i <= 6; ++i)
        for (const char* value : {"arme_att(%1)", "arme_par(%1)"})
          names << QAccessible::queryAccessibleInterface(control(window, QString(value).arg(i)))
                       ->text(QAccessible::Name);
      QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
      QVERIFY(dotted > 0);
      if (seed == 1) QVERIFY(repeated > 0);
    }
  }

  // A skill or weapon value is a button to a screen reader: it says that a
  // press spends an improvement roll, and pressing it does.
  void screenReadersPressValues() {
    CharacterWindow window(std::make_unique<SeededDice>(4));
    window.randomEntry();
    QAccessibleInterface* window_ = QAccessible::queryAccessibleInterface(&window);
    QCOMPARE(window_->role(), QAccessible::Window);
    for (const char* name : {"Text1(12)", "arme_att(1)", "arme_par(1)"}) {
      QAccessibleInterface* value = QAccessible::queryAccessibleInterface(control(window, name));
      QCOMPARE(value->role(), QAccessible::Button);
      QVERIFY(value->text(QAccessible::Description).contains("jet d’amélioration"));
      QCOMPARE(value->text(QAccessible::Value), qobject_cast<QLineEdit*>(control(window, name))->text());
      QVERIFY(value->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
      const int rolls = QString::fromStdString(window.sheet().des_comp).toInt();
      value->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      QCOMPARE(QString::fromStdString(window.sheet().des_comp).toInt(), rolls - 1);
    }
  }

  // Every control that takes the focus says something to a screen reader,
  // and every selector's tooltip says what it rerolls.
  void everyFocusIsNamed() {
    CharacterWindow window(std::make_unique<SeededDice>(4));
    window.randomEntry();
    for (QWidget* w : window.findChildren<QWidget*>()) {
      if (w->focusPolicy() == Qt::NoFocus || w->objectName().startsWith("qt_")) continue;
      QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
               qPrintable(w->objectName()));
      if (qobject_cast<QCheckBox*>(w))
        QVERIFY2(w->toolTip().contains(w->accessibleName().section(' ', 1), Qt::CaseInsensitive),
                 qPrintable(w->toolTip()));
    }
  }

  void screenReadersReadEveryValue_data() {
    QTest::addColumn<QString>("clicked");  // after the roll, "" for none
    QTest::newRow("rolled") << "";
    QTest::newRow("improved skill") << "Text1(12)";
    QTest::newRow("improved parry") << "arme_par(1)";
  }

  // Every box reads out what the sheet holds there, as its value and as
  // text, says whether the player may type in it, and is labelled by no
  // caption but its row's; each row's fixed caption labels one of them.
  void screenReadersReadEveryValue() {
    QFETCH(QString, clicked);
    CharacterWindow window(std::make_unique<SeededDice>(4));
    window.randomEntry();
    if (!clicked.isEmpty()) QTest::mouseClick(control(window, clicked), Qt::LeftButton);
    Personnage sheet = window.sheet();
    QSet<QString> rowCaptions, labelling;
    for (const ControlRow& row : characterWindowLayout()) {
      if (row.kind != ControlKind::Field && row.kind != ControlKind::MultiLine) continue;
      const QString name = QString::fromStdString(row.name);
      if (!row.rowLabel.empty() && catalogueEntry(row.rowLabel)->value.empty())
        rowCaptions << QString::fromStdString(row.rowLabel);
      const QString shown = QString::fromStdString(*std::get<std::string*>(*findField(sheet, row.name)));
      QAccessibleInterface* box = QAccessible::queryAccessibleInterface(control(window, name));
      QCOMPARE(box->text(QAccessible::Value), shown);
      QAccessibleTextInterface* text = box->textInterface();
      QVERIFY2(text, qPrintable(name));
      QCOMPARE(text->text(0, text->characterCount()), shown);
      QVERIFY2(box->state().readOnly != row.look.editable, qPrintable(name));
      QVERIFY2(box->state().editable == row.look.editable, qPrintable(name));
      for (const auto& [label, relation] : box->relations(QAccessible::Label)) {
        QCOMPARE(label->object()->objectName().toStdString(), row.rowLabel);
        labelling << label->object()->objectName();
      }
    }
    QCOMPARE(labelling, rowCaptions);
  }

  // Tab stops only where a key does something: a box to type in, or a
  // control that screen readers can press or tick.
  void everyTabStopActs() {
    CharacterWindow window(std::make_unique<SeededDice>(4));
    const QStringList acting{QAccessibleActionInterface::pressAction(),
                             QAccessibleActionInterface::toggleAction()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
      if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().startsWith("qt_")) continue;
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(w);
      const bool typed = control->state().editable;
      const QStringList actions =
          control->actionInterface() ? control->actionInterface()->actionNames() : QStringList();
      QVERIFY2(typed || actions.contains(acting[0]) || actions.contains(acting[1]),
               qPrintable(w->objectName()));
    }
  }

  // The roster and the journal are windows too, and each of their buttons,
  // as each of the sheet's, is named.
  void everyWindowAndButtonIsNamed() {
    CharacterWindow window(std::make_unique<SeededDice>(4));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_J, Qt::ControlModifier);
    QWidget* journal = window.findChild<QWidget*>(QStringLiteral("journal"));
    QVERIFY(journal);
    for (QWidget* shown :
         {static_cast<QWidget*>(&window), journal, static_cast<QWidget*>(&window.roster())}) {
      QCOMPARE(QAccessible::queryAccessibleInterface(shown)->role(), QAccessible::Window);
      for (QAbstractButton* button : shown->findChildren<QAbstractButton*>())
        QVERIFY2(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty(),
                 qPrintable(shown->objectName() + " " + button->metaObject()->className()));
    }
  }

  void quitButton() {
    CharacterWindow window(std::make_unique<SeededDice>(1));
    window.show();
    QTimer::singleShot(0, [&window] { QTest::mouseClick(control(window, "Command2"), Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
  }
};

}  // namespace orvandel

QTEST_MAIN(orvandel::CharacterWindowTest)
#include "tst_character_window.moc"
