#pragma once
// Help topics. There is no viewer for the old help files here: each topic is an HTML page installed
// beside the program, named after the help file's base name and the topic's number
// ("Kartulon_1030.html"; the contents page is "Kartulon.html"). The page is opened with the desktop's
// handler for HTML.
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class HelpService {
 public:
  virtual ~HelpService() = default;
  // The page of a help file's topic (thema < 0: the contents page), or "" when none is installed.
  // The help file may be given with or without folder and extension; only its base name counts.
  virtual QString seite(const QString& hilfeDatei, int thema) = 0;
  // Shows a page that seite() found.
  virtual void zeigen(const QString& seite) = 0;
};

namespace Help {
HelpService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<HelpService> install(std::unique_ptr<HelpService> service);
// The folders searched for help pages: the program folder, then the folder of the program file.
QStringList ordner();
// The page's file name for a help file and topic (thema < 0: the contents page).
QString seitenName(const QString& hilfeDatei, int thema);
// The installed page of a help file's topic, "" when there is none.
QString suchen(const QString& hilfeDatei, int thema);
}  // namespace Help
