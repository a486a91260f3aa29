// CSpanwrightWnd: the Spanwright game window: seven letters, words that lengthen a bridge over a
// chasm, and an animal walking over it on a timer until it falls or the level is complete.
#pragma once
#include <QString>

#include "framework/ListBox.h"
#include "games/GameWnd.h"
#include "games/spanwright/SpanwrightBoard.h"

class CDictionary;
class CPicture;
struct AppSettings;
struct SpanwrightSavedGame;

class CSpanwrightWnd : public CGameWnd {
public:
    CSpanwrightWnd();
    ~CSpanwrightWnd() override;

    // Driven by the shell.
    void SetSettings(AppSettings* pApp) override { m_pApp = pApp; }
    void SetDictionary(CDictionary* pDictionary) override { m_pDictionary = pDictionary; }
    void SetBackground(CPicture* pPicture) override;
    void SetCubeColor(COLORREF cr) override;
    void NewGame() override;
    void QuitGame() override;
    BOOL IsGameRunning() const override { return m_bRunning; }
    QString GetHelpAnchor() const override { return QStringLiteral("Spanwright"); }
    QString GetSavedGameExtension() const override { return QStringLiteral(".wbg"); }
    QString GetSaveRefusal() const override;
    void SaveToText(QString& strText) override;
    BOOL LoadFromText(const QString& strText) override;
    BOOL SetDialogOpen(BOOL bOpen) override;
    // The walk holds still while the preferences are open, as under any other box.
    void PauseForDialog() override { m_bWasDialogOpen = SetDialogOpen(TRUE); }
    void ResumeAfterDialog() override { SetDialogOpen(m_bWasDialogOpen); }

    // Board. A deal from the dictionary is dealt again (a few times at most) until it spells a word.
    void DealLetters();
    // One deal from dictionary words; FALSE when the dictionary gave none and the plain deal was used.
    BOOL DealFromDictionary();

    // Play.
    void SubmitWord();
    BOOL CheckWord(const QString& strWord);
    QString BuildWord() const;
    void ClearSelection();
    void TakeBackLetter();
    void DealNewLetters();
    void PauseGame();
    // Every message of the game: the walk holds still while the box is open.
    int ShowMessage(const QString& strText, const QString& strCaption = QString(), UINT nType = MB_OK);

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
    void OnTimer(UINT_PTR nIDEvent) override;

    static constexpr UINT_PTR WALK_TIMER = 1;
    static constexpr UINT STEP_PERIOD = 200; // ms between the frames of one step
    static constexpr UINT IDC_USEDWORDS = 1000;

    // Game state (the shell and saved games read these).
    int m_nPauseCount = 0;
    int m_nStepDelay = 5000;
    UINT_PTR m_nTimerId = 0;
    CDictionary* m_pDictionary = nullptr;
    AppSettings* m_pApp = nullptr;
    CRect m_rcClient;
    BOOL m_bRunning = FALSE;
    BOOL m_bGameOver = FALSE;
    int m_nScore = 0;
    int m_nWalkerX = 0;
    int m_nWalkerFrame = 0;
    int m_nBridgeLen = 0;
    // Ticks are ignored while a message box or the shell's file chooser is open.
    BOOL m_bDialogOpen = FALSE;
    // From a completed level to the next accepted word the animal waits on the left bank and new
    // letters are free. Kept apart from m_bDialogOpen, which the shell puts back after its
    // chooser: a game opened there must not inherit the wait of the game it replaced.
    BOOL m_bLevelDone = FALSE;
    BOOL m_bTimerStarted = FALSE;
    // The walk was stopped because the window was hidden; it goes on when the window shows again.
    BOOL m_bWalkSuspended = FALSE;
    CListBox m_listWords;
    QString m_strLetters[SPAN_TILES];
    CRect m_rcTileFrame[SPAN_TILES];
    CRect m_rcTile[SPAN_TILES];
    CRect m_rcSlot[SPAN_TILES];
    CRect m_rcSlotFrame[SPAN_TILES];
    int m_anOrder[SPAN_TILES] = {-1, -1, -1, -1, -1, -1, -1};
    int m_nSelected = 0;
    // Milliseconds between the frames of the fall; tests set 0.
    int m_nFallFrameDelay = 14;

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

protected:
    int OnCreate() override;
    void OnDestroy() override;

private:
    void StartWalkTimer(int nPeriod);
    void StopWalkTimer();
    // Picks the walk up again after the window was hidden, with the rest or step it was in.
    void ResumeWalk();
    void ApplySavedGame(const SpanwrightSavedGame& game);
    // The chasm, animal, bridge, tiles and score, as a new deal or a quit leaves them.
    void DrawPlayArea(CDC* pDC = nullptr);
    void DrawLaidOut(void (CSpanwrightWnd::*pfnDraw)(CDC*));
    void EnsureLayout();
    void CreateUsedWordList();
    void CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc, int ySrc = 0);
    // A piece given no context draws into the window's own.
    COLORREF TextColor() const;

    CBrush m_brushChasm;
    CPicture* m_pBackground = nullptr;
    CDC m_dcMem;
    CBrush m_brushTile;
    COLORREF m_clrTile = RGB(128, 128, 192);
    COLORREF m_clrTileDark = 0;
    COLORREF m_clrTileLight = 0;
    CFont m_fontLetters;
    BOOL m_bGeometryValid = FALSE;
    BOOL m_bWasDialogOpen = FALSE;
};
