// CTessarylWnd: the Tessaryl game window: 27 letters on three faces of a cube, chains of
// touching cells, scoring, the used-word list and hints from the background word finder.
#pragma once
#include <QString>

#include "framework/ListBox.h"
#include "games/GameWnd.h"
#include "games/tessaryl/TessarylBoard.h"
#include "games/tessaryl/TessarylFinder.h"

class CDictionary;
class CPicture;
struct AppSettings;

class CTessarylWnd : public CGameWnd {
public:
    CTessarylWnd();
    ~CTessarylWnd() override;

    // Driven by the shell.
    void SetSettings(AppSettings* pApp) override { m_pApp = pApp; }
    void SetDictionary(CDictionary* pDictionary) override;
    void SetBackground(CPicture* pPicture) override;
    void SetCubeColor(COLORREF cr) override;
    void SetButtonBitmaps(UINT nSubmit, UINT nBack, UINT nHint);
    void SetDigitsBitmap(UINT nDigits);
    // Where the cube is drawn, in client coordinates.
    void SetCubeRect(const CRect& rc) { m_rcCube = rc; }
    void NewGame() override;
    void QuitGame() override;
    BOOL IsGameRunning() const override { return m_bGameRunning; }
    QString GetHelpAnchor() const override { return QStringLiteral("Tessaryl"); }
    QString GetSavedGameExtension() const override { return QStringLiteral(".wcg"); }
    QString GetSaveRefusal() const override;
    void SaveToText(QString& strText) override;
    BOOL LoadFromText(const QString& strText) override;
    void PauseForDialog() override { PauseWorker(); }
    void ResumeAfterDialog() override
    {
        ClearWordList();
        ResumeWorker();
    }
    void EndBackgroundWork() override
    {
        if (IsWorkerAlive())
            StopWorker();
    }

    // The background word finder.
    void StartWorker(BOOL bClear);
    void StopWorker();
    void PauseWorker();
    void ResumeWorker();
    void ClearWordList();
    // The finder's thread exists and has not finished its search (it may be paused).
    BOOL IsWorkerAlive() const;

    // Board.
    void GenerateBoard();
    void PlaceRandomWord();
    const QString& GetCell(int nCell) const { return m_astrCells[nCell]; }

    // Play.
    void SelectCell(int nCell);
    void UnselectCell(int nCell);
    void ClearSelection();
    void BuildWord();
    BOOL CheckWord(const QString& strWord);
    BOOL IsSelected(int nCell) const;
    void SubmitWord();
    void GiveHint();

    // Drawing and hit testing.
    void DrawCell(int nCell, CDC* pDC = nullptr, BOOL bForceNormal = FALSE);
    void DrawAllCells(CDC* pDC = nullptr);
    void DrawScore(CDC* pDC = nullptr);
    int HitCell(CPoint point) const; // -1 when the point is in no cell

    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

    static constexpr UINT IDC_USEDWORDS = 1000;

protected:
    int OnCreate() override;
    void OnDestroy() override;

private:
    // The tests look at and set up the state directly, through one door.
    friend struct CTessarylAccess;

    COLORREF NormalColor() const;
    COLORREF SelectedColor() const;
    void ComputeGeometry();
    void CreateUsedWordList();
    void DrawBackground(CDC* pDC);
    void CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc);
    QString WordAlongPath(const int* anPath, int nMax) const;

    // Board.
    QString m_astrCells[TESS_CELLS];
    CDictionary* m_pDictionary = nullptr;
    AppSettings* m_pApp = nullptr;
    BOOL m_bGameRunning = FALSE;
    int m_nScore = 0;
    CTessarylFinder m_finder; // holds the finder's board copy and the hint list
    CListBox m_wndUsedWords;

    // Play.
    int m_anSelection[TESS_MAX_PATH] = {};
    int m_nSelCount = 0;
    QString m_strWord;

    // Hint in progress.
    int m_anHintPath[TESS_MAX_PATH] = {};
    int m_nHintLen = 0;
    int m_nHintShown = 0;

    // Geometry and drawing.
    CRect m_rcClient;
    CRect m_rcClientLast;
    CRect m_rcCube;
    BOOL m_bFitCube = FALSE;
    int m_nCubeMargin = 24;
    CPoint m_aptCell[TESS_CELLS][4];
    CRect m_arcCellText[TESS_CELLS];
    CBitmap m_bmpSubmit;
    CBitmap m_bmpBack;
    CBitmap m_bmpHint;
    CBitmap m_bmpDigits;
    CBrush m_brBackground;
    CBrush m_brTop;
    CBrush m_brLeft;
    CBrush m_brRight;
    CPen m_penEdge;
    CFont m_fontLetters;
    CDC m_dcMem;
    CPicture* m_pBackground = nullptr;
    // The cube rectangle the polygons were last computed for; one per window, so that two
    // windows (or one whose cube moves) never draw with another's geometry.
    CRect m_rcGeometry;
    BOOL m_bGeometryValid = FALSE;
};
