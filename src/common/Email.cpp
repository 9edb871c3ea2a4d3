#include "common/Email.h"

#include "common/Pfade.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Shell.h"
#include "platform/vb/Vb.h"

#include <QFileInfo>

namespace {

bool istWebAdresse(const QString& klein) {
  if (klein.size() <= 15) return false;
  return klein.contains(QStringLiteral("http://")) || klein.contains(QStringLiteral("https://")) ||
         klein.contains(QStringLiteral("ftp://"));
}

}  // namespace

QUrl mailto(const QString& adresse, const QString& betreff) {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  // As a path, so that "?", "#" and "&" in the address stay part of it and start no header.
  url.setPath(adresse, QUrl::DecodedMode);
  // Encoded whole, so that "&", "#" or "%" in the subject neither add a header nor cut it.
  if (!betreff.isEmpty())
    url.setQuery(QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(betreff)), QUrl::StrictMode);
  return url;
}

bool LinkOeffnen(const QUrl& link) {
  if (Shell::service().oeffnen(link)) return true;
  const QString name =
      link.isLocalFile() ? QFileInfo(link.toLocalFile()).fileName() : link.toDisplayString(QUrl::RemoveQuery);
  MsgBox(QStringLiteral("Es ist kein Programm eingerichtet, das »") + name + QStringLiteral("« öffnen kann."),
         vb::vbExclamation);
  return false;
}

bool EmailPruefen(const QString& adresse) {
  bool gueltig = true;
  if (adresse.size() < 3) gueltig = false;
  const qsizetype at = adresse.indexOf(u'@');
  if (at < 0) gueltig = false;
  if (at < 0 || adresse.indexOf(u'.', at + 1) < 0) gueltig = false;
  if (adresse.contains(QStringLiteral("http://"), Qt::CaseInsensitive) ||
      adresse.contains(QStringLiteral("ftp://"), Qt::CaseInsensitive))
    gueltig = false;
  for (const QChar c : QStringLiteral(" /:,;*äöüÄÖÜß"))
    if (adresse.contains(c)) gueltig = false;
  return gueltig;
}

int TextArtErmitteln(const QString& text) {
  const QString t = vb::Trim(text).toLower();
  int art = 0;
  if (vb::IsDate(t)) art |= TextArtDatum;
  if (EmailPruefen(t)) art |= TextArtEmail;
  if (istWebAdresse(t)) art |= TextArtWeb;
  if (art == 0 && DateiVorhanden(t)) art = TextArtDatei;
  return art;
}

QUrl AdresseAlsUrl(const QString& text) {
  const QString t = vb::Trim(text);
  if (t.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)) {
    const QString adresse = vb::Trim(t.mid(7));
    return EmailPruefen(adresse) ? mailto(adresse) : QUrl();
  }
  const int art = TextArtErmitteln(t);
  if (art & TextArtEmail) return mailto(t);
  if (art & TextArtWeb) {
    const QUrl url(t, QUrl::TolerantMode);
    const QString schema = url.scheme().toLower();
    if (url.isValid() && !url.host().isEmpty() && (schema == u"http" || schema == u"https" || schema == u"ftp"))
      return url;
  }
  return {};
}

QUrl WebAdresseAlsUrl(const QString& text, bool wwwErlaubt) {
  QString t = vb::Trim(text);
  if (wwwErlaubt && t.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) t.prepend(QStringLiteral("http://"));
  const QUrl url(t, QUrl::StrictMode);
  const QString schema = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (schema != u"http" && schema != u"https" && schema != u"ftp"))
    return {};
  return url;
}

bool AdresseOeffnen(const QString& text) {
  const QUrl url = AdresseAlsUrl(text);
  if (url.isEmpty()) return false;
  Shell::service().oeffnen(url);
  return true;
}
