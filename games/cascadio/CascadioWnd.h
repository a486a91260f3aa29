// CCascadioWnd: the Cascadio game window: a well of 7 by 7 letter tiles, word chains of neighbouring
// tiles that vanish and refill from the top, and critters creeping down on a 500 ms timer.
#pragma once
#include <QString>

#include "games/GameWnd.h"
#include "games/cascadio/CascadioText.h"

class CDictionary;
class CPicture;
struct AppSettings;

class CCascadioWnd : public CGameWnd {
public:
    CCascadioWnd();
    ~CCascadioWnd() override;

    // Driven by the shell.
    void SetSettings(AppSettings* pApp) override { m_pApp = pApp; }
    void SetDictionary(CDictionary* pDictionary) override { m_pDictionary = pDictionary; }
    void SetBackground(CPicture* pPicture) override;
    void SetCubeColor(COLORREF cr) override;
    void NewGame() override;
    void QuitGame() override { QuitGame(FALSE); }
    // Quiet: ends a running game without asking.
    void QuitGame(BOOL bQuiet);
    BOOL IsGameRunning() const override { return m_bRunning; }
    QString GetHelpAnchor() const override { return QStringLiteral("Cascadio"); }
    QString GetSavedGameExtension() const override { return QStringLiteral(".wdg"); }
    QString GetSaveRefusal() const override;
    void SaveToText(QString& strText) override;
    BOOL LoadFromText(const QString& strText) override;
    BOOL SetDialogOpen(BOOL bOpen) override;

    // The well and its critters.
    static QString RandomLetter();
    void FillBoard();
    void SpawnCritter();
    void IncreaseDifficulty(BOOL bByChance);
    void OnTimer(UINT_PTR nIDEvent) override;

    // Play.
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    BOOL HitTest(CPoint point, int& c, int& r) const;
    BOOL IsNextToLast(int c, int r) const;
    void SubmitWord();
    BOOL CheckWord(const QString& strWord);
    void RemoveWord();
    void CollapseColumn(int c, int r);
    void TakeBackLetter();
    void Pause();
    void NewLetters();
    int ShowMessage(const QString& strText, const QString& strCaption, UINT nType);

    // Drawing.
    void OnPaint() override;
    // A game left running while another screen was shown goes on when this one shows again.
    void OnShowWindow(BOOL bShow) override;
    void DrawBackground(CDC* pDC = nullptr);
    void DrawBoard(CDC* pDC = nullptr);
    void DrawCell(int c, int r, BOOL bCritter, CDC* pDC = nullptr);
    void EraseCell(int c, int r, CDC* pDC = nullptr);
    // anLowest[c]: the lowest removed row of column c, or -1 for a column left alone.
    void RedrawColumns(const int* anLowest, CDC* pDC = nullptr);
    void DrawScore(CDC* pDC = nullptr);
    void DrawCritters(CDC* pDC = nullptr);
    // The x of the picture in the critter strip for a critter value.
    static int CritterFrameX(int nValue);

    // Letter offsets and the difficulty alternation live as long as the program (tests reset them).
    static int s_nLetterOffset;
    static BOOL s_bAlternate;

    int m_nPauseCount = 0;
    CBrush m_brushTile;
    COLORREF m_clrTile = 0;
    COLORREF m_clrTileDark = 0;
    COLORREF m_clrTileLight = 0;
    CBitmap m_bmpSubmit;
    CBitmap m_bmpPause;
    CBitmap m_bmpBack;
    CBitmap m_bmpNewLetters;
    BOOL m_bDialogOpen = FALSE;
    QString m_strLetters[CASC_CELLS];
    signed char m_abSelected[CASC_CELLS] = {};
    CPoint m_aPath[64]; // x the column, y the row
    int m_nPathLen = 0;
    int m_anCritter[CASC_CELLS] = {};
    BOOL m_bRunning = FALSE;
    int m_nMaxCritters = 1;
    int m_nSpawnInterval = 15000;
    int m_nStepTicks = 60;
    UINT_PTR m_nTimerId = 0;
    CDictionary* m_pDictionary = nullptr;
    CBitmap m_bmpDigits;
    CDC m_dcMem;
    CRect m_rcClient;
    CBitmap m_bmpCritter;
    DWORD m_dwNextSpawn = 0;
    int m_nScore = 0;
    BOOL m_bGameOver = FALSE;
    CFont m_fontLetters;
    CPicture* m_pBackground = nullptr;
    AppSettings* m_pApp = nullptr;

    static constexpr UINT TIMER_ID = 1;
    static constexpr UINT TIMER_PERIOD = 500;

protected:
    int OnCreate() override;

private:
    COLORREF NormalColor() const;
    COLORREF SelectedColor() const;
    void StartTimer();
    void StopTimer();
    void EndGame(CDC* pDC);
    void ClearChain();
    void PutFirstCritter();
    void PrepareText(CDC* pDC);
    void CopyBitmap(CDC* pDC, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc);
    void DrawCritter(CDC* pDC, int c, int r, int nValue);
};
