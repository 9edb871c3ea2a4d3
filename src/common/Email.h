#pragma once
// A field's text as a link: the e-mail check, what kind of text it is, and opening it.
#include <QString>
#include <QUrl>

// Kinds of text, as bits.
enum TextArt : int {
  TextArtDatum = 2,
  TextArtEmail = 4,
  TextArtWeb = 8,    // contains "http://", "https://" or "ftp://" and is longer than 15 characters
  TextArtDatei = 16  // an existing file, only when no other bit is set
};

// A plausible e-mail address: at least 3 characters, an "@" with a "." after it, no "http://" or "ftp://"
// in any case, and none of blank / : , ; * ä ö ü Ä Ö Ü ß.
bool EmailPruefen(const QString& adresse);

// The kind bits of the text, trimmed and in lower case.
int TextArtErmitteln(const QString& text);

// The address a double-click opens: a web address (http, https, ftp) or an e-mail address (also written
// with "mailto:") as a URL; an empty URL for anything else, an existing file included.
QUrl AdresseAlsUrl(const QString& text);

// A whole web address (http, https or ftp, with a host, nothing around it) as a URL, the text trimmed;
// with wwwErlaubt a text beginning with "www." counts too and gets "http://" in front. An empty URL for
// anything else, so that no text is handed to the desktop that could start a program.
QUrl WebAdresseAlsUrl(const QString& text, bool wwwErlaubt);

// A "mailto:" link to the address, with the subject when there is one. Both are carried percent-encoded:
// no character of either can add a recipient or a header.
QUrl mailto(const QString& adresse, const QString& betreff = QString());

// Opens a document, folder or link with the desktop's program for it; when the desktop has none, the user
// is told so. True when the desktop took it.
bool LinkOeffnen(const QUrl& link);

// Hands a web or e-mail address to the desktop; true when it did (whatever the desktop made of it).
bool AdresseOeffnen(const QString& text);
