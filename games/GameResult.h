// What a game hands the records when it ends: its score, the words played and what the game adds
// to its line in the table.
#pragma once
#include <QDateTime>
#include <QJsonObject>
#include <QStringList>

struct CGameResult {
    int nScore = 0;
    QDateTime dtEnded;
    // Every word the player scored in this game, in the order played.
    QStringList aWords;
    // Tessaryl "words"; Cascadio "words" and "critters"; Spanwright "level" and "letters".
    QJsonObject extra;
};
