// CMainFrame: the program's window: menu bar, tool bar with the About button, the screen host
// filling the rest at any size, and the status line.
#pragma once
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <array>

#include "app/ScreenHostWnd.h"

class CQuillotrixApp;
class QAction;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuillotrixApp* pApp);
    ~CMainFrame() override;

    // Builds the command bar and the screen host; FALSE when either cannot be made.
    BOOL Create();
    void ShowAndPaint();

    // Offered to the screen host first, then to the application (About).
    void OnCommand(UINT nID);
    // F1: the help viewer at the visible screen's anchor.
    void OnHelp();
    // The menu item of a command, for tests and for enabling.
    QAction* FindCommand(UINT nID) const;

    CScreenHostWnd& GetScreenHost() { return m_wndScreenHost; }

    // The status line: a lasting text, and notices that cover it for a while (0: until cleared).
    void SetStatusText(const QString& strText);
    void ShowNotice(const QString& strText, int nMilliseconds = 3000);
    void ClearNotice();
    QString GetStatusText() const;
    QString GetNotice() const;

    // F11: fullscreen and back.
    void ToggleFullScreen();
    // The size, place and fullscreen state of the last run ("WindowGeometry"), or on a first start
    // the largest size that fits about 85 % of the available screen.
    void RestoreWindowGeometry();
    void SaveWindowGeometry();

    // The desktop tells us when the program goes behind another one or comes back.
    void OnApplicationStateChanged(Qt::ApplicationState state);
    BOOL IsAway() const { return m_bAway; }

protected:
    // Letter keys spell the word being traced in the visible game.
    void keyPressEvent(QKeyEvent* pEvent) override;
    // The window's close box asks about a running game as Exit does.
    void closeEvent(QCloseEvent* pEvent) override;
    // Minimising holds the games.
    void changeEvent(QEvent* pEvent) override;

private:
    // Closes without asking again (Exit has asked already; Ctrl+Q never asks).
    void CloseConfirmed();
    QAction* AddCommand(QMenu* pMenu, const QString& strText, UINT nID, bool bEnabled = true);
    QAction* AddPlayCommand(QMenu* pMenu, const QString& strText, CGameWnd::EGameCommand eCommand,
                            const QList<QKeySequence>& aKeys);
    void UpdatePlayCommands();
    // Show All Words is offered while Tessaryl shows a cube.
    void UpdateShowAllWords();
    // Away while minimised or while another program is in front; the games hold their clocks.
    void UpdateAway();

    // In the order the handheld kept them: command bar, screen host, tool tips.
    QMenuBar* m_pMenuBar = nullptr;
    QToolBar* m_pToolBar = nullptr;
    CScreenHostWnd m_wndScreenHost;
    QString m_strToolTips[3];
    QStatusBar* m_pStatusBar = nullptr;
    class QLabel* m_pStatusText = nullptr;
    CQuillotrixApp* m_pApp;
    bool m_bCloseConfirmed = false;
    std::array<QAction*, CGameWnd::GAMECMD_NEWLETTERS + 1> m_apPlayCommands{};
    bool m_bAppActive = true;
    BOOL m_bAway = FALSE;
};
