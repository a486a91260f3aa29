// The unpruned walk: every chain of touching cells in the finder's three passes, each dictionary
// word of three letters or more kept with the first path that spells it. What the pruned search
// must find, and what it saves.
#pragma once
#include <QStringList>
#include <map>
#include <vector>

#include "dictionary/Dictionary.h"
#include "games/tessaryl/TessarylFinder.h"

struct CFullWalk {
    QStringList astrWords;          // sorted, as the hint list keeps them
    std::vector<CPathBlock> aPaths; // index-aligned
    long long nPaths = 0;           // chains walked

    CFullWalk(const CDictionary& dict, const QString* astrCells) : m_dict(dict), m_astrCells(astrCells)
    {
        for (int nLimit : {3, 4, 7}) { // short words first, as the finder's passes
            m_nLimit = nLimit;
            for (int nStart = 0; nStart < TESS_CELLS; ++nStart)
                Walk(nStart, -1, 0);
        }
        for (const auto& [str, path] : m_found) {
            astrWords.append(str);
            aPaths.push_back(path);
        }
    }

private:
    void Walk(int nCell, int nPrevious, int nDepth)
    {
        if (nDepth > m_nLimit || m_abVisited[nCell])
            return;
        ++nPaths;
        m_anPath.push_back(nCell);
        const QString strSaved = m_strWord;
        m_strWord += m_astrCells[nCell];
        if (m_strWord.length() > 2 && !m_found.count(m_strWord) && m_dict.Contains(m_strWord)) {
            CPathBlock path;
            path.fill(-1);
            std::copy(m_anPath.begin(), m_anPath.end(), path.begin());
            m_found[m_strWord] = path;
        }
        m_abVisited[nCell] = true;
        for (int nSlot = 0; nSlot < TESS_NEIGHBOURS && g_anCellNeighbours[nCell][nSlot] >= 0; ++nSlot)
            if (g_anCellNeighbours[nCell][nSlot] != nPrevious)
                Walk(g_anCellNeighbours[nCell][nSlot], nCell, nDepth + 1);
        m_abVisited[nCell] = false;
        m_strWord = strSaved;
        m_anPath.pop_back();
    }

    const CDictionary& m_dict;
    const QString* m_astrCells;
    int m_nLimit = 0;
    bool m_abVisited[TESS_CELLS] = {};
    std::vector<int> m_anPath;
    QString m_strWord;
    std::map<QString, CPathBlock> m_found;
};
