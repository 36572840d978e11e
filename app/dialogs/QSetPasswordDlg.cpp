#include "QSetPasswordDlg.h"

#include "MessageBox.h"
#include "QSystemModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QSetPasswordDlg::QSetPasswordDlg(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("QSetPasswordDlg"));
    QGridLayout* grid = NewGrid();
    m_pUser = new QLabel(this);
    m_pUser->setObjectName(QStringLiteral("user"));
    m_pExisting = NewEdit("existing");
    m_pNew = NewEdit("newkey");
    m_pConfirm = NewEdit("Confirm");
    for (QLineEdit* edit : {m_pExisting, m_pNew, m_pConfirm}) {
        edit->setEchoMode(QLineEdit::Password);
    }
    for (QWidget* field : std::initializer_list<QWidget*>{m_pUser, m_pExisting, m_pNew, m_pConfirm}) {
        m_Captions.append(AddRow(grid, field));
    }
    m_pSave = AddButton("pushButton");
    m_pCancel = AddButton("pushButton_2");
    connect(m_pSave, &QPushButton::clicked, this, &QSetPasswordDlg::on_pushButton_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &QSetPasswordDlg::on_pushButton_2_clicked);
    Retranslate();
    FinishForm(360);
}

QSetPasswordDlg::~QSetPasswordDlg() = default;

void QSetPasswordDlg::Retranslate() {
    setWindowTitle(tr("Password setting"));
    SetCaption(tr("Password setting"));
    const QStringList captions = {tr("User name:"), tr("Existing key:"), tr("New key:"), tr("Confirm key:")};
    for (int i = 0; i < m_Captions.size(); ++i) {
        m_Captions.at(i)->setText(captions.at(i));
    }
    m_pUser->setText(tr("Administrator"));
    m_pSave->setText(tr("Save"));
    m_pCancel->setText(tr("Cancel"));
}

void QSetPasswordDlg::on_pushButton_2_clicked() {
    close();
}

void QSetPasswordDlg::on_pushButton_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    const QString fresh = StoredText(m_pNew);
    const QString confirm = StoredText(m_pConfirm);
    if (m_pExisting->text() != m_pSystem->Settings().PassWord()) {
        ShowMessage(tr("Password is not correct!"), MessageBox::TypeOk, this);
    } else if (fresh.isEmpty() && confirm.isEmpty()) {
        ShowMessage(tr("New password can not be empty!"), MessageBox::TypeOk, this);
    } else if (fresh != confirm) {
        ShowMessage(tr("Two entered passwords do not match!"), MessageBox::TypeOk, this);
    } else {
        m_pSystem->SetSystemValue(QStringLiteral("PassWord"), fresh, true);
        close();
    }
}
