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

// How the status line shows a word: upper case with its points once it is long enough to score.
inline QString WordWithPoints(const QString& strWord)
{
    const QString strUpper = strWord.toUpper();
    return strUpper.length() < 3 ? strUpper : QStringLiteral("%1: %2 points").arg(strUpper).arg(WordScore(strUpper));
}
