// The frame's menus, tool bar, accelerators and command routing.
#include "app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QShortcut>

#include "app/QuillotrixApp.h"
#include "framework/Help.h"
#include "framework/MessageBox.h"
#include "graphics/BitmapResource.h"

CMainFrame::CMainFrame(CQuillotrixApp* pApp) : m_wndScreenHost(pApp), m_pApp(pApp)
{
    setWindowTitle(QStringLiteral("Quillotrix"));
    m_strToolTips[0] = QStringLiteral("File");
    m_strToolTips[1] = QStringLiteral("Help");
    m_strToolTips[2] = QStringLiteral("About");
}

CMainFrame::~CMainFrame()
{
    SetMessageBoxParent(nullptr);
}

QAction* CMainFrame::AddCommand(QMenu* pMenu, const QString& strText, UINT nID, bool bEnabled)
{
    QAction* pAction = pMenu->addAction(strText);
    pAction->setData(nID);
    pAction->setEnabled(bEnabled);
    connect(pAction, &QAction::triggered, this, [this, nID] { OnCommand(nID); });
    return pAction;
}

QAction* CMainFrame::FindCommand(UINT nID) const
{
    for (QAction* pAction : findChildren<QAction*>())
        if (pAction->data().isValid() && pAction->data().toUInt() == nID)
            return pAction;
    return nullptr;
}

BOOL CMainFrame::Create()
{
    // The screen host fills the client area with exactly the handheld's screen.
    if (!m_wndScreenHost.Create(static_cast<QWidget*>(this), AFX_IDW_PANE_FIRST, CRect(0, 0, 240, 268), TRUE))
        return FALSE;
    QWidget* pHost = m_wndScreenHost.GetSafeHwnd();
    pHost->setFixedSize(240, 268);
    pHost->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(pHost);
    setFocusProxy(pHost);
    SetMessageBoxParent(pHost);
    m_wndScreenHost.m_fnPostClose = [this] { QMetaObject::invokeMethod(this, &CMainFrame::CloseConfirmed, Qt::QueuedConnection); };

    m_pMenuBar = new QMenuBar(this);
    QMenu* pFile = m_pMenuBar->addMenu(QStringLiteral("File"));
    AddCommand(pFile, QStringLiteral("New Game"), ID_FILE_NEWGAME);
    AddCommand(pFile, QStringLiteral("Open Game"), ID_FILE_OPENGAME);
    AddCommand(pFile, QStringLiteral("Save Game"), ID_FILE_SAVEGAME);
    AddCommand(pFile, QStringLiteral("Quit Game"), ID_FILE_QUITGAME);
    pFile->addSeparator();
    AddCommand(pFile, QStringLiteral("Exit"), ID_FILE_EXIT);
    QMenu* pGame = m_pMenuBar->addMenu(QStringLiteral("Game"));
    AddCommand(pGame, QStringLiteral("Main Screen"), ID_GAME_MAINSCREEN);
    AddCommand(pGame, QStringLiteral("Tessaryl"), ID_GAME_TESSARYL);
    AddCommand(pGame, QStringLiteral("Spanwright"), ID_GAME_SPANWRIGHT);
    AddCommand(pGame, QStringLiteral("Cascadio"), ID_GAME_CASCADIO);
    QMenu* pTools = m_pMenuBar->addMenu(QStringLiteral("Tools"));
    AddCommand(pTools, QStringLiteral("About Quillotrix..."), ID_APP_ABOUT);
    AddCommand(pTools, QStringLiteral("Preferences..."), ID_TOOLS_PREFERENCES);
    AddCommand(pTools, QStringLiteral("Reset High Scores"), ID_TOOLS_RESETHIGHSCORES);
    pFile->menuAction()->setToolTip(m_strToolTips[0]);
    setMenuBar(m_pMenuBar);

    m_pToolBar = new QToolBar(this);
    m_pToolBar->setMovable(false);
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setFloatable(false);
    m_pToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    CBitmap bmpIcon;
    if (LoadBitmapResource(bmpIcon, 159))
        setWindowIcon(QIcon(QPixmap::fromImage(bmpIcon.GetImage())));
    CBitmap bmpAbout;
    QIcon icon;
    if (LoadBitmapResource(bmpAbout, 128))
        icon = QIcon(QPixmap::fromImage(bmpAbout.GetImage()));
    QAction* pAbout = m_pToolBar->addAction(icon, QStringLiteral("?"));
    pAbout->setData(ID_APP_ABOUT);
    pAbout->setToolTip(m_strToolTips[2]);
    pAbout->setStatusTip(m_strToolTips[1]);
    connect(pAbout, &QAction::triggered, this, [this] { OnCommand(ID_APP_ABOUT); });
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    // Ctrl+Q leaves at once, without the running-game question of Exit.
    auto* pQuit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(pQuit, &QShortcut::activated, this, &CMainFrame::CloseConfirmed);
    auto* pHelp = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(pHelp, &QShortcut::activated, this, &CMainFrame::OnHelp);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    return TRUE;
}

void CMainFrame::ShowAndPaint()
{
    show();
    m_wndScreenHost.SetFocus();
    repaint();
}

void CMainFrame::CloseConfirmed()
{
    m_bCloseConfirmed = true;
    if (!close())
        m_bCloseConfirmed = false;
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (!m_bCloseConfirmed && !m_wndScreenHost.ConfirmQuitWhileRunning()) {
        pEvent->ignore();
        return;
    }
    QMainWindow::closeEvent(pEvent);
}

void CMainFrame::OnCommand(UINT nID)
{
    if (m_wndScreenHost.OnCommand(nID))
        return;
    if (nID == ID_APP_ABOUT && m_pApp)
        m_pApp->OnAppAbout();
}

void CMainFrame::OnHelp() { StartHelpViewer(m_wndScreenHost.GetHelpCommandLine()); }
