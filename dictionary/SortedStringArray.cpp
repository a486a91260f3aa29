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
    const auto less = [](const QString& a, const QString& b) { return CompareNoCaseAZ(a, b) < 0; };
    QStringList astrNew = astr;
    std::stable_sort(astrNew.begin(), astrNew.end(), less);
    if (m_aStrings.isEmpty()) {
        m_aStrings = std::move(astrNew);
        m_aData.assign(size_t(m_aStrings.size()), 0);
        return;
    }
    // One merge; on equal strings those already stored come first, and each keeps its value.
    QStringList astrAll;
    std::vector<uintptr_t> aData;
    astrAll.reserve(m_aStrings.size() + astrNew.size());
    aData.reserve(size_t(astrAll.capacity()));
    qsizetype i = 0, j = 0;
    while (i < m_aStrings.size() || j < astrNew.size()) {
        if (j >= astrNew.size() || (i < m_aStrings.size() && !less(astrNew[j], m_aStrings[i]))) {
            astrAll.append(m_aStrings[i]);
            aData.push_back(m_aData[size_t(i++)]);
        } else {
            astrAll.append(astrNew[j++]);
            aData.push_back(0);
        }
    }
    m_aStrings = std::move(astrAll);
    m_aData = std::move(aData);
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
