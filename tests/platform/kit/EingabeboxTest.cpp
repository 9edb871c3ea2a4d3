// The input box of the dialog service: prompt, proposal, OK, Abbrechen and a Help button that keeps the
// box open with what was typed.
#include "platform/kit/Dienste.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class EingabeboxTest : public KartulonTest {};

TEST_F(EingabeboxTest, HelpKeepsTheBoxOpenAndOkGivesTheText) {
  const auto dialoge = kit::qtDialoge();
  struct Fall {
    bool ok;
    const char* ergebnis;
  };
  for (const Fall f : {Fall{true, "Köln Meier"}, Fall{false, ""}}) {
    SCOPED_TRACE(f.ok);
    int hilfen = 0;
    QString vorschlag, prompt, titel;
    bool hilfeDa = false, nochOffen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      titel = box->windowTitle();
      prompt = box->findChild<QLabel*>(QStringLiteral("Prompt"))->text();
      auto* eingabe = box->findChild<QLineEdit*>(QStringLiteral("Eingabe"));
      vorschlag = eingabe->text();
      auto* hilfe = box->findChild<QPushButton*>(QStringLiteral("Hilfe"));
      hilfeDa = hilfe != nullptr;
      ASSERT_TRUE(hilfeDa);
      eingabe->setText(QStringLiteral("Köln Meier"));
      hilfe->click();
      nochOffen = box->isVisible() && eingabe->text() == QStringLiteral("Köln Meier");
      box->findChild<QPushButton*>(f.ok ? QStringLiteral("OK") : QStringLiteral("Abbrechen"))->click();
    });
    const QString antwort = dialoge->inputBoxMitHilfe(QStringLiteral("Suchtext?"), QStringLiteral("Statistik"),
                                                      QStringLiteral("alt"), [&] { ++hilfen; });
    EXPECT_EQ(antwort, QString::fromUtf8(f.ergebnis));
    EXPECT_EQ(hilfen, 1);
    EXPECT_TRUE(nochOffen);
    EXPECT_EQ(vorschlag, QStringLiteral("alt"));
    EXPECT_EQ(prompt, QStringLiteral("Suchtext?"));
    EXPECT_EQ(titel, QStringLiteral("Statistik"));
  }
  // Without help there is no Help button.
  bool hilfeDa = true;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    hilfeDa = box->findChild<QPushButton*>(QStringLiteral("Hilfe")) != nullptr;
    box->findChild<QPushButton*>(QStringLiteral("OK"))->click();
  });
  EXPECT_EQ(dialoge->inputBox(QStringLiteral("?"), QString(), QStringLiteral("x")), QStringLiteral("x"));
  EXPECT_FALSE(hilfeDa);
}
