// The text search over the record lines.
#include "store/Suchen.h"

#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/Token.h"
#include "common/Ton.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Keys.h"

#include "platform/vb/Vb.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>

QStringList SuchBegriffe(const QString& suchtext) {
  QString text = Ersetzen(vb::Trim(suchtext), QStringLiteral("\""), QStringLiteral("\t"));
  const int anzahl = TextZerlegen(text, QStringLiteral(" "));
  QStringList begriffe;
  for (int i = 1; i <= anzahl; ++i) begriffe << Token[i];
  return begriffe;
}

SatzSuche::SatzSuche(const QString& suchtext, bool ohneTrenner) : ohneTrenner_(ohneTrenner) {
  const QStringList begriffe = SuchBegriffe(suchtext);
  for (int i = 1; i <= begriffe.size(); ++i) {
    // The token table holds the patterns, as the terms are rewritten in place.
    Token[i] = u'*' + begriffe[i - 1].toLower() + u'*';
    vb::LikeMuster m(Token[i]);
    // A term that is no valid pattern (a "[" without "]") is looked for as plain text.
    if (!m.gueltig()) m = vb::LikeMuster(QString(u'*' + vb::LikeMuster::woertlich(begriffe[i - 1].toLower()) + u'*'));
    muster_.push_back(std::move(m));
  }
}

bool SatzSuche::passt(QStringView zeile) const {
  QStringView text = zeile;
  if (ohneTrenner_ && !muster_.empty()) {
    puffer_.resize(zeile.size());
    QChar* ziel = puffer_.data();
    qsizetype n = 0;
    for (QChar c : zeile)
      if (c != u' ' && c != u'/' && c != u'-') ziel[n++] = c;
    text = QStringView(puffer_).left(n);
  }
  for (const vb::LikeMuster& m : muster_)
    if (!m.passtKlein(text)) return false;
  return true;
}

int AdresseSuchen(const Adressbestand& bestand, const SatzSuche& suche, int ab,
                  const std::function<bool(qsizetype, qsizetype)>& zwischendurch) {
  const QStringList zeilen = bestand.Zeilen();  // shares the lines; the table itself is checked below
  const quint64 stand = bestand.revision();
  const qsizetype n = zeilen.size();
  qsizetype p = ab;
  for (qsizetype k = 1; k <= n; ++k) {
    ++p;
    if (p > n - 1) p = 0;
    if (zwischendurch && (k & 2047) == 1) {
      if (!zwischendurch(k, n) || bestand.revision() != stand) return kSucheAbgebrochen;
    }
    if (suche.passt(zeilen[p])) return static_cast<int>(p);
  }
  return -1;
}
