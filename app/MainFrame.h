// CMainFrame: the program's window: menu bar, tool bar with the About button, and the screen host.
#pragma once
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

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

protected:
    // The window's close box asks about a running game as Exit does.
    void closeEvent(QCloseEvent* pEvent) override;

private:
    // Closes without asking again (Exit has asked already; Ctrl+Q never asks).
    void CloseConfirmed();
    QAction* AddCommand(QMenu* pMenu, const QString& strText, UINT nID, bool bEnabled = true);

    // In the order the handheld kept them: command bar, screen host, tool tips.
    QMenuBar* m_pMenuBar = nullptr;
    QToolBar* m_pToolBar = nullptr;
    CScreenHostWnd m_wndScreenHost;
    QString m_strToolTips[3];
    CQuillotrixApp* m_pApp;
    bool m_bCloseConfirmed = false;
};
