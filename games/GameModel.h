// What the three game models share and need from outside: the random source, the word check, and
// the reader of the saved texts. Nothing here draws or opens a window.
#pragma once
#include <QString>
#include <cstdlib>

// Every random number a game draws comes through here. The default is the C library's one rand()
// sequence, seeded once at start-up, so the games draw exactly the numbers they always did;
// tests and tools hand in their own.
class CGameRandom {
public:
    virtual ~CGameRandom() = default;
    virtual int Rand() { return std::rand(); }
};

// The program-wide source the windows hand to their models.
CGameRandom& DefaultGameRandom();

// The dictionary as a model sees it. The window's implementation asks the player with a box; a
// test's answers from a plain list.
class IWordCheck {
public:
    virtual ~IWordCheck() = default;
    // The dictionary or the personal list holds the word.
    virtual bool Contains(const QString& strWord) = 0;
    // The preference "verify incorrect" (ask before refusing an unknown word) is on.
    virtual bool IsAddOfferOn() const = 0;
    // Asks "'%s' not found in dictionary.  Add it?"; on Yes adds the word to the personal list
    // and answers true.
    virtual bool AskToAdd(const QString& strWord) = 0;
};

// The one word check of the three games: true when the word is played (known, or added when the
// player was asked). Otherwise strNotice is the message to show, or stays empty when the player
// answered No. With no dictionary every word is played.
bool CheckWordWithOffer(IWordCheck* pCheck, const QString& strWord, QString& strNotice);

// Reads the fields of a saved text as the games always have: numbers are read where the cursor
// stands, the way the C library's _wtol reads them (any leading white space, an optional sign,
// digits; no digits read 0), without moving the cursor; the field separators are then skipped on
// their own. The text ends at its first zero character.
class CSavedTextReader {
public:
    explicit CSavedTextReader(const QString& str);

    bool AtEnd() const { return m_i >= m_n; }
    qsizetype Pos() const { return m_i; }
    void SetPos(qsizetype i) { m_i = i < m_n ? i : m_n; }
    qsizetype Length() const { return m_n; }
    // The character at i, or a zero character past the end.
    QChar At(qsizetype i) const { return i < m_n ? m_str[i] : QChar(); }
    QChar Current() const { return At(m_i); }

    // The number at the cursor, clamped to the int range instead of wrapping.
    int Number() const;
    // The same, with the range a larger field may need.
    long long LongNumber() const;

    // To the next tab (or the end) without passing it.
    void SkipField();
    // Past any run of tabs.
    void SkipTabs();
    // Past one tab, if one stands at the cursor.
    void SkipOneTab();
    // SkipField then SkipTabs: to the start of the next field.
    void NextField()
    {
        SkipField();
        SkipTabs();
    }
    // Moves on by n characters (not past the end).
    void Advance(qsizetype n) { SetPos(m_i + n); }

    static bool IsWhiteSpace(char16_t ch);

private:
    const QString m_str;
    qsizetype m_n = 0;
    qsizetype m_i = 0;
};
