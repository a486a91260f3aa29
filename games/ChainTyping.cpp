// The chain chosen for typed letters.
#include "games/ChainTyping.h"

#include <climits>

CChainTyping::CChainTyping(QStringList aCellText, std::function<bool(int, int)> fnTouches, int nMaxCells)
    : m_aCellText(std::move(aCellText)), m_fnTouches(std::move(fnTouches)), m_nMaxCells(nMaxCells)
{
}

void CChainTyping::Clear()
{
    m_strTyped.clear();
    m_anChain.clear();
    m_aSteps.clear();
}

void CChainTyping::SetSteps(const QList<CStep>& steps)
{
    m_aSteps = steps;
    m_anChain.clear();
    for (const CStep& s : steps)
        m_anChain.append(s.nCell);
}

void CChainTyping::SetChain(const QList<int>& anChain)
{
    QList<CStep> steps;
    m_strTyped.clear();
    for (int nCell : anChain) {
        const QString str = nCell >= 0 && nCell < m_aCellText.size() ? m_aCellText[nCell] : QString();
        steps.append({nCell, int(str.size())});
        m_strTyped += str;
    }
    SetSteps(steps);
}

bool CChainTyping::CanTake(const QList<CStep>& path, int nCell) const
{
    if (m_aCellText[nCell].isEmpty() || path.size() >= m_nMaxCells)
        return false;
    for (const CStep& s : path)
        if (s.nCell == nCell)
            return false;
    return path.isEmpty() || m_fnTouches(path.back().nCell, nCell);
}

bool CChainTyping::Extend(const QString& strTyped)
{
    // Only a chain that spells exactly what was typed before can simply grow.
    const QChar ch = strTyped.back();
    if (!m_aSteps.isEmpty()) {
        CStep& last = m_aSteps.back();
        const QString& strLast = m_aCellText[last.nCell];
        if (last.nChars < strLast.size()) {
            // "q" took a "qu" cell: only its "u" may follow.
            if (strLast[last.nChars] != ch)
                return false;
            ++last.nChars;
            return true;
        }
    }
    for (int nCell = 0; nCell < m_aCellText.size(); ++nCell) {
        if (!CanTake(m_aSteps, nCell) || m_aCellText[nCell][0] != ch)
            continue;
        QList<CStep> steps = m_aSteps;
        steps.append({nCell, 1});
        SetSteps(steps);
        return true;
    }
    return false;
}

int CChainTyping::Closeness(const QList<CStep>& path) const
{
    // The longest run from the start shared with the chain on the board counts most, then every
    // other cell that stays where it was.
    int nPrefix = 0;
    while (nPrefix < path.size() && nPrefix < m_aSteps.size() && path[nPrefix].nCell == m_aSteps[nPrefix].nCell)
        ++nPrefix;
    int nSame = 0;
    for (int i = nPrefix; i < path.size() && i < m_aSteps.size(); ++i)
        nSame += path[i].nCell == m_aSteps[i].nCell;
    return nPrefix * 1000 + nSame;
}

void CChainTyping::Walk(const QString& strTyped, qsizetype nPos, QList<CStep>& path, QList<CStep>& best,
                        int& nBestScore)
{
    if (++m_nTried > MAX_STEPS)
        return;
    if (nPos == strTyped.size()) {
        const int nScore = Closeness(path);
        // Cells are tried in order, so among equally close chains the first found stays.
        if (nScore > nBestScore) {
            nBestScore = nScore;
            best = path;
        }
        return;
    }
    for (int nCell = 0; nCell < m_aCellText.size() && m_nTried <= MAX_STEPS; ++nCell) {
        const QString& strCell = m_aCellText[nCell];
        if (strCell.isEmpty() || strCell[0] != strTyped[nPos] || !CanTake(path, nCell))
            continue;
        // A cell of several letters takes all of them, or (a "qu" cell) its first letter alone
        // while the typed text ends there.
        if (strTyped.mid(nPos, strCell.size()) == strCell) {
            path.append({nCell, int(strCell.size())});
            Walk(strTyped, nPos + strCell.size(), path, best, nBestScore);
            path.removeLast();
        }
        if (strCell.size() > 1 && nPos + 1 == strTyped.size()) {
            path.append({nCell, 1});
            Walk(strTyped, nPos + 1, path, best, nBestScore);
            path.removeLast();
        }
    }
}

bool CChainTyping::Search(const QString& strTyped)
{
    QList<CStep> path;
    QList<CStep> best;
    int nBestScore = INT_MIN;
    Walk(strTyped, 0, path, best, nBestScore);
    if (nBestScore == INT_MIN)
        return false;
    SetSteps(best);
    return true;
}

bool CChainTyping::TypeLetter(QChar chTyped)
{
    const QChar ch = chTyped.toLower();
    if (ch < u'a' || ch > u'z')
        return false;
    const QString strTyped = m_strTyped + ch;
    m_nTried = 0;
    if (!Extend(strTyped) && !Search(strTyped))
        return false;
    m_strTyped = strTyped;
    return true;
}

bool CChainTyping::Backspace()
{
    if (m_strTyped.isEmpty())
        return false;
    m_strTyped.chop(1);
    if (!m_aSteps.isEmpty()) {
        CStep& last = m_aSteps.back();
        if (last.nChars > 1) {
            --last.nChars;
        } else {
            QList<CStep> steps = m_aSteps;
            steps.removeLast();
            SetSteps(steps);
        }
    }
    return true;
}
