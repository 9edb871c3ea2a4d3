// The real program under a virtual X server: it opens a small file, a field is changed by typing, the
// window is closed as a user closes it, and the program saves and ends.
#include "EndeZuEnde.h"
#include "mainwindow/Main.h"
#include "platform/kit/Form.h"
#include "platform/kit/Instanz.h"
#include "platform/vb/Vb.h"

#include <functional>

namespace {
// The settings of an automated run: the user, no regional-settings warning, no start-up window, no tip.
const QByteArray kAutomatischerLauf =
    "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n";
}  // namespace

TEST_F(EndeZuEndeTest, ChangeAFieldCloseTheWindowAndTheFileIsSaved) {
  // An automated run: no regional-settings warning, whatever the machine's locale.
  einstellungenSchreiben();
  const QByteArray vorher = "..Kunden und Freunde\r\n" +
                            zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Anna"}, {23, "1"}}).toLatin1() + "\r\n" +
                            zeileAus({{0, "Privat"}, {1, "Weber"}, {2, "Jens"}, {23, "2"}}).toLatin1() + "\r\n";
  const QString datei = dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), vorher);

  // The window carries the file's description as its caption once the file is loaded.
  const QString fenster = hauptfensterStarten(QStringLiteral("Kunden und Freunde"));
  ASSERT_FALSE(fenster.isEmpty()) << "the main window did not appear: "
                                  << kartulon.readAllStandardError().toStdString();

  // The focus starts in the search box; Tab leads into the first name of the shown record.
  tastenAn(fenster, {QStringLiteral("Tab")});
  ASSERT_TRUE(ausfuehren(
      xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("Xaver")}));
  ASSERT_TRUE(fensterSchliessen(kartulon, fenster));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
  EXPECT_EQ(kartulon.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(kartulon.exitCode(), 0);

  const QStringList zeilen = QString::fromLatin1(dateiLesen(datei)).split(QStringLiteral("\r\n"));
  ASSERT_EQ(zeilen.size(), 4) << dateiLesen(datei).toStdString();
  EXPECT_EQ(zeilen[0], QStringLiteral("..Kunden und Freunde"));
  const Felder geaendert = FelderAusZeile(zeilen[1]);
  EXPECT_EQ(geaendert[1], QStringLiteral("Meier"));
  EXPECT_TRUE(geaendert[2].contains(QStringLiteral("Xaver"))) << geaendert[2].toStdString();
  EXPECT_TRUE(geaendert[2].contains(QStringLiteral("Anna"))) << geaendert[2].toStdString();
  EXPECT_EQ(geaendert[16], QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
  EXPECT_EQ(zeilen[2], zeileAus({{0, "Privat"}, {1, "Weber"}, {2, "Jens"}, {23, "2"}}));
  EXPECT_EQ(zeilen[3], QString());
  // The backup copy is gone once the new file is complete.
  EXPECT_FALSE(QFile::exists(programmOrdner() + QStringLiteral("/kartulon.BAK")));
  EXPECT_EQ(QDir(programmOrdner()).entryList({QStringLiteral("*.BAK"), QStringLiteral("*.bak")}, QDir::Files),
            QStringList());
}

// A file in a folder that the user may not write: the program says so at the start, works read-only,
// and ends on the window's close without a question, leaving the folder as it was. Where the tests run
// as root, the program runs as the unprivileged account "nobody" through setpriv or runuser.
TEST_F(EndeZuEndeTest, AFileInAFolderWithoutWriteAccessOpensReadOnlyAndTheCloseEnds) {
  QString programm = QStringLiteral(KARTULON_BINARY);
  QStringList argumente;
  const uint nobody = 65534;
  if (::geteuid() == 0) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const QString runuser = QStandardPaths::findExecutable(QStringLiteral("runuser"));
    if (!setpriv.isEmpty()) {
      programm = setpriv;
      argumente = {QStringLiteral("--reuid=%1").arg(nobody), QStringLiteral("--regid=%1").arg(nobody),
                   QStringLiteral("--clear-groups"), QStringLiteral("--"), QStringLiteral(KARTULON_BINARY)};
    } else if (!runuser.isEmpty()) {
      programm = runuser;
      argumente = {QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"),
                   QStringLiteral(KARTULON_BINARY)};
    } else {
      GTEST_SKIP() << "runs as root and neither setpriv nor runuser is there to drop the rights";
    }
  }

  einstellungenSchreiben();
  const QString daten = tempPfad(QStringLiteral("daten"));
  dateiSchreiben(programmOrdner() + QStringLiteral("/Zurirada.ini"),
                 "[Ordner]\r\nDirData=" + QFile::encodeName(daten) + "\r\n");
  const QByteArray vorher =
      "..Kunden und Freunde\r\n" + zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Anna"}, {23, "1"}}).toLatin1() + "\r\n";
  const QString datei = dateiSchreiben(daten + QStringLiteral("/kartulon.dat"), vorher);
  // The file itself says "writable" to everybody; only its folder is closed.
  QFile::setPermissions(datei, QFileDevice::Permissions(0x6666));
  QFile::setPermissions(daten, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                   QFile::ReadOther | QFile::ExeOther);
  struct Zurueck {
    QString ordner;
    ~Zurueck() { QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
  } zurueck{daten};
  if (::geteuid() == 0) {
    QFile::setPermissions(tempPfad(QString()),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    for (const QString& ordner : {programmOrdner(), windowsOrdner()}) {
      ASSERT_EQ(QProcess::execute(QStringLiteral("chown"),
                                  {QStringLiteral("-R"), QStringLiteral("%1:%1").arg(nobody), ordner}),
                0);
    }
  }

  QProcess kartulon;
  QProcessEnvironment env = umgebung();
  env.insert(QStringLiteral("HOME"), programmOrdner());
  env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  kartulon.setProcessEnvironment(env);
  kartulon.start(programm, argumente);
  ASSERT_TRUE(kartulon.waitForStarted());
  const Aufraeumen aufraeumen{kartulon};

  auto warten = [&](const QString& name) { return fensterWarten(kartulon, name); };
  // The read-only message comes first and names the folder.
  const QString meldung = warten(QStringLiteral("Kartulon, nur Leserechte"));
  ASSERT_FALSE(meldung.isEmpty()) << "no read-only message (program state " << kartulon.state() << ", exit code "
                                  << kartulon.exitCode() << "): " << kartulon.readAllStandardError().toStdString();
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), meldung}));
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("key"), QStringLiteral("Return")}));

  const QString fenster = warten(QStringLiteral("Kunden und Freunde - nur Leserechte"));
  ASSERT_FALSE(fenster.isEmpty()) << "the main window did not appear read-only: "
                                  << kartulon.readAllStandardError().toStdString();
  // Typing changes nothing; the close ends at once.
  tastenAn(fenster, {QStringLiteral("Tab")});
  ASSERT_TRUE(ausfuehren(
      xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("Xaver")}));
  ASSERT_TRUE(fensterSchliessen(kartulon, fenster));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
  EXPECT_EQ(kartulon.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(kartulon.exitCode(), 0);
  EXPECT_EQ(dateiLesen(datei), vorher);
  EXPECT_EQ(QDir(daten).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kartulon.dat")});
}

// A new user writes a mask: Ctrl+J opens the mask editor, the text is typed, Ctrl+S asks for a name,
// Enter saves, Esc closes the editor. The mask file and its font key are on disk as written.
TEST_F(EndeZuEndeTest, WriteAMaskInTheEditorAndSaveIt) {
  einstellungenSchreiben();
  dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"),
                 "..Kunden und Freunde\r\n" + zeileAus({{0, "Privat"}, {1, "Meier"}, {23, "1"}}).toLatin1() + "\r\n");
  auto schreiben = [&](const QString& text) {
    ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text}));
  };
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden und Freunde"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();
  tastenAn(haupt, {QStringLiteral("ctrl+j")});
  const QString editor = warten(QStringLiteral("Masken-Editor"));
  ASSERT_FALSE(editor.isEmpty()) << "Ctrl+J did not open the mask editor";
  // The list has the focus first; Tab leads past the insert button into the text.
  tastenAn(editor, {QStringLiteral("Tab"), QStringLiteral("Tab")});
  schreiben(QStringLiteral("{Vorname} {Nachname}"));
  tastenAn(editor, {QStringLiteral("Return")});
  schreiben(QStringLiteral("{PLZ} {Ort}"));
  tastenAn(editor, {QStringLiteral("ctrl+s")});
  const QString datei = warten(QStringLiteral("Datei speichern unter"));
  ASSERT_FALSE(datei.isEmpty()) << "Ctrl+S in the text did not open the file dialog";
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), datei}));
  schreiben(QStringLiteral("Brief"));
  tastenAn(datei, {QStringLiteral("Return")});
  ASSERT_TRUE(fensterZu(QStringLiteral("Datei speichern unter"))) << "Enter left the file dialog open";
  tastenAn(editor, {QStringLiteral("Escape")});
  EXPECT_TRUE(fensterZu(QStringLiteral("Masken-Editor"))) << "Esc left the mask editor open";
  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
  EXPECT_EQ(dateiLesen(programmOrdner() + QStringLiteral("/Brief.Msk")),
            QByteArray("{Vorname} {Nachname}\r\n{PLZ} {Ort}"));
  // The shipped samples' fonts stay; the new mask's font joins them.
  QFile muster(QStringLiteral(KARTULON_DATA_DIR "/Masken.Ini"));
  ASSERT_TRUE(muster.open(QIODevice::ReadOnly));
  EXPECT_EQ(dateiLesen(programmOrdner() + QStringLiteral("/Masken.Ini")),
            muster.readAll() + "BRIEF=Arial;8.25;0;0;0;0;\r\n");
}

// A new user cuts part of a box through its context menu: a double-click selects the word, a right click
// opens the menu, the keyboard walks to "Ausschneiden"; a click on the other record and F12 save the file.
TEST_F(EndeZuEndeTest, CutThroughTheContextMenuIsSavedAndOnTheClipboard) {
  const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
  ASSERT_FALSE(xclip.isEmpty()) << "xclip is needed (tools/deps.sh installs it)";

  const QByteArray vorher =
      "..Kunden und Freunde\r\n" +
      zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Annegret Maria"}, {16, "01.01.2020"}, {23, "1"}}).toLatin1() +
      "\r\n" + zeileAus({{0, "Privat"}, {1, "Weber"}, {2, "Jens"}, {23, "2"}}).toLatin1() + "\r\n";

  einstellungenSchreiben();
  const QString datei = dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), vorher);
  const QString fenster = hauptfensterStarten(QStringLiteral("Kunden und Freunde"));
  ASSERT_FALSE(fenster.isEmpty()) << "the main window did not appear: "
                                  << kartulon.readAllStandardError().toStdString();
  QString geometrie;
  ASSERT_TRUE(
      ausfuehren(xdotool, {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), fenster}, &geometrie));
  QSize groesse;
  for (const QString& zeile : geometrie.split(u'\n')) {
    if (zeile.startsWith(QStringLiteral("WIDTH="))) groesse.setWidth(zeile.mid(6).toInt());
    if (zeile.startsWith(QStringLiteral("HEIGHT="))) groesse.setHeight(zeile.mid(7).toInt());
  }
  ASSERT_TRUE(groesse.isValid()) << geometrie.toStdString();

  // The same window laid out at that size, in a program folder of its own (another copy, as far as the
  // single-instance guard is concerned), says where the first name and the second record are.
  QPoint vorname, zweiteZeile;
  {
    const QString home = tempPfad(QStringLiteral("lage/home")), win = tempPfad(QStringLiteral("lage/win"));
    dateiSchreiben(win + QStringLiteral("/Zedured.ini"), kAutomatischerLauf);
    dateiSchreiben(home + QStringLiteral("/kartulon.dat"), vorher);
    qputenv("KARTULON_HOME", home.toLocal8Bit());
    qputenv("KARTULON_WINDIR", win.toLocal8Bit());
    Main& w = Main::get();
    w.show();
    w.resize(groesse);
    QCoreApplication::processEvents();
    vorname = w.Feld(2).editor()->mapTo(&w, QPoint(10, w.Feld(2).editor()->height() / 2));
    zweiteZeile = w.Liste->viewport()->mapTo(&w, w.Liste->visualRect(w.Liste->model()->index(1, 0)).center());
    vb::Forms::UnloadAll();
    Instanz::beenden();
    qputenv("KARTULON_HOME", programmOrdner().toLocal8Bit());
    qputenv("KARTULON_WINDIR", windowsOrdner().toLocal8Bit());
  }

  auto xdo = [&](QStringList argumente) {
    ASSERT_TRUE(ausfuehren(xdotool, argumente)) << argumente.join(u' ').toStdString();
  };
  // The keys go to a menu only once it is there (it then holds the keyboard): the program's visible
  // windows are the main window and its open menus.
  auto fensterZahl = [&](qsizetype n) {
    ASSERT_TRUE(WartenBis([&] { return sichtbareFenster(kartulon).size() == n; }, 10000, 100))
        << "expected " << n << " visible windows: " << fensterListe(kartulon).toStdString();
  };
  auto maus = [&](QPoint p) {
    xdo({QStringLiteral("mousemove"), QStringLiteral("--window"), fenster, QString::number(p.x()),
         QString::number(p.y())});
  };
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster}));
  // A double-click selects the first word of the first name, a right click opens the menu there.
  maus(vorname);
  xdo({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("1")});
  xdo({QStringLiteral("click"), QStringLiteral("3")});
  fensterZahl(2);
  // "Vorname-Feld" is the first item, "Ausschneiden" the first of its submenu.
  xdo({QStringLiteral("key"), QStringLiteral("Down")});
  xdo({QStringLiteral("key"), QStringLiteral("Right")});
  fensterZahl(3);
  xdo({QStringLiteral("key"), QStringLiteral("Return")});
  fensterZahl(1);
  maus(zweiteZeile);
  xdo({QStringLiteral("click"), QStringLiteral("1")});

  // The clipboard belongs to the running program: read it before the program ends (once the cut is there).
  QString ablage;
  auto ablageLesen = [&] {
    return ausfuehren(xclip, {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")},
                      &ablage);
  };
  WartenBis([&] { return ablageLesen() && ablage == QStringLiteral("Annegret"); }, 10000, 100);
  ASSERT_TRUE(ablageLesen());
  EXPECT_EQ(ablage, QStringLiteral("Annegret"));

  xdo({QStringLiteral("key"), QStringLiteral("--window"), fenster, QStringLiteral("F12")});
  ASSERT_TRUE(kartulon.waitForFinished(30000)) << "F12 did not save and end the program";
  EXPECT_EQ(kartulon.exitCode(), 0);
  const QStringList zeilen = QString::fromLatin1(dateiLesen(datei)).split(QStringLiteral("\r\n"));
  ASSERT_EQ(zeilen.size(), 4) << dateiLesen(datei).toStdString();
  const Felder geschnitten = FelderAusZeile(zeilen[1]);
  EXPECT_EQ(vb::Trim(geschnitten[2]), QStringLiteral("Maria"));
  EXPECT_EQ(geschnitten[1], QStringLiteral("Meier"));
  EXPECT_EQ(geschnitten[16], QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
  EXPECT_EQ(zeilen[2], zeileAus({{0, "Privat"}, {1, "Weber"}, {2, "Jens"}, {23, "2"}}));
}

// A new user imports a list: Ctrl+I, the file's path typed into the file dialog, ";" as separator,
// "Kartulon importieren", F12. Then an address copied elsewhere goes from the clipboard into the shown
// record: Ctrl+F8, Enter, F12. The saved file is checked byte for byte.
TEST_F(EndeZuEndeTest, AListAndAnAddressFromTheClipboardAreImported) {
  const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
  ASSERT_FALSE(xclip.isEmpty()) << "xclip is needed (tools/deps.sh installs it)";

  einstellungenSchreiben("AdressIndex=50\r\n");
  const QByteArray meier = zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Anna"}, {23, "1"}}).toLatin1();
  const QString datei =
      dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), "..Kunden und Freunde\r\n" + meier + "\r\n");
  const QString liste = dateiSchreiben(tempPfad(QStringLiteral("Neue Kunden.txt")),
                                       "Kunde;Schulz;Eva;Weg 1;12345;Ulm\r\n;Gr\x81n;Jan\r\n");

  auto programm = [&](const std::function<void(const std::function<QString(const QString&)>&)>& bedienen) {
    QProcess kartulon;
    ASSERT_TRUE(programmStarten(kartulon));
    const Aufraeumen aufraeumen{kartulon};
    // Waits for a visible window of that name, gives it the focus and returns it ("" when none came).
    auto fenster = [&](const QString& name) {
      const QString gefunden = fensterWarten(kartulon, name);
      if (!gefunden.isEmpty()) ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), gefunden});
      return gefunden;
    };
    bedienen(fenster);
    ASSERT_TRUE(kartulon.waitForFinished(30000))
        << "the program did not end on F12: " << kartulon.readAllStandardError().toStdString();
    EXPECT_EQ(kartulon.exitCode(), 0);
  };
  // Keys reach the program in the order they were sent; a step that closes a window is waited for before
  // the keys of the next window (fensterZu), since a key for a window under a modal one goes nowhere.
  auto tasten = [&](const QStringList& folge) {
    for (const QString& t : folge) ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("key"), t}));
  };
  auto tippen = [&](const QString& text) {
    ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text}));
  };

  programm([&](const auto& fenster) {
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("ctrl+i")});
    ASSERT_FALSE(fenster(QStringLiteral("Kartulonimport")).isEmpty());
    tasten({QStringLiteral("alt+d")});
    ASSERT_FALSE(fenster(QStringLiteral("Wähle Sie ein Datei zum Kartulonimport")).isEmpty());
    tippen(liste);
    tasten({QStringLiteral("Return")});
    ASSERT_TRUE(fensterZu(QStringLiteral("Wähle Sie ein Datei zum Kartulonimport")));
    ASSERT_FALSE(fenster(QStringLiteral("Kartulonimport")).isEmpty());
    // The separator has the focus once the file is read; Esc moves on twice, to the import button.
    tasten({QStringLiteral("ctrl+a")});
    tippen(QStringLiteral(";"));
    tasten({QStringLiteral("Escape"), QStringLiteral("Escape"), QStringLiteral("space")});
    ASSERT_TRUE(fensterZu(QStringLiteral("Kartulonimport"), 30000)) << "the import dialog stayed open";
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("F12")});
  });
  const QByteArray heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
  const QByteArray schulz = "Kunde\tSchulz\tEva\tWeg 1\t12345\tUlm\t" + QByteArray(9, '\t') + heute + "\t" + heute +
                            "\t" + QByteArray(6, '\t') + "50\t";
  const QByteArray gruen =
      "\tGr\x81n\tJan\t" + QByteArray(12, '\t') + heute + "\t" + heute + "\t" + QByteArray(6, '\t') + "51\t";
  ASSERT_EQ(dateiLesen(datei).toStdString(),
            ("..Kunden und Freunde\r\n" + meier + "\r\n" + schulz + "\r\n" + gruen + "\r\n").toStdString());

  // The address as a Linux program puts it on the clipboard: UTF-8 with LF line ends.
  QProcess ablage;
  ablage.setProcessEnvironment(umgebung());
  ablage.start(xclip, {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                       QStringLiteral("UTF8_STRING"), QStringLiteral("-i")});
  ASSERT_TRUE(ablage.waitForStarted());
  ablage.write(QStringLiteral("Müller, Hans\nHauptstr. 5\n70173 Stuttgart\n").toUtf8());
  ablage.closeWriteChannel();
  ASSERT_TRUE(ablage.waitForFinished(10000));

  programm([&](const auto& fenster) {
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("ctrl+F8")});
    ASSERT_FALSE(fenster(QStringLiteral("Kartulon-Import aus der Zwischenablage")).isEmpty());
    tasten({QStringLiteral("Return")});
    ASSERT_TRUE(fensterZu(QStringLiteral("Kartulon-Import aus der Zwischenablage")));
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("F12")});
  });
  // The record shown at the start (the first imported, where the import left the selection) took the parts.
  QByteArray mueller = schulz;
  mueller.replace("\tSchulz\tEva\tWeg 1\t12345\tUlm\t", "\tM\xFCller\tHans\tHauptstr. 5\t70173\tStuttgart\t");
  // Loading gave the record with an empty first field its blank, as every load does.
  EXPECT_EQ(dateiLesen(datei).toStdString(),
            ("..Kunden und Freunde\r\n" + meier + "\r\n" + mueller + "\r\n " + gruen + "\r\n").toStdString());
}
