#include "QInstructionsDlg.h"

#include "AboutCard.h"

#include <QLabel>

QInstructionsDlg::QInstructionsDlg(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QInstructionsDlg"));
    setWindowTitle(tr("About KOVA"));
    const QList<QPair<QString, QString>> card = {
        {tr("Company Name:"), QStringLiteral("KOVA Power Electronics Co., Ltd.")},
        {tr("Headquarters Address:"), QStringLiteral("No. 18 Lakeside Avenue, Sunridge Science Park")},
        {tr("Sales Hotline:"), QStringLiteral("+86 571 5550 1200")},
        {tr("Website:"), QStringLiteral("www.kova-power.example")},
        {tr("Zip Code:"), QStringLiteral("310052")},
        {tr("Service Hotline:"), QStringLiteral("+86 571 5550 1288")},
        {tr("E-mail:"), QStringLiteral("service@kova-power.example")},
    };
    m_Lines = AboutCard::Build(this, tr("About KOVA"), card);
}

QList<QPair<QString, QString>> QInstructionsDlg::Lines() const {
    return AboutCard::Texts(m_Lines);
}
