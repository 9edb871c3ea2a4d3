#pragma once
// The controls of the printing dialogs, made and placed in twips in one call each.
#include "platform/kit/Controls.h"
#include "platform/kit/Twips.h"

namespace druckformen {

inline vb::Frame* rahmen(QWidget* eltern, const char* name, const QString& titel, int l, int t, int w, int h) {
  auto* r = new vb::Frame(eltern);
  r->setObjectName(QString::fromUtf8(name));
  r->setCaption(titel);
  Twips::setzen(r, l, t, w, h);
  return r;
}

// A combo box of the style (0 to type in, 2 a drop-down list), one line high.
inline vb::ComboBox* kombi(QWidget* eltern, const char* name, int style, int l, int t, int w) {
  auto* c = new vb::ComboBox(eltern, style);
  c->setObjectName(QString::fromUtf8(name));
  Twips::setzen(c, l, t, w, 315);
  return c;
}

// A label whose access key leads to the control zu.
inline vb::Label* beschriftung(QWidget* eltern, const char* name, const QString& text, int l, int t, int w,
                               QWidget* zu) {
  auto* b = new vb::Label(eltern);
  b->setObjectName(QString::fromUtf8(name));
  b->setCaption(text);
  b->setBuddy(zu);
  Twips::setzen(b, l, t, w, 255);
  return b;
}

}  // namespace druckformen
