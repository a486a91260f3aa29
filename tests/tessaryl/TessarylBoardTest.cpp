// Tessaryl board: the neighbour table, letter generation and the new-game and quit sequences.
#include <QSet>

#include "tests/support/ScriptedMessageBox.h"
#include "tests/tessaryl/TessarylTestSupport.h"

TEST(TessarylNeighbours, TableIsSymmetricWithUnusedSlotsLast)
{
    for (int n = 0; n < TESS_CELLS; ++n) {
        bool bEnded = false;
        QSet<int> seen;
        for (int nSlot = 0; nSlot < TESS_NEIGHBOURS; ++nSlot) {
            const int nOther = g_anCellNeighbours[n][nSlot];
            if (nOther < 0) {
                bEnded = true;
                continue;
            }
            EXPECT_FALSE(bEnded) << "cell " << n << " has a neighbour after an unused slot";
            EXPECT_NE(nOther, n);
            EXPECT_FALSE(seen.contains(nOther));
            seen.insert(nOther);
            EXPECT_TRUE(IsCellNeighbour(nOther, n)) << n << " lists " << nOther << " but not back";
        }
    }
    // The front corner: cells 6, 11 and 18 touch one another.
    EXPECT_TRUE(IsCellNeighbour(6, 11) && IsCellNeighbour(6, 18) && IsCellNeighbour(11, 18));
    EXPECT_FALSE(IsCellNeighbour(0, 26));
    EXPECT_FALSE(IsCellNeighbour(-1, 0));
}

class TessarylBoard : public CTessarylFixture {};

TEST_F(TessarylBoard, GeneratedBoardsAreFullWithoutALoneQ)
{
    // Words with a q that no u follows must still not leave a lone Q.
    CDictionary* pDictionary = Keep(MakeDictionary({"qat", "iraqi", "qintar", "queen", "quiz", "equal", "cat", "tree", "house",
                                       "absolute", "zebra", "yak", "lamb", "dog", "river", "mountain"},
                                      4));
    m_wnd.SetDictionary(pDictionary);
    for (unsigned nSeed = 1; nSeed <= 200; ++nSeed) {
        srand(nSeed);
        m_wnd.GenerateBoard();
        for (int n = 0; n < TESS_CELLS; ++n) {
            const QString& str = m_wnd.m_astrCells[n];
            ASSERT_FALSE(str.isEmpty()) << "seed " << nSeed << " cell " << n;
            ASSERT_TRUE(str == QStringLiteral("QU") || (str.length() == 1 && str[0] >= 'A' && str[0] <= 'Z'))
                << qPrintable(str);
            EXPECT_EQ(m_wnd.m_finder.m_astrFinderCells[n], str);
        }
    }
}

TEST_F(TessarylBoard, SameSeedSameBoard)
{
    CDictionary* pDictionary = Keep(MakeDictionary({"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel"}, 4));
    m_wnd.SetDictionary(pDictionary);
    srand(42);
    m_wnd.GenerateBoard();
    QStringList first(std::begin(m_wnd.m_astrCells), std::end(m_wnd.m_astrCells));
    srand(42);
    m_wnd.GenerateBoard();
    EXPECT_EQ(first, QStringList(std::begin(m_wnd.m_astrCells), std::end(m_wnd.m_astrCells)));
}

TEST_F(TessarylBoard, PlacedWordIsASnakeThroughTouchingCells)
{
    // One long word on an empty board: its letters lie on a chain of touching cells.
    CDictionary* pDictionary = Keep(MakeDictionary({"abcdefghijklmnoprstvwxyz"}, 1));
    m_wnd.SetDictionary(pDictionary);
    for (unsigned nSeed = 1; nSeed < 20; ++nSeed) {
        for (QString& str : m_wnd.m_astrCells)
            str.clear();
        srand(nSeed);
        m_wnd.PlaceRandomWord();
        std::vector<int> anCells;
        for (char ch : std::string("ABCDEFGHIJKLMNOPRSTVWXYZ")) {
            int nFound = -1;
            for (int n = 0; n < TESS_CELLS; ++n)
                if (m_wnd.m_astrCells[n] == QString(QChar(ch)))
                    nFound = n;
            if (nFound < 0)
                break;
            anCells.push_back(nFound);
        }
        ASSERT_GE(anCells.size(), 2u);
        int nPlaced = 0;
        for (const QString& str : m_wnd.m_astrCells)
            nPlaced += !str.isEmpty();
        EXPECT_EQ(int(anCells.size()), nPlaced) << "only a prefix of the word is placed";
        for (size_t i = 1; i < anCells.size(); ++i)
            EXPECT_TRUE(IsCellNeighbour(anCells[i - 1], anCells[i]));
        EXPECT_NE(anCells[0], 26) << "the start draw covers cells 0 to 25 of an empty board";
    }
}

TEST_F(TessarylBoard, GenerationEndsWithADictionaryYieldingNoWord)
{
    CDictionary none; // nothing loaded: every random word is empty
    m_wnd.SetDictionary(&none);
    srand(7);
    m_wnd.GenerateBoard();
    for (const QString& str : m_wnd.m_astrCells)
        EXPECT_FALSE(str.isEmpty());
}

TEST_F(TessarylBoard, NewGameAndQuit)
{
    CScriptedMessageBox boxes;
    CDictionary* pDictionary = Keep(MakeDictionary({"cat", "dog", "bird", "fish", "horse", "mouse", "tiger", "lion"}, 4));
    m_wnd.SetDictionary(pDictionary);
    m_wnd.QuitGame(); // nothing running: no question
    EXPECT_TRUE(boxes.boxes.empty());

    srand(3);
    m_wnd.NewGame();
    EXPECT_TRUE(m_wnd.m_bGameRunning);
    EXPECT_EQ(m_wnd.m_nScore, 0);
    EXPECT_FALSE(m_wnd.m_astrCells[0].isEmpty());
    m_wnd.m_nScore = 450;
    m_wnd.m_wndUsedWords.AddString(QStringLiteral("Cat"));

    boxes.Answer(IDNO);
    m_wnd.QuitGame();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(boxes.boxes[0].strCaption, QStringLiteral("Confirmation"));
    EXPECT_EQ(boxes.boxes[0].nType & 0x0F, MB_YESNO);
    EXPECT_TRUE(m_wnd.m_bGameRunning);
    EXPECT_EQ(m_wnd.m_nScore, 450);
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetCount(), 1);

    boxes.Answer(IDYES);
    m_wnd.QuitGame();
    EXPECT_FALSE(m_wnd.m_bGameRunning);
    EXPECT_FALSE(m_wnd.IsWorkerRunning());
    EXPECT_EQ(m_wnd.m_nScore, 0);
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetCount(), 0);
    for (const QString& str : m_wnd.m_astrCells)
        EXPECT_TRUE(str.isEmpty());

    // A new game replaces a running one without asking and empties the list.
    m_wnd.NewGame();
    m_wnd.m_wndUsedWords.AddString(QStringLiteral("Dog"));
    m_wnd.NewGame();
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetCount(), 0);
    EXPECT_EQ(boxes.boxes.size(), 2u);
}
