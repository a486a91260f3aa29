// Save Game and Open Game: the chooser on the saved-game folder, and the game's text in and out.
#include "app/QuillotrixApp.h"
#include "app/SavedGameFile.h"
#include "app/ScreenHostWnd.h"
#include "dialogs/SelectFileDlg.h"
#include "framework/MessageBox.h"

namespace {
// The chosen path, or an empty text when the player cancels.
QString ChooseSavedGame(QWidget* pParent, BOOL bSave, const QString& strExtension)
{
    CSelectFileDlg dlg(bSave, pParent);
    dlg.m_strFolder = GetSavedGameFolder(bSave); // "UseStorage" may have changed since last time
    dlg.m_strExtension = strExtension;
    dlg.m_strTitle = bSave ? QStringLiteral("Save game") : QStringLiteral("Open game");
    return dlg.DoModal() == IDOK ? dlg.m_strPath : QString();
}
} // namespace

void CScreenHostWnd::OnSaveGame()
{
    if (CGameWnd* pGame = GetVisibleGame())
        SaveGameWithChooser(pGame, GetSafeHwnd());
    else
        QxMessageBox(QStringLiteral("Please select a game from the Game menu first"));
}

void SaveGameWithChooser(CGameWnd* pGame, QWidget* pParent)
{
    const QString strRefusal = pGame->GetSaveRefusal();
    if (!strRefusal.isEmpty()) {
        QxMessageBox(strRefusal);
        return;
    }
    // The game's clock stands still while the player picks a name, and while any message shows.
    const BOOL bWasOpen = pGame->SetDialogOpen(TRUE);
    const QString strPath = ChooseSavedGame(pParent, TRUE, pGame->GetSavedGameExtension());
    if (!strPath.isEmpty()) {
        QString strText;
        pGame->SaveToText(strText);
        if (!WriteSavedGameFile(strPath, strText))
            QxMessageBox(QStringLiteral("Error creating file %1.").arg(strPath));
    }
    pGame->SetDialogOpen(bWasOpen);
}

void CScreenHostWnd::OnOpenGame()
{
    if (!m_pApp->m_dictionary.IsLoaded()) {
        QxMessageBox(QStringLiteral("Dictionary not loaded.  Please select a dictionary in the Tools/Preferences menu."));
        return;
    }
    HandDictionaryToGames();
    if (CGameWnd* pGame = GetVisibleGame()) {
        // The game opened may replace one that set a record.
        m_pApp->SaveHighScores();
        // The chooser holds the game, so what it has made now is what it ends with if replaced.
        const CGameResult result = pGame->GetGameResult();
        if (OpenGameWithChooser(pGame, GetSafeHwnd())) {
            const QString strLine = CountGame(pGame, result, TRUE, QStringLiteral("Last game"));
            pGame->SetResultCounted(FALSE);
            ShowEndLine(pGame, strLine);
        }
    } else
        QxMessageBox(QStringLiteral("Please select a game from the Game menu first"));
}

BOOL OpenGameWithChooser(CGameWnd* pGame, QWidget* pParent)
{
    const BOOL bWasOpen = pGame->SetDialogOpen(TRUE);
    const QString strPath = ChooseSavedGame(pParent, FALSE, pGame->GetSavedGameExtension());
    BOOL bLoaded = FALSE;
    if (!strPath.isEmpty()) {
        // A file the game cannot take leaves the running game as it was.
        QString strText;
        bLoaded = ReadSavedGameFile(strPath, strText) && pGame->LoadFromText(strText);
        if (!bLoaded)
            QxMessageBox(QStringLiteral("Error loading file %1.").arg(strPath));
    }
    pGame->SetDialogOpen(bWasOpen);
    return bLoaded;
}
