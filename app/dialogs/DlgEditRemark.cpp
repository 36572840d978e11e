#include "DlgEditRemark.h"

#include "MessageBox.h"
#include "QSystemModel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DlgEditRemark::DlgEditRemark(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("DlgEditRemark"));
    m_pEdit = NewEdit("lineEdit");
    Body()->addWidget(m_pEdit);
    m_pOk = AddButton("pushButton");
    m_pCancel = AddButton("pushButton_2");
    connect(m_pOk, &QPushButton::clicked, this, &DlgEditRemark::on_pushButton_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &DlgEditRemark::on_pushButton_2_clicked);
    m_RemarkFont = m_pEdit->font();
    Retranslate();
    FinishForm(560);
}

DlgEditRemark::~DlgEditRemark() = default;

void DlgEditRemark::Retranslate() {
    setWindowTitle(tr("Edit the system description"));
    SetCaption(tr("Edit the system description"));
    m_pOk->setText(tr("OK"));
    m_pCancel->setText(tr("Cancel"));
}

void DlgEditRemark::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    if (system) {
        m_pEdit->setText(system->Settings().SystemExplain());
    }
}

void DlgEditRemark::on_pushButton_2_clicked() {
    close();
}

void DlgEditRemark::on_pushButton_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    const QString text = StoredText(m_pEdit);
    if (!FitsWidth(text, RemarkPoints, m_RemarkFont, RemarkWidthLimit)) {
        ShowMessage(tr("The string is too long!Can not display all the string!"), MessageBox::TypeOk, this);
        return;
    }
    m_pSystem->SetSystemValue(QStringLiteral("systemexplain"), text, true);
    close();
}
