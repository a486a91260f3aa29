// CListBox: a list box child control, a real Qt list placed over its parent window's surface.
#pragma once
#include <QPointer>
#include <QString>

#include "framework/Geometry.h"
#include "framework/Types.h"

class CWnd;
class QListWidget;
class QWidget;

// Styles understood by CListBox::Create.
constexpr DWORD LBS_VISIBLE = 0x10000000;
constexpr DWORD LBS_BORDER = 0x00800000;
constexpr DWORD LBS_HSCROLL = 0x00100000;
constexpr DWORD LBS_MULTICOLUMN = 0x0200;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;

constexpr int LB_ERR = -1;

class CListBox {
public:
    CListBox();
    ~CListBox();
    CListBox(const CListBox&) = delete;
    CListBox& operator=(const CListBox&) = delete;

    // rect is in the parent's client coordinates. Fails when the list exists or the parent does not.
    BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParent, UINT nID);
    BOOL DestroyWindow();
    QWidget* GetSafeHwnd() const;
    UINT GetDlgCtrlID() const { return m_nID; }

    int GetCount() const;
    // Inserts at nIndex (-1: at the end); returns the index or LB_ERR.
    int InsertString(int nIndex, const QString& str);
    int AddString(const QString& str) { return InsertString(-1, str); }
    int DeleteString(int nIndex);
    void ResetContent();
    QString GetText(int nIndex) const;
    // The first item after nStartAfter (-1: from the top) equal to str ignoring A-Z case, or LB_ERR.
    int FindStringExact(int nStartAfter, const QString& str) const;
    // Multi-column lists: the width of each column.
    void SetColumnWidth(int cx);
    void MoveWindow(const CRect& rect);

private:
    friend class CWnd;
    // Places and sizes the list over its parent's surface at the parent's scale.
    void ApplyGeometry();
    QListWidget* List() const;
    CWnd* m_pParent = nullptr;
    CRect m_rcLogical;
    QPointer<QObject> m_pList; // cleared when Qt deletes the list with its parent
    UINT m_nID = 0;
    DWORD m_dwStyle = 0;
    int m_nColumnWidth = 0;
};
