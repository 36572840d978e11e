#include "QSetInverterTdlg.h"

#include "MessageBox.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QDate QSetInverterTdlg::FirstDate(2000, 1, 1);
const QDate QSetInverterTdlg::LastDate(2099, 12, 31);

QSetInverterTdlg::QSetInverterTdlg(QWidget* parent) : QMaintenanceDlg(parent, "QSetInverterTdlg") {
    setWindowTitle(tr("Dialog"));
    QVBoxLayout* layout = StartForm();
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(10);
    auto newDate = [this](const char* name) {
        auto* edit = new QDateEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        // A year outside 2000..2099 would reach the inverter as a wrong year byte.
        edit->setDateRange(FirstDate, LastDate);
        edit->setMinimumWidth(140);
        return edit;
    };
    m_pStartLabel = new QLabel(tr("Start time:"), this);
    m_pStart = newDate("T_1");
    m_pEndLabel = new QLabel(tr("End time:"), this);
    m_pEnd = newDate("T_2");
    fields->addWidget(m_pStartLabel, 0, 0);
    fields->addWidget(m_pStart, 0, 1);
    fields->addWidget(m_pEndLabel, 1, 0);
    fields->addWidget(m_pEnd, 1, 1);
    layout->addLayout(fields);
    m_pOkBtn = NewButton("pushButton");
    m_pOkBtn->setText(tr("Ok"));
    m_pCancelBtn = NewButton("pushButton_2");
    m_pCancelBtn->setText(tr("Cancel"));
    AddButtonRow(layout, {m_pOkBtn, m_pCancelBtn});
    connect(m_pOkBtn, &QPushButton::clicked, this, &QSetInverterTdlg::on_pushButton_clicked);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QSetInverterTdlg::on_pushButton_2_clicked);
}

int QSetInverterTdlg::PackedDate(const QDate& date) {
    return date.year() * 65536 + date.month() * 256 + date.day();
}

void QSetInverterTdlg::on_pushButton_clicked() {
    const int start = PackedDate(m_pStart->date());
    const int end = PackedDate(m_pEnd->date());
    if (end < start) {
        ShowMessage(tr("Time setting error!"), MessageBox::TypeOk, this);
        m_nStart = 0;
        m_nEnd = 0;
        return;
    }
    m_nStart = start;
    m_nEnd = end;
    m_bAccepted = true;
    close();
}

void QSetInverterTdlg::on_pushButton_2_clicked() {
    close();
}
