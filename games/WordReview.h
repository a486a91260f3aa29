// The review of every word on a board after a game: each word the search found, with its path,
// the player's own words marked, counts by length and the player's share of the full score.
#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct CReviewWord {
    // Upper case, as the board spells it.
    QString strWord;
    // The cells spelling it, in order; empty for a word of the player's the search did not list.
    QList<int> anPath;
    bool bFound = false;
    int nPoints = 0;
};

struct CWordReview {
    // Sorted by length, then alphabetically.
    QList<CReviewWord> aWords;
    // For each word length (in letters): how many the player found and how many there are.
    QMap<int, QPair<int, int>> mapByLength;
    int nFound = 0;
    qint64 nFullScore = 0;
    int nPlayerScore = 0;

    // The player's score as a share of the full score, in whole per cent (0 when there is none).
    int Percent() const;
};

// aWords/aPaths: what the search listed (duplicates allowed; the first path of a word is kept).
// aPlayerWords: the words the player scored, in any case.
CWordReview MakeWordReview(const QStringList& aWords, const QList<QList<int>>& aPaths,
                           const QStringList& aPlayerWords, int nPlayerScore);
