// Tessaryl under load: every operation of the user-interface thread while the word finder runs.
// Built with -DQUILLOTRIX_TSAN=ON this is the ThreadSanitizer check of the flags and the hint lock.
#include "tests/tessaryl/TessarylTestSupport.h"

class TessarylStress : public CTessarylFixture {};

TEST_F(TessarylStress, OperationsWhileTheSearchRuns)
{
    CDictionary* pFirst = Keep(MakeDictionary(SystemWords(30000), 128)); // plenty of prefixes, a quick build
    CDictionary* pSecond = Keep(MakeDictionary({"eat", "tea", "ate", "tar", "rat", "art", "ear", "are", "era", "ran", "net"}, 4));

    m_boxes.nDefaultAnswer = IDYES; // every unknown word goes to the personal list
    m_settings.m_bVerifyIncorrect = TRUE;
    m_wnd.SetDictionary(pFirst);

    for (int nRound = 0; nRound < 60; ++nRound) {
        // Every other round the finder sleeps between steps, so that the operations below meet it
        // mid-search; in the others it runs flat out. The setting is only changed while it is stopped.
        m_wnd.StopWorker();
        SetGiveWay(nRound % 2 ? std::function<void()>([] { Sleep(1); }) : std::function<void()>());
        srand(unsigned(nRound + 1));
        m_wnd.NewGame();
        for (int nStep = 0; nStep < 4; ++nStep) {
            TapHint();
            TapHint();
            TapSubmit(); // a hinted word, a short one or an unknown one: added to the personal list
            m_wnd.PauseWorker();
            m_wnd.ResumeWorker();
            TapCells({nStep, 4, 8 - nStep});
            TapSubmit();
            m_wnd.SetDictionary(nStep % 2 ? pFirst : pSecond);
            m_wnd.ClearWordList();
            pFirst->AddPersonalWord(QStringLiteral("zqx") + QChar('a' + nRound % 26) + QChar('a' + nStep));
            TapBack();
        }
        if (nRound % 10 == 9)
            m_wnd.StopWorker();
    }
    // It all ends cleanly, and the finder still finishes a search.
    m_wnd.StopWorker();
    SetGiveWay([] {});
    m_wnd.SetDictionary(pSecond);
    m_wnd.NewGame();
    WaitForFinder();
    EXPECT_TRUE(Running());
    EXPECT_GT(Finder().GetHintCount(), 0) << "a board grown from eat/tea/... holds one of them";
}
