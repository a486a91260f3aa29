// Helpers for the Cascadio tests: a real game window on the offscreen platform, known wells, taps
// on cells and buttons, and a clock the test moves.
#pragma once
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "games/AppSettings.h"
#include "framework/Clock.h"
#include "games/cascadio/CascadioWnd.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TestDictionary.h"
#include "tests/support/TestSurface.h"

class CCascadioFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A clock that stands still unless the test lets it run (the slides wait on it).
        SetTickSource([this] { return m_bClockRuns ? m_dwNow += 20 : m_dwNow; });
        CCascadioWnd::s_nLetterOffset = 0;
        CCascadioWnd::s_bAlternate = FALSE;
        m_wnd.SetSettings(&m_settings);
        ASSERT_TRUE(m_wnd.Create(static_cast<QWidget*>(nullptr), 1203, CRect(0, 0, 240, 268), TRUE));
        m_wnd.SetCubeColor(RGB(0, 0, 192));
        m_wnd.UpdateWindow();
    }
    void TearDown() override { SetTickSource({}); }

    // Seven rows of seven letters, top row first; 'q' is a "Qu" tile. A running game, no critters.
    void SetWell(const std::vector<const char*>& aRows)
    {
        srand(1);
        m_wnd.NewGame();
        for (int r = 0; r < CASC_ROWS; ++r)
            for (int c = 0; c < CASC_COLUMNS; ++c) {
                const char ch = aRows[r][c];
                m_wnd.m_strLetters[CascCell(c, r)] = ch == 'q' ? QStringLiteral("Qu") : QString(QChar(ch));
            }
        std::fill(std::begin(m_wnd.m_anCritter), std::end(m_wnd.m_anCritter), 0);
        m_wnd.Invalidate();
        m_wnd.UpdateWindow();
    }
    // Row r, top first, as a text of seven letters ("Qu" shown as q).
    QString Row(int r) const
    {
        QString str;
        for (int c = 0; c < CASC_COLUMNS; ++c) {
            const QString& s = m_wnd.m_strLetters[CascCell(c, r)];
            str += s == QStringLiteral("Qu") ? QStringLiteral("q") : s;
        }
        return str;
    }

    void TapCell(int c, int r) { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(30 + 30 * c, 45 + 30 * r)); }
    void TapCells(std::initializer_list<std::pair<int, int>> aCells)
    {
        for (const auto& [c, r] : aCells)
            TapCell(c, r);
    }
    void TapButton(int nLeft) { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(nLeft + 10, 258)); }
    void TapSubmit() { TapButton(49); }
    void TapBack() { TapButton(89); }
    void TapPause() { TapButton(129); }
    void TapNewLetters() { TapButton(169); }

    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            m_wnd.OnTimer(1);
    }
    int CritterCount() const
    {
        return int(std::count_if(std::begin(m_wnd.m_anCritter), std::end(m_wnd.m_anCritter), [](int v) { return v != 0; }));
    }

    DWORD m_dwNow = 100000;
    bool m_bClockRuns = false;
    AppSettings m_settings; // made first: it outlives the window that points at it
    CCascadioWnd m_wnd;
    CScriptedMessageBox m_boxes;
};
