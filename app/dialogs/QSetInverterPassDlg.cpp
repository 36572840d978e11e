#include "QSetInverterPassDlg.h"

#include "MessageBox.h"
#include "QInverterLogonDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QSetInverterPassDlg::QSetInverterPassDlg(QWidget* parent) : QMaintenanceDlg(parent, "QSetInverterPassDlg") {
    setWindowTitle(tr("Dialog"));
    QVBoxLayout* layout = StartForm();
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(10);
    m_pNewLabel = new QLabel(tr("New key:"), this);
    m_pNew = NewEdit("New");
    m_pNew->setMinimumWidth(160);
    m_pConfirmLabel = new QLabel(tr("Confirm key:"), this);
    m_pConfirm = NewEdit("Confirm");
    m_pConfirm->setEchoMode(QLineEdit::Password);
    fields->addWidget(m_pNewLabel, 0, 0);
    fields->addWidget(m_pNew, 0, 1);
    fields->addWidget(m_pConfirmLabel, 1, 0);
    fields->addWidget(m_pConfirm, 1, 1);
    layout->addLayout(fields);
    m_pSaveBtn = NewButton("pushButton");
    m_pSaveBtn->setText(tr("Save"));
    m_pSaveBtn->setShortcut(QKeySequence(Qt::Key_Return));
    m_pCancelBtn = NewButton("pushButton_2");
    m_pCancelBtn->setText(tr("Cancel"));
    m_pCancelBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    AddButtonRow(layout, {m_pSaveBtn, m_pCancelBtn});
    connect(m_pSaveBtn, &QPushButton::clicked, this, &QSetInverterPassDlg::on_pushButton_clicked);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QSetInverterPassDlg::on_pushButton_2_clicked);
}

void QSetInverterPassDlg::on_pushButton_clicked() {
    const QString typed = m_pNew->text();
    if (typed.isEmpty() && m_pConfirm->text().isEmpty()) {
        ShowMessage(tr("New password can not be empty!"), MessageBox::TypeOk, this);
        return;
    }
    if (typed != m_pConfirm->text()) {
        ShowMessage(tr("Two entered passwords do not match!"), MessageBox::TypeOk, this);
        return;
    }
    int password = 0;
    if (!QInverterLogonDlg::PasswordValue(typed, &password)) {
        ShowMessage(tr("The password must be a number from 0 to 65535!"), MessageBox::TypeOk, this);
        return;
    }
    m_nPassword = password;
    m_bAccepted = true;
    close();
}

void QSetInverterPassDlg::on_pushButton_2_clicked() {
    close();
}
