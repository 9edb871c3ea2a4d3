#pragma once
// Dialling the shown address's number: through a modem on a serial port, or by handing it to the
// desktop's dialler. The choices of port and dial string are stored on every way out. The dialog hides
// itself; the main window's command unloads it.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"

class Telewahl : public vb::DialogForm, public vb::DefaultInstance<Telewahl> {
  Q_OBJECT
 public:
  Telewahl();
  static Telewahl& get() { return vb::DefaultInstance<Telewahl>::get(); }

  vb::Label* bezNummer = nullptr;
  vb::TextBox* txtNummer = nullptr;
  vb::Label* bezModem = nullptr;
  vb::ComboBox* kombiModem = nullptr;  // a serial port, a device path or the desktop's dialler
  vb::Label* bezString = nullptr;
  vb::ComboBox* kombiString = nullptr;  // the dial command, a ";" and a comment
  vb::Label* bezHinweis = nullptr;
  vb::CommandButton* befWählen = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;

  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void befWählen_Click();
  void befAbbrechen_Click();

  // True while a dialling runs (the dialog then refuses to be unloaded).
  bool waehlt() const { return waehlt_; }

 private:
  void Meldung(const QString& text);
  void Waehlhilfe(const QString& zeichen);
  void Modem(const QString& portText, const QByteArray& befehl);
  void KnoepfeFreigeben(bool an);

  bool waehlt_ = false;
  bool abbruch_ = false;  // the close box during the wait for the modem
};
