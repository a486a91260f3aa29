// Tessaryl's saved game as text: one line of tab-ended fields (board, score, used words, hints
// with their paths), written and read without a window, so that tools and fuzzers can use it.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "games/tessaryl/TessarylBoard.h"
#include "games/tessaryl/TessarylFinder.h"

// At most this many hints are written; the rest are found again by the word finder.
constexpr int TESS_SAVED_HINTS = 25;
// A score no game reaches; a text claiming more (or less than 0) was not written by a game.
constexpr int TESS_MAX_SCORE = 999999999;
// Far more words than one board holds: a longer list was not written by a game either, and would
// only stall the interface filling the list box.
constexpr int TESS_MAX_USED_WORDS = 5000;
// The same for hints: a game writes at most TESS_SAVED_HINTS, and each one read is sorted in.
constexpr int TESS_MAX_LOADED_HINTS = 5000;

struct CTessarylSavedGame {
    // A cell the text did not reach stays empty; the loader then keeps the board's own letter there.
    QString m_astrCells[TESS_CELLS];
    int m_nScore = 0;
    QStringList m_astrUsedWords; // newest first, as the list shows them
    QStringList m_astrHintWords;
    std::vector<CPathBlock> m_aHintPaths; // index-aligned with m_astrHintWords, each ended by -1
};

// The text of a game. Only the first TESS_SAVED_HINTS hints are written.
QString FormatTessarylText(const CTessarylSavedGame& game);

// Reads a text leniently (missing fields are 0 or empty) but never past its end. Hints whose path
// leaves the board, or is empty, are dropped; a path keeps at most 31 cells. FALSE when the text
// cannot be a Tessaryl game: no board at all, or a cell that does not start with a letter.
BOOL ParseTessarylText(const QString& strText, CTessarylSavedGame& game);
