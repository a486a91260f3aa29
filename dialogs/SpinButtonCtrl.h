// CSpinButtonCtrl: an up-down control: two arrow buttons that step a position within a range and
// write it into a buddy edit as a number. The edit itself stays uncapped: what is typed is kept.
#pragma once
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

class CSpinButtonCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CSpinButtonCtrl(QWidget* pParent = nullptr);

    void SetBuddy(QLineEdit* pBuddy);
    QLineEdit* GetBuddy() const { return qobject_cast<QLineEdit*>(m_pBuddy.data()); }
    void SetRange(int nLower, int nUpper);
    // Writes the position into the buddy; the buddy's change notification follows.
    void SetPos(int nPos);
    // The buddy's number, kept within the range.
    int GetPos() const;
    // One step up (positive) or down.
    void Step(int nDelta);

protected:
    bool eventFilter(QObject* pObject, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Held as a plain object: the buddy passes through the event filter while it is being
    // destroyed, when it is no longer an edit.
    QPointer<QObject> m_pBuddy;
    QToolButton* m_pUp;
    QToolButton* m_pDown;
    int m_nLower = 0;
    int m_nUpper = 100;
};

// The C library's wide-to-long conversion: leading blanks, a sign, digits; anything else ends the
// number, no digits give 0, and a number too large for 32 bits gives the largest one.
long WideToLong(const QString& str);
