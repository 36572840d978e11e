#include "QRegisterDlg.h"

#include "MessageBox.h"
#include "RawRegisterText.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextEdit>
#include <QVBoxLayout>

QRegisterDlg::QRegisterDlg(QWidget* parent, const char* objectName, const char* textName,
                           const char* actionName, const char* clearName)
    : QMaintenanceDlg(parent, objectName) {
    QVBoxLayout* layout = StartForm();
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    m_pAddr = NewEdit("Addr_edit");
    m_pAddr->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{4}$")), this));
    m_pAddr->setFixedWidth(120);
    m_pLen = NewEdit("Len_edit");
    m_pLen->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-2]*[0-9]$")), this));
    m_pLen->setFixedWidth(120);
    m_pTextLabel = new QLabel(this);
    m_pText = new QTextEdit(this);
    m_pText->setObjectName(QLatin1String(textName));
    m_pText->setAcceptRichText(false);
    m_pText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pText->setMinimumSize(300, 110);
    fields->addWidget(new QLabel(tr("Address(hex):"), this), 0, 0);
    fields->addWidget(m_pAddr, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(tr("Length:"), this), 1, 0);
    fields->addWidget(m_pLen, 1, 1, Qt::AlignLeft);
    fields->addWidget(m_pTextLabel, 2, 0, Qt::AlignTop);
    fields->addWidget(m_pText, 2, 1);
    layout->addLayout(fields);

    m_pAction = NewButton(actionName);
    m_pClear = NewButton(clearName);
    m_pClear->setText(tr("Clear"));
    layout->addSpacing(4);
    AddButtonRow(layout, {m_pAction, m_pClear});
    connect(m_pClear, &QPushButton::clicked, m_pText, &QTextEdit::clear);
}

bool QRegisterDlg::TypedRequest(int* reg, int* count) {
    switch (RawRegisterText::ParseRequest(m_pAddr->text(), m_pLen->text(), reg, count)) {
    case RawRegisterText::RequestCheck::BadAddress:
        ShowMessage(tr("Address illegal"), MessageBox::TypeOk, this);
        return false;
    case RawRegisterText::RequestCheck::BadLength:
        ShowMessage(tr("Length must be between 20 and1"), MessageBox::TypeOk, this);
        return false;
    case RawRegisterText::RequestCheck::Valid:
        break;
    }
    return true;
}
