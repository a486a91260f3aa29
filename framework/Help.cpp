// The help viewer: the desktop's URL opener showing the help file of the program folder.
#include "framework/Help.h"

#include <QDesktopServices>

#include "framework/Files.h"

namespace {
HelpViewerStarter& Starter()
{
    static HelpViewerStarter s_starter;
    return s_starter;
}
} // namespace

void SetHelpViewerStarter(HelpViewerStarter starter) { Starter() = std::move(starter); }

QUrl HelpUrlFromCommandLine(const QString& strCommandLine)
{
    QString line = strCommandLine.trimmed();
    if (line.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        line = line.mid(5);
    const int nHash = line.indexOf(QLatin1Char('#'));
    const QString strFile = nHash < 0 ? line : line.left(nHash);
    const QString strAnchor = nHash < 0 ? QString() : line.mid(nHash + 1);
    // Only a plain file name in the program folder is opened, never a path elsewhere.
    if (strFile.isEmpty() || strFile.contains(QLatin1Char('/')) || strFile.contains(QLatin1Char('\\')))
        return QUrl();
    QUrl url = QUrl::fromLocalFile(FindFileCaseBlind(GetProgramFolder() + strFile));
    if (!strAnchor.isEmpty())
        url.setFragment(strAnchor);
    return url;
}

void StartHelpViewer(const QString& strCommandLine)
{
    if (Starter()) {
        Starter()(strCommandLine);
        return;
    }
    const QUrl url = HelpUrlFromCommandLine(strCommandLine);
    if (url.isValid() && !url.isEmpty())
        QDesktopServices::openUrl(url);
}
