// The help viewer: the desktop's URL opener showing the help file of the program folder.
#include "framework/Help.h"

#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>

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
    // Only a plain file name among the program's files is opened, never a path elsewhere.
    if (strFile.isEmpty() || strFile.contains(QLatin1Char('/')) || strFile.contains(QLatin1Char('\\')))
        return QUrl();
    QUrl url = QUrl::fromLocalFile(FindFileCaseBlind(GetProgramFilesFolder() + strFile));
    if (!strAnchor.isEmpty())
        url.setFragment(strAnchor);
    return url;
}

QByteArray HelpRedirectPage(const QUrl& url)
{
    const QByteArray target = url.toEncoded().replace('"', "%22").replace('<', "%3C").replace('>', "%3E");
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"refresh\" content=\"0; url=" + target + "\">\n"
           "<title>Quillotrix Help</title></head>\n"
           "<body><a href=\"" + target + "\">Quillotrix Help</a></body></html>\n";
}

void StartHelpViewer(const QString& strCommandLine)
{
    if (Starter()) {
        Starter()(strCommandLine);
        return;
    }
    const QUrl url = HelpUrlFromCommandLine(strCommandLine);
    if (!url.isValid() || url.isEmpty())
        return;
    if (url.hasFragment()) {
        const QString strFolder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        const QString strPage = strFolder + QStringLiteral("/help.htm");
        if (QDir().mkpath(strFolder) && WriteFileReplacing(strPage, HelpRedirectPage(url))) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(strPage));
            return;
        }
    }
    QDesktopServices::openUrl(url);
}
