// Tessaryl board: the neighbour table, letter generation and the new-game and quit sequences.
#include <QSet>
#include <functional>

#include "tests/tessaryl/TessarylTestSupport.h"

TEST(TessarylNeighbours, TableIsSymmetricWithUnusedSlotsLast)
{
    for (int n = 0; n < TESS_CELLS; ++n) {
        QSet<int> seen;
        for (int nSlot = 0; nSlot < TESS_NEIGHBOURS; ++nSlot) {
            const int nOther = g_anCellNeighbours[n][nSlot];
            if (nOther < 0)
                EXPECT_TRUE(nSlot + 1 == TESS_NEIGHBOURS || g_anCellNeighbours[n][nSlot + 1] < 0) << "cell " << n;
            else
                EXPECT_TRUE(nOther != n && !seen.contains(nOther) && IsCellNeighbour(nOther, n)) << n << " lists " << nOther;
            seen.insert(nOther);
        }
    }
    // The front corner: cells 6, 11 and 18 touch one another.
    EXPECT_TRUE(IsCellNeighbour(6, 11) && IsCellNeighbour(6, 18) && IsCellNeighbour(11, 18));
    EXPECT_FALSE(IsCellNeighbour(0, 26) || IsCellNeighbour(-1, 0));
}

class TessarylBoard : public CTessarylFixture {};

TEST_F(TessarylBoard, GeneratedBoardsAreFullWithoutALoneQ)
{
    // Words with a q that no u follows must still not leave a lone Q.
    m_wnd.SetDictionary(Keep(MakeDictionary({"qat", "iraqi", "qintar", "queen", "quiz", "equal", "cat", "tree", "house",
                                             "absolute", "zebra", "yak", "lamb", "dog", "river", "mountain"}, 4)));
    CDictionary none; // nothing loaded: every random word is empty, and generation must still end
    for (unsigned nSeed = 0; nSeed <= 200; ++nSeed) {
        if (nSeed == 200)
            m_wnd.SetDictionary(&none);
        srand(nSeed + 1);
        Game().GenerateBoard();
        for (int n = 0; n < TESS_CELLS; ++n) {
            const QString& str = Cells()[n];
            ASSERT_TRUE(str == QStringLiteral("QU") || (str.length() == 1 && str[0] >= 'A' && str[0] <= 'Z'))
                << "seed " << nSeed << " cell " << n << ": " << qPrintable(str);
            EXPECT_EQ(Finder().m_astrFinderCells[n], str);
        }
    }
}

TEST_F(TessarylBoard, PlacedWordIsASnakeThroughTouchingCells)
{
    // One long word of distinct letters on an empty board: only a prefix fits, on touching cells.
    const std::string strWord = "ABCDEFGHIJKLMNOPRSTVWXYZ";
    m_wnd.SetDictionary(Keep(MakeDictionary({strWord}, 1)));
    for (unsigned nSeed = 1; nSeed < 20; ++nSeed) {
        std::fill(std::begin(Cells()), std::end(Cells()), QString());
        srand(nSeed);
        Game().PlaceRandomWord();
        std::vector<int> anCells;
        for (char ch : strWord) {
            const QString* p = std::find(std::begin(Cells()), std::end(Cells()), QString(QChar(ch)));
            if (p == std::end(Cells()))
                break;
            anCells.push_back(int(p - Cells()));
        }
        ASSERT_GE(anCells.size(), 2u);
        EXPECT_EQ(long(anCells.size()), std::count_if(std::begin(Cells()), std::end(Cells()), [](const QString& s) { return !s.isEmpty(); }));
        for (size_t i = 1; i < anCells.size(); ++i)
            EXPECT_TRUE(IsCellNeighbour(anCells[i - 1], anCells[i]));
        EXPECT_NE(anCells[0], 26) << "the start draw covers cells 0 to 25 of an empty board";
    }
}

TEST_F(TessarylBoard, NewGameAndQuit)
{
    m_wnd.SetDictionary(Keep(MakeDictionary({"cat", "dog", "bird", "fish", "horse", "mouse", "tiger", "lion"}, 4)));
    m_wnd.QuitGame(); // nothing running: no question
    EXPECT_TRUE(m_boxes.boxes.empty());
    srand(3);
    m_wnd.NewGame();
    Score() = 450;
    UsedWords().append(QStringLiteral("Cat"));

    m_boxes.Answer(IDNO);
    m_wnd.QuitGame();
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.boxes[0].strText, QStringLiteral("Are you sure you want to quit?"));
    EXPECT_EQ(m_boxes.boxes[0].strCaption, QStringLiteral("Confirmation"));
    EXPECT_EQ(m_boxes.boxes[0].nType & 0x0F, MB_YESNO);
    EXPECT_TRUE(Running() && Score() == 450 && UsedWords().size() == 1) << "declined: nothing lost";
    m_boxes.Answer(IDYES);
    m_wnd.QuitGame();
    EXPECT_FALSE(Running() || m_wnd.IsWorkerAlive() || Score() || UsedWords().size());
    EXPECT_TRUE(std::all_of(std::begin(Cells()), std::end(Cells()), std::mem_fn(&QString::isEmpty)));

    // A new game replaces a running one without asking, with score and list emptied.
    m_wnd.NewGame();
    Score() = 75;
    UsedWords().append(QStringLiteral("Dog"));
    m_wnd.NewGame();
    EXPECT_TRUE(Running() && !Cells()[0].isEmpty() && Score() == 0 && UsedWords().size() == 0);
    EXPECT_EQ(m_boxes.boxes.size(), 2u);
}
