// The recipe in the window: whatever the player does with the mouse and the
// keyboard (a random or a typed generation, improvement clicks, an undo)
// leaves a sheet that its recipe replays, and that a saved file keeps; the
// share link is the short recipe link until a box is typed into, then the
// compressed sheet the browser reads; "Partager par QR code…" draws exactly
// that link, and "Vérifier la fiche", the journal and the opening of a file
// say whether the sheet is what its dice gave.
#include <zlib.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/dice.h"
#include "core/scripted_dice.h"
#include "core/sheet.h"
#include "recipe/replay.h"
#include "recipe/verification.h"
#include "sheet_io/sheet_json.h"
#include "support/format_check.h"
#include "support/qr_scan.h"
#include "window/character_window.h"
#include "window/qr_dialog.h"
#include "window/share_link.h"

namespace orvandel {
namespace {

const QString kSite = QString::fromUtf8(kSiteAddress);

QWidget* control(const CharacterWindow& window, const QString& name) {
  return window.findChild<QWidget*>(name);
}

QLineEdit* box(const CharacterWindow& window, const QString& name) {
  return window.findChild<QLineEdit*>(name);
}

// Types over what `name` shows.
void retype(const CharacterWindow& window, const QString& name, const QString& typed) {
  box(window, name)->selectAll();
  QTest::keyClicks(box(window, name), typed);
}

Verification::Outcome outcomeOf(const CharacterWindow& window) { return verify(window.sheet()).outcome; }

// A typed entry as a player makes it: each blue box filled with what its
// dice could give, some selectors ticked to reroll their box, the
// improvement rolls' among them (the window types no count), then
// "Saisie/Reroll".
void typedGeneration(CharacterWindow& window, QRandomGenerator& choices) {
  for (const BlueBox& blue : kBlueBoxes) {
    const std::string dice = blue.dice;
    const int roll = dice == "3d6"    ? choices.bounded(3, 19)
                     : dice == "d100" ? choices.bounded(1, 101)
                                      : choices.bounded(20, 31);
    retype(window, QString::fromUtf8(blue.name), QString::number(roll));
  }
  for (int selector : {0, 1, 2, 3, 4, 5, 6, 14, 15, 16, 17}) {
    if (selector == kDesCompSelector || choices.bounded(3) == 0)
      QTest::mouseClick(control(window, QStringLiteral("des_ok(%1)").arg(selector)), Qt::LeftButton);
  }
  QTest::mouseClick(control(window, QStringLiteral("Command1")), Qt::LeftButton);
}

// A click on a skill's name or a weapon's attack, which spends an
// improvement roll on it when one is left.
void improvementClick(CharacterWindow& window, QRandomGenerator& choices) {
  const QString clicked = choices.bounded(4) == 0 ? QStringLiteral("arme_att(%1)").arg(choices.bounded(1, 7))
                                                  : QStringLiteral("comp(%1)").arg(choices.bounded(1, 74));
  QTest::mouseClick(control(window, clicked), Qt::LeftButton);
}

// The text that raw deflate packed into a link's base64url code.
std::string inflated(const QString& code) {
  const QByteArray packed = QByteArray::fromBase64(
      code.toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
  z_stream stream{};
  inflateInit2(&stream, -15);
  std::string text(1 << 16, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  stream.next_out = reinterpret_cast<Bytef*>(text.data());
  stream.avail_out = static_cast<uInt>(text.size());
  const int end = inflate(&stream, Z_FINISH);
  text.resize(stream.total_out);
  inflateEnd(&stream);
  return end == Z_STREAM_END ? text : "not raw deflate";
}

QrCodeDialog* shownQrCode(const CharacterWindow& window) {
  for (QrCodeDialog* dialog : window.findChildren<QrCodeDialog*>())
    if (dialog->isVisible()) return dialog;
  return nullptr;
}

QString verificationShown(const CharacterWindow& window) {
  const auto* label = window.findChild<QLabel*>(QStringLiteral("journal_verification"));
  return label && label->isVisible() ? label->text() : QStringLiteral("no journal");
}

std::unique_ptr<CharacterWindow> shownWindow(std::unique_ptr<Dice> dice) {
  auto window = std::make_unique<CharacterWindow>(std::move(dice));
  window->show();
  if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
  return window;
}

}  // namespace

class RecipeTest : public QObject {
  Q_OBJECT

 private slots:
  // Two hundred characters as players make them, seeded and fresh, random
  // and typed, each step checked by replaying its recipe, and each sheet
  // saved and opened again whole, recipe included.
  void everyWayOfMakingASheetReplays() {
    QTemporaryDir folder;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
      QRandomGenerator choices(static_cast<quint32>(seed));
      const bool fresh = seed % 2 == 0;
      const bool typed = seed % 4 >= 2;
      CharacterWindow window(fresh ? std::unique_ptr<Dice>(std::make_unique<FreshDice>())
                                   : std::make_unique<SeededDice>(seed));
      window.show();
      QVERIFY(QTest::qWaitForWindowActive(&window));
      const QByteArray step = QStringLiteral("seed %1, %2 %3").arg(seed).arg(fresh).arg(typed).toUtf8();
      if (typed)
        typedGeneration(window, choices);
      else
        QTest::mouseClick(control(window, QStringLiteral("orvandel")), Qt::LeftButton);
      QVERIFY2(window.sheet().recette.has_value(), step.constData());
      QVERIFY2(outcomeOf(window) == Verification::Outcome::Conforms, step.constData());
      for (int click = 0; click < 3; ++click) improvementClick(window, choices);
      QVERIFY2(outcomeOf(window) == Verification::Outcome::Conforms, step.constData());
      const Recipe clicked = *window.sheet().recette;
      QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
      QVERIFY2(outcomeOf(window) == Verification::Outcome::Conforms, step.constData());
      QVERIFY2(window.sheet().recette->clicks.size() + 1 == clicked.clicks.size(), step.constData());
      improvementClick(window, choices);
      QVERIFY2(outcomeOf(window) == Verification::Outcome::Conforms, step.constData());

      const QString path = folder.filePath(QStringLiteral("%1.json").arg(seed));
      QCOMPARE(window.saveTo(path), std::nullopt);
      if (seed <= 4) QCOMPARE(formatProblems(QStringLiteral("sheet"), path), QString());
      CharacterWindow reader(std::make_unique<SeededDice>(0));
      QCOMPARE(reader.openFrom(path), std::nullopt);
      QVERIFY2(reader.sheet() == window.sheet(), step.constData());
    }
  }

  // A fresh roll travels as its recipe; once a box is typed into, as the
  // whole sheet, which the browser inflates back.
  void theShareLinkIsTheRecipeUntilABoxIsTyped() {
    CharacterWindow window(std::make_unique<FreshDice>());
    window.randomEntry();
    window.improvementClick({ImprovementKind::Skill, 12});
    const QString recipe = shareLink(window.sheet());
    QVERIFY2(recipe.startsWith(kSite + QStringLiteral("#r=")), qPrintable(recipe));
    QVERIFY2(recipe.size() <= 200, qPrintable(recipe));

    QTest::keyClicks(control(window, QStringLiteral("equipement")), QStringLiteral(" « corde »"));
    const QString sheet = shareLink(window.sheet());
    const QString prefix = kSite + QStringLiteral("#fiche=");
    QVERIFY2(sheet.startsWith(prefix), qPrintable(sheet));
    QCOMPARE(inflated(sheet.mid(prefix.size())), sheetToJson(window.sheet()));
  }

  // Ctrl+Shift+P draws exactly the share link, and the status line says
  // which link it is: the short one itself, or why the link carries the
  // sheet; dice from a script conform but make no short link.
  void theQrCodeIsTheShareLink_data() {
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("said");
    QTest::newRow("as rolled") << "rolled" << QStringLiteral("QR code du lien court : ");
    QTest::newRow("typed into") << "typed"
                                << QStringLiteral("QR code du lien qui porte toute la fiche : Non conforme");
    QTest::newRow("scripted") << "scripted"
                              << QStringLiteral("QR code du lien qui porte toute la fiche : Conforme");
  }

  void theQrCodeIsTheShareLink() {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
      QSKIP("zbarimg is not installed (package zbar-tools)");
    QFETCH(QString, made);
    QFETCH(QString, said);
    std::unique_ptr<Dice> dice = std::make_unique<SeededDice>(31);
    if (made == QStringLiteral("scripted")) {
      CharacterWindow seeded(std::move(dice));
      seeded.randomEntry();
      dice = std::make_unique<ScriptedDice>(*seedRolls(*seeded.sheet().recette));
    }
    auto window = shownWindow(std::move(dice));
    QVERIFY(window);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    if (made == QStringLiteral("typed")) retype(*window, QStringLiteral("forc"), QStringLiteral("3"));
    for (int twice = 0; twice < 2; ++twice)
      QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QrCodeDialog* dialog = shownQrCode(*window);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QString link = shareLink(window->sheet());
    QVERIFY2(window->status().startsWith(said), qPrintable(window->status()));
    QCOMPARE(window->status().endsWith(link), made == QStringLiteral("rolled"));
    QCOMPARE(scanned(dialog->findChild<QLabel*>(QStringLiteral("qr_code"))->pixmap().toImage()), link);

    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_COMPARE(window->findChildren<QrCodeDialog*>().size(), 0);
  }

  // "Vérifier la fiche" says the verdict; on a sheet typed over, it shows
  // the journal with the box that differs, until the typing is undone.
  void verifyingSaysWhatDiffersAndFollowsTheSteps() {
    auto window = shownWindow(std::make_unique<SeededDice>(20));
    QVERIFY(window);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY2(window->status().startsWith(QStringLiteral("Conforme : tiré au hasard (graine ")),
             qPrintable(window->status()));
    QCOMPARE(verificationShown(*window), QStringLiteral("no journal"));

    const QString rolled = box(*window, QStringLiteral("forc"))->text();
    const QString typed = rolled == QStringLiteral("18") ? QStringLiteral("17") : QStringLiteral("18");
    retype(*window, QStringLiteral("forc"), typed);
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY2(window->status().startsWith(
                 QStringLiteral("Non conforme : 1 case diffère de ce que donnent les dés")),
             qPrintable(window->status()));
    const QStringList lines = verificationShown(*window).split(u'\n');
    QCOMPARE(lines.value(0), window->status());
    QCOMPARE(lines.value(1), QStringLiteral("FORce : %1 sur la fiche, %2 aux dés").arg(typed, rolled));

    QTest::keyClick(box(*window, QStringLiteral("forc")), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box(*window, QStringLiteral("forc"))->text(), rolled);
    QVERIFY2(verificationShown(*window).startsWith(QStringLiteral("Conforme : ")),
             qPrintable(verificationShown(*window)));
  }

  // A sheet given by someone else: its opening says at once whether it is
  // what its dice gave.
  void openingAFileSaysTheVerdict_data() {
    QTest::addColumn<bool>("retouched");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("as rolled") << false << QStringLiteral("Conforme : tiré au hasard (graine ");
    QTest::newRow("typed into") << true << QStringLiteral("Non conforme : 1 case diffère");
  }

  void openingAFileSaysTheVerdict() {
    QFETCH(bool, retouched);
    QFETCH(QString, verdict);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("joueur.json"));
    CharacterWindow player(std::make_unique<SeededDice>(8));
    player.randomEntry();
    if (retouched) retype(player, QStringLiteral("cha"), QStringLiteral("99"));
    QCOMPARE(player.saveTo(path), std::nullopt);

    CharacterWindow master(std::make_unique<SeededDice>(9));
    QCOMPARE(master.openFrom(path), std::nullopt);
    const QString opened = QStringLiteral("Fiche ouverte : joueur.json — ");
    QVERIFY2(master.status().startsWith(opened + verdict), qPrintable(master.status()));
  }
};

}  // namespace orvandel

QTEST_MAIN(orvandel::RecipeTest)
#include "tst_recipe.moc"
