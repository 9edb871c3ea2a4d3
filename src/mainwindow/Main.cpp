#include "mainwindow/Main.h"

#include "common/Global.h"
#include "platform/Codec.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "store/Anschrift.h"
#include "store/Datensatz.h"

#include <QFile>
#include <QMenuBar>

namespace {

struct FeldLage {
  int rahmen;  // -1: the window itself
  int left, top, width, height;
  int tab;  // place in the tab order, 0: not a tab stop
};

// Containers, geometry (twips) and tab places of the 24 field boxes.
constexpr std::array<FeldLage, 24> kFeldLage = {{
    {2, 120, 480, 2175, 330, 19},   {3, 2400, 480, 2895, 315, 3},   {3, 120, 480, 2175, 315, 2},
    {3, 120, 1080, 5175, 315, 4},   {3, 120, 1680, 855, 315, 5},    {3, 1080, 1680, 4215, 315, 6},
    {3, 120, 2280, 1455, 315, 7},   {1, 120, 480, 1695, 315, 10},   {1, 120, 1080, 1695, 315, 11},
    {2, 120, 1080, 2175, 315, 20},  {3, 1680, 2280, 1935, 315, 8},  {4, 120, 720, 3615, 2055, 22},
    {1, 1920, 480, 1815, 315, 12},  {1, 1920, 1080, 1815, 315, 13}, {1, 120, 1680, 1695, 315, 14},
    {-1, 3720, 5280, 975, 225, 0},  {-1, 3720, 5520, 975, 225, 0},  {6, 120, 480, 1215, 315, 16},
    {6, 1560, 480, 1215, 315, 17},  {6, 120, 1080, 2655, 315, 18},  {4, 1080, 240, 1215, 315, 21},
    {3, 3720, 2280, 1575, 315, 9},  {1, 1920, 1680, 1815, 315, 15}, {-1, 8760, 240, 975, 225, 0},
}};

}  // namespace

Main::Main() {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Kartulon"));
  ControlsAnlegen();
  DatensatzBefehleVerbinden();
}

Main::~Main() = default;

vb::MenuItem* Main::menuEintrag(const QString& name, const QString& caption) {
  return new vb::MenuItem(name, caption, this);
}

void Main::ControlsAnlegen() {
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25, true));
  const QFont normal = Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25);

  Flaeche = new QWidget(this);
  Flaeche->setObjectName(QStringLiteral("Flaeche"));
  setCentralWidget(Flaeche);

  Toolbar = new vb::Toolbar(Flaeche);
  Toolbar->setObjectName(QStringLiteral("Toolbar"));
  Twips::setzen(Toolbar, 0, 0, 8415, 450);
  const std::pair<const char16_t*, const char16_t*> knoepfe[] = {
      {u"Ende", u"Speichern und Ende"},
      {u"Laden", u"Adressdatei öffnen"},
      {u"Speichern", u"Adressdatei speichern"},
      {u"Drucken", u"Kartulon drucken"},
      {u"Foto", u"Personenbogen drucken"},
      {u"Umschlag", u"Umschlag drucken"},
      {u"Telefon", u"Telefonnummer per Modem wählen"},
      {u"Ordne01", u"Kartulon nach Änderungs-Datum ordnen"},
      {u"OrdneAZ", u"Kartulon alphabetisch ordnen"},
      {u"Suchen", u"Adresse suchen"},
      {u"ListeNeu", u"Neue Adresse anlegen"},
      {u"ListeKopieren", u"Gewählte Adresse kopieren"},
      {u"ListeLöschen", u"Gewählte Adresse löschen"},
      {u"LaufPos1", u"Zur ersten Adresse"},
      {u"LaufBw", u"Zur vorherigen Adresse"},
      {u"LaufFw", u"Zur nächsten Adresse"},
      {u"LaufEnde", u"Zur letzten Adresse"},
  };
  for (const auto& [key, tip] : knoepfe) Toolbar->addButton(QString::fromUtf16(key), QString::fromUtf16(tip));

  auto rahmen = [&](const char* name, const QString& caption, int l, int t, int w, int h) {
    auto* f = new vb::Frame(Flaeche);
    f->setObjectName(QString::fromLatin1(name));
    f->setCaption(caption);
    f->setFont(normal);
    Twips::setzen(f, l, t, w, h);
    return f;
  };
  Rahmen0 = rahmen("Rahmen0", QStringLiteral("Adresse suchen"), 120, 5160, 2415, 615);
  Rahmen0->setStyleSheet(QStringLiteral("QGroupBox { color: red; }"));
  Rahmen1 = rahmen("Rahmen1", QStringLiteral("Rufnummern"), 5640, 600, 3855, 2175);
  Rahmen2 = rahmen("Rahmen2", QStringLiteral("Sonstiges"), 120, 3480, 2415, 1575);
  Rahmen3 = rahmen("Rahmen3", QStringLiteral("Anschrift"), 120, 600, 5415, 2775);
  Rahmen4 = rahmen("Rahmen4", QStringLiteral("Bemerkungen"), 5640, 2880, 3855, 2895);
  Rahmen6 = rahmen("Rahmen6", QStringLiteral("Bankverbindung"), 2640, 3480, 2895, 1575);
  auto container = [&](int nr) -> QWidget* {
    switch (nr) {
      case 1: return Rahmen1;
      case 2: return Rahmen2;
      case 3: return Rahmen3;
      case 4: return Rahmen4;
      case 6: return Rahmen6;
      default: return Flaeche;
    }
  };

  TxtSuche = new vb::TextBox(Rahmen0);
  TxtSuche->setObjectName(QStringLiteral("TxtSuche"));
  TxtSuche->setMaxLength(35);
  TxtSuche->setFont(normal);
  Twips::setzen(TxtSuche, 120, 240, 2175, 285);
  zeitSuche = new vb::Timer(this);
  zeitSuche->setObjectName(QStringLiteral("zeitSuche"));
  zeitSuche->setInterval(333);
  zeitSuche->setEnabled(false);
  ZeitTimeOut = new vb::Timer(this);
  ZeitTimeOut->setObjectName(QStringLiteral("ZeitTimeOut"));
  ZeitTimeOut->setInterval(25001);

  const QFont arial = Fonts::schrift(QStringLiteral("Arial"), 8.25);
  for (int i = 0; i < 24; ++i) {
    const FeldLage& lage = kFeldLage[i];
    QWidget* c = container(lage.rahmen);
    auto* box = new vb::TextBox(c, i == 11);
    box->setObjectName(QStringLiteral("Feld_%1").arg(i, 2, 10, QChar(u'0')));
    box->setProperty("Index", i);
    Twips::setzen(box, lage.left, lage.top, lage.width, lage.height);
    if (i == 0) box->setFont(Fonts::schrift(QStringLiteral("Arial"), 9));
    else if (i == 11) box->setFont(Fonts::schrift(QStringLiteral("Courier New"), 9.75));
    else if (i == 15 || i == 16 || i == 23) box->setFont(normal);
    else box->setFont(arial);
    if (kFeldLaenge[i] > 0) box->setMaxLength(kFeldLaenge[i]);
    else box->setMaxLength(1024);
    if (lage.tab == 0) {
      box->setTabStop(false);
      box->setLocked(true);
      if (auto* le = qobject_cast<QLineEdit*>(box->editor())) le->setFrame(false);
      box->setBackColor(palette().color(QPalette::Window));
    }
    if (i == 23) box->setVisible(false);
    Feld.set(i, box);

    auto* label = new vb::Label(c);
    label->setObjectName(QStringLiteral("Bezeichnung1_%1").arg(i, 2, 10, QChar(u'0')));
    label->setProperty("Index", i);
    label->setFont(normal);
    label->setCaption(QString::fromUtf16(kFeldBezeichnung[i]));
    if (i == 15 || i == 16) Twips::setzen(label, 2760, lage.top, 975, 195);
    else if (i == 20) Twips::setzen(label, 120, 300, 975, 195);
    else Twips::setzen(label, lage.left, lage.top - 210, lage.width, 195);
    if (i == 11 || i == 23) label->setVisible(false);
    Bezeichnung1.set(i, label);
  }

  befZoom = new vb::CommandButton(Rahmen4);
  befZoom->setObjectName(QStringLiteral("befZoom"));
  befZoom->setCaption(QStringLiteral("zoom"));
  befZoom->setToolTip(QStringLiteral("Eingabe-Feld vergrößern"));
  befZoom->setFont(normal);
  Twips::setzen(befZoom, 3120, 270, 615, 255);

  auto* alter = new vb::Label(Rahmen4);
  alter->setObjectName(QStringLiteral("bezInfo2_20"));
  alter->setFont(normal);
  alter->setWordWrap(true);
  Twips::setzen(alter, 2400, 240, 1335, 375);
  bezInfo2.set(20, alter);
  bezZeit1 = new vb::Label(Flaeche);
  bezZeit1->setObjectName(QStringLiteral("bezZeit1"));
  bezZeit1->setFont(normal);
  Twips::setzen(bezZeit1, 4680, 5280, 735, 255);
  bezZeit2 = new vb::Label(Flaeche);
  bezZeit2->setObjectName(QStringLiteral("bezZeit2"));
  bezZeit2->setFont(normal);
  Twips::setzen(bezZeit2, 4680, 5520, 735, 255);
  BezListeStd = new vb::Label(Flaeche);
  BezListeStd->setObjectName(QStringLiteral("BezListeStd"));
  BezListeStd->setFont(Fonts::schrift(QStringLiteral("Arial"), 12, true));
  BezListeStd->setVisible(false);
  BezListeKom = new vb::Label(Flaeche);
  BezListeKom->setObjectName(QStringLiteral("BezListeKom"));
  BezListeKom->setFont(Fonts::schrift(QStringLiteral("Arial"), 8.25, true));
  BezListeKom->setVisible(false);

  Liste = new vb::ListBox(Flaeche);
  Liste->setObjectName(QStringLiteral("Liste"));
  Liste->setFont(normal);
  Twips::setzen(Liste, 120, 5880, 9375, 450);
  ListeSort = new vb::ListBox(Flaeche);
  ListeSort->setObjectName(QStringLiteral("ListeSort"));
  ListeSort->setSorted(true);
  ListeSort->setVisible(false);

  ProgressBar = new vb::ProgressBar(Flaeche);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  Twips::setzen(ProgressBar, 120, 6480, 1485, 225);
  ProgressBar->setVisible(false);

  StatusBar = new vb::StatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setFont(normal);
  setStatusBar(StatusBar);
  const std::tuple<const char16_t*, const char16_t*, const char16_t*, int> panels[] = {
      {u"Status", u"Allgemeiner Hinweis", u"Status", 0},
      {u"Position", u"Position innerhalb der Kartulonliste", u" Pos. 888 von 888 ", 1800},
      {u"Index", u"Adress-Index", u" #88888 ", 900},
      {u"Unsaved", u"* für nicht gespeichert", u" * ", 360},
      {u"Datum", u"Aktuelles Datum", u"", 1200},
      {u"Zeit", u"Aktuelle Uhrzeit", u"", 750},
  };
  for (const auto& [key, tip, text, breite] : panels) {
    const QString k = QString::fromUtf16(key);
    StatusBar->addPanel(k, breite, breite == 0);
    StatusBar->setPanelToolTip(k, QString::fromUtf16(tip));
    StatusBar->setPanelText(k, QString::fromUtf16(text));
  }

  // Menu items (the menu tree places them in the menu bar).
  PulDatei = menuEintrag(QStringLiteral("PulDatei"), QStringLiteral("&Datei"));
  PulAdresse = menuEintrag(QStringLiteral("PulAdresse"), QStringLiteral("&Adresse"));
  PulDrucken = menuEintrag(QStringLiteral("PulDrucken"), QStringLiteral("D&rucken"));
  mnuWeiteres = menuEintrag(QStringLiteral("mnuWeiteres"), QStringLiteral("&Weiteres"));
  PulHilfe = menuEintrag(QStringLiteral("PulHilfe"), QStringLiteral("&Hilfe"));
  PulÖffnen = menuEintrag(QStringLiteral("PulÖffnen"), QStringLiteral("Ö&ffnen..."));
  PulAnlegen = menuEintrag(QStringLiteral("PulAnlegen"), QStringLiteral("&Neu anlegen..."));
  PulSichern = menuEintrag(QStringLiteral("PulSichern"), QStringLiteral("&Speichern"));
  PulEnde = menuEintrag(QStringLiteral("PulEnde"), QStringLiteral("Speichern und &Ende"));
  PulAbbruch = menuEintrag(QStringLiteral("PulAbbruch"), QStringLiteral("&Beenden"));
  PulEinfügen = menuEintrag(QStringLiteral("PulEinfügen"), QStringLiteral("&Neue Adresse"));
  PulAusschneiden = menuEintrag(QStringLiteral("PulAusschneiden"), QStringLiteral("Adresse &löschen"));
  PulKopieren = menuEintrag(QStringLiteral("PulKopieren"), QStringLiteral("Adresse &kopieren"));
  PulSuchen = menuEintrag(QStringLiteral("PulSuchen"), QStringLiteral("&Suchen"));
  PulSort = menuEintrag(QStringLiteral("PulSort"), QStringLiteral("&Ordnen"));
  mnuUndo = menuEintrag(QStringLiteral("mnuUndo"), QStringLiteral("&Rückgängig"));
  mnuSonderzeichenEinfg = menuEintrag(QStringLiteral("mnuSonderzeichenEinfg"), QStringLiteral("Sonder&zeichen..."));
  mnuChk = menuEintrag(QStringLiteral("mnuChk"), QStringLiteral("Prüfen"));
  mnuSetup = menuEintrag(QStringLiteral("mnuSetup"), QStringLiteral("&Einstellungen..."));
  mnuDateiBeschreiben = menuEintrag(QStringLiteral("mnuDateiBeschreiben"), QStringLiteral("Datei &beschreiben..."));
  mnuDateiHinzufügen = menuEintrag(QStringLiteral("mnuDateiHinzufügen"), QStringLiteral("Datei &hinzufügen..."));
  mnuUebernahme = menuEintrag(QStringLiteral("mnuUebernahme"), QStringLiteral("Übernahme"));
  mnuAdrImport = menuEintrag(QStringLiteral("mnuAdrImport"), QStringLiteral("Adressen &importieren..."));
  mnuMaskenEdit = menuEintrag(QStringLiteral("mnuMaskenEdit"), QStringLiteral("&Masken bearbeiten..."));
  mnuPrnUmschlagsfenster = menuEintrag(QStringLiteral("mnuPrnUmschlagsfenster"), QStringLiteral("Fensterumschlag..."));
  mnuImpZA = menuEintrag(QStringLiteral("mnuImpZA"), QStringLiteral("Import aus Zwischenablage"));
  mnuAdrImpDINFO3 = menuEintrag(QStringLiteral("mnuAdrImpDINFO3"), QStringLiteral("DINFO 3"));
  mnuAdrImpDINFO97 = menuEintrag(QStringLiteral("mnuAdrImpDINFO97"), QStringLiteral("DINFO 97"));
  mnuAdrImpKlickTel98 = menuEintrag(QStringLiteral("mnuAdrImpKlickTel98"), QStringLiteral("KlickTel 98"));
  mnuAdrImpDINFO99 = menuEintrag(QStringLiteral("mnuAdrImpDINFO99"), QStringLiteral("DINFO 99"));
  mnuPlzSuche = menuEintrag(QStringLiteral("mnuPlzSuche"), QStringLiteral("PLZ-Suche"));
  for (int i = 0; i < 24; ++i)
    mnuSort.set(i, menuEintrag(QStringLiteral("mnuSort_%1").arg(i), QString::fromUtf16(kFeldBezeichnung[i])));
  for (int i = 0; i < 4; ++i) mnuPrg.set(i, menuEintrag(QStringLiteral("mnuPrg_%1").arg(i), QString()));

  // The tab order of the window: search box, the fields in reading order, the list, zoom.
  std::vector<std::pair<int, QWidget*>> ordnung;
  for (int i = 0; i < 24; ++i)
    if (kFeldLage[i].tab > 0) ordnung.emplace_back(kFeldLage[i].tab, Feld(i).editor());
  std::sort(ordnung.begin(), ordnung.end(), [](auto& a, auto& b) { return a.first < b.first; });
  QWidget* vorher = TxtSuche->editor();
  for (auto& [platz, w] : ordnung) {
    setTabOrder(vorher, w);
    vorher = w;
  }
  setTabOrder(vorher, Liste);
  setTabOrder(Liste, befZoom);

  Liste->Click = [this] { Liste_Click(); };
  Liste->DblClick = [this] { Liste_DblClick(); };
  SucheVerbinden();
  DateiBefehleVerbinden();
  // Every key release in a field box stores the record.
  for (int i = 0; i < 24; ++i) Feld(i).KeyUp = [this](int&, int) { AdresseAktualisieren(0); };

  resize(Twips::zuPixel(9675), Twips::zuPixel(7080) + StatusBar->sizeHint().height());
}

void Main::Form_Load() {
  for (int i = 0; i < 24; ++i) Feld(i).setText(QString());
  TxtSuche->setText(QString());
  ListeTabsSetzen();
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
}

std::array<QString, 24> Main::FeldTexte() const {
  std::array<QString, 24> f;
  for (int i = 0; i < 24; ++i) f[i] = Feld(i).Text();
  return f;
}
