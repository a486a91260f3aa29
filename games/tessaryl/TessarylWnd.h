// CTessarylWnd: the Tessaryl game window: draws the cube of letters, the buttons, the score and
// the used-word list, maps taps to cells and buttons, and leaves the rules to CTessarylGame.
#pragma once
#include <QList>
#include <QString>
#include <functional>

#include "framework/ListBox.h"
#include "games/GameWnd.h"
#include "games/WordCheck.h"
#include "games/tessaryl/TessarylGame.h"

class CDictionary;
class CPicture;
struct AppSettings;

class CTessarylWnd : public CGameWnd {
public:
    CTessarylWnd();
    ~CTessarylWnd() override;

    // Driven by the shell.
    void SetSettings(AppSettings* pApp) override;
    void SetDictionary(CDictionary* pDictionary) override;
    void SetBackground(CPicture* pPicture) override;
    void SetCubeColor(COLORREF cr) override;
    void NewGame() override;
    void QuitGame() override;
    BOOL IsGameRunning() const override { return m_game.m_bGameRunning; }
    QString GetHelpAnchor() const override { return QStringLiteral("Tessaryl"); }
    QString GetSavedGameExtension() const override { return QStringLiteral(".wcg"); }
    QString GetSaveRefusal() const override;
    void SaveToText(QString& strText) override { m_game.SaveToText(strText); }
    BOOL LoadFromText(const QString& strText) override;
    CGameResult GetGameResult() const override
    {
        CGameResult result = m_game.GetResult();
        result.dtEnded = QDateTime::currentDateTime();
        return result;
    }
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
    void StartWorker(BOOL bClear) { m_game.StartWorker(bClear); }
    void StopWorker() { m_game.StopWorker(); }
    void PauseWorker() { m_game.PauseWorker(); }
    void ResumeWorker() { m_game.ResumeWorker(); }
    void ClearWordList() { m_game.ClearWordList(); }
    // The finder's thread exists and has not finished its search (it may be paused).
    BOOL IsWorkerAlive() const { return m_game.IsWorkerAlive(); }

    // The rules and the state, for what is built on the game.
    CTessarylGame& Game() { return m_game; }
    const CTessarylGame& Game() const { return m_game; }
    // Lays out a known board and runs a game on it, then shows it.
    void SetBoard(const QString* astrCells);

    // Show All Words: after the question (only while a game runs) ends the game, counts it as
    // ended and fills the review of every word on the cube. FALSE, with nothing changed, when
    // there is no cube or the player says No.
    BOOL ShowAllWords(CWordReview& review);
    // While the review is open the cube lights the chosen word's path as a selected chain.
    void ShowReviewPath(const QList<int>& anPath);
    // Closes the review: the lit path goes and the host hears of it (m_fnReviewEnded).
    void EndReview();
    BOOL IsReviewing() const { return m_bReviewing; }
    const QList<int>& GetReviewPath() const { return m_anReviewPath; }
    std::function<void()> m_fnReviewEnded;

    // Drawing and hit testing.
    void DrawCell(int nCell, CDC* pDC = nullptr);
    void DrawAllCells(CDC* pDC = nullptr);
    void DrawScore(CDC* pDC = nullptr);
    int HitCell(CPoint point) const; // -1 when the point is in no cell
    // A cell's four corners and the rectangle of its letters, as last laid out.
    const CPoint* GetCellCorners(int nCell) const { return m_aptCell[nCell]; }
    CRect GetCellTextRect(int nCell) const { return m_arcCellText[nCell]; }
    // The list box showing the used words (it exists from the first paint).
    const CListBox& GetUsedWordBox() const { return m_wndUsedWords; }

    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    // A press on a cell and a stroke over its neighbours trace a chain as taps would.
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    QString GetToolTip(CPoint point) const override;
    // The cell whose middle holds the point, or -1.
    int HitCellMiddle(CPoint point) const;

    // Keys and the menu's play commands.
    BOOL HasCommand(EGameCommand eCommand) const override;
    void DoCommand(EGameCommand eCommand) override;
    BOOL TypeLetter(QChar ch) override;

    static constexpr UINT IDC_USEDWORDS = 1000;

protected:
    int OnCreate() override;
    QString GetTracedLine() const override;
    void OnDestroy() override;

private:
    // Shows what the game changed: its notice, then the cells, the score and the list.
    void ShowChange(const CTessarylChange& change);
    // Submits the chain and keeps its result for the status line.
    void SubmitWord();
    void FillUsedWordBox();
    COLORREF NormalColor() const;
    COLORREF SelectedColor() const;
    void ComputeGeometry();
    void CreateUsedWordList();
    void DrawBackground(CDC* pDC);
    void CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc);

    BOOL IsOnReviewPath(int nCell) const { return m_bReviewing && m_anReviewPath.contains(nCell); }

    CTessarylGame m_game;
    BOOL m_bReviewing = FALSE;
    QList<int> m_anReviewPath;
    CDictionaryWordCheck m_wordCheck;
    AppSettings* m_pApp = nullptr;
    CListBox m_wndUsedWords; // shows m_game.m_astrUsedWords
    int m_nDragCell = -1;    // the cell under a stroke in progress, -1 when none is

    // Geometry and drawing.
    CRect m_rcClient;
    CRect m_rcClientLast;
    CRect m_rcCube{15, 5, 225, 195};
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
