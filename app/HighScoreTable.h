// The games' high scores as one table, in the games' order (Tessaryl, Spanwright, Cascadio, as the
// screen host keeps them): the game's name on the main screen, the value's name in the settings
// and the settings record's field. Everything that reads, writes, resets or shows the high scores
// loops over it.
#pragma once
#include <iterator>

#include "games/AppSettings.h"

struct HighScoreEntry {
    const char* pszGame;
    const char* pszRegistryName;
    int AppSettings::*pnField;
};

inline constexpr HighScoreEntry HIGH_SCORES[] = {
    {"Tessaryl", "CubeHiScore", &AppSettings::m_nCubeHiScore},
    {"Spanwright", "BridgeHiScore", &AppSettings::m_nBridgeHiScore},
    {"Cascadio", "DropHiScore", &AppSettings::m_nDropHiScore},
};
inline constexpr int HIGH_SCORE_COUNT = int(std::size(HIGH_SCORES));
