// CSortedStringArray: binary search and insertion keeping the case-insensitive order.
#include "dictionary/SortedStringArray.h"

#include <algorithm>

namespace {
inline char16_t FoldAZ(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c; }
} // namespace

int CompareNoCaseAZ(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = FoldAZ(pa[i].unicode());
        const char16_t cb = FoldAZ(pb[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CSortedStringArray::Find(const QString& str) const
{
    const int nCount = GetSize();
    if (nCount == 0)
        return -1;
    int nLow = 0;
    int nHigh = nCount;
    int nProbe = nCount / 2;
    do {
        const int nCmp = CompareNoCaseAZ(m_aStrings.at(nProbe), str);
        if (nCmp == 0)
            return nProbe;
        if (nCmp < 0)
            nLow = nProbe;
        else
            nHigh = nProbe;
        const int nNext = nLow + (nHigh - nLow) / 2;
        if (nNext == nProbe)
            return -1;
        nProbe = nNext;
    } while (nLow <= nHigh);
    return -1;
}

int CSortedStringArray::FindInsertIndex(const QString& str) const
{
    const int nCount = GetSize();
    int nLow = 0;
    int nHigh = nCount;
    int nProbe = nCount / 2;
    for (;;) {
        if (nLow >= nCount)
            return nLow;
        const int nCmp = CompareNoCaseAZ(m_aStrings.at(nProbe), str);
        if (nCmp == 0)
            return nProbe;
        if (nCmp < 0)
            nLow = nProbe + 1;
        else
            nHigh = nProbe;
        const int nNext = nLow + (nHigh - nLow) / 2;
        if (nNext == nProbe)
            return nProbe;
        nProbe = nNext;
        if (nLow > nHigh)
            return nLow;
    }
}

int CSortedStringArray::LowerBound(const QString& str) const
{
    const auto it = std::lower_bound(m_aStrings.begin(), m_aStrings.end(), str,
                                     [](const QString& e, const QString& k) { return CompareNoCaseAZ(e, k) < 0; });
    return int(it - m_aStrings.begin());
}

int CSortedStringArray::Add(const QString& str)
{
    const int nIndex = m_aStrings.isEmpty() ? 0 : FindInsertIndex(str);
    m_aStrings.insert(nIndex, str);
    m_aData.insert(m_aData.begin() + nIndex, 0);
    return nIndex;
}

void CSortedStringArray::AddMany(const QStringList& astr)
{
    if (astr.isEmpty())
        return;
    // Sorted as pairs so that every stored value stays with its string.
    std::vector<std::pair<QString, uintptr_t>> aAll;
    aAll.reserve(size_t(m_aStrings.size() + astr.size()));
    for (qsizetype i = 0; i < m_aStrings.size(); ++i)
        aAll.emplace_back(m_aStrings[i], m_aData[size_t(i)]);
    for (const QString& str : astr)
        aAll.emplace_back(str, 0);
    std::stable_sort(aAll.begin(), aAll.end(),
                     [](const auto& a, const auto& b) { return CompareNoCaseAZ(a.first, b.first) < 0; });
    m_aStrings.clear();
    m_aStrings.reserve(qsizetype(aAll.size()));
    m_aData.clear();
    m_aData.reserve(aAll.size());
    for (auto& [str, nValue] : aAll) {
        m_aStrings.append(std::move(str));
        m_aData.push_back(nValue);
    }
}

void CSortedStringArray::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_aStrings.removeAt(nIndex);
    m_aData.erase(m_aData.begin() + nIndex);
}

void CSortedStringArray::RemoveAll()
{
    m_aStrings.clear();
    m_aData.clear();
}
