#include "platform/vb/Programm.h"

#include <QList>
#include <QPair>
#include <cstdio>
#include <cstdlib>

namespace vb::Programm {
namespace {

QList<QPair<QString, std::function<void()>>>& aufraeumer() {
  static QList<QPair<QString, std::function<void()>>> liste;
  return liste;
}

std::function<void(int)>& handler() {
  static std::function<void(int)> h;
  return h;
}

}  // namespace

void beimEnde(const QString& schluessel, std::function<void()> aufraeumen) {
  beimEndeEntfernen(schluessel);
  aufraeumer().append({schluessel, std::move(aufraeumen)});
}

void beimEndeEntfernen(const QString& schluessel) {
  auto& l = aufraeumer();
  for (qsizetype i = l.size() - 1; i >= 0; --i)
    if (l[i].first == schluessel) l.removeAt(i);
}

void beimEndeAlleEntfernen() { aufraeumer().clear(); }

void Ende(int code) {
  // Taken out of the list first, so that a clean-up that ends the program again cannot run twice.
  auto liste = std::move(aufraeumer());
  aufraeumer().clear();
  for (qsizetype i = liste.size() - 1; i >= 0; --i) {
    try {
      if (liste[i].second) liste[i].second();
    } catch (...) {
      // One failing clean-up must not keep the others from running or the program from ending.
    }
  }
  if (handler()) {
    handler()(code);
    throw Beendet{code};
  }
  std::fflush(nullptr);
  // No destructors of windows or statics: nothing may save or ask on the way out.
  std::_Exit(code);
}

void ausQtAufrufen(const std::function<void()>& befehl) {
  try {
    befehl();
  } catch (const Beendet&) {
  }
}

void setEndeHandler(std::function<void(int)> h) { handler() = std::move(h); }
bool hatEndeHandler() { return static_cast<bool>(handler()); }

}  // namespace vb::Programm
