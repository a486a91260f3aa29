// Spanwright dealing: letters from dictionary words, the deal without a dictionary, a new game.
#include <QDir>
#include <cstdlib>
#include <set>

#include "tests/spanwright/SpanwrightTestSupport.h"

class SpanwrightBoard : public CSpanwrightFixture {};

namespace {
// Some word of three or more letters can be spelled from the tiles; nUsed has a bit for each tile taken.
bool SpellsAWord(const CDictionary& dict, const QString* astrLetters, const QString& strSoFar = {}, int nUsed = 0)
{
    BOOL bWord = FALSE;
    if (strSoFar.size() >= 3 && (!dict.LookupPrefix(strSoFar, bWord) || bWord))
        return bWord;
    for (int i = 0; i < SPAN_TILES; ++i)
        if (!(nUsed & 1 << i) && SpellsAWord(dict, astrLetters, strSoFar + astrLetters[i], nUsed | 1 << i))
            return true;
    return false;
}
} // namespace

TEST_F(SpanwrightBoard, WithoutUsableWordsOnlyEasyLetters)
{
    // No dictionary, one whose every word has a hard letter, an empty one: the deal still ends, with
    // easy letters only, and all eighteen of them come up.
    CDictionary* const apDictionaries[] = {nullptr, Keep(MakeDictionary({"jukebox", "quartz", "wax", "ox"}, 1)),
                                           Keep(MakeDictionary({}, 1))};
    for (CDictionary* pDictionary : apDictionaries) {
        m_wnd.SetDictionary(pDictionary);
        std::set<QString> seen;
        for (unsigned nSeed = 1; nSeed <= 400; ++nSeed) {
            std::srand(nSeed);
            m_wnd.DealLetters();
            for (const QString& str : m_wnd.m_strLetters) {
                ASSERT_EQ(str.size(), 1);
                ASSERT_FALSE(QStringLiteral("QJXZKWVF").contains(str)) << str.toStdString();
                seen.insert(str);
            }
        }
        EXPECT_EQ(seen.size(), 18u);
    }
}

TEST_F(SpanwrightBoard, WithDictionaryLettersOfDealableWords)
{
    const std::pair<std::vector<std::string>, const char*> aCases[] = {
        // Only one usable seven-letter word: every deal is it, shuffled. A word with one of q, j, x,
        // z, k, w or f never feeds the deal; v may. Words are drawn from the first three of the four
        // blocks only, so those that matter sort before the last three.
        {{"granite", "amazing", "aquatic", "bowline", "exclaim", "fainted", "jasmine", "jukebox", "parking",
          "quizzes", "zealots", "zippers"}, "seven"},
        {{"vibrate", "zeppelin"}, "seven with v"},
        // Eight letters: seven of its letters, the eighth dropped.
        {{"absolute", "frizzled"}, "eight"},
    };
    for (const auto& [aWords, pszCase] : aCases) {
        m_wnd.SetDictionary(Keep(MakeDictionary(aWords)));
        std::string strWord = aWords[0];
        std::transform(strWord.begin(), strWord.end(), strWord.begin(), ::toupper);
        std::sort(strWord.begin(), strWord.end());
        for (unsigned nSeed = 1; nSeed <= 50; ++nSeed) {
            std::srand(nSeed);
            m_wnd.DealLetters();
            const std::string strDealt = SortedLetters(m_wnd.m_strLetters);
            ASSERT_EQ(strDealt.size(), 7u) << pszCase;
            EXPECT_TRUE(std::includes(strWord.begin(), strWord.end(), strDealt.begin(), strDealt.end()))
                << pszCase << ": " << strDealt;
        }
    }
}

TEST_F(SpanwrightBoard, EveryDealOfTheShippedDictionariesSpellsAWord)
{
    const QDir dir(QStringLiteral(QX_BIN_DIR "/data"));
    const QStringList astrFiles = dir.entryList({QStringLiteral("*.dct")});
    ASSERT_FALSE(astrFiles.isEmpty());
    const QString astrNothing[SPAN_TILES] = {"Q", "Q", "Q", "J", "J", "V", "V"};
    for (const QString& strFile : astrFiles) {
        CDictionary dict;
        ASSERT_TRUE(dict.LoadDictionary(dir.filePath(strFile)));
        ASSERT_FALSE(SpellsAWord(dict, astrNothing));
        m_wnd.SetDictionary(&dict);
        for (unsigned nSeed = 1; nSeed <= 300; ++nSeed) {
            std::srand(nSeed);
            m_wnd.DealLetters();
            ASSERT_TRUE(SpellsAWord(dict, m_wnd.m_strLetters))
                << strFile.toStdString() << " seed " << nSeed << ": " << SortedLetters(m_wnd.m_strLetters);
        }
        m_wnd.SetDictionary(nullptr);
    }
}

TEST_F(SpanwrightBoard, ADealThatLostItsWordIsDealtAgain)
{
    // Seven of RHYTHMIC's eight letters spell MYTH only when the dropped one is not M, Y or T; with
    // no second chance three deals in eight would spell nothing. A list that never spells a word
    // still ends its deal.
    CDictionary* pDictionary = Keep(MakeDictionary({"rhythmic", "myth"}, 1));
    m_wnd.SetDictionary(pDictionary);
    for (unsigned nSeed = 1; nSeed <= 200; ++nSeed) {
        std::srand(nSeed);
        m_wnd.DealLetters();
        ASSERT_TRUE(SpellsAWord(*pDictionary, m_wnd.m_strLetters)) << "seed " << nSeed << ": " << SortedLetters(m_wnd.m_strLetters);
    }
    CDictionary* pNever = Keep(MakeDictionary({"rhythmic"}, 1));
    m_wnd.SetDictionary(pNever);
    std::srand(3);
    m_wnd.DealLetters();
    const std::string strWord = "CHHIMRTY", strDealt = SortedLetters(m_wnd.m_strLetters);
    EXPECT_EQ(strDealt.size(), 7u);
    EXPECT_TRUE(std::includes(strWord.begin(), strWord.end(), strDealt.begin(), strDealt.end())) << strDealt;
}

TEST_F(SpanwrightBoard, NewGameStartsStillAndStopsTheWalk)
{
    StartWith("CATSDOG");
    Submit("CAT");
    ASSERT_EQ(m_wnd.m_nTimerId, CSpanwrightWnd::WALK_TIMER);
    Tick(3);
    m_wnd.m_nStepDelay = 2000;
    m_wnd.m_nPauseCount = 3;
    m_wnd.NewGame();
    EXPECT_TRUE(m_wnd.m_bRunning && !m_wnd.m_bGameOver && !m_wnd.m_bTimerStarted && m_wnd.m_nTimerId == 0u);
    EXPECT_EQ(std::pair(m_wnd.m_nStepDelay, m_wnd.m_nPauseCount), std::pair(5000, 0));
    EXPECT_EQ(m_wnd.m_nScore + m_wnd.m_nBridgeLen + m_wnd.m_nWalkerX + m_wnd.m_nWalkerFrame + m_wnd.m_nSelected, 0);
    EXPECT_EQ(m_wnd.m_listWords.GetCount(), 0);
    EXPECT_EQ(std::count(std::begin(m_wnd.m_anOrder), std::end(m_wnd.m_anOrder), -1), SPAN_TILES);
    // A stray tick before the first word moves nothing.
    Tick();
    EXPECT_EQ(m_wnd.m_nWalkerFrame, 0);
}
