#include "QProgressDlg.h"

#include <QLabel>
#include <QProgressBar>

QProgressDlg::QProgressDlg(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QProgressDlg"));
    setWindowTitle(tr("Dialog"));
    setFixedSize(326, 137);
    setStyleSheet(QStringLiteral("QProgressDlg { background: white; }"
                                 "QLabel#captionLabel { color: rgb(110,118,130); }"));
    m_pCaption = new QLabel(tr("Sending attachments..."), this);
    m_pCaption->setObjectName(QStringLiteral("captionLabel"));
    m_pCaption->setGeometry(30, 36, 271, 22);

    m_pBar = new QProgressBar(this);
    m_pBar->setObjectName(QStringLiteral("progressBar"));
    m_pBar->setGeometry(30, 70, 271, 23);
    m_pBar->setValue(0);
    m_pBar->setStyleSheet(
        QStringLiteral(" QProgressBar {\n\tborder-image: url(:/skin/h13.png);\n\ttext-align: "
                       "center;\n }\n\n QProgressBar::chunk {\n\tborder-width: "
                       "4px;\n\tborder-image: url(:/skin/h33.png)4 4 4 4;\n }"));
}

QProgressDlg::~QProgressDlg() = default;

void QProgressDlg::SetValue(int value) {
    if (value >= 100) {
        close();
    }
    m_pBar->setValue(qBound(0, value, 100));
    m_pBar->repaint();
}

int QProgressDlg::Value() const {
    return m_pBar->value();
}
