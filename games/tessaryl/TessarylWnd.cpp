// CTessarylWnd: construction, the operations the shell drives, and showing what the game changed.
#include "games/tessaryl/TessarylWnd.h"

#include "games/AppSettings.h"
#include "graphics/BitmapResource.h"

CTessarylWnd::CTessarylWnd()
{
    LoadBitmapResource(m_bmpSubmit, 133);
    LoadBitmapResource(m_bmpBack, 134);
    LoadBitmapResource(m_bmpHint, 132);
    LoadBitmapResource(m_bmpDigits, 160);
    // The add-word question is a box like the game's others.
    m_wordCheck.SetShow([this](const QString& strText, const QString& strCaption, UINT nType) {
        return ShowMessage(strText, strCaption, nType);
    });
    m_game.SetWordCheck(&m_wordCheck);
}

CTessarylWnd::~CTessarylWnd()
{
    // The thread reads the game's finder; it must end before anything here goes.
    m_game.StopWorker();
    DestroyWindow();
}

int CTessarylWnd::OnCreate()
{
    m_dcMem.CreateCompatibleDC(nullptr);
    return 0;
}

void CTessarylWnd::OnDestroy()
{
    m_game.StopWorker();
    m_wndUsedWords.DestroyWindow();
}

void CTessarylWnd::SetSettings(AppSettings* pApp)
{
    m_pApp = pApp;
    m_wordCheck.SetSettings(pApp);
    m_game.SetHighScore(pApp ? &pApp->m_nCubeHiScore : nullptr);
}

void CTessarylWnd::SetDictionary(CDictionary* pDictionary)
{
    m_game.SetDictionary(pDictionary);
    m_wordCheck.SetDictionary(pDictionary);
}

void CTessarylWnd::NewGame()
{
    EndReview();
    ShowChange(m_game.NewGame());
}

void CTessarylWnd::QuitGame()
{
    if (!m_game.m_bGameRunning || !ConfirmQuit())
        return;
    ShowChange(m_game.QuitGame());
}

QString CTessarylWnd::GetSaveRefusal() const
{
    if (!m_game.HasCube())
        return QStringLiteral("Can't save: Game not started");
    // A cube kept on show after Show All Words: opened again it would be played with every word known.
    return m_game.m_bGameRunning ? QString() : QStringLiteral("Can't save: Game over");
}

BOOL CTessarylWnd::LoadFromText(const QString& strText)
{
    CTessarylChange change;
    if (!m_game.LoadFromText(strText, &change))
        return FALSE;
    EndReview();
    ShowChange(change);
    return TRUE;
}

void CTessarylWnd::SetBoard(const QString* astrCells)
{
    m_game.SetBoard(astrCells);
    Invalidate();
    UpdateWindow();
    NotifyStatusChanged();
}

void CTessarylWnd::ShowChange(const CTessarylChange& change)
{
    if (!change.strNotice.isEmpty())
        ShowNotice(change.strNotice);
    for (int nCell : change.anCells)
        DrawCell(nCell);
    if (change.bAllCells)
        DrawAllCells();
    if (change.bScore)
        DrawScore();
    if (change.bUsedWordsReset)
        FillUsedWordBox();
    else if (change.bWordAdded && m_wndUsedWords.GetSafeHwnd() && !m_game.m_astrUsedWords.isEmpty())
        m_wndUsedWords.InsertString(0, m_game.m_astrUsedWords.front());
    NotifyStatusChanged();
}

void CTessarylWnd::FillUsedWordBox()
{
    if (!m_wndUsedWords.GetSafeHwnd())
        return; // made at the first paint, from the game's list
    m_wndUsedWords.ResetContent();
    for (const QString& strWord : m_game.m_astrUsedWords)
        m_wndUsedWords.AddString(strWord);
}
