// CSortedStringArray: a string list kept in ascending case-insensitive order with a parallel value array.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "framework/Types.h"

// Case-insensitive comparison folding only A-Z, as the handheld's C library did: <0, 0 or >0.
int CompareNoCaseAZ(const QString& a, const QString& b);

class CSortedStringArray {
public:
    CSortedStringArray() = default;
    virtual ~CSortedStringArray() = default;

    // Stores the string at its sorted place (in front of an equal one) with the value 0; returns the index.
    int Add(const QString& str);
    // Stores many strings at once, each with the value 0: one sort instead of one insertion each.
    // Equal strings keep their order, after those already stored.
    void AddMany(const QStringList& astr);
    // Index of an element equal to str ignoring A-Z case, or -1.
    int Find(const QString& str) const;
    // Index of the first element not below str (ignoring A-Z case); GetSize() when there is none.
    int LowerBound(const QString& str) const;
    void RemoveAt(int nIndex);
    void RemoveAll();

    int GetSize() const { return int(m_aStrings.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_aStrings.isEmpty(); }
    const QString& GetAt(int nIndex) const { return m_aStrings.at(nIndex); }
    const QString& operator[](int nIndex) const { return m_aStrings.at(nIndex); }
    const QStringList& Strings() const { return m_aStrings; }

    // One value per string, index-aligned with the strings. Pointer-wide so a caller can keep a
    // pointer there on a 64-bit system.
    std::vector<uintptr_t> m_aData;

private:
    int FindInsertIndex(const QString& str) const;

    // Private so that nothing can insert out of order or let m_aData fall out of step.
    QStringList m_aStrings;
};
