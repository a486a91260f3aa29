// The word check the three games share: a word is played when the dictionary has it, or when the
// player, asked, adds it to the personal list; with the check turned off an unknown word is refused.
#pragma once
#include <QString>

#include "dictionary/Dictionary.h"
#include "framework/MessageBox.h"
#include "games/AppSettings.h"

// fnShow(text, caption, type) shows a message box the game's way (holding its timers, say) and
// returns the answer.
template <class TShow>
BOOL CheckWordOrOfferToAdd(CDictionary* pDictionary, const AppSettings* pApp, const QString& strWord, TShow fnShow)
{
    if (pDictionary == nullptr || pDictionary->Contains(strWord))
        return TRUE;
    if (pApp && pApp->m_bVerifyIncorrect) {
        if (fnShow(QStringLiteral("'%1' not found in dictionary.  Add it?").arg(strWord), QStringLiteral("Unknown word"),
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
        pDictionary->AddPersonalWord(strWord);
        return TRUE;
    }
    fnShow(QStringLiteral("'%1' is not a valid word.").arg(strWord), QString(), MB_OK);
    return FALSE;
}
