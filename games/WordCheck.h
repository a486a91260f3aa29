// The word check the three games share: a word is played when the dictionary has it, or when the
// player, asked, adds it to the personal list; with the check turned off an unknown word is refused.
#pragma once
#include <QString>

#include "dictionary/Dictionary.h"
#include "framework/MessageBox.h"
#include "games/AppSettings.h"
#include "games/GameModel.h"

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

// The word check a game window hands its model: the program's dictionary and personal list, the
// preference, and the add-word question shown the window's way (fnShow holds its timers).
class CDictionaryWordCheck : public IWordCheck {
public:
    using ShowFn = std::function<int(const QString& strText, const QString& strCaption, UINT nType)>;

    void SetDictionary(CDictionary* pDictionary) { m_pDictionary = pDictionary; }
    void SetSettings(const AppSettings* pApp) { m_pApp = pApp; }
    void SetShow(ShowFn fnShow) { m_fnShow = std::move(fnShow); }

    bool Contains(const QString& strWord) override
    {
        return m_pDictionary == nullptr || m_pDictionary->Contains(strWord);
    }
    bool IsAddOfferOn() const override { return m_pApp != nullptr && m_pApp->m_bVerifyIncorrect; }
    bool AskToAdd(const QString& strWord) override
    {
        const QString strText = QStringLiteral("'%1' not found in dictionary.  Add it?").arg(strWord);
        const QString strCaption = QStringLiteral("Unknown word");
        // Enter must never add a word by accident: No is the default.
        const UINT nType = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
        if ((m_fnShow ? m_fnShow(strText, strCaption, nType) : QxMessageBox(strText, strCaption, nType)) != IDYES)
            return false;
        if (m_pDictionary != nullptr)
            m_pDictionary->AddPersonalWord(strWord);
        return true;
    }

private:
    CDictionary* m_pDictionary = nullptr;
    const AppSettings* m_pApp = nullptr;
    ShowFn m_fnShow;
};
