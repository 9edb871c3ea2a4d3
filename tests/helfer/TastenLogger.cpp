// A stand-in for a telephone-directory program in the keystroke tests: it opens a window, takes the
// keyboard focus and appends each key it gets to "tasten.log" in its current folder: typed characters as
// they are, every other key (and any key with Ctrl or Alt) as "<Name>" ("<Esc>", "<Alt+4>", "<Return>").
// A key without a character is logged as "<?scan code:key symbol>". It writes its process id to "pid" and
// ends by itself 20 seconds after its start.
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>

namespace {

class Logger : public QWidget {
 public:
  bool event(QEvent* e) override {
    // Tab and Backtab reach event() only: the focus chain would take them.
    if (e->type() == QEvent::KeyPress) {
      aufnehmen(static_cast<QKeyEvent*>(e));
      return true;
    }
    return QWidget::event(e);
  }

 private:
  static void aufnehmen(QKeyEvent* k) {
    switch (k->key()) {
      case Qt::Key_Shift:
      case Qt::Key_Control:
      case Qt::Key_Alt:
      case Qt::Key_Meta:
      case Qt::Key_AltGr:
        return;
      default:
        break;
    }
    const QString text = k->text();
    const bool sonder = (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || text.isEmpty() ||
                        text[0].unicode() < 0x20 || text[0].unicode() == 0x7F;
    QString eintrag = text;
    if (sonder) {
      const Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
      eintrag =
          u'<' + QKeySequence(QKeyCombination(mods, Qt::Key(k->key()))).toString(QKeySequence::PortableText) + u'>';
      if (k->key() == 0 || k->key() == Qt::Key_unknown)
        eintrag = QStringLiteral("<?%1:%2>").arg(k->nativeScanCode()).arg(k->nativeVirtualKey(), 0, 16);
    }
    QFile f(QStringLiteral("tasten.log"));
    if (f.open(QIODevice::Append)) f.write(eintrag.toUtf8());
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  {
    QFile pid(QStringLiteral("pid"));
    if (pid.open(QIODevice::WriteOnly)) pid.write(QByteArray::number(QCoreApplication::applicationPid()));
  }
  Logger fenster;
  fenster.setWindowTitle(QStringLiteral("Tastenlogger"));
  fenster.setFocusPolicy(Qt::StrongFocus);
  fenster.resize(320, 200);
  fenster.show();
  // Without a window manager the window takes the focus itself, once it is mapped.
  QTimer fokus;
  QObject::connect(&fokus, &QTimer::timeout, [&] {
    if (QApplication::focusWindow() == fenster.windowHandle()) return;
    fenster.activateWindow();
    fenster.setFocus();
  });
  fokus.start(100);
  QTimer::singleShot(20000, &app, &QCoreApplication::quit);
  return app.exec();
}
