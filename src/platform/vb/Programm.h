#pragma once
// Ending the program at once (the runtime's End): the registered clean-ups run, then the process ends
// without passing through any window's closing steps (the main window's close saves; this must not).
#include <QString>
#include <functional>

namespace vb::Programm {

// Registers a clean-up that runs when the program ends through Ende(); the last registered runs first.
// A clean-up registered again under the same key replaces the earlier one.
void beimEnde(const QString& schluessel, std::function<void()> aufraeumen);
void beimEndeEntfernen(const QString& schluessel);
// Forgets every clean-up (tests, between cases).
void beimEndeAlleEntfernen();

// Runs the clean-ups (each once) and ends the process with the code. Never returns: with a test handler
// installed, the handler records the end and Ende throws Beendet, which leaves every loop of the caller.
[[noreturn]] void Ende(int code = 0);

// Thrown by Ende when a test handler is installed.
struct Beendet {
  int code = 0;
};

// Runs a command that Qt calls (an action's activation, a window's close request). Those frames of Qt's
// are not exception-safe: unwound, they leak what they hold. A test's end (Beendet) therefore stops here;
// it is recorded by then, and outside tests Ende never returns.
void ausQtAufrufen(const std::function<void()>& befehl);

// Tests: called in place of ending the process (after the clean-ups); an empty handler restores the real
// end.
void setEndeHandler(std::function<void(int code)> handler);
bool hatEndeHandler();

}  // namespace vb::Programm
