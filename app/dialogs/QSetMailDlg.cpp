#include "QSetMailDlg.h"

#include "QMailServerAddress.h"
#include "QSystemModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

QSetMailDlg::QSetMailDlg(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("QSetMailDlg"));
    QGridLayout* grid = NewGrid();
    m_pServer = NewEdit("server");
    m_pName = NewEdit("name");
    m_pPassword = NewEdit("password");
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pServerCaption = AddRow(grid, m_pServer);
    m_pServerHint = AddHint(grid);
    m_pServerHint->setObjectName(QStringLiteral("serverHint"));
    m_pNameCaption = AddRow(grid, m_pName);
    m_pNameHint = AddHint(grid);
    m_pNameHint->setObjectName(QStringLiteral("nameHint"));
    m_pPasswordCaption = AddRow(grid, m_pPassword);
    m_pSave = AddButton("saveBtn");
    m_pCancel = AddButton("CancelBtn");
    connect(m_pServer, &QLineEdit::textChanged, this, &QSetMailDlg::CheckServer);
    connect(m_pSave, &QPushButton::clicked, this, &QSetMailDlg::on_saveBtn_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &QSetMailDlg::on_CancelBtn_clicked);
    Retranslate();
    FinishForm(460);
}

QSetMailDlg::~QSetMailDlg() = default;

void QSetMailDlg::Retranslate() {
    setWindowTitle(tr("Edit mail information"));
    SetCaption(tr("Edit mail information"));
    m_pServerCaption->setText(tr("Server:"));
    m_pNameCaption->setText(tr("User Name:"));
    m_pPasswordCaption->setText(tr("Pass Word:"));
    const QString plain = QMailServerAddress::Example(QMailServerAddress::Plain);
    m_pServerHint->setText(tr("%1 or %2 (plain)\n%3 (TLS)\n%4 (STARTTLS)")
                               .arg(plain, plain + QStringLiteral(":25"),
                                    QMailServerAddress::Example(QMailServerAddress::ImplicitTls),
                                    QMailServerAddress::Example(QMailServerAddress::StartTls)));
    m_pNameHint->setText(tr("For example: %1").arg(QStringLiteral("name@example.com")));
    m_pSave->setText(tr("Save"));
    m_pCancel->setText(tr("Cancel"));
}

void QSetMailDlg::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    if (!system) {
        return;
    }
    const QSystemSettings& s = system->Settings();
    m_pServer->setText(s.EmailServer());
    m_pName->setText(s.EmailLogonName());
    m_pPassword->setText(s.EmailLogonKey());
}

void QSetMailDlg::CheckServer() {
    const QString text = m_pServer->text().trimmed();
    const bool bad = !text.isEmpty() && !QMailServerAddress(text).IsValid();
    if (m_pServerHint->property("bad").toBool() != bad) {
        m_pServerHint->setProperty("bad", bad);
        m_pServerHint->style()->unpolish(m_pServerHint);
        m_pServerHint->style()->polish(m_pServerHint);
    }
}

void QSetMailDlg::on_CancelBtn_clicked() {
    close();
}

void QSetMailDlg::on_saveBtn_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    const QString name = StoredText(m_pName);
    WriteSettings(m_pSystem, {{QStringLiteral("EmailServer"), StoredText(m_pServer)},
                              {QStringLiteral("EmailLogonName"), name},
                              {QStringLiteral("EmailFrom"), name},
                              {QStringLiteral("EmailLogonKey"), StoredText(m_pPassword)}});
    close();
}
