// Show All Words in the screen host: the review panel beside Tessaryl's cube.
#include "app/QuillotrixApp.h"
#include "app/ScreenHostWnd.h"
#include "dialogs/WordReviewPanel.h"

#include <QListWidget>

BOOL CScreenHostWnd::CanShowAllWords()
{
    return m_wndTessaryl.IsWindowVisible() && m_wndTessaryl.Game().HasCube();
}

CWordReviewPanel* CScreenHostWnd::GetOpenWordReview() const
{
    return m_pWordReview && !m_pWordReview->isHidden() ? m_pWordReview.data() : nullptr;
}

void CScreenHostWnd::OnShowAllWords()
{
    CWordReview review;
    if (!CanShowAllWords() || !m_wndTessaryl.ShowAllWords(review))
        return;
    // The game is over: its score is final, as after Quit Game.
    m_pApp->SaveHighScores();
    if (!m_pWordReview) {
        m_pWordReview = new CWordReviewPanel(GetSafeHwnd());
        m_pWordReview->m_fnShowPath = [this](const QList<int>& anPath) { m_wndTessaryl.ShowReviewPath(anPath); };
        m_pWordReview->m_fnClose = [this] { m_wndTessaryl.EndReview(); };
        m_wndTessaryl.m_fnReviewEnded = [this] { CloseWordReview(); };
    }
    m_pWordReview->SetReview(review);
    m_pWordReview->show();
    LayOutScreens();
    // The first word is chosen and lit, and the arrow keys walk the list at once; Escape closes it.
    m_wndTessaryl.ShowReviewPath({}); // no word left lit from a review before
    m_pWordReview->m_pWords->setCurrentRow(0);
    m_pWordReview->m_pWords->setFocus();
    NotifyCommandsChanged();
}

void CScreenHostWnd::CloseWordReview()
{
    if (!GetOpenWordReview())
        return;
    m_pWordReview->hide();
    LayOutScreens();
    SetFocus();
    NotifyCommandsChanged();
}
