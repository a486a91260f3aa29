// The help viewer: the desktop's URL opener showing the help file of the program folder.
#include "framework/Help.h"

#include <QDir>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "framework/Files.h"
#include "framework/MessageBox.h"

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

namespace {
// The player is told where the help file is when the desktop's opener cannot show it: missing,
// failing to start, or ending in failure (no browser) soon after. An opener still running after
// a while has handed the page to a browser and is left alone.
void OpenWithDesktop(const QUrl& url, const QString& strHelpFile)
{
    auto* pProcess = new QProcess;
    bool* pbTold = new bool(false);
    const auto fnTell = [pbTold, strHelpFile] {
        if (*pbTold)
            return;
        *pbTold = true;
        QxMessageBox(QStringLiteral("The help could not be opened.  Open this file in a web browser:\n%1")
                         .arg(QDir::toNativeSeparators(strHelpFile)));
    };
    QObject::connect(pProcess, &QProcess::errorOccurred, [pProcess, fnTell](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            fnTell();
            pProcess->deleteLater();
        }
    });
    QObject::connect(pProcess, &QProcess::finished, [pProcess, fnTell](int nExit, QProcess::ExitStatus status) {
        if (nExit != 0 || status != QProcess::NormalExit)
            fnTell();
        pProcess->deleteLater();
    });
    QObject::connect(pProcess, &QObject::destroyed, [pbTold] { delete pbTold; });
    pProcess->setProgram(QStringLiteral("xdg-open"));
    pProcess->setArguments({url.toString(QUrl::FullyEncoded)});
    pProcess->setStandardInputFile(QProcess::nullDevice());
    pProcess->setStandardOutputFile(QProcess::nullDevice());
    pProcess->setStandardErrorFile(QProcess::nullDevice());
    pProcess->start();
    // A browser the opener runs in the foreground keeps it going: stop watching it then.
    QPointer<QProcess> watched(pProcess);
    QTimer::singleShot(30000, [watched] {
        if (watched && watched->state() != QProcess::NotRunning) {
            watched->disconnect();
            QObject::connect(watched.data(), &QProcess::finished, watched.data(), &QObject::deleteLater);
        }
    });
}
} // namespace

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
            OpenWithDesktop(QUrl::fromLocalFile(strPage), url.toLocalFile());
            return;
        }
    }
    OpenWithDesktop(url, url.toLocalFile());
}
