// The About box, laid out in the handheld's dialog units.
#include "app/AboutDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/ModalDialog.h"
#include "framework/Help.h"
#include "graphics/BitmapResource.h"

namespace {
QRect Dlu(int x, int y, int cx, int cy) { return CModalDialog::Dlu(x, y, cx, cy); }
} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("About Quillotrix"));
    setFixedSize(Dlu(0, 0, 140, 146).size());

    m_pTitle = new QLabel(QStringLiteral("Tessaryl And Ruzezid"), this);
    m_pTitle->setObjectName(QStringLiteral("1018"));
    m_pTitle->setGeometry(Dlu(7, 7, 126, 14));
    m_font.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, QStringLiteral("Arial"));
    m_pTitle->setFont(m_font.GetQFont());
    // As tall as its large font needs, clear of the version line below it.
    m_pTitle->resize(m_pTitle->width(), m_pTitle->sizeHint().height());

    m_pVersion = new QLabel(QStringLiteral("Version 1.2"), this);
    PlaceLabel(m_pVersion, Dlu(7, 20, 37, 8));

    m_pPicture = new QLabel(this);
    m_pPicture->setObjectName(QStringLiteral("1019"));
    const QRect rcPicture = Dlu(49, 78, 0, 0);
    if (LoadBitmapResource(m_bmpPicture, 159)) {
        const CSize size = m_bmpPicture.GetSize();
        m_pPicture->setPixmap(QPixmap::fromImage(m_bmpPicture.GetImage()));
        // Centred under the Help button, whatever the dialog unit.
        m_pPicture->setGeometry((width() - size.cx) / 2, rcPicture.top(), size.cx, size.cy);
    }

    m_pHelp = new QPushButton(QStringLiteral("Help"), this);
    m_pHelp->setObjectName(QStringLiteral("1005"));
    m_pHelp->setGeometry(Dlu(45, 121, 50, 14));
    // Enter closes the box rather than pressing Help.
    m_pHelp->setAutoDefault(false);
    m_pHelp->setDefault(false);
    connect(m_pHelp, &QPushButton::clicked, this,
            [] { StartHelpViewer(QStringLiteral("file:Quillotrix.htm#Main_Contents")); });
}

void CAboutDlg::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: accept(); return;
    case Qt::Key_F1: StartHelpViewer(QStringLiteral("quillotrix.htm#Main_Contents")); return;
    default: QDialog::keyPressEvent(e);
    }
}

void CAboutDlg::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    CentreOnParentWindow(this);
}
