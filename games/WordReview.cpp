// Building the review of a board's words.
#include "games/WordReview.h"

#include <QSet>
#include <algorithm>

#include "games/WordScore.h"

int CWordReview::Percent() const
{
    if (nFullScore <= 0)
        return 0;
    return int((qint64(nPlayerScore) * 100 + nFullScore / 2) / nFullScore);
}

CWordReview MakeWordReview(const QStringList& aWords, const QList<QList<int>>& aPaths,
                           const QStringList& aPlayerWords, int nPlayerScore)
{
    CWordReview review;
    review.nPlayerScore = nPlayerScore;
    QSet<QString> setPlayer;
    for (const QString& str : aPlayerWords)
        if (!str.isEmpty())
            setPlayer.insert(str.toUpper());

    QSet<QString> setListed;
    for (qsizetype i = 0; i < aWords.size(); ++i) {
        const QString strWord = aWords[i].toUpper();
        if (strWord.isEmpty() || setListed.contains(strWord))
            continue;
        setListed.insert(strWord);
        CReviewWord w;
        w.strWord = strWord;
        w.anPath = i < aPaths.size() ? aPaths[i] : QList<int>();
        review.aWords.append(w);
    }
    // A word the player made that the search does not reach (a long one, or one added to the
    // personal list) still belongs in the list of this board's words.
    for (const QString& strWord : setPlayer) {
        if (!setListed.contains(strWord)) {
            CReviewWord w;
            w.strWord = strWord;
            review.aWords.append(w);
        }
    }
    for (CReviewWord& w : review.aWords) {
        w.bFound = setPlayer.contains(w.strWord);
        w.nPoints = WordScore(w.strWord);
        review.nFullScore += w.nPoints;
        QPair<int, int>& counts = review.mapByLength[int(w.strWord.size())];
        ++counts.second;
        if (w.bFound) {
            ++counts.first;
            ++review.nFound;
        }
    }
    std::sort(review.aWords.begin(), review.aWords.end(), [](const CReviewWord& a, const CReviewWord& b) {
        if (a.strWord.size() != b.strWord.size())
            return a.strWord.size() < b.strWord.size();
        return a.strWord < b.strWord;
    });
    return review;
}
