// The saved text of a Cascadio game: writing it and reading it back, without any window, so the
// reader can be exercised on its own.
#pragma once
#include <QString>

constexpr int CASC_COLUMNS = 7;
constexpr int CASC_ROWS = 7;
constexpr int CASC_CELLS = CASC_COLUMNS * CASC_ROWS;

// Cells are indexed column * 7 + row, so the seven cells of a column are adjacent.
constexpr int CascCell(int c, int r) { return c * CASC_ROWS + r; }

// Largest values a loaded game may hold. Nothing the game itself does comes near them; they only keep
// a damaged or hand-made file from overflowing counters or stalling the game for good.
constexpr int CASC_MAX_CRITTER_VALUE = 1000000;
constexpr int CASC_MAX_SCORE = 999999999;
constexpr int CASC_MAX_SPAWN_INTERVAL = 3600000;
constexpr int CASC_MAX_CRITTERS = CASC_CELLS;
constexpr int CASC_MAX_STEP_TICKS = 1000000;

struct CCascadioState {
    QString astrLetters[CASC_CELLS];
    int anCritter[CASC_CELLS] = {};
    int nScore = 0;
    int nSpawnInterval = 0;
    int nMaxCritters = 0;
    int nStepTicks = 0;
};

// One line: 49 letters of two characters each (row by row from the top), a tab, then 49 critter
// values and the score, spawn interval, most critters and step ticks, each followed by a tab.
QString FormatCascadioText(const CCascadioState& state);

// Reads a saved text (up to its first zero character, if any). Numbers missing at the end read as 0
// and text after the last field is ignored; false when the text cannot be a game: fewer than 98
// characters of letters, a cell that is not a letter, or a number no game can hold.
bool ParseCascadioText(const QString& strText, CCascadioState& state);
