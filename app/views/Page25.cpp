#include "Page25.h"

#include "QInverter.h"

#include <QLabel>
#include <QVBoxLayout>

Page25::Page25(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Page25"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(8);
    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("caption"));
    m_pCaption->setStyleSheet(QStringLiteral("font-size: 11pt; font-weight: bold; color: rgb(0,0,0);"));
    m_pInverterName = new QLabel(this);
    m_pInverterName->setObjectName(QStringLiteral("inverterName"));
    m_pInverterName->setStyleSheet(QStringLiteral("color: rgb(80,80,80);"));
    layout->addWidget(m_pCaption);
    layout->addWidget(m_pInverterName);
    layout->addStretch(1);
    Retranslate();
}

Page25::~Page25() = default;

void Page25::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    Refresh();
}

void Page25::Retranslate() {
    m_pCaption->setText(tr("Combiner box data"));
    Refresh();
}

void Page25::Refresh() {
    const QString name = m_pInverter ? m_pInverter->Name() : tr("No inverter selected");
    if (m_pInverterName->text() != name) {
        m_pInverterName->setText(name);
    }
}
