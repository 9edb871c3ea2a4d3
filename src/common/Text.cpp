#include "common/Text.h"

#include "platform/vb/Codec.h"

#include <array>

namespace {

QChar zeichen1252(int code) { return Codec::aus1252(QByteArray(1, static_cast<char>(code))).at(0); }

QString ersetzen(const QString& text, const QString& such, const QString& ersatz, Qt::CaseSensitivity vergleich) {
  if (text.isEmpty() || such.isEmpty()) return text;
  qsizetype pos = text.indexOf(such, 0, vergleich);
  if (pos < 0) return text;
  QString aus;
  aus.reserve(text.size() + (ersatz.size() > such.size() ? ersatz.size() - such.size() : 0) * 4);
  qsizetype von = 0;
  // Never more replacements than the text has characters (a non-empty search text cannot reach that).
  for (qsizetype n = 0; pos >= 0 && n < text.size(); ++n) {
    aus.append(QStringView(text).mid(von, pos - von));
    aus.append(ersatz);
    von = pos + such.size();
    pos = text.indexOf(such, von, vergleich);
  }
  aus.append(QStringView(text).mid(von));
  return aus;
}

struct Umschrift {
  std::array<QString, 256> ersatz;  // by code; empty: stays
  QString zeichen;                  // every character that is replaced
};

const Umschrift& umschrift() {
  static const Umschrift u = [] {
    Umschrift t;
    const auto setze = [&t](std::initializer_list<int> codes, const char* aus) {
      for (int c : codes) t.ersatz[c] = QString::fromLatin1(aus);
    };
    setze({136, 176}, "'");
    setze({166}, "!");
    setze({169}, "(c)");
    setze({171, 187}, "\"");
    setze({174}, "(R)");
    setze({177}, "+-");
    setze({181}, "Mikro");
    setze({183}, ".");
    setze({188}, "1/4");
    setze({189}, "1/2");
    setze({190}, "3/4");
    setze({191}, "?");
    setze({192, 193, 194, 195, 197}, "A");
    setze({196, 198}, "Ae");
    setze({199}, "C");
    setze({200, 201, 202, 203}, "E");
    setze({204, 205, 206, 207}, "I");
    setze({208}, "D");
    setze({209}, "N");
    setze({210, 211, 212, 213}, "O");
    setze({214}, "Oe");
    setze({215}, "*");
    setze({216, 248}, "0");
    setze({217, 218, 219}, "U");
    setze({220}, "Ue");
    setze({221}, "Y");
    setze({223}, "ss");
    setze({224, 225, 226, 227, 229}, "a");
    setze({228, 230}, "ae");
    setze({231}, "c");
    setze({232, 233, 234, 235}, "e");
    setze({236, 237, 238, 239}, "i");
    setze({240, 242, 243, 244, 245}, "o");
    setze({241}, "n");
    setze({246}, "oe");
    setze({247}, "/");
    setze({249, 250, 251}, "u");
    setze({252}, "ue");
    setze({253, 255}, "y");
    setze({254}, "b");
    for (int c = 0; c < 256; ++c)
      if (!t.ersatz[c].isEmpty()) t.zeichen += zeichen1252(c);
    return t;
  }();
  return u;
}

}  // namespace

QString Ersetzen(const QString& text, const QString& such, const QString& ersatz, short) {
  return ersetzen(text, such, ersatz, Qt::CaseInsensitive);
}

QString ZeichenErsetzen(const QString& text, const QString& such, const QString& ersatz) {
  return ersetzen(text, such, ersatz, Qt::CaseSensitive);
}

QString DosUmlaute(const QString& text) {
  static const struct {
    int code;
    char16_t umlaut;
  } tabelle[] = {
      {132, u'ä'}, {148, u'ö'}, {129, u'ü'}, {225, u'ß'}, {142, u'Ä'}, {153, u'Ö'}, {154, u'Ü'},
  };
  QString aus = text;
  for (const auto& z : tabelle) aus.replace(zeichen1252(z.code), QChar(z.umlaut));
  return aus;
}

QString DosUmlaute(QString& text) {
  text = DosUmlaute(static_cast<const QString&>(text));
  return text;
}

QString Ansi2Ascii(const QString& text) {
  const Umschrift& u = umschrift();
  QString aus;
  aus.reserve(text.size());
  for (QChar c : text) {
    if (u.zeichen.contains(c)) {
      const QByteArray code = Codec::nach1252(QString(c));
      aus += u.ersatz[static_cast<unsigned char>(code[0])];
    } else {
      aus += c;
    }
  }
  return aus;
}

QString NurZeichen(const QString& text, const QString& erlaubt) {
  QString aus;
  aus.reserve(text.size());
  for (QChar c : text)
    if (erlaubt.contains(c)) aus += c;
  return aus;
}

QString SatzzeichenAbstand(const QString& text) {
  static const QString satzzeichen = QStringLiteral(".!?,;:");
  QString aus;
  aus.reserve(text.size() + text.size() / 4);
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    aus += c;
    if (!satzzeichen.contains(c)) continue;
    qsizetype j = i + 1;
    while (j < n && text[j] == u' ') ++j;
    // One blank, unless a digit follows (a decimal comma) or nothing does.
    if (j < n && !(text[j] >= u'0' && text[j] <= u'9')) aus += u' ';
    i = j - 1;
  }
  return aus;
}
