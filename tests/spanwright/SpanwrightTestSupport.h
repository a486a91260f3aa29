// Helpers for the Spanwright window tests: a real game window on the offscreen platform, known
// letters and taps on tiles and buttons.
#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QListWidget>

#include "games/AppSettings.h"
#include "games/spanwright/SpanwrightWnd.h"
#include "tests/models/SpanwrightModelSupport.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TestDictionary.h"
#include "tests/support/TestSurface.h"

// A Spanwright window as the shell makes it: 240 by 268, painted once.
class CSpanwrightFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_wnd.SetSettings(&m_settings);
        ASSERT_TRUE(m_wnd.Create(static_cast<QWidget*>(nullptr), 1202, CRect(0, 0, 240, 268), TRUE));
        m_wnd.SetCubeColor(RGB(0, 0, 192));
        m_wnd.UpdateWindow();
    }

    // A running game with these seven letters and nothing else changed from a new game: a new game,
    // then the letters as a saved game of no words holds them.
    void StartWith(const char* pszLetters)
    {
        m_wnd.NewGame();
        ASSERT_TRUE(m_wnd.Game().LoadFromText(GameText(pszLetters)));
        m_wnd.Invalidate();
        m_wnd.UpdateWindow();
    }

    void TapTile(int i) { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(35 + 30 * i, 190)); }
    void TapSlot(int i) { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(35 + 30 * i, 140)); }
    void TapSubmit() { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(10, 140)); }
    void TapBack() { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(10, 190)); }
    void TapNewLetters() { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(10, 268 - 42)); }
    void TapPause() { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(10, 268 - 10)); }

    // Taps, for each letter of the word, the first free tile that holds it, then Submit.
    void Submit(const char* pszWord)
    {
        for (const char* p = pszWord; *p; ++p) {
            int i = 0;
            while (i < SPAN_TILES && !(Game().Order(i) == -1 && Game().Letter(i) == QChar(*p)))
                ++i;
            ASSERT_LT(i, SPAN_TILES) << "no free tile " << *p;
            TapTile(i);
        }
        TapSubmit();
    }
    void Tick(int n = 1)
    {
        for (int k = 0; k < n; ++k)
            m_wnd.OnTimer(CSpanwrightWnd::WALK_TIMER);
    }

    const CSpanwrightGame& Game() const { return m_wnd.Game(); }

    // The period of the window's running timer, as the event loop has it; -1 when none runs.
    int WalkTimerPeriod() const
    {
        const auto aTimers = QAbstractEventDispatcher::instance()->registeredTimers(m_wnd.GetSafeHwnd());
        return aTimers.isEmpty() ? -1 : aTimers.front().interval;
    }

    // The used words as the window's list box shows them.
    QStringList UsedWords() const
    {
        QStringList a;
        const QListWidget* pList = m_wnd.GetSafeHwnd()->findChild<QListWidget*>();
        for (int k = 0; pList && k < pList->count(); ++k)
            a << pList->item(k)->text();
        return a;
    }

    CDictionary* Keep(std::unique_ptr<CDictionary> pDictionary)
    {
        m_aDictionaries.push_back(std::move(pDictionary));
        return m_aDictionaries.back().get();
    }

    AppSettings m_settings; // made first: it outlives the window that points at it
    std::vector<std::unique_ptr<CDictionary>> m_aDictionaries;
    CSpanwrightWnd m_wnd;
    CScriptedMessageBox m_boxes;
};
