#pragma once
// Letters from templates: which section of the templates' settings file a user works in, where the
// templates lie, the name proposed for a new document, what may be typed into that name, the values the
// letter reads from the exchange file, and copying a template without ever destroying one.
#include <QDate>
#include <QString>

// The section of vorlagen.ini: the user's own when it holds a DocName1, else "def".
QString VorlagenSektion(const QString& vorlagenIni, const QString& benutzer);

// Folder (without a trailing "/") and file pattern of a WordVorlagen value ("/x/WordPost/_*.doc").
struct VorlagenOrt {
  QString ordner;
  QString muster;
};
VorlagenOrt VorlagenOrtAus(const QString& wordVorlagen);

// The proposed name of a new document: DocName1 with "{jj}" and "{jjjj}" (any case) as the year, the
// number formatted by DocName2, DocName3, then the trimmed surname made safe as a file name.
// `anfangNachname` receives the length of everything before the surname.
QString DokumentVorschlag(const QString& docName1, const QString& docNummer, const QString& docName2,
                          const QString& docName3, const QString& nachname, const QDate& heute,
                          int* anfangNachname = nullptr);

// A document name as it may stand in the name box: each of * ? : \ / _ , ; . ~ ^ ", the blank and every
// control character becomes "_".
QString DokumentnameFiltern(const QString& text);
// One typed character as the filter lets it through.
QChar DokumentzeichenFiltern(QChar c);

// A value as the exchange file keeps it on one line: line breaks become "^a", a final one disappears.
QString AustauschWert(const QString& wert);
// Writes one value into the exchange file named in Zedured.ini ([program] Adr_IniSpeichern_In); a name
// that reads as a number above 0 goes to "Zuletztnr" under that number with two digits, any other to
// "Zuletztbez". Nothing is written when no exchange file is named.
void AdressParaSet(const QString& name, const QString& wert);

// What copying a template came to.
enum class KopieErgebnis { Kopiert, Gleich, Fehler };
// Copies the file whole: the source is read first and the target written through the safe whole-file
// writer, never deleted beforehand. A target that is the source itself (however spelled) is refused as
// Gleich and left alone. `fehler` receives the runtime's error number of a failure.
KopieErgebnis VorlageKopieren(const QString& quelle, const QString& ziel, int* fehler = nullptr);
// True when both paths name one existing file (case-insensitive lookup, links and "." resolved).
bool GleicheDatei(const QString& a, const QString& b);
