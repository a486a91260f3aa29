// Points for an accepted word, shared by the three games.
#pragma once
#include <QString>

// A "QU"/"Qu" tile adds two characters to the word, so it simply counts as two here.
inline int WordScore(const QString& strWord)
{
    const int n = int(strWord.length());
    if (n < 5)
        return 75 * n;
    if (n <= 7)
        return 100 * n;
    return 150 * n;
}
