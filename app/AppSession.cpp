// The single running copy (lock file and local socket) and the session's end signals.
#include "app/AppSession.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "framework/Profile.h"

namespace {
const QByteArray ACTIVATE_REQUEST = "activate\n";
const QByteArray ACTIVATE_ANSWER = "ok\n";
// How long a later start waits for the first copy to answer before it runs on its own.
constexpr int ANSWER_WAIT_MS = 5000;

int g_afdSignal[2] = {-1, -1};

void OnSignal(int nSignal)
{
    const int nSavedErrno = errno;
    const char c = char(nSignal);
    // Nothing but a write is safe here; the pipe never blocks (a full one means a signal is queued).
    [[maybe_unused]] const ssize_t n = ::write(g_afdSignal[0], &c, 1);
    errno = nSavedErrno;
}
} // namespace

CSingleInstance::CSingleInstance(const QString& strKey)
{
    QString strFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (strFolder.isEmpty())
        strFolder = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(strKey.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString strBase = strFolder + QStringLiteral("/quillotrix-") + QString::fromLatin1(hash);
    m_strSocketPath = strBase + QStringLiteral(".socket");
    m_pLock = std::make_unique<QLockFile>(strBase + QStringLiteral(".lock"));
    // Never stale by age: a copy may run for days. A lock whose process has died is taken over.
    m_pLock->setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance()
{
    if (m_pServer)
        m_pServer->close();
}

BOOL CSingleInstance::Claim()
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (m_pLock->tryLock(0)) {
            // Ours now: a socket file left by a copy that died goes, and this copy listens.
            QLocalServer::removeServer(m_strSocketPath);
            m_pServer = std::make_unique<QLocalServer>();
            m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
            connect(m_pServer.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
            m_pServer->listen(m_strSocketPath);
            return TRUE;
        }
        // A runtime folder that takes no lock cannot keep copies apart: run.
        if (m_pLock->error() != QLockFile::LockFailedError)
            return TRUE;
        if (AskRunningCopy())
            return FALSE;
        // The first copy may be starting and not yet listening, or just ending.
        if (timer.elapsed() > ANSWER_WAIT_MS)
            return TRUE;
        QThread::msleep(100);
    }
}

BOOL CSingleInstance::AskRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_strSocketPath);
    if (!socket.waitForConnected(1000))
        return FALSE;
    socket.write(ACTIVATE_REQUEST);
    if (!socket.waitForBytesWritten(1000))
        return FALSE;
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(2000))
        answer += socket.readAll();
    return answer == ACTIVATE_ANSWER;
}

void CSingleInstance::OnNewConnection()
{
    while (QLocalSocket* pSocket = m_pServer->nextPendingConnection()) {
        connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        connect(pSocket, &QLocalSocket::readyRead, this, [this, pSocket] {
            if (!pSocket->canReadLine())
                return;
            if (pSocket->readLine() == ACTIVATE_REQUEST) {
                pSocket->write(ACTIVATE_ANSWER);
                pSocket->flush();
                if (m_fnActivate)
                    m_fnActivate();
            }
            pSocket->disconnectFromServer();
        });
    }
}

CSessionSignals::CSessionSignals(std::function<void(int nSignal)> fnSignal) : m_fnSignal(std::move(fnSignal))
{
    if (g_afdSignal[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_afdSignal) != 0)
        return;
    m_pNotifier = std::make_unique<QSocketNotifier>(g_afdSignal[1], QSocketNotifier::Read);
    connect(m_pNotifier.get(), &QSocketNotifier::activated, this, [this] {
        char c = 0;
        while (::read(g_afdSignal[1], &c, 1) == 1) {
            if (m_fnSignal)
                m_fnSignal(int(c));
        }
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int nSignal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(nSignal, &action, nullptr);
}

CSessionSignals::~CSessionSignals()
{
    // Back to the default: a signal after this ends the process as usual.
    for (int nSignal : {SIGTERM, SIGHUP, SIGINT})
        std::signal(nSignal, SIG_DFL);
}

void ActivateMainWindow(CQuillotrixApp& app)
{
    CMainFrame* pFrame = app.GetMainWnd();
    if (!pFrame)
        return;
    pFrame->setWindowState((pFrame->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    pFrame->show();
    pFrame->raise();
    pFrame->activateWindow();
}

int RunQuillotrix(CQuillotrixApp& app, const RunHooks& hooks)
{
    CSingleInstance instance(GetProfileFileName());
    if (!instance.Claim())
        return 0;
    instance.m_fnActivate = [&app, &hooks] {
        ActivateMainWindow(app);
        if (hooks.fnActivated)
            hooks.fnActivated();
    };
    // A second signal while the first is being handled changes nothing: the exit is under way.
    CSessionSignals sessionSignals([&app](int) {
        if (!app.IsSessionEnding())
            app.EndSession();
    });

    app.InitInstance();
    if (hooks.fnStarted)
        hooks.fnStarted(app);
    // A signal taken while a start-up box was open ended only that box's loop: the main loop would
    // forget it, so it is not entered at all.
    const int nResult = app.IsSessionEnding() ? 0 : QCoreApplication::exec();
    app.ExitInstance();
    return nResult;
}
