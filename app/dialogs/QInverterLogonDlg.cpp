#include "QInverterLogonDlg.h"

#include "MessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

QInverterLogonDlg::QInverterLogonDlg(QWidget* parent) : QMaintenanceDlg(parent, "QInverterLogonDlg") {
    setWindowTitle(tr("Dialog"));
    QVBoxLayout* layout = StartForm();
    auto* row = new QHBoxLayout;
    m_pLabel = new QLabel(tr("PassWord: "), this);
    m_pLabel->setObjectName(QStringLiteral("label"));
    m_pEdit = NewEdit("lineEdit");
    m_pEdit->setEchoMode(QLineEdit::Password);
    m_pEdit->setMinimumWidth(160);
    row->addWidget(m_pLabel);
    row->addWidget(m_pEdit, 1);
    layout->addLayout(row);
    m_pOkBtn = NewButton("OkBtn");
    m_pOkBtn->setText(tr("Ok"));
    m_pOkBtn->setShortcut(QKeySequence(Qt::Key_Return));
    m_pCancelBtn = NewButton("CancelBtn");
    m_pCancelBtn->setText(tr("Cancel"));
    m_pCancelBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    AddButtonRow(layout, {m_pOkBtn, m_pCancelBtn});
    connect(m_pOkBtn, &QPushButton::clicked, this, &QInverterLogonDlg::on_OkBtn_clicked);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QInverterLogonDlg::on_CancelBtn_clicked);
}

bool QInverterLogonDlg::PasswordValue(const QString& text, int* value) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch()) {
        return false;
    }
    bool ok = true;
    const qlonglong number = trimmed.isEmpty() ? 0 : trimmed.toLongLong(&ok);
    if (!ok || number > MaxPassword) {
        return false;
    }
    *value = int(number);
    return true;
}

void QInverterLogonDlg::on_OkBtn_clicked() {
    int password = 0;
    if (!PasswordValue(m_pEdit->text(), &password)) {
        ShowMessage(tr("The password must be a number from 0 to 65535!"), MessageBox::TypeOk, this);
        return;
    }
    m_nPassword = password;
    m_bAccepted = true;
    close();
}

void QInverterLogonDlg::on_CancelBtn_clicked() {
    close();
}
