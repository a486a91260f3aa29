// The tests' one way into a Tessaryl window's private state, to check it and to set up boards.
#pragma once
#include "games/tessaryl/TessarylWnd.h"

struct CTessarylAccess {
    using CellArray = QString[TESS_CELLS];
    static CellArray& Cells(CTessarylWnd& wnd) { return wnd.m_astrCells; }
    static int& Score(CTessarylWnd& wnd) { return wnd.m_nScore; }
    static int& SelCount(CTessarylWnd& wnd) { return wnd.m_nSelCount; }
    static CListBox& UsedWords(CTessarylWnd& wnd) { return wnd.m_wndUsedWords; }
    static CTessarylFinder& Finder(CTessarylWnd& wnd) { return wnd.m_finder; }
    static BOOL& Running(CTessarylWnd& wnd) { return wnd.m_bGameRunning; }
    static int& HintLen(CTessarylWnd& wnd) { return wnd.m_nHintLen; }
    static CDictionary* Dictionary(const CTessarylWnd& wnd) { return wnd.m_pDictionary; }
    static const CPoint* CellCorners(const CTessarylWnd& wnd, int nCell) { return wnd.m_aptCell[nCell]; }
    static CRect CellTextRect(const CTessarylWnd& wnd, int nCell) { return wnd.m_arcCellText[nCell]; }
    static std::vector<int> Selection(const CTessarylWnd& wnd)
    {
        return std::vector<int>(wnd.m_anSelection, wnd.m_anSelection + wnd.m_nSelCount);
    }
};
