// Helpers for the Cascadio window tests: a real game window on the offscreen platform, known wells,
// taps on cells and buttons, and a clock the test moves.
#pragma once
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "games/AppSettings.h"
#include "framework/Clock.h"
#include "games/cascadio/CascadioWnd.h"
#include "tests/models/CascadioModelSupport.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TestDictionary.h"
#include "tests/support/TestSurface.h"

// Pixels of the well that differ between two surfaces.
inline int WellDifferences(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 30; y < 240; ++y)
        for (int x = 15; x < 225; ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

class CCascadioFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A clock that stands still unless the test lets it run (the slides wait on it).
        SetTickSource([this] { return m_bClockRuns ? m_dwNow += 20 : m_dwNow; });
        m_wnd.SetSettings(&m_settings);
        ASSERT_TRUE(m_wnd.Create(static_cast<QWidget*>(nullptr), 1203, CRect(0, 0, 240, 268), TRUE));
        m_wnd.SetCubeColor(RGB(0, 0, 192));
        m_wnd.UpdateWindow();
    }
    void TearDown() override { SetTickSource({}); }

    // A running game of the given well (see WellState), started afresh and shown.
    void SetWell(const std::vector<const char*>& aRows, std::initializer_list<std::tuple<int, int, int>> aCritters = {})
    {
        srand(1);
        m_wnd.NewGame();
        LoadState(WellState(Game().State(), aRows, aCritters));
    }
    // The window's game replaced by a position, shown.
    void LoadState(const CCascadioState& state)
    {
        ASSERT_TRUE(m_wnd.LoadFromText(FormatCascadioText(state)));
        m_wnd.UpdateWindow();
    }
    CCascadioGame& Game() { return m_wnd.Game(); }
    // Row r, top first, as a text of seven letters ("Qu" shown as q).
    QString Row(int r) const
    {
        QString str;
        for (int c = 0; c < CASC_COLUMNS; ++c) {
            const QString& s = m_wnd.Game().Letter(c, r);
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
    int CritterCount() const { return m_wnd.Game().CritterCount(); }

    DWORD m_dwNow = 100000;
    bool m_bClockRuns = false;
    AppSettings m_settings; // made first: it outlives the window that points at it
    CCascadioWnd m_wnd;
    CScriptedMessageBox m_boxes;
};
