// Spanwright's saved-game text: the fields of a game as tab-ended text, and reading them back.
#pragma once
#include <QString>
#include <QStringList>

#include "games/spanwright/SpanwrightBoard.h"

struct SpanwrightSavedGame {
    int nScore = 0;
    int nWalkerX = 0;
    int nWalkerFrame = 0;
    int nBridgeLen = 0;
    int nStepDelay = 5000;
    QString astrLetters[SPAN_TILES];
    int anOrder[SPAN_TILES] = {-1, -1, -1, -1, -1, -1, -1};
    QStringList astrWords; // most recent first, as listed
};

// Every field followed by one tab: score, walker position and frame, bridge length, step delay,
// each tile's letter and word position, the number of used words, the words.
QString FormatSpanwrightText(const SpanwrightSavedGame& game);

// Reads the fields leniently (a missing or non-numeric number is 0, tabs between fields may
// repeat), then refuses, returning false, a text no game could have written: a tile that is not one
// letter A-Z, a bridge of a level's length or more, a walking frame outside the strip, a score or
// position below zero or the animal beyond the longest bridge. Used words that cannot be spelled
// from seven tiles are dropped; the word count never reads past the text.
bool ParseSpanwrightText(const QString& strText, SpanwrightSavedGame& game);

// More used words than the arrangements of three to seven tiles cannot be told apart.
constexpr int SPAN_MAX_USED_WORDS = 13650;
