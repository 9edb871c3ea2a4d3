#include "platform/kit/SchriftDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace kit {

namespace {

// The sixteen colours the runtime's font dialog offered.
const std::pair<const char16_t*, QRgb> kFarben[] = {
    {u"Schwarz", 0x000000},  {u"Kastanienbraun", 0x800000}, {u"Grün", 0x008000},
    {u"Oliv", 0x808000},     {u"Marineblau", 0x000080},     {u"Violett", 0x800080},
    {u"Blaugrün", 0x008080}, {u"Grau", 0x808080},           {u"Silber", 0xC0C0C0},
    {u"Rot", 0xFF0000},      {u"Hellgrün", 0x00FF00},       {u"Gelb", 0xFFFF00},
    {u"Blau", 0x0000FF},     {u"Fuchsie", 0xFF00FF},        {u"Aquamarin", 0x00FFFF},
    {u"Weiß", 0xFFFFFF},
};

QIcon farbFeld(const QColor& c) {
  QPixmap bild(24, 12);
  bild.fill(c);
  QPainter p(&bild);
  p.setPen(Qt::black);
  p.drawRect(0, 0, 23, 11);
  return QIcon(bild);
}

QString zahl(double d) { return QLocale(QLocale::German).toString(d, 'g', 4); }

}  // namespace

SchriftDialog::SchriftDialog(const SchriftWahl& vorgabe, QWidget* parent) : QDialog(parent), vorgabe_(vorgabe) {
  setObjectName(QStringLiteral("SchriftDialog"));
  setWindowTitle(QStringLiteral("Schriftart"));

  Name = new QFontComboBox(this);
  Name->setObjectName(QStringLiteral("Name"));
  Name->setCurrentFont(QFont(vorgabe.name));
  Name->setEditText(vorgabe.name);

  Groesse = new QComboBox(this);
  Groesse->setObjectName(QStringLiteral("Groesse"));
  Groesse->setEditable(true);
  for (int g : {4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72}) {
    if (vorgabe.groesste > 0 && (g < vorgabe.kleinste || g > vorgabe.groesste)) continue;
    Groesse->addItem(QString::number(g));
  }
  Groesse->setEditText(zahl(vorgabe.groesse));

  auto* effekte = new QGroupBox(QStringLiteral("Effekte"), this);
  Durchgestrichen = new QCheckBox(QStringLiteral("&Durchgestrichen"), effekte);
  Durchgestrichen->setObjectName(QStringLiteral("Durchgestrichen"));
  Unterstrichen = new QCheckBox(QStringLiteral("&Unterstrichen"), effekte);
  Unterstrichen->setObjectName(QStringLiteral("Unterstrichen"));
  Farbe = new QComboBox(effekte);
  Farbe->setObjectName(QStringLiteral("Farbe"));
  int farbIndex = -1;
  for (const auto& [name, rgb] : kFarben) {
    const QColor c = QColor::fromRgb(rgb);
    Farbe->addItem(farbFeld(c), QString::fromUtf16(name), c);
    if (c == vorgabe.farbe) farbIndex = Farbe->count() - 1;
  }
  // A colour outside the sixteen is offered as it is.
  if (farbIndex < 0) {
    Farbe->addItem(farbFeld(vorgabe.farbe), QStringLiteral("Benutzerdefiniert"), vorgabe.farbe);
    farbIndex = Farbe->count() - 1;
  }
  Farbe->setCurrentIndex(farbIndex);
  auto* effektLage = new QVBoxLayout(effekte);
  effektLage->addWidget(Durchgestrichen);
  effektLage->addWidget(Unterstrichen);
  auto* farbZeile = new QHBoxLayout;
  farbZeile->addWidget(new QLabel(QStringLiteral("Fa&rbe:"), effekte));
  farbZeile->addWidget(Farbe, 1);
  effektLage->addLayout(farbZeile);
  qobject_cast<QLabel*>(farbZeile->itemAt(0)->widget())->setBuddy(Farbe);

  Fett = new QCheckBox(QStringLiteral("&Fett"), this);
  Fett->setObjectName(QStringLiteral("Fett"));
  Kursiv = new QCheckBox(QStringLiteral("&Kursiv"), this);
  Kursiv->setObjectName(QStringLiteral("Kursiv"));
  Fett->setChecked(vorgabe.fett);
  Kursiv->setChecked(vorgabe.kursiv);
  Unterstrichen->setChecked(vorgabe.unterstrichen);
  Durchgestrichen->setChecked(vorgabe.durchgestrichen);

  auto* musterRahmen = new QGroupBox(QStringLiteral("Muster"), this);
  Muster = new QLabel(QStringLiteral("AaBbYyZz"), musterRahmen);
  Muster->setObjectName(QStringLiteral("Muster"));
  Muster->setAlignment(Qt::AlignCenter);
  Muster->setMinimumHeight(48);
  (new QVBoxLayout(musterRahmen))->addWidget(Muster);

  auto* knoepfe = new QDialogButtonBox(this);
  Ok = knoepfe->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  Ok->setObjectName(QStringLiteral("Ok"));
  Abbrechen = knoepfe->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
  Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &SchriftDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &SchriftDialog::reject);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Schriftart:"), Name);
  QString groesseText = QStringLiteral("&Größe:");
  if (vorgabe.groesste > 0)
    groesseText = QStringLiteral("&Größe (%1 bis %2):").arg(zahl(vorgabe.kleinste), zahl(vorgabe.groesste));
  form->addRow(groesseText, Groesse);
  auto* stil = new QHBoxLayout;
  stil->addWidget(Fett);
  stil->addWidget(Kursiv);
  stil->addStretch();
  form->addRow(QStringLiteral("Schriftschnitt:"), stil);
  auto* lage = new QVBoxLayout(this);
  lage->addLayout(form);
  lage->addWidget(effekte);
  lage->addWidget(musterRahmen);
  lage->addWidget(knoepfe);

  for (QCheckBox* b : {Fett, Kursiv, Unterstrichen, Durchgestrichen})
    connect(b, &QCheckBox::toggled, this, [this] { musterZeigen(); });
  connect(Name, &QFontComboBox::currentFontChanged, this, [this] { musterZeigen(); });
  connect(Groesse, &QComboBox::currentTextChanged, this, [this] { musterZeigen(); });
  connect(Farbe, &QComboBox::currentIndexChanged, this, [this] { musterZeigen(); });
  musterZeigen();
}

SchriftWahl SchriftDialog::Wahl() const {
  SchriftWahl w = vorgabe_;
  w.name = Name->currentText();
  bool ok = false;
  const double g = QLocale(QLocale::German).toDouble(Groesse->currentText().trimmed(), &ok);
  w.groesse = ok ? g : 0;
  w.fett = Fett->isChecked();
  w.kursiv = Kursiv->isChecked();
  w.unterstrichen = Unterstrichen->isChecked();
  w.durchgestrichen = Durchgestrichen->isChecked();
  w.farbe = Farbe->currentData().value<QColor>();
  return w;
}

void SchriftDialog::accept() {
  const SchriftWahl w = Wahl();
  const bool begrenzt = vorgabe_.groesste > 0;
  if (w.groesse <= 0 || (begrenzt && (w.groesse < vorgabe_.kleinste || w.groesse > vorgabe_.groesste))) {
    const QString text = begrenzt ? QStringLiteral("Die Größe muss zwischen %1 und %2 Punkt liegen.")
                                        .arg(zahl(vorgabe_.kleinste), zahl(vorgabe_.groesste))
                                  : QStringLiteral("Die Größe muss eine Zahl sein.");
    MsgBox(text, vb::vbExclamation, QStringLiteral("Schriftart"));
    Groesse->setFocus();
    return;
  }
  QDialog::accept();
}

void SchriftDialog::musterZeigen() {
  const SchriftWahl w = Wahl();
  QFont f(w.name);
  if (w.groesse > 0) f.setPointSizeF(w.groesse);
  f.setBold(w.fett);
  f.setItalic(w.kursiv);
  f.setUnderline(w.unterstrichen);
  f.setStrikeOut(w.durchgestrichen);
  Muster->setFont(f);
  QPalette p = Muster->palette();
  p.setColor(QPalette::WindowText, w.farbe);
  Muster->setPalette(p);
}

}  // namespace kit
