// The Preferences command: the games hold still while the dialog is open, then take the choices.
#include <array>

#include "app/QuillotrixApp.h"
#include "app/ScreenHostWnd.h"
#include "dialogs/PreferencesDlg.h"

void CScreenHostWnd::OnPreferences()
{
    const auto games = GetGames();
    std::array<BOOL, std::tuple_size_v<decltype(games)>> abWasOpen{};
    for (size_t i = 0; i < games.size(); ++i) {
        games[i]->PauseForDialog();
        abWasOpen[i] = games[i]->SetDialogOpen(TRUE);
    }

    CPreferencesDlg dlg(m_pApp, GetSafeHwnd() ? GetSafeHwnd()->window() : nullptr);
    if (dlg.DoModal() == IDOK) {
        for (CGameWnd* pGame : games)
            pGame->SetDictionary(&m_pApp->m_dictionary);
        for (CGameWnd* pGame : games)
            pGame->SetBackground(&m_pApp->m_picBackground);
        for (CGameWnd* pGame : games) {
            pGame->SetCubeColor(m_pApp->m_crCubeColor);
            pGame->SetNoticesInStatusBar(m_pApp->m_bNoticesInStatusBar);
        }
        // The main screen reads the picture and the colours whenever it paints.
        m_wndMainScreen.Invalidate(FALSE);
        m_pApp->SaveSettings();
    }

    for (size_t i = 0; i < games.size(); ++i) {
        games[i]->SetDialogOpen(abWasOpen[i]);
        games[i]->ResumeAfterDialog();
    }
}
