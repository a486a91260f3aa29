// Checks every game window owes the screen host, through the interface they share.
#pragma once
#include <gtest/gtest.h>

#include "games/GameWnd.h"
#include "tests/support/ScriptedMessageBox.h"

// Quitting a running game asks first: No leaves it exactly as it was, Yes ends it (and nothing is
// left to save); with no game running nothing is asked.
inline void ExpectQuitAsksFirst(CGameWnd& wnd, CScriptedMessageBox& boxes)
{
    ASSERT_TRUE(wnd.IsGameRunning());
    QString strBefore, strAfter;
    wnd.SaveToText(strBefore);
    boxes.Clear();
    boxes.Answer(IDNO);
    wnd.QuitGame();
    wnd.SaveToText(strAfter);
    EXPECT_EQ(strAfter, strBefore);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.LastText(), QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(boxes.boxes.back().strCaption, QStringLiteral("Confirmation"));
    EXPECT_EQ(boxes.boxes.back().nType & 0x0F, UINT(MB_YESNO));
    EXPECT_TRUE(wnd.IsGameRunning());
    boxes.Answer(IDYES);
    wnd.QuitGame();
    EXPECT_FALSE(wnd.IsGameRunning());
    EXPECT_EQ(wnd.GetSaveRefusal(), QStringLiteral("Can't save: Game not started"));
    boxes.Clear();
    wnd.QuitGame();
    EXPECT_TRUE(boxes.boxes.empty());
}
