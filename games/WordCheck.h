// The window side of the word check the three games share: the program's dictionary and personal
// list, and the add-word question shown as a box.
#pragma once
#include <QString>
#include <functional>

#include "dictionary/Dictionary.h"
#include "framework/MessageBox.h"
#include "games/AppSettings.h"
#include "games/GameModel.h"

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
