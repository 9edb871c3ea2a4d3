#include "common/Email.h"
#include "support/kern/TestUmgebung.h"

#include <QFile>

class EmailTest : public KartulonTest {};

TEST_F(EmailTest, ChecksEmailAddresses) {
  const std::pair<QString, bool> faelle[] = {
      {"anna.meier@example.de", true},
      {"anna@example", false},        // no dot after the "@"
      {"anna.meier@example", false},  // a dot before the "@" does not count
      {"anna meier@example.de", false},
      {QStringLiteral("jürgen@example.de"), false},
      {QStringLiteral("strauß@example.de"), false},
      {"a,b@example.de", false},
      {"a;b@example.de", false},
      {"a*b@example.de", false},
      {"a/b@example.de", false},
      {"mailto:a@b.de", false},
      {"HTTP://a@b.de", false},
      {"ftp://x@y.de", false},
      {"@.", false},
      {"@.x", true},
      {"ab", false},
      {"", false},
      {"a?b#c&d@example.de", true},
  };
  for (const auto& [adresse, gueltig] : faelle) EXPECT_EQ(EmailPruefen(adresse), gueltig) << adresse.toStdString();
}

TEST_F(EmailTest, ClassifiesTexts) {
  const QString datei = dateiSchreiben(tempPfad("Liste.TXT"), "x");
  const std::pair<QString, int> faelle[] = {
      {"http://abc.de/x", 0},   // 15 characters
      {"http://abc.de/xy", 8},  // 16
      {"ftp://ftp.example.org/pub", 8},
      {"https://www.example.org", 8},
      {"  https://www.example.org  ", 8},
      {"24.12.1999", 2},
      {"anna@example.de", 4},
      {"ANNA@EXAMPLE.DE", 4},
      {datei, 16},
      {datei.toUpper(), 16},  // looked at in lower case, found whatever its case
      {tempPfad("fehlt.txt"), 0},
      {"Hallo", 0},
      {"", 0},
  };
  for (const auto& [text, art] : faelle) EXPECT_EQ(TextArtErmitteln(text), art) << text.toStdString();
}

TEST_F(EmailTest, OpensWebAndEmailAddressesOnly) {
  const QString programm = dateiSchreiben(tempPfad("gefahr.sh"), "#!/bin/sh\necho boom\n");
  QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString dokument = dateiSchreiben(tempPfad("brief.txt"), "x");
  struct Fall {
    QString text;
    bool geoeffnet;
    QString url;  // fully encoded
  };
  const Fall faelle[] = {
      {" anna@example.de ", true, "mailto:anna@example.de"},
      {"Anna@Example.de", true, "mailto:Anna@Example.de"},
      // "?", "#" and "&" stay in the address: no subject, no second recipient, no fragment.
      {"a?cc=b@x.de#c&d@example.de", true, "mailto:a%3Fcc=b@x.de%23c&d@example.de"},
      {"a?b#c&d@example.de", true, "mailto:a%3Fb%23c&d@example.de"},
      {"mailto: anna@example.de", true, "mailto:anna@example.de"},
      {"MAILTO:anna@example.de", true, "mailto:anna@example.de"},
      {"mailto:kein Name", false, ""},
      {"http://www.example.org/seite?a=1&b=2#teil", true, "http://www.example.org/seite?a=1&b=2#teil"},
      {"https://www.example.org/mit blank", true, "https://www.example.org/mit%20blank"},
      {"FTP://ftp.example.org/pub/x", true, "ftp://ftp.example.org/pub/x"},
      {"Seite: http://www.example.org", false, ""},
      {"file:///etc/passwd http://x", false, ""},
      {"24.12.1999", false, ""},
      {programm, false, ""},
      {dokument, false, ""},
      {"Hallo Welt", false, ""},
  };
  for (const Fall& f : faelle) {
    shell().geoeffnet.clear();
    EXPECT_EQ(AdresseOeffnen(f.text), f.geoeffnet) << f.text.toStdString();
    if (f.geoeffnet) {
      ASSERT_EQ(shell().geoeffnet.size(), 1) << f.text.toStdString();
      EXPECT_EQ(shell().geoeffnet[0].toString(QUrl::FullyEncoded), f.url) << f.text.toStdString();
    } else {
      EXPECT_TRUE(shell().geoeffnet.isEmpty()) << f.text.toStdString();
    }
  }
  EXPECT_TRUE(shell().gestartet.isEmpty());
}

TEST_F(EmailTest, TheShellsOwnFailureStillCountsAsHandedOver) {
  shell().oeffnenGelingt = false;
  EXPECT_TRUE(AdresseOeffnen("anna@example.de"));
}

TEST_F(EmailTest, OnlyAWholeWebAddressBecomesAWebUrl) {
  struct Fall {
    QString text;
    bool www;
    QString url;  // "" for none
  };
  const Fall faelle[] = {
      {"http://www.example.de/auskunft", false, "http://www.example.de/auskunft"},
      {"  https://example.de/x?a=1  ", false, "https://example.de/x?a=1"},
      {"ftp://ftp.example.de/pub", false, "ftp://ftp.example.de/pub"},
      {"www.example.de", true, "http://www.example.de"},
      {"WWW.Example.de/seite", true, "http://www.example.de/seite"},
      {"www.example.de", false, ""},
      {"siehe http://www.example.de", true, ""},
      {"http://www.example.de/mit blank", false, ""},
      {"http://", false, ""},
      {"file:///usr/bin/xterm", true, ""},
      {"/usr/bin/xterm", true, ""},
      {"mailto:anna@example.de", true, ""},
      {"javascript:alert(1)", true, ""},
      {"", true, ""},
      {"   ", true, ""},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(WebAdresseAlsUrl(f.text, f.www).toString(QUrl::FullyEncoded), f.url) << f.text.toStdString();
}

TEST_F(EmailTest, MailtoLinksCarryAddressAndSubjectEncoded) {
  struct Fall {
    QString adresse, betreff, link;
  };
  const Fall faelle[] = {
      {"anna@example.de", "", "mailto:anna@example.de"},
      {"anna@example.de", "Grüße", "mailto:anna@example.de?subject=Gr%C3%BC%C3%9Fe"},
      {"x@y.de?bcc=z@w.de", "Hallo", "mailto:x@y.de%3Fbcc=z@w.de?subject=Hallo"},
      {"anna@example.de", "A & B #1 100%", "mailto:anna@example.de?subject=A%20%26%20B%20%231%20100%25"},
      {"anna@example.de", "a=b+c?", "mailto:anna@example.de?subject=a%3Db%2Bc%3F"},
  };
  for (const Fall& f : faelle) {
    const QUrl url = mailto(f.adresse, f.betreff);
    EXPECT_EQ(url.toString(QUrl::FullyEncoded), f.link) << f.adresse.toStdString();
    // What a mail program reads back out of the link.
    EXPECT_EQ(url.path(QUrl::FullyDecoded), f.adresse);
    const QString betreff = QUrl::fromPercentEncoding(url.query(QUrl::FullyEncoded).mid(8).toLatin1());
    EXPECT_EQ(betreff, f.betreff);
  }
}

TEST_F(EmailTest, ALinkNoProgramTakesIsReported) {
  shell().oeffnenGelingt = true;
  EXPECT_TRUE(LinkOeffnen(mailto("anna@example.de")));
  EXPECT_TRUE(dialoge().requests().isEmpty());
  shell().oeffnenGelingt = false;
  EXPECT_FALSE(LinkOeffnen(QUrl::fromLocalFile(tempPfad("Brief 1.doc"))));
  EXPECT_FALSE(LinkOeffnen(mailto("anna@example.de", "Hallo")));
  ASSERT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[0].text, "Es ist kein Programm eingerichtet, das »Brief 1.doc« öffnen kann.");
  EXPECT_EQ(dialoge().requests()[1].text,
            "Es ist kein Programm eingerichtet, das »mailto:anna@example.de« öffnen kann.");
}
