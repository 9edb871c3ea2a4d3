#include "platform/dienste/Tastatur.h"
#include "platform/vb/Laufzeitfehler.h"
#include "support/kern/TestUmgebung.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

// The keys as xdotool's key command gets them, joined by blanks; "refused" when the sequence is refused.
QString keys(const QString& folge) {
  const auto tasten = Tastenfolge::lesen(folge);
  if (!tasten) return QStringLiteral("refused");
  QStringList t;
  for (const Taste& k : *tasten) t.append(k.text());
  return t.join(u' ');
}

}  // namespace

TEST(Tastenfolge, ReadsTheNotationIntoKeys) {
  struct Fall {
    const char16_t* folge;
    const char16_t* tasten;
  };
  const Fall faelle[] = {
      {u"~", u"Return"},
      {u"^p", u"ctrl+p"},
      {u"%4{Home}", u"alt+4 Home"},
      {u"{Esc 2}", u"Escape Escape"},
      {u"{Esc 1}", u"Escape"},
      {u"{Tab 4}^v", u"Tab Tab Tab Tab ctrl+v"},
      {u"%s", u"alt+s"},
      {u"+a", u"shift+a"},
      {u"{F2}", u"F2"},
      {u"{F12}{f4}{esc}", u"F12 F4 Escape"},
      {u"", u""},
      {u"^+{Tab 2}", u"ctrl+shift+Tab ctrl+shift+Tab"},
      {u"{Esc 0}", u""},
      // Every other character as it is, by its X11 name.
      {u"Ab 1", u"A b space 1"},
      {u"a.b-c/d", u"a period b minus c slash d"},
      {u"Köln ß", u"K U00F6 l n space U00DF"},
      {u"(x)", u"parenleft x parenright"},
      // Braces around one character are that character.
      {u"{+}{~}{%}{^}{{}{}}", u"plus asciitilde percent asciicircum braceleft braceright"},
      // Refused whole, whatever came before.
      {u"{Foo}", u"refused"},
      {u"abc{Foo}", u"refused"},
      {u"{Tab x}", u"refused"},
      {u"{Tab -1}", u"refused"},
      {u"{Tab 1000}", u"refused"},
      {u"^", u"refused"},
      {u"ab%", u"refused"},
      {u"{Tab", u"refused"},
      {u"x{", u"refused"},
      {u"{}", u"refused"},
      {u"a\x01"
       u"b",
       u"refused"},
  };
  for (const Fall& f : faelle) {
    const QString folge = QString::fromUtf16(f.folge);
    EXPECT_EQ(keys(folge), QString::fromUtf16(f.tasten)) << folge.toStdString();
  }
}

class TastaturTest : public KartulonTest {};

// Without an X11 session the real service sends nothing and says why; a sequence it cannot read is
// refused before that.
TEST_F(TastaturTest, TheRealServiceRefusesOutsideAnX11Session) {
  Tastatur::install(nullptr);
  TastaturService& echt = Tastatur::service();
  EXPECT_EQ(echt.bereitschaft(), vb::ErrTastenNurX11);  // the tests run without a window system
  EXPECT_FALSE(echt.fremderFokus());
  EXPECT_EQ(echt.senden(QStringLiteral("{F2}")), vb::ErrTastenNurX11);
  EXPECT_EQ(echt.tippen(QStringLiteral("Meier")), vb::ErrTastenNurX11);
  EXPECT_EQ(echt.senden(QStringLiteral("{Foo}")), vb::ErrUngueltigerAufruf);
  // Nothing to send needs no session.
  EXPECT_EQ(echt.senden(QString()), 0);
  EXPECT_EQ(echt.tippen(QString()), 0);
  EXPECT_EQ(vb::FehlerBeschreibung(vb::ErrTastenNurX11),
            QStringLiteral("Tastatureingaben an andere Programme sind nur in einer X11-Sitzung möglich, nicht unter "
                           "Wayland."));
  EXPECT_EQ(vb::FehlerBeschreibung(vb::ErrTastenOhneXdotool),
            QStringLiteral("Für Tastatureingaben an andere Programme fehlt das Programm xdotool."));
  EXPECT_EQ(vb::FehlerBeschreibung(vb::ErrTastenOhneFokus),
            QStringLiteral("Kein Fenster eines anderen Programms hat den Fokus erhalten; es wurden keine Tasten "
                           "gesendet."));
}
