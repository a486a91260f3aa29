// The word check the model tests drive the games with: a plain list of words (any case); an
// unknown word is offered for adding when bOffer is set, and added when the answer bYes is yes.
#pragma once
#include <QSet>
#include <QStringList>

#include "games/GameModel.h"

class CListWordCheck : public IWordCheck {
public:
    explicit CListWordCheck(const QStringList& astrWords = {})
    {
        for (const QString& str : astrWords)
            words.insert(str.toUpper());
    }
    bool Contains(const QString& strWord) override { return words.contains(strWord.toUpper()); }
    bool IsAddOfferOn() const override { return bOffer; }
    bool AskToAdd(const QString& strWord) override
    {
        astrAsked << strWord;
        if (bYes)
            words.insert(strWord.toUpper());
        return bYes;
    }

    // Upper case.
    QSet<QString> words;
    bool bOffer = false;
    bool bYes = false;
    QStringList astrAsked;
};
