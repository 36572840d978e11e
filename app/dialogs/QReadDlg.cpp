#include "QReadDlg.h"

#include "MaintenanceReads.h"
#include "QMissionModel.h"
#include "RawRegisterText.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {
QReadDlg* g_pOpenReadDlg = nullptr;
} // namespace

QReadDlg::QReadDlg(QWidget* parent) : QRegisterDlg(parent, "QReadDlg", "ReturnEdit", "ReadBtn", "ClearBtn") {
    setWindowTitle(tr("Dialog"));
    m_pTextLabel->setText(tr("Return(hex):"));
    m_pText->setReadOnly(true);
    m_pAction->setText(tr("Read"));
    connect(m_pAction, &QPushButton::clicked, this, &QReadDlg::on_ReadBtn_clicked);
    g_pOpenReadDlg = this;
}

QReadDlg::~QReadDlg() {
    if (g_pOpenReadDlg == this) {
        g_pOpenReadDlg = nullptr;
    }
}

QReadDlg* QReadDlg::Current() {
    return g_pOpenReadDlg;
}

void QReadDlg::on_ReadBtn_clicked() {
    int reg = 0;
    int count = 0;
    if (TypedRequest(&reg, &count) && m_pInverter) {
        MaintenanceReads::QueueRead(*m_pInverter, {RawRead, reg, count});
    }
}

void QReadDlg::on_ClearBtn_clicked() {
    m_pText->clear();
}

void QReadDlg::ShowReadReply(const QMissionModel* mission) {
    if (!IsOwnReply(mission) || mission->Code() != RawRead) {
        return;
    }
    m_pText->setPlainText(RawRegisterText::HexDump(MaintenanceReads::ReplyData(*mission)));
}
