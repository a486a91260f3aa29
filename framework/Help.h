// Starting the help viewer with a command line such as "file:Quillotrix.htm#Tessaryl".
#pragma once
#include <QString>
#include <QUrl>
#include <functional>

// Passes the command line, exactly as given, to the viewer start; never waits. When the desktop
// cannot show the page, a message names the help file so the player can open it by hand.
void StartHelpViewer(const QString& strCommandLine);

// Tests replace the start to read the command line; an empty function restores the real one.
using HelpViewerStarter = std::function<void(const QString& strCommandLine)>;
void SetHelpViewerStarter(HelpViewerStarter starter);

// The file the command line names, found case-blind in the program folder, with its anchor.
// Empty when the command line names no file.
QUrl HelpUrlFromCommandLine(const QString& strCommandLine);

// A small page that forwards to the URL, anchor included: desktop openers drop the anchor of a
// file URL, but not the one a page sends the browser on to.
QByteArray HelpRedirectPage(const QUrl& url);
