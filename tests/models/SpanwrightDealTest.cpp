// Spanwright's deal on the model: letters of dealable dictionary words, the deal from the alphabet,
// the random source it draws from, and dictionaries with few or no words it can use.
#include <QDir>
#include <cstdlib>
#include <set>

#include "tests/models/SpanwrightModelSupport.h"

namespace {

// Some word of three or more letters can be spelled from the tiles; nUsed has a bit for each tile taken.
bool SpellsAWord(const CDictionary& dict, const CSpanwrightGame& game, const QString& strSoFar = {}, int nUsed = 0)
{
    BOOL bWord = FALSE;
    if (strSoFar.size() >= 3 && (!dict.LookupPrefix(strSoFar, bWord) || bWord))
        return bWord;
    for (int i = 0; i < SPAN_TILES; ++i)
        if (!(nUsed & 1 << i) && SpellsAWord(dict, game, strSoFar + game.Letter(i), nUsed | 1 << i))
            return true;
    return false;
}

std::string Upper(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(), ::toupper);
    return str;
}

// Every deal of the seeds holds letters of the word only (sorted, as a multiset).
void ExpectDealsFrom(CSpanwrightGame& game, std::string strWord, unsigned nSeeds, const char* pszCase)
{
    strWord = Upper(strWord);
    std::sort(strWord.begin(), strWord.end());
    for (unsigned nSeed = 1; nSeed <= nSeeds; ++nSeed) {
        std::srand(nSeed);
        game.DealLetters();
        const std::string strDealt = SortedLetters(game);
        ASSERT_EQ(strDealt.size(), 7u) << pszCase;
        ASSERT_TRUE(std::includes(strWord.begin(), strWord.end(), strDealt.begin(), strDealt.end()))
            << pszCase << " seed " << nSeed << ": " << strDealt;
    }
}

// n distinct words of six letters, each with a k, from "kaaaaa" on: none of them can be dealt.
std::vector<std::string> UndealableWords(int n)
{
    std::vector<std::string> a;
    for (int i = 0; i < n; ++i) {
        std::string str = "kaaaaa";
        for (int k = 5, v = i; k > 0 && v > 0; --k, v /= 26)
            str[k] = char('a' + v % 26);
        a.push_back(str);
    }
    return a;
}

} // namespace

TEST(SpanwrightDeal, WithoutUsableWordsOnlyEasyLetters)
{
    // No dictionary, one whose every word has a hard letter, an empty one: the deal still ends, with
    // easy letters only, and all eighteen of them come up.
    const auto pHard = MakeModelDictionary({"jukebox", "quartz", "wax", "ox"}, 1);
    const auto pEmpty = MakeModelDictionary({}, 1);
    const CDictionary* const apDictionaries[] = {nullptr, pHard.get(), pEmpty.get()};
    for (const CDictionary* pDictionary : apDictionaries) {
        CSpanwrightGame game;
        game.SetDictionary(pDictionary);
        std::set<QString> seen;
        for (unsigned nSeed = 1; nSeed <= 400; ++nSeed) {
            std::srand(nSeed);
            game.DealLetters();
            for (int i = 0; i < SPAN_TILES; ++i) {
                ASSERT_EQ(game.Letter(i).size(), 1);
                ASSERT_FALSE(QStringLiteral("QJXZKWVF").contains(game.Letter(i))) << game.Letter(i).toStdString();
                seen.insert(game.Letter(i));
            }
        }
        EXPECT_EQ(seen.size(), 18u);
    }
}

TEST(SpanwrightDeal, DrawsThroughTheRandomSourceItIsGiven)
{
    // Without a dictionary every draw is the source's: the same numbers give the same letters.
    CSpanwrightCountingRandom counting;
    CSpanwrightGame counted(counting), plain;
    std::srand(5);
    counted.DealLetters();
    std::srand(5);
    plain.DealLetters();
    EXPECT_EQ(SortedLetters(counted), SortedLetters(plain));
    EXPECT_GE(counting.nCalls, 14); // at least two draws a tile
    // With a dictionary the shuffle of the pool is the source's: one draw a tile.
    const auto pDictionary = MakeModelDictionary({"granite"}, 1);
    counted.SetDictionary(pDictionary.get());
    counting.nCalls = 0;
    counted.DealLetters();
    EXPECT_EQ(counting.nCalls, SPAN_TILES);
    EXPECT_EQ(SortedLetters(counted), "AEGINRT");
}

TEST(SpanwrightDeal, WithDictionaryLettersOfDealableWords)
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
        const auto pDictionary = MakeModelDictionary(aWords);
        CSpanwrightGame game;
        game.SetDictionary(pDictionary.get());
        ExpectDealsFrom(game, aWords[0], 50, pszCase);
    }
}

// A sparse dictionary: one dealable word among thousands that are not. The draw goes on until it
// comes up, however long that takes, instead of giving up on the dictionary.
TEST(SpanwrightDeal, ASparseDictionaryStillDealsItsWords)
{
    // RandomWord aims at the first 512 words of a block and never draws from the last block: with
    // 2,400 words in four blocks a draw finds "granite" about once in a thousand.
    std::vector<std::string> aWords = UndealableWords(2399);
    aWords.push_back("granite");
    const auto pDictionary = MakeModelDictionary(aWords);
    CSpanwrightGame game;
    game.SetDictionary(pDictionary.get());
    ExpectDealsFrom(game, "granite", 25, "sparse");
}

TEST(SpanwrightDeal, FallsBackOnlyWhenNoDrawCanGiveAUsableWord)
{
    // A usable word the draw never reaches counts for nothing: in the last block, or past the
    // 512th word of a block. The deal then comes from the alphabet at once.
    std::vector<std::string> aLastBlock = UndealableWords(30);
    aLastBlock.push_back("zzgranite"); // sorts last: the fourth block
    std::vector<std::string> aBeyondReach = UndealableWords(700);
    aBeyondReach.push_back("lumber"); // after every "k..." word: index 700 of the one block
    // A block's last word comes up when the aimed-at word has the wrong length: usable, it deals.
    const std::vector<std::string> aShortLast = {"kayak", "kin", "too"};
    const std::tuple<std::vector<std::string>, int, bool> aCases[] = {
        {aLastBlock, 4, false}, {aBeyondReach, 1, false}, {aShortLast, 1, true}};
    for (const auto& [aWords, nBlocks, bCanDeal] : aCases) {
        const auto pDictionary = MakeModelDictionary(aWords, nBlocks);
        EXPECT_EQ(CanDealFromDictionary(*pDictionary), bCanDeal) << aWords.back();
        CSpanwrightGame game;
        game.SetDictionary(pDictionary.get());
        std::srand(3);
        game.DealLetters();
        const std::string strDealt = SortedLetters(game);
        if (bCanDeal)
            EXPECT_TRUE(strDealt == "OOOOTTT" || strDealt == "OOOOOTT") << strDealt;
        else
            EXPECT_EQ(strDealt.find_first_of("QJXZKWVF"), std::string::npos);
    }
}

TEST(SpanwrightDeal, TheAnswerIsFoundAgainWhenTheDictionaryChanges)
{
    // The same dictionary object, first with no usable word, then loaded with one.
    CDictionary dictionary;
    ASSERT_TRUE(dictionary.LoadDictionaryFromData(BuildDictionaryImage({"jukebox", "quartz"}, 1)));
    CSpanwrightGame game;
    game.SetDictionary(&dictionary);
    std::srand(1);
    game.DealLetters();
    EXPECT_EQ(SortedLetters(game).find_first_of("QJXZKWVF"), std::string::npos);
    ASSERT_TRUE(dictionary.LoadDictionaryFromData(BuildDictionaryImage({"granite"}, 1)));
    ExpectDealsFrom(game, "granite", 3, "reloaded");
    // And back: a dictionary with no usable word is not waited on.
    ASSERT_TRUE(dictionary.LoadDictionaryFromData(BuildDictionaryImage({"jukebox"}, 1)));
    game.DealLetters();
    EXPECT_EQ(SortedLetters(game).size(), 7u);
}

TEST(SpanwrightDeal, EveryDealOfTheShippedDictionariesSpellsAWord)
{
    const QDir dir(QStringLiteral(QX_BIN_DIR "/data"));
    const QStringList astrFiles = dir.entryList({QStringLiteral("*.dct")});
    ASSERT_FALSE(astrFiles.isEmpty());
    for (const QString& strFile : astrFiles) {
        CDictionary dict;
        ASSERT_TRUE(dict.LoadDictionary(dir.filePath(strFile)));
        CSpanwrightGame game;
        ASSERT_TRUE(game.LoadFromText(GameText("QQQJJVV")));
        ASSERT_FALSE(SpellsAWord(dict, game));
        game.SetDictionary(&dict);
        for (unsigned nSeed = 1; nSeed <= 300; ++nSeed) {
            std::srand(nSeed);
            game.DealLetters();
            ASSERT_TRUE(SpellsAWord(dict, game)) << strFile.toStdString() << " seed " << nSeed << ": "
                                                 << SortedLetters(game);
        }
    }
}

TEST(SpanwrightDeal, ADealThatLostItsWordIsDealtAgain)
{
    // Seven of RHYTHMIC's eight letters spell MYTH only when the dropped one is not M, Y or T; with
    // no second chance three deals in eight would spell nothing. A list that never spells a word
    // still ends its deal.
    CDictionary dictionary;
    ASSERT_TRUE(dictionary.LoadDictionaryFromData(BuildDictionaryImage({"myth", "rhythmic"}, 1)));
    CSpanwrightGame game;
    game.SetDictionary(&dictionary);
    for (unsigned nSeed = 1; nSeed <= 200; ++nSeed) {
        std::srand(nSeed);
        game.DealLetters();
        ASSERT_TRUE(SpellsAWord(dictionary, game)) << "seed " << nSeed << ": " << SortedLetters(game);
    }
    CDictionary never;
    ASSERT_TRUE(never.LoadDictionaryFromData(BuildDictionaryImage({"rhythmic"}, 1)));
    game.SetDictionary(&never);
    ExpectDealsFrom(game, "rhythmic", 3, "no word to spell");
}
