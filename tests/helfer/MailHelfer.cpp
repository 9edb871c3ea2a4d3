// A stand-in for the desktop's e-mail program and word processor in the end-to-end runs, registered as
// the handler of "mailto:" links and letter documents in the test's own XDG folders. A document is
// logged as "open:<path>" and the program ends. A "mailto:" link opens a window with five fields (To,
// Cc, Bcc, subject, text) filled from the link, the first with the focus; Alt+S logs the link, the keys
// it got, the fields and ends. The log is the file named by KARTULON_MAIL_LOG. It ends by itself after
// 30 seconds.
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWidget>

namespace {

void loggen(const QString& text) {
  QFile f(qEnvironmentVariable("KARTULON_MAIL_LOG"));
  if (f.open(QIODevice::Append)) f.write(text.toUtf8());
}

// Every key the window's fields get, as "<Name>" with its modifiers.
class Tastenprotokoll : public QObject {
 public:
  QString tasten;

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && obj->isWidgetType()) {
      auto* k = static_cast<QKeyEvent*>(e);
      if (k->key() != Qt::Key_Shift && k->key() != Qt::Key_Control && k->key() != Qt::Key_Alt && !k->isAutoRepeat()) {
        const auto mods = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        tasten +=
            u'<' + QKeySequence(QKeyCombination(mods, Qt::Key(k->key()))).toString(QKeySequence::PortableText) + u'>';
      }
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString argument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  const QUrl url(argument);
  if (url.scheme() != QStringLiteral("mailto")) {
    loggen(QStringLiteral("open:") + (url.isLocalFile() ? url.toLocalFile() : argument) + u'\n');
    return 0;
  }

  QWidget fenster;
  fenster.setWindowTitle(QStringLiteral("Neue Nachricht"));
  auto* layout = new QVBoxLayout(&fenster);
  QLineEdit* felder[4];
  for (auto*& f : felder) layout->addWidget(f = new QLineEdit(&fenster));
  auto* text = new QPlainTextEdit(&fenster);
  layout->addWidget(text);
  felder[0]->setText(url.path(QUrl::FullyDecoded));
  felder[3]->setText(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded));
  Tastenprotokoll protokoll;
  app.installEventFilter(&protokoll);

  auto* senden = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), &fenster);
  QObject::connect(senden, &QShortcut::activated, [&] {
    loggen(QStringLiteral("link:") + argument + QStringLiteral("\nkeys:") + protokoll.tasten + QStringLiteral("\nto:") +
           felder[0]->text() + QStringLiteral("\ncc:") + felder[1]->text() + QStringLiteral("\nbcc:") +
           felder[2]->text() + QStringLiteral("\nsubject:") + felder[3]->text() + QStringLiteral("\ntext:") +
           text->toPlainText() + QStringLiteral("\nend\n"));
    app.quit();
  });
  fenster.resize(480, 320);
  fenster.show();
  // Without a window manager the window takes the focus itself, once it is mapped.
  QTimer fokus;
  QObject::connect(&fokus, &QTimer::timeout, [&] {
    if (QApplication::focusWindow() == fenster.windowHandle()) return;
    fenster.activateWindow();
    felder[0]->setFocus();
  });
  fokus.start(100);
  felder[0]->setFocus();
  QTimer::singleShot(30000, &app, &QCoreApplication::quit);
  return app.exec();
}
