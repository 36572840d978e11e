#include "QMyColorDialog.h"

#include <QColorDialog>
#include <QLabel>

QMyColorDialog::QMyColorDialog(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QMyColorDialog"));
    setWindowTitle(tr("Dialog"));
    resize(600, 514);
    setStyleSheet(QStringLiteral("QMyColorDialog { background: white; }"));

    auto* caption = new QLabel(tr("Select a colour"), this);
    caption->setObjectName(QStringLiteral("captionLabel"));
    caption->setStyleSheet(QStringLiteral("color: rgb(110,118,130);"));
    caption->move(12, 10);

    m_pColorDialog = new QColorDialog(this);
    m_pColorDialog->setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
    m_pColorDialog->setAttribute(Qt::WA_TranslucentBackground);
    // The toolkit's own dialog draws inside our frame, whatever the platform offers.
    m_pColorDialog->setOption(QColorDialog::DontUseNativeDialog, true);
    m_pColorDialog->move(10, 40);
    m_pColorDialog->show();
    m_pColorDialog->adjustSize();
    resize(m_pColorDialog->width() + 21, m_pColorDialog->height() + 51);
    connect(m_pColorDialog, &QColorDialog::finished, this, &QMyColorDialog::BtnClose);
}

QMyColorDialog::~QMyColorDialog() = default;

void QMyColorDialog::BtnClose(int result) {
    if (result == QDialog::Accepted) {
        const QColor colour = m_pColorDialog->currentColor();
        m_bAccepted = true;
        m_nColour = colour.red() << 16 | colour.green() << 8 | colour.blue();
    }
    close();
}
