// CGameWnd: what the screen host needs of every game window, so that it can loop over its games
// instead of naming each one.
#pragma once
#include <QString>
#include <functional>

#include "framework/MessageBox.h"
#include "framework/Wnd.h"
#include "games/GameResult.h"

class CDictionary;
class CPicture;
struct AppSettings;

class CGameWnd : public CWnd {
public:
    // The settings record (high scores, colours, word check); handed in before Create.
    virtual void SetSettings(AppSettings* pApp) = 0;
    virtual void SetDictionary(CDictionary* pDictionary) = 0;
    virtual void SetBackground(CPicture* pPicture) = 0;
    virtual void SetCubeColor(COLORREF cr) = 0;

    virtual void NewGame() = 0;
    // Asks "Are you sure you want to quit?" itself when a game is running.
    virtual void QuitGame() = 0;
    // A game is in progress (the running flag Exit and the close box read).
    virtual BOOL IsGameRunning() const = 0;
    // The anchor in the help file, e.g. "Tessaryl".
    virtual QString GetHelpAnchor() const = 0;

    // Saved games: the file extension with its dot (".wcg"); an empty text when the game may be
    // saved now, else the refusal to show ("Can't save: Game over").
    virtual QString GetSavedGameExtension() const = 0;
    virtual QString GetSaveRefusal() const = 0;
    virtual void SaveToText(QString& strText) = 0;
    // FALSE when the text cannot be a game of this kind; the running game then stays as it was.
    virtual BOOL LoadFromText(const QString& strText) = 0;

    // Holds the game's timers still while a modal box is open; returns the previous setting.
    virtual BOOL SetDialogOpen(BOOL bOpen)
    {
        const BOOL bWas = m_bDialogOpen;
        m_bDialogOpen = bOpen;
        return bWas;
    }
    // The window is minimised or another application has the focus: timed games hold still as
    // under a box, and go on when the player is back.
    void SetAway(BOOL bAway) { m_bAway = bAway; }
    BOOL IsAway() const { return m_bAway; }
    // Timers and input check this: a box is open or the player is away.
    BOOL IsHeld() const { return m_bDialogOpen || m_bAway; }

    // The records: what the game on screen has made so far. A game counts once, from its start
    // or load until it ends; the host marks it counted.
    virtual CGameResult GetGameResult() const { return {}; }
    BOOL IsResultCounted() const { return m_bResultCounted; }
    void SetResultCounted(BOOL bCounted) { m_bResultCounted = bCounted; }
    // The host hears here when a game ends by itself (a critter at the bottom, a fall).
    std::function<void(CGameWnd* pGame)> m_fnGameEnded;

    // The game's own buttons (and Escape's clearing of the word) as commands the menu and the
    // keyboard reach.
    enum EGameCommand { GAMECMD_SUBMIT, GAMECMD_TAKEBACK, GAMECMD_CLEARWORD, GAMECMD_HINT, GAMECMD_PAUSE,
                        GAMECMD_NEWLETTERS };
    // Whether this game has the command at all.
    virtual BOOL HasCommand(EGameCommand eCommand) const = 0;
    // Does what the button does; nothing unless TakesKeys().
    virtual void DoCommand(EGameCommand eCommand) = 0;
    // A letter key spells on; FALSE when no way of spelling it is free (the key is refused).
    virtual BOOL TypeLetter(QChar ch) = 0;
    // Keys and play commands count only while a game is under way and nothing holds it.
    virtual BOOL TakesKeys() const { return IsGameRunning() && !IsHeld(); }

    // The status line under the game: the word being traced and what it would score (Spanwright:
    // the level), then the result of the last word or of the game. The host shows it for the
    // visible game whenever the game says it changed.
    QString GetStatusLine() const
    {
        const QString strTraced = GetTracedLine();
        if (strTraced.isEmpty() || m_strResultLine.isEmpty())
            return strTraced + m_strResultLine;
        return strTraced + QStringLiteral("     ") + m_strResultLine;
    }
    void SetResultLine(const QString& strText)
    {
        m_strResultLine = strText;
        NotifyStatusChanged();
    }
    QString GetResultLine() const { return m_strResultLine; }
    std::function<void(CGameWnd* pGame)> m_fnStatusChanged;
    // Where routine OK-only notices go instead of a box when the player chose so.
    std::function<void(const QString& strText)> m_fnNotice;
    void SetNoticesInStatusBar(BOOL bOn) { m_bNoticesInStatusBar = bOn; }

    // Around the preferences dialog: the game stops background work, then takes up the new
    // choices and goes on.
    virtual void PauseForDialog() {}
    virtual void ResumeAfterDialog() {}
    // Before the host's screens go: any thread of the game ends, so that nothing it reads goes first.
    virtual void EndBackgroundWork() {}

protected:
    // The word being traced and its points; empty when nothing is traced.
    virtual QString GetTracedLine() const { return QString(); }
    void NotifyStatusChanged()
    {
        if (m_fnStatusChanged)
            m_fnStatusChanged(this);
    }

    // Every box of a game goes through here: the game's timers (and Cascadio's taps) hold still
    // while it is open, and whatever hold was set before is put back after.
    int ShowMessage(const QString& strText, const QString& strCaption = QString(), UINT nType = MB_OK)
    {
        const BOOL bWas = SetDialogOpen(TRUE);
        const int nAnswer = QxMessageBox(strText, strCaption, nType);
        SetDialogOpen(bWas);
        return nAnswer;
    }
    // A routine notice ("You have already used that word"): with the preference on it goes to the
    // status line and the game goes on; otherwise it is a box like any other. Pause and questions
    // never come here.
    void ShowNotice(const QString& strText)
    {
        if (m_bNoticesInStatusBar && m_fnNotice)
            m_fnNotice(strText);
        else
            ShowMessage(strText);
    }
    // The question of Quit Game while a game runs; TRUE on Yes.
    BOOL ConfirmQuit()
    {
        return ShowMessage(QStringLiteral("Are you sure you want to quit?"), QStringLiteral("Confirmation"),
                           MB_YESNO | MB_ICONQUESTION) == IDYES;
    }

    // Set while a modal box (the game's own or the shell's chooser) is open.
    BOOL m_bDialogOpen = FALSE;
    BOOL m_bAway = FALSE;
    BOOL m_bResultCounted = FALSE;
    BOOL m_bNoticesInStatusBar = FALSE;
    QString m_strResultLine;

    void NotifyGameEnded()
    {
        if (m_fnGameEnded)
            m_fnGameEnded(this);
    }
};
