// CSelectFileDlg: the saved-game chooser: lists one folder's files of one extension with their
// dates and returns a full path; in save mode a new name may be typed.
#pragma once
#include <QDateTime>
#include <QString>

#include "dialogs/ModalDialog.h"

class QLineEdit;
class QTreeWidget;

class CSelectFileDlg : public CModalDialog {
    Q_OBJECT
public:
    CSelectFileDlg(BOOL bSave, QWidget* pParent = nullptr);

    // DoModal gives IDOK (m_strPath set) or IDCANCEL.
    // Fills the list, in the mode and with the title set by the caller.
    BOOL OnInitDialog() override;
    // Select: takes the typed (or picked) name; refuses one that would leave the folder.
    void OnOK() override;

    // Set by the caller before DoModal.
    QString m_strFolder;    // ends in '/'
    QString m_strExtension; // with its dot, ".wcg"
    QString m_strPath;      // the chosen file, after OK
    QString m_strTitle;     // caption; "Select File" when empty
    BOOL m_bSave;

    QLabel* m_pPrompt = nullptr;    // 1027 "Enter filename:"
    QLineEdit* m_pEdit = nullptr;   // 1025
    QLabel* m_pListLabel = nullptr; // 1028
    QTreeWidget* m_pList = nullptr; // 1026
    QPushButton* m_pSelect = nullptr;
    QPushButton* m_pCancel = nullptr;

    // How a file is listed: the name up to its first full stop after the first character,
    // lower case with a capital first letter.
    static QString ListedName(const QString& strFileName);
    // "3/7/03 9:05 P": month, day, two-digit year, hour on a 12-hour clock, minute, A or P.
    static QString FormatFileTime(const QDateTime& dtLocal);
    // Pixels the date column needs for any date, in the list's font.
    int GetDateColumnWidth() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void OnSelectionChanged();
};
