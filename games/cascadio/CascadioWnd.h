// CCascadioWnd: the Cascadio game window: it shows the well of its CCascadioGame, turns taps into
// moves, runs the 500 ms critter timer, asks and tells the player, and animates the slide after a word.
#pragma once
#include <QString>

#include "games/GameDraw.h"
#include "games/GameWnd.h"
#include "games/WordCheck.h"
#include "games/cascadio/CascadioGame.h"

class CDictionary;
class CPicture;
struct AppSettings;

class CCascadioWnd : public CGameWnd {
public:
    CCascadioWnd();
    ~CCascadioWnd() override;

    // Driven by the shell.
    void SetSettings(AppSettings* pApp) override;
    void SetDictionary(CDictionary* pDictionary) override;
    void SetBackground(CPicture* pPicture) override;
    void SetCubeColor(COLORREF cr) override;
    void NewGame() override;
    void QuitGame() override { QuitGame(FALSE); }
    // Quiet: ends a running game without asking.
    void QuitGame(BOOL bQuiet);
    BOOL IsGameRunning() const override { return m_game.IsRunning(); }
    QString GetHelpAnchor() const override { return QStringLiteral("Cascadio"); }
    QString GetSavedGameExtension() const override { return QStringLiteral(".wdg"); }
    QString GetSaveRefusal() const override;
    void SaveToText(QString& strText) override { m_game.SaveToText(strText); }
    BOOL LoadFromText(const QString& strText) override;
    CGameResult GetGameResult() const override
    {
        CGameResult result = m_game.GetResult();
        result.dtEnded = QDateTime::currentDateTime();
        return result;
    }

    // The game itself, for what reads or drives it without the window's drawing.
    CCascadioGame& Game() { return m_game; }
    const CCascadioGame& Game() const { return m_game; }
    // The critter timer's identifier while it runs, else 0.
    UINT_PTR GetTimerId() const { return m_nTimerId; }

    void OnTimer(UINT_PTR nIDEvent) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    // A press on a tile and a stroke over its neighbours trace a chain as taps would.
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    QString GetToolTip(CPoint point) const override;

    // Keys and the menu's play commands.
    BOOL TakesKeys() const override;
    BOOL HasCommand(EGameCommand eCommand) const override;
    void DoCommand(EGameCommand eCommand) override;
    BOOL TypeLetter(QChar ch) override;
    BOOL HitTest(CPoint point, int& c, int& r) const;
    void OnPaint() override;
    // A game left running while another screen was shown goes on when this one shows again.
    void OnShowWindow(BOOL bShow) override;

    // The x of the picture in the critter strip for a critter value.
    static int CritterFrameX(int nValue);

    static constexpr UINT TIMER_ID = 1;
    static constexpr UINT TIMER_PERIOD = 500;

    // The buttons under the well.
    void SubmitWord();
    void TakeBackLetter();
    void Pause();
    void NewLetters();

protected:
    int OnCreate() override;
    QString GetTracedLine() const override;

private:
    void DrawChangedCells(const bool* abChanged);
    void ShowRemoval(const CCascadioRemoval& removal);
    void AnimateSlides(CDC* pDC, std::vector<CCascadioSlide> aSlides);

    void StartTimer();
    void StopTimer();
    // Shows the end: the timer stops at once and the label goes up.
    void ShowGameOver(CDC* pDC);

    // Drawing into pDC; those that may go without one draw into the window's own context then.
    void DrawBackground(CDC* pDC = nullptr);
    void DrawBoard(CDC* pDC = nullptr);
    void DrawCell(int c, int r, BOOL bCritter, CDC* pDC = nullptr);
    // The cell as a full repaint leaves it: the tile, then its critter over it.
    void RepaintCell(int c, int r, CDC* pDC);
    void EraseCell(int c, int r, CDC* pDC);
    // anLowest[c]: the lowest removed row of column c, or -1 for a column left alone.
    void RedrawColumns(const int* anLowest, CDC* pDC);
    void DrawScore(CDC* pDC = nullptr);
    void DrawCritters(CDC* pDC = nullptr);
    void DrawAll(CDC* pDC);
    COLORREF NormalColor() const;
    COLORREF SelectedColor() const;
    void PrepareText(CDC* pDC);
    void CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc);
    void DrawCritter(CDC* pDC, int c, int r, int nValue);

    // Lives as long as the window, which the screen host keeps for the whole run.
    CCascadioRun m_run;
    CCascadioGame m_game{m_run};
    CDictionaryWordCheck m_wordCheck;

    CBrush m_brushTile;
    CTileColors m_tile;
    CBitmap m_bmpSubmit;
    CBitmap m_bmpPause;
    CBitmap m_bmpBack;
    CBitmap m_bmpNewLetters;
    UINT_PTR m_nTimerId = 0;
    int m_nDragCell = -1; // the tile under a stroke in progress, -1 when none is
    CDictionary* m_pDictionary = nullptr;
    CBitmap m_bmpDigits;
    CDC m_dcMem;
    CRect m_rcClient;
    CBitmap m_bmpCritter;
    CFont m_fontLetters;
    CPicture* m_pBackground = nullptr;
    AppSettings* m_pApp = nullptr;
};
