#pragma once
// The start-up window: a small frameless window with the title and version, the emblem and, on some days
// of the year, a holiday picture. Its timer loads and shows the main window, then the window unloads
// itself. It is the program's start: nothing of the program runs before its load.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"

class Titel : public vb::DialogForm, public vb::DefaultInstance<Titel> {
  Q_OBJECT
 public:
  Titel();
  static Titel& get() { return vb::DefaultInstance<Titel>::get(); }

  vb::Timer* Zeit = nullptr;               // 200 ms: the two ticks
  vb::ControlArray<vb::Image> ImageFeier;  // 0..8: the holiday pictures
  vb::ControlArray<vb::Image> Emblem;      // 0 for 256 colours and more, 1 for 16 colours
  vb::Image* Anzeige = nullptr;            // the sparkle placed when the main window is about to load
  vb::Label* bezInfoDo = nullptr;          // loading text; the statistics while Ctrl is held
  vb::Zeichenflaeche* Flaeche = nullptr;   // what Form_Load prints on the window

  // The window state the window had at its first resize, handed on to the main window.
  short StartFensterstatus = 0;
  short ResizeErledigt = 0;
  float TickZaehler = 0;

  void Form_Load() override;
  void Form_Resize() override;
  // The timer stops with the window, also when the window is unloaded inside its own load.
  void Form_Unload(int& cancel) override;
  void Zeit_Timer();

 protected:
  // The raised edge of a dialog window, which the window system does not draw around a frameless one.
  void paintEvent(QPaintEvent* e) override;

 private:
  // A tick waits in the main window's load, which may show a message box with an event loop of its own:
  // the timer must not start another tick in there.
  bool imTick_ = false;
};
