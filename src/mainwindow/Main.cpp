#include "mainwindow/Main.h"

#include "common/Global.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/kit/ThemaSymbole.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Fonts.h"
#include "store/Anschrift.h"
#include "store/Datensatz.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <map>

namespace {

struct FeldLage {
  int rahmen;  // -1: the window itself
  int left, top, width, height;
  int tab;    // place in the tab order, 0: not a tab stop
  int hilfe;  // help topic of F1 in the box, 0: none
};

// Containers, geometry (twips) and tab places of the 24 field boxes.
constexpr std::array<FeldLage, 24> kFeldLage = {{
    {2, 120, 480, 2175, 330, 19, 200},  {3, 2400, 480, 2895, 315, 3, 200},   {3, 120, 480, 2175, 315, 2, 200},
    {3, 120, 1080, 5175, 315, 4, 200},  {3, 120, 1680, 855, 315, 5, 30},     {3, 1080, 1680, 4215, 315, 6, 200},
    {3, 120, 2280, 1455, 315, 7, 200},  {1, 120, 480, 1695, 315, 10, 200},   {1, 120, 1080, 1695, 315, 11, 200},
    {2, 120, 1080, 2175, 315, 20, 200}, {3, 1680, 2280, 1935, 315, 8, 200},  {4, 120, 720, 3615, 2055, 22, 200},
    {1, 1920, 480, 1815, 315, 12, 200}, {1, 1920, 1080, 1815, 315, 13, 200}, {1, 120, 1680, 1695, 315, 14, 0},
    {-1, 3720, 5280, 975, 225, 0, 200}, {-1, 3720, 5520, 975, 225, 0, 200},  {6, 120, 480, 1215, 315, 16, 200},
    {6, 1560, 480, 1215, 315, 17, 200}, {6, 120, 1080, 2655, 315, 18, 200},  {4, 1080, 240, 1215, 315, 21, 200},
    {3, 3720, 2280, 1575, 315, 9, 200}, {1, 1920, 1680, 1815, 315, 15, 0},   {-1, 8760, 240, 975, 225, 0, 200},
}};

// A design font by its Windows name: the settings store that name, the substitution draws a free font.
QFont entwurf(const QString& name, double punkte, bool fett = false) {
  QFont f(name);
  f.setPointSizeF(punkte);
  f.setBold(fett);
  return f;
}

// The program's icon: an index card with a few written lines, drawn so that no picture file is needed.
QIcon programmSymbol() {
  QIcon symbol;
  for (int groesse : {16, 32, 48}) {
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double e = groesse / 16.0;
    p.setPen(QPen(QColor(30, 70, 150), e));
    p.setBrush(QColor(255, 250, 225));
    p.drawRoundedRect(QRectF(1 * e, 3 * e, 14 * e, 10 * e), e, e);
    p.setPen(QPen(QColor(200, 40, 40), e));
    p.drawLine(QPointF(2.5 * e, 5.5 * e), QPointF(13.5 * e, 5.5 * e));
    p.setPen(QPen(QColor(90, 90, 90), e * 0.8));
    for (double y : {8.0, 10.5}) p.drawLine(QPointF(3 * e, y * e), QPointF(12 * e, y * e));
    p.end();
    symbol.addPixmap(bild);
  }
  return symbol;
}

// Toolbar pictures by image key: the desktop's icon theme where it has the picture, else the program's own.
QIcon bild(const QString& schluessel, int pixel) {
  static const std::map<QString, std::pair<const char*, const char*>> bilder = {
      {QStringLiteral("Ende"), {"application-exit", "Ende"}},
      {QStringLiteral("Laden"), {"document-open", "Laden"}},
      {QStringLiteral("Speichern"), {"document-save", "Speichern"}},
      {QStringLiteral("Drucken"), {"document-print", "Drucken"}},
      {QStringLiteral("Foto"), {"x-office-address-book", "Foto"}},
      {QStringLiteral("Umschlag2"), {"mail-message-new", "Umschlag"}},
      {QStringLiteral("Telefon"), {"call-start", "Telefon"}},
      {QStringLiteral("Ordne01"), {"x-office-calendar", "Ordne01"}},
      {QStringLiteral("OrdneAZ"), {"view-sort-ascending", "OrdneAZ"}},
      {QStringLiteral("Suchen"), {"edit-find", "Suchen"}},
      {QStringLiteral("ListeNeu"), {"contact-new", "ListeNeu"}},
      {QStringLiteral("ListeKopie"), {"edit-copy", "ListeKopie"}},
      {QStringLiteral("ListeLöschen"), {"edit-delete", "ListeLoeschen"}},
      {QStringLiteral("LaufPos1"), {"go-first", "LaufPos1"}},
      {QStringLiteral("LaufBw"), {"go-previous", "LaufBw"}},
      {QStringLiteral("LaufFw"), {"go-next", "LaufFw"}},
      {QStringLiteral("LaufEnde"), {"go-last", "LaufEnde"}},
  };
  auto it = bilder.find(schluessel);
  if (it == bilder.end()) return {};
  const QIcon eigenes(QStringLiteral(":/Symbole/%1.png").arg(QString::fromLatin1(it->second.second)));
  static vb::ThemaSymbole thema(vb::ThemaSymbole::standardOrdner());
  return thema.symbol(QString::fromLatin1(it->second.first), eigenes, pixel);
}

}  // namespace

Main::Main() {
  vb::Forms::setHauptformular(this);
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Kartulon"));
  setWindowIcon(programmSymbol());
  ControlsAnlegen();
}

Main::~Main() {
  Zwischenablage::abmelden(zwischenablageBeobachter_);
  if (vb::Forms::Hauptformular() == this) vb::Forms::setHauptformular(nullptr);
}

void Main::ControlsAnlegen() {
  setFont(entwurf(QStringLiteral("MS Sans Serif"), 8.25, true));
  const QFont normal = entwurf(QStringLiteral("MS Sans Serif"), 8.25);

  Flaeche = new QWidget(this);
  Flaeche->setObjectName(QStringLiteral("Flaeche"));
  setCentralWidget(Flaeche);

  Toolbar = new vb::Toolbar(Flaeche);
  Toolbar->setObjectName(QStringLiteral("Toolbar"));
  Twips::setzen(Toolbar, 0, 0, 8415, 450);
  const std::tuple<const char16_t*, const char16_t*, const char16_t*> knoepfe[] = {
      {u"Ende", u"Speichern und Ende", u"Ende"},
      {u"Laden", u"Adressdatei öffnen", u"Laden"},
      {u"Speichern", u"Adressdatei speichern", u"Speichern"},
      {u"Drucken", u"Kartulon drucken", u"Drucken"},
      {u"Foto", u"Personenbogen drucken", u"Foto"},
      {u"Umschlag", u"Umschlag drucken", u"Umschlag2"},
      {u"Telefon", u"Telefonnummer per Modem wählen", u"Telefon"},
      {u"Ordne01", u"Kartulon nach Änderungs-Datum ordnen", u"Ordne01"},
      {u"OrdneAZ", u"Kartulon alphabetisch ordnen", u"OrdneAZ"},
      {u"Suchen", u"Adresse suchen", u"Suchen"},
      {u"ListeNeu", u"Neue Adresse anlegen", u"ListeNeu"},
      {u"ListeKopieren", u"Gewählte Adresse kopieren", u"ListeKopie"},
      {u"ListeLöschen", u"Gewählte Adresse löschen", u"ListeLöschen"},
      {u"LaufPos1", u"Zur ersten Adresse", u"LaufPos1"},
      {u"LaufBw", u"Zur vorherigen Adresse", u"LaufBw"},
      {u"LaufFw", u"Zur nächsten Adresse", u"LaufFw"},
      {u"LaufEnde", u"Zur letzten Adresse", u"LaufEnde"},
  };
  Toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  Toolbar->setIconSize(QSize(Twips::zuPixel(300), Twips::zuPixel(300)));
  const int pixel = Toolbar->iconSize().width();
  for (const auto& [key, tip, image] : knoepfe)
    Toolbar->addButton(QString::fromUtf16(key), QString::fromUtf16(tip), bild(QString::fromUtf16(image), pixel));
  // The menu bar before the controls: those on the window itself are placed below it.
  MenueAnlegen();

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
      case 1:
        return Rahmen1;
      case 2:
        return Rahmen2;
      case 3:
        return Rahmen3;
      case 4:
        return Rahmen4;
      case 6:
        return Rahmen6;
      default:
        return Flaeche;
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

  const QFont arial = entwurf(QStringLiteral("Arial"), 8.25);
  for (int i = 0; i < 24; ++i) {
    const FeldLage& lage = kFeldLage[i];
    QWidget* c = container(lage.rahmen);
    auto* box = new vb::TextBox(c, i == 11);
    box->setObjectName(QStringLiteral("Feld_%1").arg(i, 2, 10, QChar(u'0')));
    box->setProperty("Index", i);
    Twips::setzen(box, lage.left, lage.top, lage.width, lage.height);
    if (lage.hilfe > 0) box->setProperty("HelpContextID", lage.hilfe);
    if (i == 11) box->setScrollBars(3);
    if (i == 0)
      box->setFont(entwurf(QStringLiteral("Arial"), 9));
    else if (i == 11)
      box->setFont(entwurf(QStringLiteral("Courier New"), 9.75));
    else if (i == 15 || i == 16 || i == 23)
      box->setFont(normal);
    else
      box->setFont(arial);
    if (kFeldLaenge[i] > 0)
      box->setMaxLength(kFeldLaenge[i]);
    else
      box->setMaxLength(1024);
    if (lage.tab == 0) {
      box->setTabStop(false);
      box->setLocked(true);
      if (auto* le = qobject_cast<QLineEdit*>(box->editor())) le->setFrame(false);
      box->setBackColor(palette().color(QPalette::Window));
      box->editor()->setCursor(Qt::ArrowCursor);
    }
    if (i == 23) box->setVisible(false);
    Feld.set(i, box);

    auto* label = new vb::Label(c);
    label->setObjectName(QStringLiteral("Bezeichnung1_%1").arg(i, 2, 10, QChar(u'0')));
    label->setProperty("Index", i);
    label->setFont(normal);
    label->setCaption(QString::fromUtf16(kFeldBezeichnung[i]));
    if (i == 15 || i == 16)
      Twips::setzen(label, 2760, lage.top, 975, 195);
    else if (i == 20)
      Twips::setzen(label, 120, 300, 975, 195);
    else
      Twips::setzen(label, lage.left, lage.top - 210, lage.width, 195);
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
  // Two lines of the free fonts need a little more height than the design gave.
  Twips::setzen(alter, 2400, 240, 1335, 420);
  bezInfo2.set(20, alter);
  bezZeit1 = new vb::Label(Flaeche);
  bezZeit1->setObjectName(QStringLiteral("bezZeit1"));
  bezZeit1->setFont(normal);
  // ">11423 Tg." is wider in the free fonts than the design's 735 twips: the labels take the room up to the
  // remarks frame.
  Twips::setzen(bezZeit1, 4680, 5280, 930, 255);
  bezZeit2 = new vb::Label(Flaeche);
  bezZeit2->setObjectName(QStringLiteral("bezZeit2"));
  bezZeit2->setFont(normal);
  Twips::setzen(bezZeit2, 4680, 5520, 930, 255);
  BezListeStd = new vb::Label(Flaeche);
  BezListeStd->setObjectName(QStringLiteral("BezListeStd"));
  BezListeStd->setFont(entwurf(QStringLiteral("Arial"), 12, true));
  Twips::setzen(BezListeStd, 5520, 6360, 1455, 255);
  BezListeStd->setVisible(false);
  BezListeKom = new vb::Label(Flaeche);
  BezListeKom->setObjectName(QStringLiteral("BezListeKom"));
  BezListeKom->setFont(entwurf(QStringLiteral("Arial"), 8.25, true));
  Twips::setzen(BezListeKom, 8040, 6360, 1455, 255);
  BezListeKom->setVisible(false);

  Liste = new vb::ListBox(Flaeche);
  Liste->setObjectName(QStringLiteral("Liste"));
  Bestand = new Adressbestand(this);
  Liste->setBestand(Bestand);
  Liste->setFont(normal);
  Twips::setzen(Liste, 120, 5880, 9375, 450);
  {
    QPalette p = Liste->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Window));
    Liste->setPalette(p);
  }
  ListeSort = new vb::ListBox(Flaeche);
  ListeSort->setObjectName(QStringLiteral("ListeSort"));
  ListeSort->setSorted(true);
  Twips::setzen(ListeSort, 7080, 6360, 855, 225);
  {
    QPalette p = ListeSort->palette();
    p.setColor(QPalette::Base, Qt::green);
    ListeSort->setPalette(p);
  }
  ListeSort->setVisible(false);

  StatusBar = new vb::StatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setFont(normal);
  setStatusBar(StatusBar);
  StatusBar->setSizeGripEnabled(false);
  StatusBar->setFixedHeight(Twips::zuPixel(255));
  // The progress bar lies on the window itself, so that it can cover the status bar's right half.
  ProgressBar = new vb::ProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  Twips::setzen(ProgressBar, 120, 6480, 1485, 225);
  ProgressBar->setVisible(false);
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

  // The tab order of the window: search box, the fields in reading order, the list, zoom.
  std::vector<std::pair<int, QWidget*>> ordnung;
  for (int i = 0; i < 24; ++i)
    if (kFeldLage[i].tab > 0) ordnung.emplace_back(kFeldLage[i].tab, Feld(i).editor());
  std::sort(ordnung.begin(), ordnung.end(), [](auto& a, auto& b) { return a.first < b.first; });
  tabFolge_.push_back(TxtSuche->editor());
  for (auto& [platz, w] : ordnung) tabFolge_.push_back(w);
  tabFolge_.push_back(Liste);
  tabFolge_.push_back(befZoom);
  for (size_t i = 1; i < tabFolge_.size(); ++i) setTabOrder(tabFolge_[i - 1], tabFolge_[i]);

  Liste->Click = [this] { Liste_Click(); };
  Liste->DblClick = [this] { Liste_DblClick(); };
  SucheVerbinden();
  FeldbearbeitungVerbinden();

  // The design client area (toolbar and status bar inside it), below the menu bar when there is one.
  resize(Twips::zuPixel(9675), Twips::zuPixel(7080) + Twips::menuHoehe(this));
}

// Tab and Shift+Tab follow the window's own order, from the last place back to the first, over the
// controls that are visible, enabled and tab stops (a box taken out of the order by a setting is skipped).
bool Main::focusNextPrevChild(bool next) {
  const QWidget* fokus = QApplication::focusWidget();
  const auto it = std::find(tabFolge_.begin(), tabFolge_.end(), fokus);
  if (it == tabFolge_.end()) return QMainWindow::focusNextPrevChild(next);
  const int n = static_cast<int>(tabFolge_.size());
  int i = static_cast<int>(it - tabFolge_.begin());
  for (int schritt = 1; schritt < n; ++schritt) {
    i = (i + (next ? 1 : n - 1)) % n;
    QWidget* w = tabFolge_[static_cast<size_t>(i)];
    if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return true;
}

std::array<QString, 24> Main::FeldTexte() const {
  std::array<QString, 24> f;
  for (int i = 0; i < 24; ++i) f[i] = Feld(i).Text();
  return f;
}
