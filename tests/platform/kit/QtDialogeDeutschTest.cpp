// The dialogs that Qt draws itself behind the dialog service (open and save file, colour) speak German
// after the start's language set-up, whatever the machine's locale.
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Dienste.h"
#include "platform/vb/Sprache.h"
#include "support/kern/TestUmgebung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

class QtDialogeDeutschTest : public KartulonTest {};

// The texts of the visible buttons and labels of the dialog that is open now; the dialog is then closed
// as cancelled.
QStringList texteAblesenUndAbbrechen() {
  QStringList texte;
  auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  if (!dialog) return texte;
  for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
    if (b->isVisibleTo(dialog) && !b->text().isEmpty()) texte << b->text();
  for (const QLabel* l : dialog->findChildren<QLabel*>())
    if (l->isVisibleTo(dialog) && !l->text().isEmpty()) texte << l->text();
  dialog->reject();
  return texte;
}

TEST_F(QtDialogeDeutschTest, FileAndColourDialogsShowGermanTexts) {
  ASSERT_TRUE(Sprache::einrichten()) << "Qt's German translation is missing (qt6-translations-l10n)";
  const auto dialoge = kit::qtDialoge();
  // The file dialog of the import (open) or of a serial letter (save), in the test's folder.
  const auto dateiDialog = [&](bool speichern) {
    return [&dialoge, speichern, ordner = tempPfad(QString())] {
      FileDialogRequest r;
      r.title = speichern ? u"Serienbrief speichern"_s : u"Datei importieren"_s;
      r.folder = ordner;
      r.fileName = speichern ? u"Brief.txt"_s : QString();
      r.filter = u"Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*"_s;
      r.save = speichern;
      dialoge->fileDialog(r);
    };
  };
  struct Fall {
    const char* dialog;
    std::function<void()> oeffnen;
    QStringList deutsch;   // each shown somewhere in the dialog
    QStringList englisch;  // none of them shown
  };
  const Fall faelle[] = {
      {"open file",
       dateiDialog(false),
       {u"&Öffnen"_s, u"Abbrechen"_s, u"Suchen in:"_s, u"Datei&name:"_s, u"Dateien des Typs:"_s},
       {u"&Open"_s, u"Cancel"_s, u"Look in:"_s, u"File &name:"_s, u"Files of type:"_s}},
      {"save file",
       dateiDialog(true),
       {u"S&peichern"_s, u"Abbrechen"_s, u"Suchen in:"_s, u"Datei&name:"_s},
       {u"&Save"_s, u"Cancel"_s, u"Look in:"_s, u"File &name:"_s}},
      {"colour",
       [&] {
         QColor farbe(Qt::red);
         dialoge->colorDialog(farbe);
       },
       {u"OK"_s, u"Abbrechen"_s, u"&Benutzerdefinierte Farben"_s},
       {u"Cancel"_s, u"&Basic colors"_s, u"&Custom colors"_s}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.dialog);
    QStringList texte;
    QTimer::singleShot(0, [&] { texte = texteAblesenUndAbbrechen(); });
    f.oeffnen();
    ASSERT_FALSE(texte.isEmpty()) << "no dialog opened";
    for (const QString& t : f.deutsch)
      EXPECT_TRUE(texte.contains(t)) << t.toStdString() << " in " << texte.join(u" | "_s).toStdString();
    for (const QString& t : f.englisch) EXPECT_FALSE(texte.contains(t)) << t.toStdString();
  }
}

// The columns of the detail view that cut their texts (type names, dates) or lie beyond the view's right
// edge, once the folder is read.
QStringList geschnitteneSpalten(const QTreeView& baum) {
  QStringList geschnitten;
  if (!baum.model() || baum.model()->rowCount(baum.rootIndex()) == 0) return {u"(folder not read)"_s};
  for (int spalte = 0; spalte < baum.header()->count(); ++spalte)
    if (!baum.isColumnHidden(spalte) &&
        baum.columnWidth(spalte) < static_cast<const QAbstractItemView&>(baum).sizeHintForColumn(spalte))
      geschnitten << baum.model()->headerData(spalte, Qt::Horizontal).toString();
  if (baum.header()->length() > baum.viewport()->width()) geschnitten << u"(columns beyond the right edge)"_s;
  return geschnitten;
}

TEST_F(QtDialogeDeutschTest, TheFileDialogShowsTypesAndDatesWhole) {
  Sprache::einrichten();
  const QString ordner = tempPfad(u"import"_s);
  dateiSchreiben(ordner + u"/adressen.txt"_s, "Meier\r\n");
  dateiSchreiben(ordner + u"/kunden.dat"_s, "x\r\n");
  // Qt's column widths as they come without a width kept from an earlier dialog.
  QSettings(QSettings::UserScope, u"QtProject"_s).remove(u"FileDialog/treeViewHeader"_s);
  QStringList geschnitten{u"(no dialog)"_s};
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->setViewMode(QFileDialog::Detail);
    const auto* baum = dialog->findChild<QTreeView*>(u"treeView"_s);
    if (baum) {
      geschnitten = QTest::qWaitFor([&] { return geschnitteneSpalten(*baum).isEmpty(); }, 5000)
                        ? QStringList()
                        : geschnitteneSpalten(*baum);
    }
    dialog->reject();
  });
  FileDialogRequest r;
  r.title = u"Datei importieren"_s;
  r.folder = ordner;
  r.filter = u"Alles|*.*"_s;
  kit::qtDialoge()->fileDialog(r);
  EXPECT_TRUE(geschnitten.isEmpty()) << geschnitten.join(u", "_s).toStdString();
}

}  // namespace
