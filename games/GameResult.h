// What a game hands the records when it ends: its score, the words played and what the game adds
// to its line in the table.
#pragma once
#include <QDateTime>
#include <QJsonObject>
#include <QStringList>

#include "games/WordScore.h"

struct CGameResult {
    int nScore = 0;
    QDateTime dtEnded;
    // Every word the player scored in this game, in the order played.
    QStringList aWords;
    // Tessaryl "words"; Cascadio "words" and "critters"; Spanwright "level" and "letters".
    QJsonObject extra;

    // The word worth most points, the first of equals; empty (and 0 points) without words.
    QString BestWord(int* pnPoints = nullptr) const
    {
        QString strBest;
        int nBest = 0;
        for (const QString& strWord : aWords) {
            if (WordScore(strWord) > nBest) {
                nBest = WordScore(strWord);
                strBest = strWord;
            }
        }
        if (pnPoints)
            *pnPoints = nBest;
        return strBest;
    }
};
