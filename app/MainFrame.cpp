// The frame's menus, tool bar, accelerators and command routing.
#include "app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>

#include "app/QuillotrixApp.h"
#include "framework/Help.h"
#include "framework/MessageBox.h"
#include "framework/Profile.h"
#include "framework/Scale.h"
#include "graphics/BitmapResource.h"

namespace {
const QString GEOMETRY_ENTRY = QStringLiteral("WindowGeometry");
} // namespace

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
    // The screen host fills the client area and shows the handheld's screen as large as fits.
    if (!m_wndScreenHost.Create(static_cast<QWidget*>(this), AFX_IDW_PANE_FIRST, CRect(0, 0, 240, 268), TRUE))
        return FALSE;
    QWidget* pHost = m_wndScreenHost.GetSafeHwnd();
    pHost->setMinimumSize(120, 134);
    pHost->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    pHost->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(pHost);
    setFocusProxy(pHost);
    SetMessageBoxParent(pHost);
    m_wndScreenHost.m_fnPostClose = [this] { QMetaObject::invokeMethod(this, &CMainFrame::CloseConfirmed, Qt::QueuedConnection); };

    m_pMenuBar = new QMenuBar(this);
    // Access keys on every menu and item; the accelerators a desktop player expects.
    QMenu* pFile = m_pMenuBar->addMenu(QStringLiteral("&File"));
    AddCommand(pFile, QStringLiteral("&New Game"), ID_FILE_NEWGAME)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(pFile, QStringLiteral("&Open Game"), ID_FILE_OPENGAME)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AddCommand(pFile, QStringLiteral("&Save Game"), ID_FILE_SAVEGAME)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddCommand(pFile, QStringLiteral("&Quit Game"), ID_FILE_QUITGAME);
    pFile->addSeparator();
    AddCommand(pFile, QStringLiteral("E&xit"), ID_FILE_EXIT);
    QMenu* pGame = m_pMenuBar->addMenu(QStringLiteral("&Game"));
    AddCommand(pGame, QStringLiteral("&Main Screen"), ID_GAME_MAINSCREEN);
    AddCommand(pGame, QStringLiteral("&Tessaryl"), ID_GAME_TESSARYL);
    AddCommand(pGame, QStringLiteral("&Spanwright"), ID_GAME_SPANWRIGHT);
    AddCommand(pGame, QStringLiteral("&Cascadio"), ID_GAME_CASCADIO);
    // The game's own buttons, with keys that never spell: letters go to the word being traced.
    // The keypad's Enter comes first only so that the menu names the key as players do.
    pGame->addSeparator();
    AddPlayCommand(pGame, QStringLiteral("S&ubmit Word"), CGameWnd::GAMECMD_SUBMIT,
                   {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    AddPlayCommand(pGame, QStringLiteral("Take &Back a Letter"), CGameWnd::GAMECMD_TAKEBACK, {QKeySequence(Qt::Key_Backspace)});
    AddPlayCommand(pGame, QStringLiteral("Cl&ear the Word"), CGameWnd::GAMECMD_CLEARWORD, {QKeySequence(Qt::Key_Escape)});
    AddPlayCommand(pGame, QStringLiteral("&Hint"), CGameWnd::GAMECMD_HINT, {QKeySequence(Qt::Key_Question)});
    AddPlayCommand(pGame, QStringLiteral("&Pause"), CGameWnd::GAMECMD_PAUSE,
                   {QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    AddPlayCommand(pGame, QStringLiteral("&New Letters"), CGameWnd::GAMECMD_NEWLETTERS, {QKeySequence(Qt::Key_F5)});
    pGame->addSeparator();
    AddCommand(pGame, QStringLiteral("Show &All Words"), ID_GAME_SHOWALLWORDS, false)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_wndScreenHost.m_fnCommandsChanged = [this] {
        UpdatePlayCommands();
        UpdateShowAllWords();
    };
    UpdatePlayCommands();
    QMenu* pTools = m_pMenuBar->addMenu(QStringLiteral("&Tools"));
    AddCommand(pTools, QStringLiteral("&About Quillotrix..."), ID_APP_ABOUT);
    AddCommand(pTools, QStringLiteral("&Preferences..."), ID_TOOLS_PREFERENCES);
    AddCommand(pTools, QStringLiteral("&High Scores..."), ID_TOOLS_HIGHSCORES)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    AddCommand(pTools, QStringLiteral("&Reset High Scores"), ID_TOOLS_RESETHIGHSCORES);
    QMenu* pHelpMenu = m_pMenuBar->addMenu(QStringLiteral("&Help"));
    // F1 itself is a window-wide shortcut (below), so the item only names it.
    QAction* pContents = pHelpMenu->addAction(QStringLiteral("&Contents\tF1"));
    connect(pContents, &QAction::triggered, this, &CMainFrame::OnHelp);
    QAction* pHelpAbout = pHelpMenu->addAction(QStringLiteral("&About Quillotrix..."));
    connect(pHelpAbout, &QAction::triggered, this, [this] { OnCommand(ID_APP_ABOUT); });
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
    auto* pFullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(pFullScreen, &QShortcut::activated, this, &CMainFrame::ToggleFullScreen);

    m_pStatusBar = new QStatusBar(this);
    m_pStatusText = new QLabel(m_pStatusBar);
    m_pStatusBar->addWidget(m_pStatusText, 1);
    setStatusBar(m_pStatusBar);
    m_wndScreenHost.m_fnStatusText = [this](const QString& strText) { SetStatusText(strText); };
    m_wndScreenHost.m_fnNotice = [this](const QString& strText) { ShowNotice(strText); };

    if (auto* pGuiApp = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(pGuiApp, &QGuiApplication::applicationStateChanged, this, &CMainFrame::OnApplicationStateChanged);
    return TRUE;
}

void CMainFrame::SetStatusText(const QString& strText)
{
    if (m_pStatusText)
        m_pStatusText->setText(strText);
}

void CMainFrame::ShowNotice(const QString& strText, int nMilliseconds)
{
    if (m_pStatusBar)
        m_pStatusBar->showMessage(strText, std::max(0, nMilliseconds));
}

void CMainFrame::ClearNotice()
{
    if (m_pStatusBar)
        m_pStatusBar->clearMessage();
}

QString CMainFrame::GetStatusText() const { return m_pStatusText ? m_pStatusText->text() : QString(); }
QString CMainFrame::GetNotice() const { return m_pStatusBar ? m_pStatusBar->currentMessage() : QString(); }

void CMainFrame::ToggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

void CMainFrame::RestoreWindowGeometry()
{
    const QByteArray geometry = QByteArray::fromBase64(GetProfileString(SETTINGS_SECTION, GEOMETRY_ENTRY).toLatin1());
    if (!geometry.isEmpty() && restoreGeometry(geometry))
        return;
    const QScreen* pScreen = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pScreen)
        return;
    // The bars keep the desktop's own size; only the screens grow.
    int nBars = 0;
    for (QWidget* pBar : std::initializer_list<QWidget*>{m_pMenuBar, m_pToolBar, m_pStatusBar})
        if (pBar)
            nBars += pBar->sizeHint().height();
    setGeometry(FirstWindowGeometry(pScreen->availableGeometry(), QSize(0, nBars), 240, 268));
}

void CMainFrame::SaveWindowGeometry()
{
    WriteProfileString(SETTINGS_SECTION, GEOMETRY_ENTRY, QString::fromLatin1(saveGeometry().toBase64()));
}

void CMainFrame::changeEvent(QEvent* pEvent)
{
    QMainWindow::changeEvent(pEvent);
    if (pEvent->type() == QEvent::WindowStateChange)
        UpdateAway();
}

void CMainFrame::OnApplicationStateChanged(Qt::ApplicationState state)
{
    // Hidden and suspended count as away too; only an active program is played.
    m_bAppActive = state == Qt::ApplicationActive;
    UpdateAway();
}

void CMainFrame::UpdateAway()
{
    const BOOL bAway = isMinimized() || !m_bAppActive;
    if (bAway == m_bAway)
        return;
    m_bAway = bAway;
    m_wndScreenHost.SetAway(bAway);
    if (bAway && m_wndScreenHost.GetVisibleGame())
        ShowNotice(QStringLiteral("Game paused"), 0);
    else
        ClearNotice();
}

void CMainFrame::ShowAndPaint()
{
    RestoreWindowGeometry();
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
    SaveWindowGeometry();
    // Leaving ends every game in play: each counts in the records, the window still there for
    // the name box.
    m_wndScreenHost.CountGamesInPlay(!m_pApp || !m_pApp->IsSessionEnding());
    QMainWindow::closeEvent(pEvent);
}

void CMainFrame::OnCommand(UINT nID)
{
    if (m_wndScreenHost.OnCommand(nID))
        return;
    if (nID == ID_APP_ABOUT && m_pApp)
        m_pApp->OnAppAbout();
}

QAction* CMainFrame::AddPlayCommand(QMenu* pMenu, const QString& strText, CGameWnd::EGameCommand eCommand,
                                    const QList<QKeySequence>& aKeys)
{
    QAction* pAction = pMenu->addAction(strText);
    pAction->setShortcuts(aKeys);
    // The window's own shortcuts: a list or panel with the focus must not take Enter or Backspace.
    pAction->setShortcutContext(Qt::WindowShortcut);
    connect(pAction, &QAction::triggered, this, [this, eCommand] {
        m_wndScreenHost.DoGameCommand(eCommand);
        m_wndScreenHost.UpdateStatusLine();
    });
    m_apPlayCommands[eCommand] = pAction;
    return pAction;
}

void CMainFrame::UpdatePlayCommands()
{
    // Enabled for what the visible game has, whatever its state: the game itself ignores a command
    // that cannot apply now, and a disabled action's key would not reach it. The word review has
    // ended its game and takes the keys itself (Escape closes it, the arrows walk its list).
    CGameWnd* pGame = m_wndScreenHost.GetOpenWordReview() ? nullptr : m_wndScreenHost.GetVisibleGame();
    for (size_t i = 0; i < m_apPlayCommands.size(); ++i) {
        if (m_apPlayCommands[i])
            m_apPlayCommands[i]->setEnabled(pGame && pGame->HasCommand(CGameWnd::EGameCommand(i)));
    }
}

void CMainFrame::keyPressEvent(QKeyEvent* pEvent)
{
    const QString strText = pEvent->text();
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QChar ch = strText.size() == 1 ? strText[0].toLower() : QChar();
    if (modifiers != Qt::NoModifier || ch < QLatin1Char('a') || ch > QLatin1Char('z')) {
        QMainWindow::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
    CGameWnd* pGame = m_wndScreenHost.GetVisibleGame();
    if (!pGame || !pGame->TakesKeys())
        return;
    if (!m_wndScreenHost.TypeLetter(ch))
        ShowNotice(QStringLiteral("No free \"%1\" fits the word").arg(ch.toUpper()), 1500);
}

void CMainFrame::UpdateShowAllWords()
{
    // The shortcut works only while the item is enabled, so it follows every change, not only
    // the opening of the menu.
    if (QAction* pAction = FindCommand(ID_GAME_SHOWALLWORDS))
        pAction->setEnabled(m_wndScreenHost.CanShowAllWords());
}

void CMainFrame::OnHelp() { StartHelpViewer(m_wndScreenHost.GetHelpCommandLine()); }
