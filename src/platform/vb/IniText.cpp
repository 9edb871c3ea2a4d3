#include "platform/vb/IniText.h"

#include <QStringDecoder>
#include <utility>

namespace Profil::text {
namespace {

bool istLeer(QChar c) { return c == u' ' || c == u'\t'; }

QStringView beschnitten(QStringView s) {
  qsizetype a = 0, e = s.size();
  while (a < e && istLeer(s[a])) ++a;
  while (e > a && istLeer(s[e - 1])) --e;
  return s.mid(a, e - a);
}

QString einzeilig(const QString& s) {
  if (!s.contains(u'\r') && !s.contains(u'\n')) return s;
  QString t = s;
  for (QChar& c : t)
    if (c == u'\r' || c == u'\n') c = u' ';
  return t;
}

Zeile zeileLesen(const QString& text) {
  Zeile z{text, {}, false, {}, QByteArrayLiteral("\r\n"), true};
  const QStringView t = beschnitten(text);
  if (t.startsWith(u'[')) {
    const qsizetype ende = t.lastIndexOf(u']');
    if (ende > 0) {
      z.kopf = true;
      z.name = beschnitten(t.mid(1, ende - 1)).toString().toCaseFolded();
    }
  } else if (!t.startsWith(u';')) {
    const qsizetype gleich = t.indexOf(u'=');
    if (gleich > 0) z.name = beschnitten(t.left(gleich)).toString().toCaseFolded();
  }
  return z;
}

QString indexSchluessel(const QString& sektion, const QString& schluessel) { return sektion + QChar(1) + schluessel; }

void indexAufbauen(Text& d) {
  d.index.clear();
  QString sektion;
  bool inSektion = false;
  for (qsizetype i = 0; i < d.zeilen.size(); ++i) {
    const Zeile& z = d.zeilen[i];
    if (z.kopf) {
      sektion = z.name;
      inSektion = true;
      if (!d.index.contains(sektion)) d.index.insert(sektion, i);
    } else if (inSektion && !z.name.isEmpty()) {
      const QString k = indexSchluessel(sektion, z.name);
      if (!d.index.contains(k)) d.index.insert(k, i);
    }
  }
}

QString zeileDekodieren(QByteArrayView bytes, Codec::Kodierung kodierung) {
  if (kodierung != Codec::Kodierung::Utf8) return Codec::aus1252(bytes.toByteArray());
  // A U+FEFF at the start of a line is text; only the file's first bytes are a byte-order mark.
  QStringDecoder dekoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return dekoder.decode(bytes);
}

// What the file can hold: a Windows-1252 file keeps "?" for a character outside the code page, and the
// parsed copy must say the same as the disk.
QString darstellbar(const Text& d, const QString& text) {
  if (d.kodierung == Codec::Kodierung::Utf8) return text;
  for (QChar c : text)
    if (!Codec::istIn1252(c)) return Codec::aus1252(Codec::nach1252(text));
  return text;
}

// A section or key name as the file can hold it: in a Windows-1252 file a character outside the code
// page is reduced as typed text is (base letter, else "?"), the same way for reading and writing, so
// that a key written under such a name is found again.
QString nameDarstellbar(Codec::Kodierung kodierung, const QString& name) {
  if (kodierung == Codec::Kodierung::Utf8) return name;
  for (QChar c : name)
    if (!Codec::istIn1252(c)) return Codec::auf1252Reduzieren(name);
  return name;
}

}  // namespace

// The first section of that name decides, as with the original functions; entries of a later section of
// the same name are not seen.
qsizetype sektionsZeile(const Text& d, const QString& sektion) { return d.index.value(sektion, -1); }

qsizetype eintragsZeile(const Text& d, const QString& sektion, const QString& schluessel) {
  const qsizetype i = d.index.value(indexSchluessel(sektion, schluessel), -1);
  if (i < 0) return -1;
  // Only an entry of the first section of that name.
  const qsizetype kopf = sektionsZeile(d, sektion);
  for (qsizetype k = i - 1; k > kopf; --k)
    if (d.zeilen[k].kopf) return -1;
  return i;
}

bool textEinlesen(Text& d, const QByteArray& bytes, bool nur1252) {
  d.bom = bytes.startsWith("\xEF\xBB\xBF");
  const qsizetype start = d.bom ? 3 : 0;
  const QByteArray rumpf = bytes.mid(start);
  const bool gueltig = Codec::istUtf8(rumpf);
  if (!gueltig || nur1252)
    d.kodierung = Codec::Kodierung::Windows1252;
  else if (d.bom)
    // A mark in front of Windows-1252 bytes does not make them UTF-8.
    d.kodierung = Codec::Kodierung::Utf8;
  else
    d.kodierung = Codec::erkennen(rumpf);

  d.zeilen.clear();
  const char* p = rumpf.constData();
  const qsizetype n = rumpf.size();
  qsizetype pos = 0;
  while (pos < n) {
    qsizetype ende = pos;
    while (ende < n && p[ende] != '\r' && p[ende] != '\n') ++ende;
    qsizetype weiter = ende;
    if (weiter < n) weiter += (p[weiter] == '\r' && weiter + 1 < n && p[weiter + 1] == '\n') ? 2 : 1;
    Zeile z = zeileLesen(zeileDekodieren(QByteArrayView(p + pos, ende - pos), d.kodierung));
    z.roh = QByteArray(p + pos, ende - pos);
    z.ende = QByteArray(p + ende, weiter - ende);
    z.geaendert = false;
    d.zeilen.append(std::move(z));
    pos = weiter;
  }
  indexAufbauen(d);
  return gueltig;
}

QByteArray textAusgeben(const Text& d) {
  QByteArray bytes;
  if (d.bom) bytes = QByteArrayLiteral("\xEF\xBB\xBF");
  for (qsizetype i = 0; i < d.zeilen.size(); ++i) {
    const Zeile& z = d.zeilen[i];
    bytes += z.geaendert ? Codec::kodieren(z.text, d.kodierung) : z.roh;
    // A last line without a line end gets one when lines now follow it.
    bytes += z.ende.isEmpty() && i + 1 < d.zeilen.size() ? QByteArrayLiteral("\r\n") : z.ende;
  }
  return bytes;
}

// A name as written and looked for: on one line, without blanks around it, as the file can hold it.
QString nameBilden(Codec::Kodierung kodierung, const QString& name) {
  return nameDarstellbar(kodierung, beschnitten(einzeilig(name)).toString());
}
QString nameBilden(const Text& d, const QString& name) { return nameBilden(d.kodierung, name); }

// Whether an entry written under these names reads back under them: a key that is empty, holds "=" or
// begins with "[" or ";" would not (it would read as another key, a section or a comment).
bool lesbar(const Text& d, const QString& sektion, const QString& schluessel) {
  const QString s = nameBilden(d, sektion), k = nameBilden(d, schluessel);
  const Zeile kopf = zeileLesen(u'[' + s + u']');
  const Zeile eintrag = zeileLesen(k + QStringLiteral("=x"));
  return kopf.kopf && kopf.name == s.toCaseFolded() && !eintrag.kopf && !k.isEmpty() &&
         eintrag.name == k.toCaseFolded();
}

// Applies one write to the parsed lines; false when nothing changed.
bool anwenden(Text& d, const Aenderung& a) {
  const QString sektionName = nameBilden(d, a.sektion);
  const QString schluesselName = nameBilden(d, a.schluessel);
  const QString wert = darstellbar(d, einzeilig(a.wert));
  const QString sektion = sektionName.toCaseFolded();
  const QString schluessel = schluesselName.toCaseFolded();

  const qsizetype eintrag = eintragsZeile(d, sektion, schluessel);
  if (eintrag >= 0) {
    // The key keeps the spelling it has in the file.
    Zeile& z = d.zeilen[eintrag];
    const QStringView t = beschnitten(z.text);
    const QString neu = beschnitten(t.left(t.indexOf(u'='))).toString() + u'=' + wert;
    if (neu == z.text) return false;
    z.text = neu;
    z.geaendert = true;  // its line end stays
    return true;
  }
  Zeile neu{schluesselName + u'=' + wert, schluessel, false, {}, QByteArrayLiteral("\r\n"), true};
  const qsizetype kopf = sektionsZeile(d, sektion);
  if (kopf < 0) {
    if (!d.zeilen.isEmpty() && !beschnitten(d.zeilen.last().text).isEmpty())
      d.zeilen.append(Zeile{{}, {}, false, {}, QByteArrayLiteral("\r\n"), true});
    d.zeilen.append(Zeile{u'[' + sektionName + u']', sektion, true, {}, QByteArrayLiteral("\r\n"), true});
    d.zeilen.append(neu);
  } else {
    // After the section's last line that is not blank, so that blank lines before the next section stay
    // where they are.
    qsizetype ende = kopf + 1;
    while (ende < d.zeilen.size() && !d.zeilen[ende].kopf) ++ende;
    qsizetype nach = ende;
    while (nach > kopf + 1 && beschnitten(d.zeilen[nach - 1].text).isEmpty()) --nach;
    d.zeilen.insert(nach, neu);
  }
  indexAufbauen(d);
  return true;
}

// The value of an entry line as lesen gives it.
QString eintragsWert(const Zeile& z) {
  const QStringView t = z.text;
  QStringView wert = beschnitten(t.mid(t.indexOf(u'=') + 1));
  if (wert.size() >= 2 && (wert.front() == u'"' || wert.front() == u'\'') && wert.back() == wert.front())
    wert = wert.mid(1, wert.size() - 2);
  return wert.toString();
}

}  // namespace Profil::text
