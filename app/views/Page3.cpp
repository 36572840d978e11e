#include "Page3.h"

#include "NameFrame.h"
#include "QInverter.h"
#include "QSystemModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

Page3::Page3(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Page3"));
    setStyleSheet(QStringLiteral("QLabel#Page3Caption{color:rgb(150,158,170);font-size:13px;}"
                                 "QLabel{color:rgb(84,94,108);}"
                                 "QLabel#value{color:rgb(40,46,56);}"
                                 "QWidget#Page3Sheet{background:white;border:1px solid rgb(220,224,230);"
                                 "border-radius:6px;}"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 20, 24, 20);
    auto* sheet = new QWidget(this);
    sheet->setObjectName(QStringLiteral("Page3Sheet"));
    sheet->setAttribute(Qt::WA_StyledBackground);
    outer->addWidget(sheet);
    outer->addStretch(1);

    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(24, 18, 24, 22);
    layout->setSpacing(10);
    m_pCaption = new QLabel(sheet);
    m_pCaption->setObjectName(QStringLiteral("Page3Caption"));
    m_pName = new NameFrame(sheet);
    layout->addWidget(m_pCaption);
    layout->addWidget(m_pName);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    auto value = [sheet] {
        auto* label = new QLabel(sheet);
        label->setObjectName(QStringLiteral("value"));
        return label;
    };
    m_pSiteCaption = new QLabel(sheet);
    m_pSite = value();
    m_pSingleCaption = new QLabel(sheet);
    m_pSingle = value();
    m_pThreeCaption = new QLabel(sheet);
    m_pThree = value();
    grid->addWidget(m_pSiteCaption, 0, 0);
    grid->addWidget(m_pSite, 0, 1);
    grid->addWidget(m_pSingleCaption, 1, 0);
    grid->addWidget(m_pSingle, 1, 1);
    grid->addWidget(m_pThreeCaption, 2, 0);
    grid->addWidget(m_pThree, 2, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    Retranslate();
    RefreshFromPlant();
}

void Page3::SetSystemModel(QSystemModel* model) {
    m_pSystem = model;
    OnSystemValue(QStringLiteral("systemname"));
    ShowSite();
    RefreshFromPlant();
}

void Page3::OnSystemValue(const QString& key) {
    if (!m_pSystem) {
        return;
    }
    if (key == QLatin1String("systemname")) {
        m_pName->setText(m_pSystem->Settings().SystemName());
    } else if (key == QLatin1String("City") || key == QLatin1String("Country")) {
        ShowSite();
    }
}

void Page3::ShowSite() {
    if (!m_pSystem) {
        return;
    }
    const QString city = m_pSystem->Settings().City();
    const QString country = m_pSystem->Settings().Country();
    m_pSite->setText(city.isEmpty() && country.isEmpty() ? QStringLiteral("-")
                                                         : city + QLatin1Char(';') + country);
}

void Page3::RefreshFromPlant() {
    int single = 0;
    int three = 0;
    if (m_pSystem) {
        for (const QInverter* inverter : m_pSystem->Inverters()) {
            single += inverter->PhaseCount() == 1 ? 1 : 0;
            three += inverter->PhaseCount() == 3 ? 1 : 0;
        }
    }
    m_pSingle->setText(QString::number(single));
    m_pThree->setText(QString::number(three));
}

void Page3::Retranslate() {
    m_pCaption->setText(tr("System Name"));
    m_pSiteCaption->setText(tr("Location"));
    m_pSingleCaption->setText(tr("1-ph inverter") + QStringLiteral(" ") + tr("Quantity(pcs)"));
    m_pThreeCaption->setText(tr("3-ph inverter") + QStringLiteral(" ") + tr("Quantity(pcs)"));
    if (m_pSystem) {
        for (const QString& key : QSystemSettings::StandardKeys()) {
            OnSystemValue(key);
        }
    }
}

QString Page3::PlantName() const {
    return m_pName->text();
}

QString Page3::SiteText() const {
    return m_pSite->text();
}

QString Page3::SingleCount() const {
    return m_pSingle->text();
}

QString Page3::ThreeCount() const {
    return m_pThree->text();
}
