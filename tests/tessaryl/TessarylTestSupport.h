// Helpers for the Tessaryl tests: small dictionaries built in the test, a real game window
// on the offscreen platform, known boards and taps on cells.
#pragma once
#include <QFile>
#include <QImage>
#include <QThread>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Clock.h"
#include "games/AppSettings.h"
#include "dictionary/Dictionary.h"
#include "games/tessaryl/TessarylWnd.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/dictionary/DctTestFiles.h"
#include "tests/models/TessarylModelSupport.h"
#include "tests/support/TestEnv.h"

// A dictionary of the given words (any order, any case), written with the shipped writer.
inline std::unique_ptr<CDictionary> MakeDictionary(std::vector<std::string> aWords, int nBlocks = 8)
{
    static int s_nFile = 0;
    for (std::string& str : aWords)
        std::transform(str.begin(), str.end(), str.begin(), [](unsigned char ch) { return char(std::tolower(ch)); });
    auto pDictionary = std::make_unique<CDictionary>();
    EXPECT_TRUE(pDictionary->LoadDictionary(MakeDictionaryFile(QStringLiteral("tess%1.dct").arg(++s_nFile), aWords, nBlocks)));
    return pDictionary;
}

// An even sample of the common word list (every initial letter kept), as a mid-sized dictionary.
inline std::vector<std::string> SystemWords(size_t nMax)
{
    std::vector<std::string> aWords = CommonListWords(), aSample;
    if (aWords.empty())
        return {};
    for (size_t i = 0; i < aWords.size(); i += aWords.size() / nMax + 1)
        aSample.push_back(aWords[i]);
    return aSample;
}

// Known boards, paths and board texts, as the model tests make them.
inline std::vector<QString> MakeBoard(std::initializer_list<std::pair<const char*, std::vector<int>>> aWords)
{
    return MakeModelBoard(aWords);
}

// A Tessaryl window as the shell makes it: 240 by 268, cube rectangle 15,5,225,195, painted once.
class CTessarylFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_wnd.SetSettings(&m_settings);
        ASSERT_TRUE(m_wnd.Create(static_cast<QWidget*>(nullptr), 1201, CRect(0, 0, 240, 268), TRUE));
        m_wnd.SetCubeColor(RGB(0, 0, 192));
        m_wnd.UpdateWindow();
    }
    void TearDown() override
    {
        m_wnd.StopWorker();
        SetGiveWay({});
    }

    // The game's state, for the tests' own checks and set-ups.
    CTessarylGame& Game() { return m_wnd.Game(); }
    QString (&Cells())[TESS_CELLS] { return Game().m_astrCells; }
    int& Score() { return Game().m_nScore; }
    int& SelCount() { return Game().m_nSelCount; }
    QStringList& UsedWords() { return Game().m_astrUsedWords; }
    CTessarylFinder& Finder() { return Game().Finder(); }
    BOOL& Running() { return Game().m_bGameRunning; }
    int& HintLen() { return Game().m_nHintLen; }
    CRect CellTextRect(int nCell) const { return m_wnd.GetCellTextRect(nCell); }

    // Lays out a board without starting a game: the letters, the finder's copy, a running game.
    void SetBoard(const std::vector<QString>& astrCells) { m_wnd.SetBoard(astrCells.data()); }

    CPoint CellCentre(int nCell) const
    {
        const CPoint* p = m_wnd.GetCellCorners(nCell);
        return CPoint((p[0].x + p[1].x + p[2].x + p[3].x) / 4, (p[0].y + p[1].y + p[2].y + p[3].y) / 4);
    }
    void TapCell(int nCell) { m_wnd.OnLButtonDown(MK_LBUTTON, CellCentre(nCell)); }
    void TapCells(const std::vector<int>& anCells) { std::for_each(anCells.begin(), anCells.end(), [this](int n) { TapCell(n); }); }
    void TapSubmit() { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(5, 268 - 50)); }
    void TapBack() { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(5, 268 - 30)); }
    void TapHint() { m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(5, 268 - 10)); }

    void WaitForFinder()
    {
        for (int i = 0; i < 20000 && m_wnd.IsWorkerAlive(); ++i)
            QThread::msleep(1);
        ASSERT_FALSE(m_wnd.IsWorkerAlive());
    }

    // The window's surface in logical pixels.
    QImage Surface() const
    {
        const QImage& img = m_wnd.GetSurface();
        return img.scaled(img.size() / img.devicePixelRatio()).convertToFormat(QImage::Format_RGB32);
    }

    std::vector<int> Selection() const
    {
        const CTessarylGame& game = m_wnd.Game();
        return std::vector<int>(game.m_anSelection, game.m_anSelection + game.m_nSelCount);
    }

    // Keeps a test's dictionary until the window (and its finder thread) has gone.
    CDictionary* Keep(std::unique_ptr<CDictionary> pDictionary)
    {
        m_aDictionaries.push_back(std::move(pDictionary));
        return m_aDictionaries.back().get();
    }

    AppSettings m_settings;
    std::vector<std::unique_ptr<CDictionary>> m_aDictionaries;
    CTessarylWnd m_wnd;
    CScriptedMessageBox m_boxes;
};
