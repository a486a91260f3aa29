// Helpers for the Cascadio model tests: a game with its own run-long values, a clock the test moves,
// a word check over a plain list, and wells set up from rows of letters.
#pragma once
#include <QSet>
#include <QStringList>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "tests/models/ListWordCheck.h"
#include "framework/Clock.h"
#include "games/cascadio/CascadioGame.h"

// The position with its letters from seven rows of seven, top row first ('q' is a "Qu" tile) and
// only the critters given: (column, row, value).
inline CCascadioState WellState(CCascadioState state, const std::vector<const char*>& aRows,
                                std::initializer_list<std::tuple<int, int, int>> aCritters)
{
    for (int r = 0; r < CASC_ROWS; ++r)
        for (int c = 0; c < CASC_COLUMNS; ++c) {
            const char ch = aRows[r][c];
            state.astrLetters[CascCell(c, r)] = ch == 'q' ? QStringLiteral("Qu") : QString(QChar(ch));
        }
    std::fill(std::begin(state.anCritter), std::end(state.anCritter), 0);
    for (const auto& [c, r, v] : aCritters)
        state.anCritter[CascCell(c, r)] = v;
    return state;
}

class CCascadioModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTickSource([this] { return m_dwNow; });
    }
    void TearDown() override { SetTickSource({}); }

    // A running game of the given well (see WellState), started afresh.
    void SetWell(const std::vector<const char*>& aRows, std::initializer_list<std::tuple<int, int, int>> aCritters = {})
    {
        srand(1);
        m_game.NewGame();
        m_game.Load(WellState(m_game.State(), aRows, aCritters));
    }
    // The game's position with some critters changed, loaded back (difficulty and score kept).
    void PutCritters(std::initializer_list<std::tuple<int, int, int>> aCritters, bool bClear = true)
    {
        CCascadioState state = m_game.State();
        if (bClear)
            std::fill(std::begin(state.anCritter), std::end(state.anCritter), 0);
        for (const auto& [c, r, v] : aCritters)
            state.anCritter[CascCell(c, r)] = v;
        m_game.Load(state);
    }
    // Row r, top first, as a text of seven letters ("Qu" shown as q).
    QString Row(int r) const
    {
        QString str;
        for (int c = 0; c < CASC_COLUMNS; ++c) {
            const QString& s = m_game.Letter(c, r);
            str += s == QStringLiteral("Qu") ? QStringLiteral("q") : s;
        }
        return str;
    }
    void TapCells(std::initializer_list<std::pair<int, int>> aCells)
    {
        for (const auto& [c, r] : aCells)
            m_game.TapCell(c, r);
    }
    std::vector<CPoint> Path() const
    {
        std::vector<CPoint> a;
        for (int i = 0; i < m_game.PathLength(); ++i)
            a.push_back(m_game.PathCell(i));
        return a;
    }
    bool WellIsFull() const
    {
        for (int i = 0; i < CASC_CELLS; ++i)
            if (m_game.Letter(i / CASC_ROWS, i % CASC_ROWS).isEmpty())
                return false;
        return true;
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            m_game.Tick();
    }

    DWORD m_dwNow = 100000;
    CCascadioRun m_run;
    CCascadioGame m_game{m_run};
};
