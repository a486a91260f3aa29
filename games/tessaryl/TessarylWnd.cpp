// CTessarylWnd: construction, the operations the shell drives and the finder handshakes.
#include "games/tessaryl/TessarylWnd.h"

#include "dictionary/Dictionary.h"
#include "framework/MessageBox.h"
#include "games/AppSettings.h"
#include "graphics/BitmapResource.h"

CTessarylWnd::CTessarylWnd() = default;

CTessarylWnd::~CTessarylWnd()
{
    // The thread reads this window's finder; it must end before anything here goes.
    m_finder.StopWorker();
    DestroyWindow();
}

int CTessarylWnd::OnCreate()
{
    m_dcMem.CreateCompatibleDC(nullptr);
    return 0;
}

void CTessarylWnd::OnDestroy()
{
    m_finder.StopWorker();
    m_wndUsedWords.DestroyWindow();
}

void CTessarylWnd::SetDictionary(CDictionary* pDictionary)
{
    m_finder.SetDictionary(pDictionary);
    m_pDictionary = pDictionary;
}

void CTessarylWnd::SetButtonBitmaps(UINT nSubmit, UINT nBack, UINT nHint)
{
    LoadBitmapResource(m_bmpSubmit, nSubmit);
    LoadBitmapResource(m_bmpBack, nBack);
    LoadBitmapResource(m_bmpHint, nHint);
}

void CTessarylWnd::SetDigitsBitmap(UINT nDigits)
{
    LoadBitmapResource(m_bmpDigits, nDigits);
}

void CTessarylWnd::NewGame()
{
    StopWorker();
    m_wndUsedWords.ResetContent();
    ClearSelection();
    GenerateBoard();
    m_nScore = 0;
    DrawAllCells();
    DrawScore();
    StartWorker(TRUE);
    m_bGameRunning = TRUE;
}

void CTessarylWnd::QuitGame()
{
    if (!m_bGameRunning)
        return;
    if (QxMessageBox(QStringLiteral("Are you sure you want to quit?"), QStringLiteral("Confirmation"),
                     MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    StopWorker();
    m_wndUsedWords.ResetContent();
    m_nSelCount = 0;
    m_nHintLen = 0;
    for (QString& str : m_astrCells)
        str.clear();
    m_nScore = 0;
    DrawAllCells();
    DrawScore();
    m_bGameRunning = FALSE;
}

void CTessarylWnd::StartWorker(BOOL bClear)
{
    m_nHintLen = 0;
    m_finder.StartWorker(bClear);
}

void CTessarylWnd::StopWorker()
{
    m_finder.StopWorker();
}

void CTessarylWnd::PauseWorker()
{
    m_finder.PauseWorker();
}

void CTessarylWnd::ResumeWorker()
{
    m_finder.ResumeWorker();
}

void CTessarylWnd::ClearWordList()
{
    m_finder.ClearWordList();
}

QString CTessarylWnd::GetSaveRefusal() const
{
    return m_astrCells[0].isEmpty() ? QStringLiteral("Can't save: Game not started") : QString();
}

BOOL CTessarylWnd::IsWorkerAlive() const
{
    return m_finder.IsWorkerAlive();
}
