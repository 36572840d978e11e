#include "QPendingTab.h"

#include "QInverter.h"

#include <QLabel>
#include <QVBoxLayout>

QPendingTab::QPendingTab(QWidget* parent) : QWidget(parent) {
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
}

QPendingTab::~QPendingTab() = default;

void QPendingTab::Init(const QString& objectName) {
    setObjectName(objectName);
    Retranslate();
}

void QPendingTab::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    Refresh();
}

void QPendingTab::Retranslate() {
    m_pCaption->setText(CaptionText());
    Refresh();
}

void QPendingTab::Refresh() {
    const QString name = m_pInverter ? m_pInverter->Name() : tr("No inverter selected");
    if (m_pInverterName->text() != name) {
        m_pInverterName->setText(name);
    }
}
