// What the process does around the application object: one copy per user (a later start brings
// the running window to the front and leaves), and the session's end signals (SIGTERM, SIGHUP,
// SIGINT) turned into the program's normal exit.
#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "framework/Types.h"

class CQuillotrixApp;
class QLocalServer;
class QLockFile;
class QSocketNotifier;

// One running copy per user and settings file: a lock file and a local socket in the runtime
// folder. The first copy holds the lock and listens; a later one finds the lock taken, asks the
// first through the socket to come to the front and leaves.
class CSingleInstance : public QObject {
public:
    // strKey tells the copies apart that may run side by side (the settings file's path).
    explicit CSingleInstance(const QString& strKey);
    ~CSingleInstance() override;

    // TRUE: this copy goes on (the first, or one that found no first copy answering within a few
    // seconds; writes are merged, so two copies lose nothing). FALSE: the running copy was told.
    BOOL Claim();
    // Called in the first copy when a later start asks it to come to the front.
    std::function<void()> m_fnActivate;

    QString GetSocketPath() const { return m_strSocketPath; }

private:
    void OnNewConnection();
    BOOL AskRunningCopy();

    QString m_strSocketPath;
    std::unique_ptr<QLockFile> m_pLock;
    std::unique_ptr<QLocalServer> m_pServer;
};

// SIGTERM, SIGHUP and SIGINT arrive through a pipe that the event loop watches, so that the work
// they start runs as ordinary code, never inside the signal handler.
class CSessionSignals : public QObject {
public:
    explicit CSessionSignals(std::function<void(int nSignal)> fnSignal);
    ~CSessionSignals() override;

private:
    std::function<void(int)> m_fnSignal;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
};

// What a test program adds to a run: called once the window is up, and when a later start has
// brought it to the front.
struct RunHooks {
    std::function<void(CQuillotrixApp&)> fnStarted;
    std::function<void()> fnActivated;
};
// Runs the program: claims the single instance, starts, runs the event loop and exits as the
// application object says.
int RunQuillotrix(CQuillotrixApp& app, const RunHooks& hooks = {});
// Brings the frame to the front, from the taskbar if minimised.
void ActivateMainWindow(CQuillotrixApp& app);
