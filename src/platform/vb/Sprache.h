#pragma once
// The program speaks German whatever the machine's locale: numbers and dates as in Germany, and the
// dialogs that Qt draws itself (file, colour and font dialogs, the text boxes' context menus) in Qt's
// German translation.
namespace Sprache {
// Sets the German locale and loads Qt's German translation from Qt's translations folder (once; later
// calls change nothing). The program and the test programs call it at start, after the application
// object exists. false when the translation is not installed: Qt's own texts then stay English.
bool einrichten();
}  // namespace Sprache
