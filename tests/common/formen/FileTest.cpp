#include "common/Global.h"
#include "common/formen/File.h"
#include "mainwindow/Main.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

class FileTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    ordner = tempPfad(QStringLiteral("daten"));
    QDir().mkpath(ordner);
  }

  QString datei(const QString& name, const QByteArray& inhalt = "..Beschreibung\r\n") {
    return dateiSchreiben(ordner + u'/' + name, inhalt);
  }

  // Sets the caller's inputs, shows the dialog modally and lets the user act on it; returns the result.
  QString zeigen(const QString& name, bool laden, const std::function<void(File&)>& benutzer,
                 const QString& kuerzel = QStringLiteral("Dat")) {
    File& f = File::get();
    f.Bezeichnung->setText(name);
    f.Kürzel->setCaption(kuerzel);
    if (laden)
      f.Laden->setValue(true);
    else
      f.Speichern->setValue(true);
    f.Datei1->setPath(ordner);
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      auto& d = dynamic_cast<File&>(form);
      d.show();
      benutzer(d);
    });
    f.Show(true);
    return f.Bezeichnung->Text();
  }

  static int zeileVon(File& f, const QString& name) {
    for (int i = 0; i < f.Datei1->ListCount(); ++i)
      if (f.Datei1->List(i) == name) return i;
    return -1;
  }

  QString ordner;
};

TEST_F(FileTest, PreparationTakesTheBaseNameAndBuildsThePattern) {
  datei(QStringLiteral("KARTULON.DAT"));
  datei(QStringLiteral("andere.dat"));
  datei(QStringLiteral("maske.msk"));
  struct Fall {
    QString vorschlag, kuerzel, name, kuerzelDanach;
  };
  const Fall faelle[] = {
      {QStringLiteral("Auszug.Dat"), QStringLiteral("Dat"), QStringLiteral("Auszug"), QStringLiteral(".Dat")},
      // The preselection then finds KARTULON.DAT, and its click puts the name as it is on disk.
      {QStringLiteral("/irgendwo/tief/kartulon.dat"), QStringLiteral(".Dat"), QStringLiteral("KARTULON"),
       QStringLiteral(".Dat")},
      {QString(), QStringLiteral("xlsx"), QString(), QStringLiteral(".xls")},
  };
  for (const Fall& f : faelle) {
    File* gesehen = nullptr;
    zeigen(
        f.vorschlag, true,
        [&](File& d) {
          gesehen = &d;
          EXPECT_EQ(d.Caption(), QStringLiteral("Datei laden"));
          EXPECT_EQ(d.Bezeichnung->Text(), f.name) << f.vorschlag.toStdString();
          EXPECT_EQ(d.Kürzel->Caption(), f.kuerzelDanach);
          EXPECT_EQ(d.Datei1->Pattern(), QStringLiteral("*") + f.kuerzelDanach);
          d.mnuAbbrechen_Click();
        },
        f.kuerzel);
    ASSERT_NE(gesehen, nullptr);
  }
  // The pattern matches without regard to case; the preselection finds KARTULON.DAT for "kartulon".
  zeigen(QStringLiteral("kartulon"), true, [&](File& d) {
    EXPECT_EQ(d.Datei1->items(), (QStringList{QStringLiteral("andere.dat"), QStringLiteral("KARTULON.DAT")}));
    EXPECT_EQ(d.Datei1->ListIndex(), 1);
    EXPECT_TRUE(d.BefOk->isEnabled());
    d.BefOk->click();
  });
  EXPECT_EQ(File::get().Bezeichnung->Text(), ordner + QStringLiteral("/KARTULON.Dat"));
}

TEST_F(FileTest, LoadModeEnablesOkOnlyOnceANameIsThere) {
  datei(QStringLiteral("a.b.dat"));
  const QString ergebnis = zeigen(QStringLiteral("fehlt"), true, [&](File& d) {
    EXPECT_FALSE(d.BefOk->isEnabled());
    d.Datei1->setListIndex(0);
    EXPECT_EQ(d.Bezeichnung->Text(), QStringLiteral("a"));
    EXPECT_TRUE(d.BefOk->isEnabled());
    QTest::keyClick(d.Datei1, Qt::Key_Return);
  });
  EXPECT_EQ(ergebnis, ordner + QStringLiteral("/a.Dat"));
  EXPECT_EQ(File::get().Vorbereitet, 0);
}

TEST_F(FileTest, TypedAndPastedNamesStayInTheirFolder) {
  struct Fall {
    const char* was;
    std::function<void(File&)> eingabe;
    QString name;
  };
  const Fall faelle[] = {
      {"typed", [](File& d) { QTest::keyClicks(d.Bezeichnung->editor(), QStringLiteral("Mai.2000 neu")); },
       QStringLiteral("Mai_2000_neu")},
      {"pasted ../x", [](File& d) { d.Bezeichnung->typeText(QStringLiteral("../x")); }, QStringLiteral("___x")},
      {"pasted slash", [](File& d) { d.Bezeichnung->typeText(QStringLiteral("a/b\\c")); }, QStringLiteral("a_b_c")},
      {"set as the user would", [](File& d) { d.Bezeichnung->setText(QStringLiteral("../../etc/x") + QChar(7)); },
       QStringLiteral("______etc_x_")},
  };
  for (const Fall& f : faelle) {
    const QString ergebnis = zeigen(QString(), false, [&](File& d) {
      f.eingabe(d);
      EXPECT_EQ(d.Bezeichnung->Text(), f.name) << f.was;
      d.BefOk->click();
    });
    EXPECT_EQ(ergebnis, ordner + u'/' + f.name + QStringLiteral(".Dat")) << f.was;
  }
}

TEST_F(FileTest, ClickShowsFactsAndDescription) {
  datei(QStringLiteral("leer.dat"), QByteArray());
  datei(QStringLiteral("lang.dat"), ".." + QByteArray(300, 'x') + "\r\n");
  datei(QStringLiteral("kunden.dat"), "..Meine~Kunden\r\nA\tB\t\r\n");
  datei(QStringLiteral("ohne.dat"), "..\r\n");
  zeigen(QString(), true, [&](File& d) {
    d.Datei1->setListIndex(zeileVon(d, QStringLiteral("kunden.dat")));
    EXPECT_EQ(d.BezInfo->Caption(), QStringLiteral("Meine\r\nKunden"));
    EXPECT_TRUE(d.BezHinweise->Caption().startsWith(ordner + QStringLiteral("/kunden.dat\rVom: ")));
    EXPECT_TRUE(d.BezHinweise->Caption().endsWith(QStringLiteral(" alt\rGröße: 22 Bytes")));
    d.Datei1->setListIndex(zeileVon(d, QStringLiteral("leer.dat")));
    EXPECT_TRUE(d.BezHinweise->Caption().endsWith(QStringLiteral("Größe:  Bytes")));
    EXPECT_EQ(d.BezInfo->Caption(), QString());
    d.Datei1->setListIndex(zeileVon(d, QStringLiteral("lang.dat")));
    EXPECT_EQ(d.BezInfo->Caption(), QString(199, u'x'));
    d.Datei1->setListIndex(zeileVon(d, QStringLiteral("ohne.dat")));
    EXPECT_EQ(d.BezInfo->Caption(), QString());
    d.mnuAbbrechen_Click();
  });
}

TEST_F(FileTest, SaveOverAnExistingFileAsksFirst) {
  datei(QStringLiteral("alt.dat"));
  dialoge().answer(vb::vbNo);
  dialoge().answer(vb::vbYes);
  const QString ergebnis = zeigen(QStringLiteral("alt"), false, [&](File& d) {
    d.BefOk->click();
    // No: the window stays open, the name unchanged.
    EXPECT_EQ(d.Vorbereitet, 1);
    EXPECT_EQ(d.Bezeichnung->Text(), QStringLiteral("alt"));
    d.BefOk->click();
  });
  EXPECT_EQ(ergebnis, ordner + QStringLiteral("/alt.Dat"));
  ASSERT_EQ(dialoge().requests().size(), 2);
  const auto& frage = dialoge().requests().at(0);
  EXPECT_EQ(frage.title, QStringLiteral("Datei speichern unter"));
  EXPECT_EQ(frage.style, vb::vbExclamation | vb::vbYesNo);
  EXPECT_EQ(frage.text,
            QStringLiteral("Datei »") + ordner +
                QStringLiteral("/alt.Dat« besteht bereits.\r\rMöchten Sie, dass diese Datei überschrieben wird?"));
  ASSERT_FALSE(toene().aufrufe().isEmpty());
  EXPECT_EQ(toene().aufrufe().first().typ, 32);  // the question sound
}

TEST_F(FileTest, CancelEscAndCloseBoxReturnNothing) {
  datei(QStringLiteral("a.dat"));
  const std::function<void(File&)> wege[] = {
      [](File& d) { d.BefAbbrechen->click(); },
      [](File& d) { QTest::keyClick(d.Datei1, Qt::Key_Escape); },
      [](File& d) { d.close(); },
  };
  for (const auto& weg : wege) {
    const QString ergebnis = zeigen(QStringLiteral("a"), true, weg);
    EXPECT_EQ(ergebnis, QString());
    EXPECT_TRUE(File::IsLoaded());
    EXPECT_EQ(File::get().Vorbereitet, 0);
  }
}

TEST_F(FileTest, ReadOnlySaveOffersOnlyCancel) {
  datei(QStringLiteral("a.dat"));
  Main::get();  // its start-up decides the read-only mode of its own file first
  NurLesen = -1;
  zeigen(QStringLiteral("a"), false, [&](File& d) {
    EXPECT_FALSE(d.BefOk->isVisibleTo(&d));
    EXPECT_FALSE(d.mnuOk->Visible());
    EXPECT_FALSE(d.mnuOk->Enabled());
    EXPECT_FALSE(d.befUmbennen->Enabled());
    EXPECT_FALSE(d.befLöschen->Enabled());
    d.Datei1_DblClick();
    EXPECT_TRUE(d.isVisible());
    d.mnuAbbrechen_Click();
  });
  // A following load may choose again.
  NurLesen = 0;
  zeigen(QStringLiteral("a"), true, [&](File& d) {
    EXPECT_TRUE(d.BefOk->isVisibleTo(&d));
    d.mnuAbbrechen_Click();
  });
}

TEST_F(FileTest, RenameKeepsTheExtensionAndRefusesBadNames) {
  datei(QStringLiteral("alt.dat"), "..Alt\r\n");
  struct Fall {
    QString antwort;
    QString meldung;  // "" none
  };
  const Fall faelle[] = {
      {QStringLiteral("ALT"), QStringLiteral("Sie haben keinen neuen Dateinamen gewählt.")},
      {QStringLiteral("a b"), QStringLiteral("Ungültiges Zeichen im Dateinamen enthalten.")},
      {QStringLiteral("../x"), QStringLiteral("Ungültiges Zeichen im Dateinamen enthalten.")},
      {QString(), QString()},
  };
  for (const Fall& f : faelle) {
    dialoge().clear();
    if (f.antwort.isEmpty()) {
      dialoge().answerCancel();
    } else {
      dialoge().answerText(f.antwort);
    }
    zeigen(QString(), true, [&](File& d) {
      d.Datei1->setListIndex(0);
      d.befUmbennen_Click();
      d.mnuAbbrechen_Click();
    });
    ASSERT_GE(dialoge().requests().size(), 1);
    EXPECT_EQ(
        dialoge().requests().at(0).text,
        QStringLiteral(
            "Gegen Sie einen neuen Dateinamen für »alt« ein.\r\rDas Dateikürzel wird automatisch auf »dat« gesetzt."));
    EXPECT_EQ(dialoge().requests().at(0).standard, QStringLiteral("alt"));
    EXPECT_EQ(dialoge().requests().size(), f.meldung.isEmpty() ? 1 : 2);
    if (!f.meldung.isEmpty()) {
      EXPECT_EQ(dialoge().requests().at(1).text, f.meldung);
    }
    EXPECT_TRUE(QFile::exists(ordner + QStringLiteral("/alt.dat")));
  }
  dialoge().clear();
  dialoge().answerText(QStringLiteral("neu.txt"));
  zeigen(QString(), true, [&](File& d) {
    d.Datei1->setListIndex(0);
    d.befUmbennen_Click();
    EXPECT_EQ(d.Datei1->items(), QStringList{QStringLiteral("neu.dat")});
    EXPECT_EQ(d.Datei1->ListIndex(), 0);
    EXPECT_EQ(d.BezInfo->Caption(), QStringLiteral("Alt"));
    d.mnuAbbrechen_Click();
  });
  EXPECT_FALSE(QFile::exists(ordner + QStringLiteral("/alt.dat")));
  EXPECT_EQ(dateiLesen(ordner + QStringLiteral("/neu.dat")), QByteArray("..Alt\r\n"));
}

TEST_F(FileTest, RenameOverAnExistingFileAsksAndNeverLosesTheSource) {
  datei(QStringLiteral("a.dat"), "..A\r\n");
  datei(QStringLiteral("b.dat"), "..B\r\n");
  auto umbenennen = [&](const QString& antwort, int frage) {
    dialoge().clear();
    dialoge().answerText(antwort);
    dialoge().answer(frage);
    zeigen(QString(), true, [&](File& d) {
      d.Datei1->setListIndex(zeileVon(d, QStringLiteral("a.dat")));
      d.befUmbennen_Click();
      d.mnuAbbrechen_Click();
    });
  };
  umbenennen(QStringLiteral("b"), vb::vbNo);
  EXPECT_EQ(dialoge().requests().at(1).text,
            QStringLiteral("b\rbesteht bereits.\r\rMöchten Sie, dass diese Datei überschrieben wird?"));
  EXPECT_EQ(dateiLesen(ordner + QStringLiteral("/a.dat")), QByteArray("..A\r\n"));
  EXPECT_EQ(dateiLesen(ordner + QStringLiteral("/b.dat")), QByteArray("..B\r\n"));
  umbenennen(QStringLiteral("b"), vb::vbYes);
  EXPECT_FALSE(QFile::exists(ordner + QStringLiteral("/a.dat")));
  EXPECT_EQ(dateiLesen(ordner + QStringLiteral("/b.dat")), QByteArray("..A\r\n"));

  // A target that cannot be replaced (a folder of that name): the copy fails, the source stays.
  datei(QStringLiteral("c.dat"), "..C\r\n");
  QDir().mkpath(ordner + QStringLiteral("/d.dat/voll"));
  dialoge().clear();
  dialoge().answerText(QStringLiteral("d"));
  zeigen(QString(), true, [&](File& d) {
    d.Datei1->setListIndex(zeileVon(d, QStringLiteral("c.dat")));
    d.befUmbennen_Click();
    d.mnuAbbrechen_Click();
  });
  EXPECT_EQ(dateiLesen(ordner + QStringLiteral("/c.dat")), QByteArray("..C\r\n"));
  EXPECT_FALSE(QFile::exists(ordner + QStringLiteral("/d.dat.neu~")));
  bool gemeldet = false;
  for (const auto& r : dialoge().requests())
    gemeldet |= r.text.contains(QStringLiteral("konnte nicht umbenannt werden"));
  EXPECT_TRUE(gemeldet);
}

TEST_F(FileTest, DeleteAsksAndRefreshes) {
  datei(QStringLiteral("a.dat"));
  datei(QStringLiteral("b.dat"));
  dialoge().answer(vb::vbOK);
  dialoge().answer(vb::vbNo);
  dialoge().answer(vb::vbYes);
  zeigen(QString(), true, [&](File& d) {
    d.befLöschen_Click();  // nothing selected
    d.Datei1->setListIndex(0);
    d.befLöschen_Click();  // No
    EXPECT_EQ(d.Datei1->ListCount(), 2);
    d.Datei1->setListIndex(0);
    d.befLöschen_Click();  // Yes
    EXPECT_EQ(d.Datei1->items(), QStringList{QStringLiteral("b.dat")});
    EXPECT_EQ(d.Bezeichnung->Text(), QString());
    d.mnuAbbrechen_Click();
  });
  ASSERT_EQ(dialoge().requests().size(), 3);
  EXPECT_EQ(dialoge().requests().at(0).text, QStringLiteral("Keine Datei zum Löschen ausgewählt."));
  EXPECT_EQ(dialoge().requests().at(0).title, QStringLiteral("Datei löschen"));
  EXPECT_EQ(dialoge().requests().at(1).text, QStringLiteral("Datei »a.dat« löschen."));
  EXPECT_EQ(dialoge().requests().at(1).title, QStringLiteral("Datei löschen?"));
  EXPECT_EQ(dialoge().requests().at(1).style, vb::vbQuestion | vb::vbYesNo);
  EXPECT_FALSE(QFile::exists(ordner + QStringLiteral("/a.dat")));
}

}  // namespace
