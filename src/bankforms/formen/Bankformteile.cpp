#include "bankforms/formen/Bankformteile.h"

#include "bankforms/formen/Feldregeln.h"
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/formen/Listen.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Vb.h"
#include "printing/formen/Bausteine.h"

using namespace Qt::Literals::StringLiterals;

namespace Bankformteile {

vb::TextBox* Eingabefeld(QWidget* eltern, const QString& name, int laenge, int l, int t, int w) {
  auto* b = new vb::TextBox(eltern);
  b->setObjectName(name);
  Feldregeln::FeldLaenge(*b, laenge);
  Twips::setzen(b, l, t, w, 315);
  return b;
}

void Beschriftung(QWidget* eltern, const char* name, const QString& text, int l, int t, int w, QWidget* box) {
  druckformen::beschriftung(eltern, name, text, l, t + 45, w, box);
}

void Tabfolge(const QList<QWidget*>& reihe) {
  for (qsizetype i = 1; i < reihe.size(); ++i) QWidget::setTabOrder(reihe[i - 1], reihe[i]);
}

QString Verwendung(const QString& auswahl) { return Ersetzen(vb::Trim(auswahl), u"\r\n"_s, u" "_s); }

vb::ComboBox* Schriftrahmen(QWidget* eltern, vb::Frame*& rahmen, const char* name, int l, int t, int w) {
  rahmen = druckformen::rahmen(eltern, name, u"Druck-Optionen"_s, l, t, w, 975);
  auto* bezSchrift = new vb::Label(rahmen);
  bezSchrift->setObjectName(u"bezSchrift"_s);
  bezSchrift->setCaption(u"Schriftart"_s);
  Twips::setzen(bezSchrift, 120, 300, w - 240, 195);
  vb::ComboBox* liste = druckformen::kombi(rahmen, "ComboSchrift", 2, 120, 510, w - 240);
  liste->setSorted(true);
  return liste;
}

void Formulartypen(QWidget* eltern, vb::Frame*& rahmen, const char* name, vb::ControlArray<vb::OptionButton>& opt,
                   const QString& blatt, int l, int t, int w) {
  rahmen = druckformen::rahmen(eltern, name, u"Formular-Typ"_s, l, t, w, 915);
  const QString typen[] = {blatt, u"Formular aus &Grafik laden"_s};
  for (int i = 0; i < 2; ++i) {
    auto* o = new vb::OptionButton(rahmen);
    o->setObjectName(u"optFormular_%1"_s.arg(i));
    o->setCaption(typen[i]);
    Twips::setzen(o, 120, 270 + 300 * i, w - 240, 255);
    opt.set(i, o);
  }
  opt(0).setValue(true);
}

void FormularWaehlen(vb::ControlArray<vb::OptionButton>& opt, const QString& bilddatei, bool bildGewuenscht) {
  const bool mitBild = DateiVorhanden(bilddatei);
  opt(1).setEnabled(mitBild);
  opt(1).setProperty("Tag", mitBild ? bilddatei : QString());
  opt(bildGewuenscht && mitBild ? 1 : 0).setValue(true);
}

void SchriftWaehlen(vb::ComboBox& liste, const QString& gespeichert) {
  SchriftenLaden(liste);
  int wahl = ListeSuchen(liste, gespeichert);
  if (wahl < 0) wahl = ListeSuchen(liste, u"Courier NEW"_s);
  if (wahl < 0) wahl = ListeSuchen(liste, u"ARIAL"_s);
  if (wahl < 0) wahl = 0;
  if (liste.ListCount() > 0) liste.setListIndex(wahl);
}

}  // namespace Bankformteile
