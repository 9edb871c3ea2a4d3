// The program's start-up: the start-up checks, the program-wide paths, the menu items that depend on
// settings files, the captions, the exchange file, the start file from the command line, its loading and
// the display options.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Konfiguration.h"
#include "common/Pfade.h"
#include "common/Startpruefung.h"
#include "common/Statistik.h"
#include "common/Text.h"
#include "common/Token.h"
#include "common/Ton.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFamilie.h"
#include "mainwindow/MainFelder.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Paths.h"
#include "store/Anschrift.h"

#include <QFile>

namespace {

QString imProgrammOrdner(const QString& name) { return Paths::verbinden(ProgrammOrdner(), name); }

QString zweiStellen(int i) { return QStringLiteral("%1").arg(i, 2, 10, QChar(u'0')); }

}  // namespace

void Main::Form_Load() {
  LaenderPruefen(1);
  KonfigurationAnpassen();
  InstanzPruefen();
  StatistikStart();
  // Date and time show from the start; the time-out is still 0, so this tick never ends anything.
  ZeitTimeOut_Timer();

  IniDatei = imProgrammOrdner(QStringLiteral("Kartulon.Ini"));
  HilfeDatei = imProgrammOrdner(QStringLiteral("Kartulon.hlp"));

  // The data folder: the shared setting first, then the user's, then the program folder. A "\" of an
  // old setting is a separator.
  DatenOrdner = IniLesen(imProgrammOrdner(QStringLiteral("Zurirada.ini")), QStringLiteral("Ordner"),
                         QStringLiteral("DirData"), QString());
  if (DatenOrdner.isEmpty()) DatenOrdner = IniLesen(QString(), QString(), QStringLiteral("DirData"), ProgrammOrdner());
  DatenOrdner = Ersetzen(DatenOrdner, QStringLiteral("{appdir}"), ProgrammOrdner());
  DatenOrdner = Paths::normalisieren(DatenOrdner);
  if (DatenOrdner.endsWith(u'/') && DatenOrdner.size() > 1) DatenOrdner.chop(1);
  MaskenOrdner = DatenOrdner;

  mnuPopUp->setVisible(false);
  TkAnlageIni = imProgrammOrdner(QStringLiteral("Export_Tk-Anlage.ini"));
  const QString anlage = IniLesen(TkAnlageIni, QStringLiteral("Allgemein"), QStringLiteral("Tk-Anlage"), QString());
  if (!anlage.isEmpty())
    mnuExportTKAnlage->setCaption(Ersetzen(mnuExportTKAnlage->Caption(), QStringLiteral("*"), anlage));
  else
    mnuExportTKAnlage->setVisible(false);
  mnuExportTiptel195->setVisible(!IniLesen(imProgrammOrdner(QStringLiteral("Export_TeleTiptel195.ini")),
                                           QStringLiteral("Export"), QStringLiteral("Datei"), QString())
                                      .isEmpty());
  mnuXxxEntwicklung->setVisible(false);

  const QString beschriftung = QStringLiteral("Beschriftung");
  for (int i = 0; i < 24; ++i)
    Bezeichnung1(i).setCaption(
        IniLesen(IniDatei, beschriftung, QStringLiteral("Bez_") + zweiStellen(i), Bezeichnung1(i).Caption()));
  const std::pair<int, vb::Frame*> rahmen[] = {{0, Rahmen0}, {1, Rahmen1}, {2, Rahmen2},
                                               {3, Rahmen3}, {4, Rahmen4}, {6, Rahmen6}};
  for (const auto& [nr, r] : rahmen)
    r->setCaption(IniLesen(IniDatei, beschriftung, QStringLiteral("Rahmen_") + zweiStellen(nr), r->Caption()));

  // The exchange file starts each run with only its marker.
  const QString austausch = QStringLiteral("Adr_IniSpeichern_In");
  if (IniLesen(QString(), QString(), austausch, QString()).isEmpty())
    IniSchreiben(QString(), QString(), austausch, imProgrammOrdner(QStringLiteral("X-Letzte.txt")));
  AdrIniDatei = Paths::normalisieren(IniLesen(QString(), QString(), austausch, QString()));
  if (DateiVorhanden(AdrIniDatei)) {
    IniSichern();
    QFile::remove(Paths::aufloesen(AdrIniDatei));
  }
  IniSchreiben(AdrIniDatei, QStringLiteral("ZuletztNr"), QStringLiteral("99"), QStringLiteral("ja"));

  VorlagenIni = imProgrammOrdner(QStringLiteral("vorlagen.ini"));
  if (!DateiVorhanden(VorlagenIni)) {
    mnuBrfAnWord->setVisible(false);
    VorlagenIni.clear();
  }

  for (int i = 0; i < 24; ++i) Feld(i).setText(QString());
  TxtSuche->setText(QString());
  Feldtrenner = QStringLiteral("\t");
  MausFeldIndex = -1;
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  StatusBar->Refresh();
  ListeTabsSetzen();

  // The start file: "Datei=" names it by its base name, always in the data folder.
  TextZerlegen(Befehlszeile);
  AktuelleDatei = SchalterWert(QStringLiteral("Datei="));
  if (!AktuelleDatei.isEmpty()) {
    AktuelleDatei = DateiTeil(AktuelleDatei, 1) + QStringLiteral(".Dat");
    if (!DateiVorhanden(Paths::verbinden(DatenOrdner, AktuelleDatei))) {
      TonAusgeben(u"#SystemExclamation");
      MsgBox(QStringLiteral("Angegebene Datei ") + AktuelleDatei.toLower() +
                 QStringLiteral(" nicht gefunden.\rBenutze Standarddatei."),
             vb::vbOKOnly + vb::vbExclamation, QStringLiteral("Datei öffnen"));
      AktuelleDatei.clear();
    }
  }
  if (AktuelleDatei.isEmpty()) AktuelleDatei = QStringLiteral("kartulon.dat");
  AktuelleDatei = Paths::verbinden(DatenOrdner, AktuelleDatei);
  DatenLaden();
  OptionenLaden();
  // What the start wrote is on disk before anything else looks at the settings files.
  IniSichern();
}
