// CSpanwrightWnd: the Spanwright game window: seven letters, words that lengthen a bridge over a
// chasm, and an animal walking over it on a timer until it falls or the level is complete. The
// rules are CSpanwrightGame's; the window hit-tests, runs the timer, draws and shows messages.
#pragma once
#include <QString>

#include "framework/ListBox.h"
#include "games/GameDraw.h"
#include "games/GameWnd.h"
#include "games/WordCheck.h"
#include "games/spanwright/SpanwrightGame.h"

class CDictionary;
class CPicture;
struct AppSettings;

class CSpanwrightWnd : public CGameWnd {
public:
    CSpanwrightWnd();
    ~CSpanwrightWnd() override;

    // Driven by the shell.
    void SetSettings(AppSettings* pApp) override;
    void SetDictionary(CDictionary* pDictionary) override;
    void SetBackground(CPicture* pPicture) override;
    void SetCubeColor(COLORREF cr) override;
    void NewGame() override;
    void QuitGame() override;
    BOOL IsGameRunning() const override { return m_game.IsRunning(); }
    QString GetHelpAnchor() const override { return QStringLiteral("Spanwright"); }
    QString GetSavedGameExtension() const override { return QStringLiteral(".wbg"); }
    QString GetSaveRefusal() const override;
    void SaveToText(QString& strText) override;
    BOOL LoadFromText(const QString& strText) override;
    CGameResult GetGameResult() const override
    {
        CGameResult result = m_game.GetResult();
        result.dtEnded = QDateTime::currentDateTime();
        return result;
    }
    // The walk holds still while the preferences are open, as under any other box.
    void PauseForDialog() override { m_bWasDialogOpen = SetDialogOpen(TRUE); }
    void ResumeAfterDialog() override { SetDialogOpen(m_bWasDialogOpen); }

    // The rules and the state, for what drives the game other than taps.
    CSpanwrightGame& Game() { return m_game; }
    const CSpanwrightGame& Game() const { return m_game; }

    // Drawing; each piece draws completely over what was there.
    void DrawBackground(CDC* pDC = nullptr);
    void DrawScore(CDC* pDC = nullptr);
    void DrawScene(CDC* pDC = nullptr);
    void DrawBridge(CDC* pDC = nullptr);
    void DrawWalker(CDC* pDC = nullptr);
    void DrawTiles(CDC* pDC = nullptr);
    void AnimateFall();

    void OnPaint() override;
    // A walk held while another screen was shown goes on when this one shows again.
    void OnShowWindow(BOOL bShow) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    QString GetToolTip(CPoint point) const override;

    // Keys and the menu's play commands.
    BOOL TakesKeys() const override;
    BOOL HasCommand(EGameCommand eCommand) const override;
    void DoCommand(EGameCommand eCommand) override;
    BOOL TypeLetter(QChar ch) override;
    void OnTimer(UINT_PTR nIDEvent) override;

    static constexpr UINT_PTR WALK_TIMER = 1;
    static constexpr UINT IDC_USEDWORDS = 1000;

protected:
    int OnCreate() override;
    void OnDestroy() override;
    QString GetTracedLine() const override;

private:
    // The button under a point: a command, or -1.
    static int HitButton(CPoint point, int nBottom);
    void TakeBackLetter();
    void SubmitWord();
    void DealNewLetters();
    void PauseGame();
    void StartWalkTimer(int nPeriod);
    void StopWalkTimer();
    // Picks the walk up again after the window was hidden, with the rest or step it was in.
    void ResumeWalk();
    // Starts, restarts or stops the walking timer as the game asked.
    void ApplyTimer(ESpanTimer eTimer, int nPeriod);
    // The used-word list box shows the game's list.
    void ShowUsedWords();
    // The chasm, animal, bridge, tiles and score, as a new deal or a quit leaves them.
    void DrawPlayArea(CDC* pDC = nullptr);
    void DrawSceneFrame(CDC* pDC, bool bGameOverLabel);
    void DrawLaidOut(void (CSpanwrightWnd::*pfnDraw)(CDC*));
    void EnsureLayout();
    void CreateUsedWordList();
    void CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc, int ySrc = 0);
    COLORREF TextColor() const;

    CSpanwrightGame m_game;
    CDictionaryWordCheck m_wordCheck;
    AppSettings* m_pApp = nullptr;
    UINT_PTR m_nTimerId = 0;
    // The walk was stopped because the window was hidden; it goes on when the window shows again.
    BOOL m_bWalkSuspended = FALSE;
    CRect m_rcClient;
    CListBox m_listWords;
    CRect m_rcTileFrame[SPAN_TILES];
    CRect m_rcTile[SPAN_TILES];
    CRect m_rcSlot[SPAN_TILES];
    CRect m_rcSlotFrame[SPAN_TILES];

    // Bitmaps, loaded at construction.
    CBitmap m_bmpSubmit;
    CBitmap m_bmpPause;
    CBitmap m_bmpBack;
    CBitmap m_bmpNewLetters;
    CBitmap m_bmpLeftBank;
    CBitmap m_bmpRightBank;
    CBitmap m_bmpBridge;
    CBitmap m_bmpWalker;
    CBitmap m_bmpDigits;
    CBrush m_brushChasm;
    CPicture* m_pBackground = nullptr;
    CDC m_dcMem;
    CBrush m_brushTile;
    CTileColors m_tile;
    CFont m_fontLetters;
    BOOL m_bGeometryValid = FALSE;
    BOOL m_bWasDialogOpen = FALSE;
};
