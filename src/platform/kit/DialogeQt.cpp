#include "platform/kit/Dienste.h"

#include "platform/dienste/Dialogs.h"
#include "platform/kit/SchriftDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// "*.exe" -> "*.[eE][xX][eE]": a pattern that matches without regard to case.
QString ohneGrossKlein(const QString& muster) {
  QString aus;
  for (const QChar c : muster) {
    if (c.isLetter() && c.toLower() != c.toUpper())
      aus += u'[' + QString(c.toLower()) + QString(c.toUpper()) + u']';
    else
      aus += c;
  }
  return aus;
}

// Grows the dialog until its file list shows `breite` pixels of columns, within the screen; a few steps,
// since the dialog shares new width between the side bar and the list.
void breiterBis(QFileDialog& dialog, const QTreeView& baum, int breite, int schritte) {
  const int fehlt = breite - baum.viewport()->width();
  const int hoechstens = dialog.screen() ? dialog.screen()->availableGeometry().width() : dialog.width();
  if (fehlt <= 0 || schritte == 0 || dialog.width() >= hoechstens) return;
  dialog.resize(std::min(dialog.width() + fehlt, hoechstens), dialog.height());
  QTimer::singleShot(0, &dialog,
                     [&dialog, &baum, breite, schritte] { breiterBis(dialog, baum, breite, schritte - 1); });
}

// Qt gives the detail view's type and date columns the width of short English texts ("mp3Folder"): the
// German type names ("Einfaches Textdokument") and dates were cut. Once a folder is read, a column
// narrower than its entries is widened (never narrowed: a width the user set stays, and Qt keeps it for
// the next dialog), and the dialog grows until every column is in view.
void spaltenPassend(QFileDialog& dialog) {
  auto* baum = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  auto* modell = dialog.findChild<QFileSystemModel*>();
  if (!baum || !modell) return;
  QObject::connect(modell, &QFileSystemModel::directoryLoaded, baum, [&dialog, baum] {
    QHeaderView* kopf = baum->header();
    int breite = 0;
    for (int spalte = 0; spalte < kopf->count(); ++spalte) {
      if (baum->isColumnHidden(spalte)) continue;
      const int noetig =
          std::max(static_cast<QAbstractItemView*>(baum)->sizeHintForColumn(spalte), kopf->sectionSizeHint(spalte));
      if (spalte > 0 && baum->columnWidth(spalte) < noetig) baum->setColumnWidth(spalte, noetig);
      breite += baum->columnWidth(spalte);
    }
    // From the event loop: the folder may be read while the dialog is being shown.
    QTimer::singleShot(0, &dialog, [&dialog, baum, breite] { breiterBis(dialog, *baum, breite, 4); });
  });
}

class QtDialogs : public DialogService {
 public:
  int msgBox(const QString& text, int style, const QString& title) override {
    return msgBoxMitHilfe(text, style, title, {});
  }

  int msgBoxMitHilfe(const QString& text, int style, const QString& title,
                     const std::function<void()>& hilfe) override {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Kartulon") : title);
    // Messages break lines with CR LF, some with a lone CR; the label wants LF alone.
    QString anzeige = text;
    anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    box.setText(anzeige);
    if (style & vb::vbSystemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (style & 0x70) {
      case vb::vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
      case vb::vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
      case vb::vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
      case vb::vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
      default:
        break;
    }
    struct Knopf {
      QString text;
      int antwort;
      QMessageBox::ButtonRole rolle;
    };
    QList<Knopf> knoepfe;
    const Knopf ok{QStringLiteral("OK"), vb::vbOK, QMessageBox::AcceptRole};
    const Knopf abbrechen{QStringLiteral("Abbrechen"), vb::vbCancel, QMessageBox::RejectRole};
    const Knopf ja{QStringLiteral("&Ja"), vb::vbYes, QMessageBox::YesRole};
    const Knopf nein{QStringLiteral("&Nein"), vb::vbNo, QMessageBox::NoRole};
    switch (style & 0x7) {
      case vb::vbOKCancel:
        knoepfe = {ok, abbrechen};
        break;
      case vb::vbAbortRetryIgnore:
        knoepfe = {{QStringLiteral("&Abbrechen"), vb::vbAbort, QMessageBox::RejectRole},
                   {QStringLiteral("&Wiederholen"), vb::vbRetry, QMessageBox::AcceptRole},
                   {QStringLiteral("&Ignorieren"), vb::vbIgnore, QMessageBox::AcceptRole}};
        break;
      case vb::vbYesNoCancel:
        knoepfe = {ja, nein, abbrechen};
        break;
      case vb::vbYesNo:
        knoepfe = {ja, nein};
        break;
      case vb::vbRetryCancel:
        knoepfe = {{QStringLiteral("&Wiederholen"), vb::vbRetry, QMessageBox::AcceptRole}, abbrechen};
        break;
      default:
        knoepfe = {ok};
        break;
    }
    QList<QPushButton*> buttons;
    for (const Knopf& k : knoepfe) buttons.append(box.addButton(k.text, k.rolle));
    int standard = 0;
    if (style & vb::vbDefaultButton2) standard = 1;
    if (style & vb::vbDefaultButton3) standard = 2;
    box.setDefaultButton(buttons.value(standard, buttons.first()));
    // Escape answers Cancel where there is one, and OK on a box with OK alone.
    for (qsizetype i = 0; i < knoepfe.size(); ++i)
      if (knoepfe[i].antwort == vb::vbCancel || knoepfe.size() == 1) box.setEscapeButton(buttons[i]);
    QPushButton* hilfeKnopf = nullptr;
    if ((style & vb::vbMsgBoxHelpButton) && hilfe)
      hilfeKnopf = box.addButton(QStringLiteral("&Hilfe"), QMessageBox::HelpRole);
    QApplication::restoreOverrideCursor();
    box.exec();
    // The Help button shows the help and leaves the question open.
    while (hilfeKnopf && box.clickedButton() == hilfeKnopf) {
      hilfe();
      box.exec();
    }
    for (qsizetype i = 0; i < buttons.size(); ++i)
      if (box.clickedButton() == buttons[i]) return knoepfe[i].antwort;
    return knoepfe.size() == 1 ? vb::vbOK : vb::vbCancel;
  }

  QString inputBox(const QString& prompt, const QString& title, const QString& standard) override {
    return inputBoxMitHilfe(prompt, title, standard, {});
  }

  // The runtime's input box: the prompt at the top left, OK and Abbrechen (and Hilfe) at the right, the
  // text box across the bottom with the proposal selected.
  QString inputBoxMitHilfe(const QString& prompt, const QString& title, const QString& standard,
                           const std::function<void()>& hilfe) override {
    QDialog d(QApplication::activeWindow());
    d.setObjectName(QStringLiteral("InputBox"));
    d.setWindowTitle(title.isEmpty() ? QStringLiteral("Kartulon") : title);
    auto* raster = new QGridLayout(&d);
    auto* text = new QLabel(prompt, &d);
    text->setObjectName(QStringLiteral("Prompt"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setMinimumWidth(300);
    raster->addWidget(text, 0, 0, 3, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), &d);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), &d);
    abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    raster->addWidget(ok, 0, 1);
    raster->addWidget(abbrechen, 1, 1);
    if (hilfe) {
      auto* hilfeKnopf = new QPushButton(QStringLiteral("&Hilfe"), &d);
      hilfeKnopf->setObjectName(QStringLiteral("Hilfe"));
      hilfeKnopf->setAutoDefault(false);
      raster->addWidget(hilfeKnopf, 2, 1, Qt::AlignTop);
      // The help shows beside the box; what was typed stays.
      QObject::connect(hilfeKnopf, &QPushButton::clicked, &d, [hilfe] { hilfe(); });
    }
    auto* eingabe = new QLineEdit(standard, &d);
    eingabe->setObjectName(QStringLiteral("Eingabe"));
    eingabe->selectAll();
    raster->addWidget(eingabe, 3, 0, 1, 2);
    raster->setRowStretch(2, 1);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    QObject::connect(abbrechen, &QPushButton::clicked, &d, &QDialog::reject);
    eingabe->setFocus();
    if (d.exec() != QDialog::Accepted) return {};
    return eingabe->text();
  }

  QString fileDialog(const FileDialogRequest& r) override {
    QString filter = r.filter;
    // "Text (*.txt)|*.txt|..." -> "Text (*.txt);;..."
    const QStringList teile = filter.split(u'|');
    QStringList qt;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
      QString muster = QString(teile[i + 1]).replace(u';', u' ');
      // Names of the original's files ignored case: an open dialog matches them so.
      if (!r.save) muster = ohneGrossKlein(muster);
      qt << teile[i] + QStringLiteral(" (") + muster + u')';
    }
    const QString start = r.fileName.isEmpty() ? r.folder : r.folder + u'/' + r.fileName;
    QFileDialog d(QApplication::activeWindow(), r.title, start, qt.join(";;"));
    d.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (r.save && !r.ueberschreibenFragen) d.setOption(QFileDialog::DontConfirmOverwrite);
    if (!r.save) d.setOption(QFileDialog::HideNameFilterDetails);
    spaltenPassend(d);
    if (d.exec() != QDialog::Accepted) return {};
    return d.selectedFiles().value(0);
  }

  bool fontDialog(QFont& font) override {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, font, QApplication::activeWindow());
    if (ok) font = f;
    return ok;
  }

  bool schriftDialog(SchriftWahl& wahl) override {
    kit::SchriftDialog d(wahl, QApplication::activeWindow());
    if (d.exec() != QDialog::Accepted) return false;
    wahl = d.Wahl();
    return true;
  }

  bool colorDialog(QColor& color) override {
    const QColor c = QColorDialog::getColor(color, QApplication::activeWindow());
    if (!c.isValid()) return false;
    color = c;
    return true;
  }

  bool druckerEinrichten(DruckerEinrichtung& e) override {
    QDialog d(QApplication::activeWindow());
    d.setObjectName(QStringLiteral("Druckereinrichtung"));
    d.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    auto* form = new QFormLayout(&d);
    auto* liste = new QComboBox(&d);
    liste->setObjectName(QStringLiteral("Drucker"));
    liste->addItems(e.drucker);
    liste->setCurrentIndex(std::max<qsizetype>(0, e.drucker.indexOf(e.gewaehlt)));
    form->addRow(QStringLiteral("&Drucker:"), liste);
    auto* hoch = new QRadioButton(QStringLiteral("&Hochformat"), &d);
    auto* quer = new QRadioButton(QStringLiteral("&Querformat"), &d);
    (e.ausrichtung == 2 ? quer : hoch)->setChecked(true);
    auto* lage = new QVBoxLayout;
    lage->addWidget(hoch);
    lage->addWidget(quer);
    form->addRow(QStringLiteral("Ausrichtung:"), lage);
    auto* knoepfe = new QDialogButtonBox(&d);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    form->addRow(knoepfe);
    if (e.drucker.isEmpty() || d.exec() != QDialog::Accepted) return false;
    e.gewaehlt = liste->currentText();
    e.ausrichtung = quer->isChecked() ? 2 : 1;
    return true;
  }
};

}  // namespace

namespace kit {
std::unique_ptr<DialogService> qtDialoge() { return std::make_unique<QtDialogs>(); }
}  // namespace kit
