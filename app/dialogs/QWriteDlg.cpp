#include "QWriteDlg.h"

#include "MaintenanceReads.h"
#include "MessageBox.h"
#include "QInverter.h"
#include "RawRegisterText.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

QWriteDlg::QWriteDlg(QWidget* parent)
    : QRegisterDlg(parent, "QWriteDlg", "Buffer", "pushButton", "pushButton_2") {
    setWindowTitle(tr("Dialog"));
    m_pTextLabel->setText(tr("Send Buffer(hex):"));
    m_pAction->setText(tr("Write"));
    connect(m_pAction, &QPushButton::clicked, this, &QWriteDlg::on_pushButton_clicked);
}

void QWriteDlg::on_pushButton_clicked() {
    int reg = 0;
    int count = 0;
    if (!TypedRequest(&reg, &count)) {
        return;
    }
    const RawRegisterText::TypedBytes typed = RawRegisterText::ParseBytes(m_pText->toPlainText());
    if (typed.typed == 0) {
        ShowMessage(tr("Data cannot be empty"), MessageBox::TypeOk, this);
        return;
    }
    if (typed.typed < 2 * count) {
        ShowMessage(tr("Insufficient data will be padded with 0"), MessageBox::TypeOk, this);
    } else if (typed.typed > 2 * count) {
        ShowMessage(tr("Excess data will be discarded"), MessageBox::TypeOk, this);
    }
    if (!m_pInverter) {
        return;
    }
    // The write reaches a live device: a misclick must not change it.
    const QString question = tr("Write %1 registers from %2 of the inverter %3?")
                                 .arg(count)
                                 .arg(QString::asprintf("%04X", unsigned(reg)), m_pInverter->Name());
    if (ShowMessage(question, MessageBox::TypeYesNo, this) != 1) {
        return;
    }
    const QByteArray data = typed.bytes.leftJustified(2 * count, '\0', true);
    MaintenanceReads::QueueWrite(*m_pInverter, reg, count, data, RawWrite);
}
