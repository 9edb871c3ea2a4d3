#pragma once
// What the list-print dialog decides without a window: which record lines a new selection by name and
// text filter keeps, the count caption, the mask chosen at load and stored on save, and the extract file.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A run of neighbouring lines, first and last included: a selection of 32000 lines is a few runs, set and
// counted at once.
struct Zeilenbereich {
  int von = 0;
  int bis = 0;
  bool operator==(const Zeilenbereich&) const = default;
};
using Zeilenbereiche = QList<Zeilenbereich>;

// The lines that "Neuwahl" selects. A line is kept unless name (blanks at either end removed) is not
// empty and field 9 does not contain it with its exact case, or the line does not contain filter (blanks
// at either end removed) in any mix of case. fortschritt, when given, gets 100 * i / (m - 1) for line i
// whenever that percentage changes (only for more than one line).
Zeilenbereiche NeuwahlBereiche(const QStringList& zeilen, const QString& name, const QString& filter,
                               const std::function<void(int prozent)>& fortschritt = {});

// "n von m Kartulon sind zum Drucken ausgewählt".
QString AuswahlZaehltext(int ausgewaehlt, int zeilen);

// The base names of the mask files in the folder (names ending in ".msk" in any case, without those four
// characters), in the order of a sorted list.
QStringList MaskenNamen(const QString& ordner);
// The index of the stored mask among the names, compared ignoring case; the first when none is equal;
// -1 for no names.
int GespeicherteMaskeFinden(const QStringList& namen, const QString& gespeichert);
// What "DruckMaske" stores of the chosen entry: a trailing ".msk" (in any case) removed.
QString MaskeZumSpeichern(const QString& eintrag);

// The bytes of the extract file. bisher: the existing file's bytes, or nothing for a new file, which
// starts with ".." and "Auszug aus " and the description. An existing file keeps its bytes and its
// encoding; a last line without its line end gets CR LF first, so that no record is joined to it.
QByteArray AuszugBauen(const std::optional<QByteArray>& bisher, const QString& beschreibung, const QStringList& zeilen);
// Writes the extract to the path (existing or new) as a whole file: beside the old one, then in its
// place, so that a failure leaves an existing file as it was. 0, or the runtime's error number; grund
// then says why in German.
int AuszugSchreiben(const QString& pfad, const QString& beschreibung, const QStringList& zeilen,
                    QString* grund = nullptr);
