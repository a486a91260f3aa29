// CStubGameWnd: the least a game window can be: the shell can drive it, it shows the background,
// and it never reports a running game. Tests derive their fake games from it.
#pragma once
#include "games/GameWnd.h"
#include "graphics/Picture.h"

class CStubGameWnd : public CGameWnd {
public:
    void SetSettings(AppSettings* pApp) override { m_pApp = pApp; }
    void SetDictionary(CDictionary* pDictionary) override { m_pDictionary = pDictionary; }
    void SetBackground(CPicture* pPicture) override
    {
        m_pBackground = pPicture;
        Invalidate(FALSE);
    }
    void SetCubeColor(COLORREF cr) override { m_crCube = cr; }
    void NewGame() override {}
    void QuitGame() override {}
    BOOL IsGameRunning() const override { return m_bRunning; }
    QString GetSavedGameExtension() const override { return QString(); }
    QString GetSaveRefusal() const override { return QStringLiteral("Can't save: Game not started"); }
    void SaveToText(QString& strText) override { strText.clear(); }
    BOOL LoadFromText(const QString&) override { return FALSE; }
    BOOL SetDialogOpen(BOOL bOpen) override
    {
        BOOL bWas = m_bDialogOpen;
        m_bDialogOpen = bOpen;
        return bWas;
    }

    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        DrawScreenBackground(&dc, rc, m_pBackground);
    }

    BOOL m_bRunning = FALSE;
    BOOL m_bGameOver = FALSE;
    BOOL m_bDialogOpen = FALSE;

protected:
    AppSettings* m_pApp = nullptr;
    CDictionary* m_pDictionary = nullptr;
    CPicture* m_pBackground = nullptr;
    COLORREF m_crCube = 0;
};
