// Spanwright's fixed sizes, its letter tables and the two ways of dealing a letter: from dictionary
// words, or, with no dictionary that can give any, from the alphabet.
#pragma once
#include <QString>

class CDictionary;
class CGameRandom;

constexpr int SPAN_TILES = 7;          // letters dealt, and the longest word
constexpr int SPAN_LEVEL_LETTERS = 31; // a bridge this long reaches the right bank
constexpr int SPAN_SEGMENT = 6;        // pixels of bridge per letter
constexpr int SPAN_STANDING_FRAMES = 7; // frames 0 (resting) to 6 of the walking strip
constexpr int SPAN_FALL_FRAME = 7;      // the eighth frame of the strip: falling
constexpr int SPAN_FRAME_WIDTH = 36;
constexpr int SPAN_FRAME_HEIGHT = 50;
// Between two words the bridge is shorter than a level, and the animal can never be further on
// than the end of the longest such bridge plus the banks' four segments.
constexpr int SPAN_MAX_BRIDGE = SPAN_LEVEL_LETTERS - 1;
constexpr int SPAN_MAX_WALKER_X = (SPAN_MAX_BRIDGE + 4) * SPAN_SEGMENT;
// A rest longer than a minute between steps is no game any level could have left.
constexpr int SPAN_MAX_STEP_DELAY = 60000;
// Dictionary words that feed the deal are drawn with these lengths.
constexpr unsigned SPAN_DEAL_MIN = 4;
constexpr unsigned SPAN_DEAL_MAX = 16;

// The alphabet as the game deals it: entry 16 is "Qu".
extern const char* const g_apszSpanAlphabet[26];
extern const int g_anSpanVowels[6];
extern const char g_szSpanRareLetters[]; // "QJXZKWVF"

// One tile drawn the way the game deals when it has no dictionary.
QString DealLetterWithoutDictionary(CGameRandom& random);

// A dictionary word may feed the deal when it has none of the letters that make words hard to find
// (lower-case q, j, x, z, k, w, f) and nothing but a-z.
bool IsDealableWord(const char* pszWord);

// Whether CDictionary::RandomWord with the deal's lengths can ever give a dealable word. Drawing
// until the pool is full ends (almost surely) exactly when it can; otherwise it would draw for ever.
bool CanDealFromDictionary(const CDictionary& dictionary);
