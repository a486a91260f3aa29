// CSpanwrightGame: dealing, spelling, scoring, the walk, levels, the fall and the saved text.
#include "games/spanwright/SpanwrightGame.h"

#include <algorithm>
#include <climits>

#include "dictionary/Dictionary.h"
#include "games/WordScore.h"
#include "games/spanwright/SpanwrightText.h"

CSpanwrightGame::CSpanwrightGame(CGameRandom& random) : m_pRandom(&random) {}

namespace {
constexpr int MAX_DEALS = 20;

// Some word of three letters or more can be spelled from the tiles; nUsed has a bit per tile taken.
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

bool CSpanwrightGame::CanDealFromWords()
{
    const unsigned nChange = m_pDictionary->GetChangeCount();
    if (m_pDealChecked != m_pDictionary || m_nDealCheckedChange != nChange) {
        m_bCanDeal = CanDealFromDictionary(*m_pDictionary);
        m_pDealChecked = m_pDictionary;
        m_nDealCheckedChange = nChange;
    }
    return m_bCanDeal;
}

void CSpanwrightGame::DealLetters()
{
    if (m_pDictionary == nullptr || !CanDealFromWords()) {
        // No dictionary, or none that can give letters: the deal of a game without a dictionary.
        for (QString& strLetter : m_strLetters)
            strLetter = DealLetterWithoutDictionary(*m_pRandom);
        return;
    }
    // Dropping the eighth letter can break the only word a pool spells (RHYTHM without its Y); a
    // fresh deal nearly always mends that at once, so a few are tried before one is kept.
    for (int nDeal = 0; nDeal < MAX_DEALS; ++nDeal) {
        DealFromWords();
        if (SpellsAWord(*m_pDictionary, m_strLetters))
            return;
    }
}

void CSpanwrightGame::DealFromWords()
{
    // However few the usable words, some draw gives one: keep drawing until the pool is full.
    QByteArray pool;
    char szWord[128];
    while (pool.size() < SPAN_TILES) {
        m_pDictionary->RandomWord(szWord, SPAN_DEAL_MIN, SPAN_DEAL_MAX);
        if (IsDealableWord(szWord))
            pool.append(szWord);
    }
    pool.truncate(SPAN_TILES + 1);
    for (QString& strLetter : m_strLetters) {
        const int k = m_pRandom->Rand() % int(pool.size());
        strLetter = QString(QChar::fromLatin1(pool[k])).toUpper();
        pool.remove(k, 1);
    }
}

void CSpanwrightGame::ResetPlay()
{
    m_nScore = 0;
    m_bGameOver = false;
    m_bTimerStarted = false;
    m_bLevelDone = false;
    ClearSelection();
    m_nBridgeLen = 0;
    m_nWalkerFrame = 0;
    m_nWalkerX = 0;
    m_listWords.clear();
    m_nLevel = 1;
    m_nLettersBridged = 0;
    m_aScoredWords.clear();
}

void CSpanwrightGame::NewGame()
{
    ResetPlay();
    m_nPauseCount = 0;
    m_nStepDelay = START_STEP_DELAY;
    DealLetters();
    m_bRunning = true;
}

void CSpanwrightGame::QuitGame()
{
    ResetPlay();
    for (QString& str : m_strLetters)
        str.clear();
    m_bRunning = false;
}

void CSpanwrightGame::ClearSelection()
{
    m_nSelected = 0;
    for (int& n : m_anOrder)
        n = -1;
}

bool CSpanwrightGame::TapTile(int i)
{
    if (m_anOrder[i] != -1)
        return false;
    m_anOrder[i] = m_nSelected++;
    return true;
}

int CSpanwrightGame::TypeLetter(QChar ch)
{
    const QString strLetter(ch.toUpper());
    for (int i = 0; i < SPAN_TILES; ++i) {
        if (m_anOrder[i] == -1 && m_strLetters[i] == strLetter) {
            TapTile(i);
            return i;
        }
    }
    return -1;
}

void CSpanwrightGame::TapSlot(int i)
{
    // Only the last letter of the word goes back this way.
    if (i == m_nSelected - 1)
        TakeBackLetter();
}

bool CSpanwrightGame::TakeBackLetter()
{
    if (m_nSelected == 0)
        return false;
    for (int& n : m_anOrder) {
        if (n == m_nSelected - 1)
            n = -1;
    }
    --m_nSelected;
    return true;
}

QString CSpanwrightGame::BuildWord() const
{
    QChar achWord[SPAN_TILES + 1] = {};
    for (int i = 0; i < SPAN_TILES; ++i) {
        const int n = m_anOrder[i];
        if (n >= 0 && n < SPAN_TILES && !m_strLetters[i].isEmpty())
            achWord[n] = m_strLetters[i][0];
    }
    QString str;
    for (int k = 0; k < SPAN_TILES && achWord[k] != QChar(); ++k)
        str += achWord[k];
    return str.toUpper();
}

void CSpanwrightGame::RaiseHighScore()
{
    if (m_pnHighScore && m_nScore > *m_pnHighScore)
        *m_pnHighScore = m_nScore;
}

SpanwrightSubmit CSpanwrightGame::SubmitWord()
{
    SpanwrightSubmit result;
    const QString strWord = BuildWord();
    if (m_listWords.contains(strWord, Qt::CaseInsensitive))
        result.strNotice = QStringLiteral("You have already used that word");
    else if (strWord.length() < 3)
        result.strNotice = QStringLiteral("Words must be at least 3 letters long");
    else
        result.bAccepted = CheckWordWithOffer(m_pWordCheck, strWord, result.strNotice);
    if (!result.bAccepted) {
        ClearSelection();
        return result;
    }

    m_bLevelDone = false;
    m_nBridgeLen += int(strWord.length());
    m_nLettersBridged += int(strWord.length());
    m_aScoredWords.append(strWord);
    m_listWords.prepend(strWord.left(1) + strWord.mid(1).toLower());
    // A loaded score may sit near the top of the range: it stops there rather than wrapping.
    m_nScore = int(std::min<long long>(INT_MAX, (long long)m_nScore + WordScore(strWord)));
    RaiseHighScore();
    if (!m_bTimerStarted) {
        // The animal rests a whole step delay before its first step.
        m_bTimerStarted = true;
        result.eTimer = ESpanTimer::Start;
        result.nPeriod = m_nStepDelay;
    }
    if (m_nBridgeLen >= SPAN_LEVEL_LETTERS) {
        // Level complete: the bridge goes, the animal is back on the left bank and waits for the
        // next word, and it will rest less between steps. The timer runs on; its ticks wait.
        m_nBridgeLen = 0;
        m_bLevelDone = true;
        ++m_nLevel;
        m_nWalkerX = 0;
        m_nWalkerFrame = 0;
        result.bLevelDone = true;
        if (m_nStepDelay > 1000) // written so that no delay a file holds can overflow
            m_nStepDelay -= 500;
    }
    ClearSelection();
    return result;
}

void CSpanwrightGame::DealNewLetters(bool bFree)
{
    if (!bFree && !m_bLevelDone && m_nScore > 25)
        m_nScore -= 25;
    ClearSelection();
    DealLetters();
    m_listWords.clear();
}

QString CSpanwrightGame::PauseGame()
{
    const int nBefore = m_nPauseCount++;
    return nBefore > 4 ? QStringLiteral("Game Paused (against my better judgement).  Press OK to resume.")
                       : QStringLiteral("Game Paused.  Press OK to resume.");
}

SpanwrightTick CSpanwrightGame::Tick()
{
    SpanwrightTick tick;
    if (!IsWalkUnderWay()) {
        tick.eTimer = ESpanTimer::Stop;
        return tick;
    }
    if (m_bLevelDone)
        return tick;

    // The animal's centre is past the last segment: it falls.
    if (m_nWalkerX + 18 > (m_nBridgeLen + 4) * SPAN_SEGMENT) {
        m_bGameOver = true;
        m_bRunning = false;
        tick.eWhat = SpanwrightTick::Fell;
        tick.eTimer = ESpanTimer::Stop;
        return tick;
    }
    tick.eWhat = SpanwrightTick::Moved;
    if (m_nWalkerFrame == 0) {
        m_nWalkerFrame = 1;
        tick.eTimer = ESpanTimer::Start;
        tick.nPeriod = STEP_PERIOD;
        return tick;
    }
    // Frames 1 to 6 move the animal 2, 2, 2, 2, 2 and 1 pixels, then it rests on frame 0.
    const int f = m_nWalkerFrame;
    m_nWalkerFrame = f + 1;
    if (f < 6) {
        m_nWalkerX += 2;
    } else {
        m_nWalkerX += 1;
        if (m_nStepDelay >= 0) {
            m_nWalkerFrame = 0;
            tick.eTimer = ESpanTimer::Start;
            tick.nPeriod = m_nStepDelay;
        } else {
            m_nWalkerFrame = 1; // a negative rest (only a loaded game holds one): no rest at all
        }
    }
    return tick;
}

CGameResult CSpanwrightGame::GetResult() const
{
    CGameResult result;
    result.nScore = m_nScore;
    result.aWords = m_aScoredWords;
    result.extra[QStringLiteral("level")] = m_nLevel;
    result.extra[QStringLiteral("letters")] = m_nLettersBridged;
    return result;
}

void CSpanwrightGame::SaveToText(QString& strText) const
{
    SpanwrightSavedGame game;
    game.nScore = m_nScore;
    game.nWalkerX = m_nWalkerX;
    game.nWalkerFrame = m_nWalkerFrame;
    game.nBridgeLen = m_nBridgeLen;
    game.nStepDelay = m_nStepDelay;
    for (int i = 0; i < SPAN_TILES; ++i) {
        game.astrLetters[i] = m_strLetters[i];
        game.anOrder[i] = m_anOrder[i];
    }
    game.astrWords = m_listWords;
    strText = FormatSpanwrightText(game);
}

bool CSpanwrightGame::LoadFromText(const QString& strText)
{
    SpanwrightSavedGame game;
    if (!ParseSpanwrightText(strText, game))
        return false;
    m_nPauseCount = 0;
    m_bGameOver = false;
    m_nScore = game.nScore;
    m_nWalkerX = game.nWalkerX;
    m_nWalkerFrame = game.nWalkerFrame;
    m_nBridgeLen = game.nBridgeLen;
    m_nStepDelay = game.nStepDelay;
    for (int i = 0; i < SPAN_TILES; ++i)
        m_strLetters[i] = game.astrLetters[i];
    m_listWords = game.astrWords;
    // The rest starts at 5 s and shortens by half a second a level down to 1 s; a rest outside
    // that range (a hand-made file) tells nothing, and the game counts as on its first level.
    m_nLevel = 1;
    if (m_nStepDelay >= 1000 && m_nStepDelay <= START_STEP_DELAY)
        m_nLevel = 1 + (START_STEP_DELAY - m_nStepDelay) / 500;
    m_nLettersBridged = (m_nLevel - 1) * SPAN_LEVEL_LETTERS + m_nBridgeLen;
    m_aScoredWords.clear();
    for (const QString& strWord : m_listWords)
        m_aScoredWords.prepend(strWord.toUpper());
    // A loaded game starts with every letter back in the letter row.
    ClearSelection();
    // The walk goes on as it was saved: an animal with a bridge under it walks on (after its rest
    // when it was resting); with no bridge, before the first word or after a completed level, it
    // waits for the next accepted word.
    m_bLevelDone = m_nBridgeLen == 0 && m_nScore > 0;
    m_bTimerStarted = m_nBridgeLen > 0;
    m_bRunning = true;
    return true;
}
