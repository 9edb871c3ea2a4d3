// Like against a plain reference matcher that reads the pattern as it stands (no compiled form), and the
// compiled pattern's lower-case matching against matching the lower-cased text and against its plain
// character-by-character form.
#include "FuzzHilfe.h"
#include "platform/vb/Vb.h"

#include <vector>

namespace {

// Whether the runtime rejects the pattern: "[" without "]", or a range from high to low.
bool abgelehnt(QStringView m) {
  for (qsizetype i = 0; i < m.size(); ++i) {
    if (m[i] != u'[') continue;
    const qsizetype ende = m.indexOf(u']', i + 1);
    if (ende < 0) return true;
    QStringView liste = m.mid(i + 1, ende - i - 1);
    if (liste.size() > 1 && liste[0] == u'!') liste = liste.mid(1);
    for (qsizetype k = 0; k + 2 < liste.size(); ++k)
      if (liste[k + 1] == u'-') {
        if (liste[k + 2] < liste[k]) return true;
        k += 2;
      }
    i = ende;
  }
  return false;
}

// One character against the list between the brackets (without them).
bool inListe(QStringView liste, QChar c) {
  bool nicht = false;
  if (liste.size() > 1 && liste[0] == u'!') {
    nicht = true;
    liste = liste.mid(1);
  }
  bool drin = false;
  for (qsizetype k = 0; k < liste.size(); ++k) {
    if (k + 2 < liste.size() && liste[k + 1] == u'-') {
      drin = drin || (c >= liste[k] && c <= liste[k + 2]);
      k += 2;
    } else {
      drin = drin || c == liste[k];
    }
  }
  return drin != nicht;
}

// Whether text[j..] matches muster[i..], remembered per (i, j).
struct Referenz {
  QStringView text, muster;
  std::vector<signed char> gemerkt;
  bool passt(qsizetype i, qsizetype j) {
    signed char& g = gemerkt[static_cast<size_t>(i * (text.size() + 1) + j)];
    if (g >= 0) return g;
    bool ja;
    if (i == muster.size()) {
      ja = j == text.size();
    } else {
      const QChar p = muster[i];
      if (p == u'*') {
        ja = passt(i + 1, j) || (j < text.size() && passt(i, j + 1));
      } else if (p == u'[') {
        const qsizetype ende = muster.indexOf(u']', i + 1);
        const QStringView liste = muster.mid(i + 1, ende - i - 1);
        if (liste.isEmpty())
          ja = passt(ende + 1, j);
        else
          ja = j < text.size() && inListe(liste, text[j]) && passt(ende + 1, j + 1);
      } else if (j == text.size()) {
        ja = false;
      } else if (p == u'?') {
        ja = passt(i + 1, j + 1);
      } else if (p == u'#') {
        ja = text[j] >= u'0' && text[j] <= u'9' && passt(i + 1, j + 1);
      } else {
        ja = text[j] == p && passt(i + 1, j + 1);
      }
    }
    g = ja ? 1 : 0;
    return ja;
  }
};

bool referenz(QStringView text, QStringView muster) {
  if (abgelehnt(muster)) return false;
  Referenz r{text, muster, std::vector<signed char>(static_cast<size_t>((muster.size() + 1) * (text.size() + 1)), -1)};
  return r.passt(0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::start(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Pattern and text split at the first NUL byte; UTF-16 from UTF-8 so that any character can occur.
  const QByteArray bytes = fuzz::bytes(data, size);
  const qsizetype trenner = bytes.indexOf('\0');
  if (trenner < 0 || bytes.size() > 4096) return 0;
  const QString muster = QString::fromUtf8(bytes.left(trenner));
  const QString text = QString::fromUtf8(bytes.mid(trenner + 1));
  const bool ist = vb::Like(text, muster);
  FUZZ_PRUEFEN(ist == referenz(text, muster), QStringLiteral("Like(\"%1\", \"%2\") = %3").arg(text, muster).arg(ist));
  const vb::LikeMuster m(muster);
  FUZZ_PRUEFEN(m.passt(text) == ist, QStringLiteral("LikeMuster::passt"));
  QString klein = text;
  for (QChar& c : klein) c = QChar(vb::Klein(c.unicode()));
  FUZZ_PRUEFEN(m.passtKlein(text) == m.passt(klein), QStringLiteral("passtKlein(\"%1\", \"%2\")").arg(text, muster));
  // The scan for the character after a star decides as looking at every character does; the search
  // wraps every term in stars.
  FUZZ_PRUEFEN(m.passtKlein(text) == m.passtKleinZeichenweise(text),
               QStringLiteral("passtKleinZeichenweise(\"%1\", \"%2\")").arg(text, muster));
  const vb::LikeMuster begriff(QString(u'*' + muster + u'*'));
  FUZZ_PRUEFEN(begriff.passtKlein(text) == begriff.passtKleinZeichenweise(text),
               QStringLiteral("passtKlein(\"%1\", \"*%2*\")").arg(text, muster));
  // A literal pattern matches its own text.
  FUZZ_PRUEFEN(vb::Like(text, vb::LikeMuster::woertlich(text)), QStringLiteral("woertlich(\"%1\")").arg(text));
  return 0;
}
