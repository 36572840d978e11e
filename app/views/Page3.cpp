#include "Page3.h"

#include "NameFrame.h"
#include "QInverter.h"
#include "QReportOutput.h"
#include "QSheetPainter.h"
#include "QSystemModel.h"
#include "SheetLabels.h"
#include "SystemClock.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
struct RowDef {
    const char* name;
    const char* caption;
    int group;
};

const RowDef kRows[] = {
    {"SystemType", QT_TRANSLATE_NOOP("Page3", "Installation site"), -1},
    {"Location", QT_TRANSLATE_NOOP("Page3", "Location"), -1},
    {"Latitude", QT_TRANSLATE_NOOP("Page3", "Latitude"), -1},
    {"Longitude", QT_TRANSLATE_NOOP("Page3", "Longitude"), -1},
    {"SolarManufacturer", QT_TRANSLATE_NOOP("Page3", "Manufacturer"), 0},
    {"SolarModel", QT_TRANSLATE_NOOP("Page3", "Model"), 0},
    {"SolarPower", QT_TRANSLATE_NOOP("Page3", "Component power(W)"), 0},
    {"SolarType", QT_TRANSLATE_NOOP("Page3", "Component type"), 0},
    {"SolarCount", QT_TRANSLATE_NOOP("Page3", "Quantity(pcs)"), 0},
    {"TotalPower", QT_TRANSLATE_NOOP("Page3", "Total power(W)"), 0},
    {"SolarAngel", QT_TRANSLATE_NOOP("Page3", "Tilt angle"), 0},
    {"SolarAzimuth", QT_TRANSLATE_NOOP("Page3", "Azimuth"), 0},
    {"InverterMaker", QT_TRANSLATE_NOOP("Page3", "Manufacturer"), 1},
    {"InverterType_1", QT_TRANSLATE_NOOP("Page3", "1-ph inverter model"), 1},
    {"RatedPower_1", QT_TRANSLATE_NOOP("Page3", "Rated output power(W)"), 1},
    {"Count_1", QT_TRANSLATE_NOOP("Page3", "Quantity(pcs)"), 1},
    {"InverterType_3", QT_TRANSLATE_NOOP("Page3", "3-ph inverter model"), 1},
    {"RatedPower_3", QT_TRANSLATE_NOOP("Page3", "Rated output power(W)"), 1},
    {"Count_3", QT_TRANSLATE_NOOP("Page3", "Quantity(pcs)"), 1},
    {"GridWiring_1", QT_TRANSLATE_NOOP("Page3", "1-ph AC wiring"), 2},
    {"GridVoltage_1", QT_TRANSLATE_NOOP("Page3", "Rated voltage(Vac)"), 2},
    {"GridFre_1", QT_TRANSLATE_NOOP("Page3", "Rated frequency(Hz)"), 2},
    {"GridWiring_3", QT_TRANSLATE_NOOP("Page3", "3-ph AC wiring"), 2},
    {"GridVoltage_3", QT_TRANSLATE_NOOP("Page3", "Rated voltage(Vac)"), 2},
    {"GridFre_3", QT_TRANSLATE_NOOP("Page3", "Rated frequency(Hz)"), 2},
};

const char* const kGroupCaptions[3] = {
    QT_TRANSLATE_NOOP("Page3", "Solar cells"),
    QT_TRANSLATE_NOOP("Page3", "PV grid-connected inverter"),
    QT_TRANSLATE_NOOP("Page3", "Public grid"),
};

const char* const kSystemTypes[3] = {
    QT_TRANSLATE_NOOP("Page3", "Sloping roof"),
    QT_TRANSLATE_NOOP("Page3", "Flat roof"),
    QT_TRANSLATE_NOOP("Page3", "Flat ground"),
};

const char* const kMaker = "KOVA";

QString Hundredths(int value) {
    return QString::asprintf("%0.2f", value / 100.0);
}
} // namespace

Page3::Page3(QWidget* parent) : QWidget(parent) {
    BuildForm();
    Retranslate();
    RefreshFromPlant();
}

void Page3::BuildForm() {
    setObjectName(QStringLiteral("Page3"));
    setStyleSheet(SheetLabels::GroupStyle +
                  QStringLiteral("QLabel#Page3Caption { color: rgb(150,158,170); font-size: 13px; }"
                                 "QWidget#Page3Sheet { background: white; border: 1px solid rgb(220,224,230);"
                                 " border-radius: 6px; }"));
    setWindowTitle(tr("Form"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 16, 24, 16);
    outer->setSpacing(12);

    auto* sheet = new QWidget(this);
    sheet->setObjectName(QStringLiteral("Page3Sheet"));
    sheet->setAttribute(Qt::WA_StyledBackground);
    auto* head = new QVBoxLayout(sheet);
    head->setContentsMargins(24, 14, 24, 16);
    head->setSpacing(8);
    m_pCaption = new QLabel(sheet);
    m_pCaption->setObjectName(QStringLiteral("Page3Caption"));
    m_pName = new NameFrame(sheet);
    m_pName->setObjectName(QStringLiteral("systemname"));
    head->addWidget(m_pCaption);
    head->addWidget(m_pName);
    auto* site = new QGridLayout;
    site->setHorizontalSpacing(16);
    site->setVerticalSpacing(6);
    outer->addWidget(sheet);

    for (const RowDef& def : kRows) {
        m_Rows.append(Row{def.name, def.caption, def.group});
    }
    int siteIndex = 0;
    for (Row& row : m_Rows) {
        if (row.m_nGroup != -1) {
            continue;
        }
        // Two pairs a line: site and location, then latitude and longitude.
        const SheetLabels::Line line =
            SheetLabels::AddLine(site, row.m_pName, sheet, siteIndex / 2, (siteIndex % 2) * 2);
        row.m_pCaptionLabel = line.m_pCaption;
        row.m_pValueLabel = line.m_pValue;
        ++siteIndex;
    }
    site->setColumnStretch(1, 1);
    site->setColumnStretch(3, 1);
    head->addLayout(site);

    auto* groups = new QHBoxLayout;
    groups->setSpacing(10);
    for (int g = 0; g < 3; ++g) {
        m_pGroups[g] = new QGroupBox(this);
        auto* grid = new QGridLayout(m_pGroups[g]);
        grid->setContentsMargins(12, 12, 12, 8);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(4);
        grid->setColumnStretch(1, 1);
        for (Row& row : m_Rows) {
            if (row.m_nGroup == g) {
                const SheetLabels::Line line = SheetLabels::AddLine(grid, row.m_pName, m_pGroups[g]);
                row.m_pCaptionLabel = line.m_pCaption;
                row.m_pValueLabel = line.m_pValue;
            }
        }
        grid->setRowStretch(grid->rowCount(), 1);
        groups->addWidget(m_pGroups[g], 1);
    }
    outer->addLayout(groups);

    m_pRemarksGroup = new QGroupBox(this);
    auto* remarks = new QVBoxLayout(m_pRemarksGroup);
    remarks->setContentsMargins(12, 12, 12, 8);
    m_pRemarks = new QLabel(m_pRemarksGroup);
    m_pRemarks->setObjectName(QStringLiteral("systemexplain"));
    m_pRemarks->setProperty("role", QStringLiteral("value"));
    m_pRemarks->setWordWrap(true);
    m_pRemarks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pRemarks->setTextInteractionFlags(Qt::TextSelectableByMouse);
    remarks->addWidget(m_pRemarks, 1);
    outer->addWidget(m_pRemarksGroup, 1);

    SetValue("InverterMaker", QLatin1String(kMaker));
}

QLabel* Page3::Value(const QString& name) const {
    if (name == QLatin1String("systemexplain")) {
        return m_pRemarks;
    }
    for (const Row& row : m_Rows) {
        if (name == QLatin1String(row.m_pName)) {
            return row.m_pValueLabel;
        }
    }
    return nullptr;
}

void Page3::SetValue(const char* name, const QString& text) {
    if (QLabel* label = Value(QLatin1String(name))) {
        label->setText(text);
    }
}

void Page3::SetSystemModel(QSystemModel* model) {
    m_pSystem = model;
    for (const QString& key : QSystemSettings::StandardKeys()) {
        OnSystemValue(key);
    }
    RefreshFromPlant();
}

QString Page3::Coordinate(int hundredths, char positive, char negative) {
    return QString::asprintf("%0.2f%c", qAbs(qint64(hundredths)) / 100.0,
                             hundredths >= 0 ? positive : negative);
}

void Page3::OnSystemValue(const QString& key) {
    if (!m_pSystem) {
        return;
    }
    const QSystemSettings& settings = m_pSystem->Settings();
    if (key == QLatin1String("systemname")) {
        m_pName->setText(settings.SystemName());
    } else if (key == QLatin1String("SystemType")) {
        const int type = settings.SystemType();
        SetValue("SystemType", type >= 0 && type < 3 ? tr(kSystemTypes[type]) : QString());
    } else if (key == QLatin1String("City") || key == QLatin1String("Country")) {
        ShowSite();
    } else if (key == QLatin1String("Latitude")) {
        SetValue("Latitude", Coordinate(settings.Latitude(), 'N', 'S'));
    } else if (key == QLatin1String("Longitude")) {
        SetValue("Longitude", Coordinate(settings.Longitude(), 'E', 'W'));
    } else if (key == QLatin1String("SolarManufacturer")) {
        SetValue("SolarManufacturer", settings.SolarManufacturer());
    } else if (key == QLatin1String("SolarModel")) {
        SetValue("SolarModel", settings.SolarModel());
    } else if (key == QLatin1String("SolarType")) {
        SetValue("SolarType", settings.SolarType());
    } else if (key == QLatin1String("SolarPower") || key == QLatin1String("SolarCount")) {
        SetValue("SolarPower", QString::number(settings.SolarPower()));
        SetValue("SolarCount", QString::number(settings.SolarCount()));
        SetValue("TotalPower", QString::number(settings.TotalPower()));
    } else if (key == QLatin1String("SolarAngel")) {
        SetValue("SolarAngel", Hundredths(settings.SolarAngel()));
    } else if (key == QLatin1String("SolarAzimuth")) {
        SetValue("SolarAzimuth", Hundredths(settings.SolarAzimuth()));
    } else if (key == QLatin1String("InverterType_1")) {
        ShowInverterType(1);
    } else if (key == QLatin1String("InverterType_3")) {
        ShowInverterType(3);
    } else if (key == QLatin1String("GridWiring_1")) {
        SetValue("GridWiring_1", settings.GridWiring1());
    } else if (key == QLatin1String("GridWiring_3")) {
        SetValue("GridWiring_3", settings.GridWiring3());
    } else if (key == QLatin1String("GridVoltage_1")) {
        SetValue("GridVoltage_1", QString::number(settings.GridVoltage1()));
    } else if (key == QLatin1String("GridVoltage_3")) {
        SetValue("GridVoltage_3", QString::number(settings.GridVoltage3()));
    } else if (key == QLatin1String("GridFre_1")) {
        SetValue("GridFre_1", QString::number(settings.GridFre1()));
    } else if (key == QLatin1String("GridFre_3")) {
        SetValue("GridFre_3", QString::number(settings.GridFre3()));
    } else if (key == QLatin1String("systemexplain")) {
        m_pRemarks->setText(settings.SystemExplain());
    }
}

void Page3::ShowInverterType(int phases) {
    const QString type =
        phases == 1 ? m_pSystem->Settings().InverterType1() : m_pSystem->Settings().InverterType3();
    const QByteArray suffix = phases == 1 ? "_1" : "_3";
    SetValue(("InverterType" + suffix).constData(), type);
    // No model named, no rating: the model table's fallback would invent one.
    SetValue(("RatedPower" + suffix).constData(),
             type.isEmpty() ? QString() : QString::number(QInverter::LookupModel(type).m_nRatedPower));
}

void Page3::ShowSite() {
    const QString city = m_pSystem->Settings().City();
    const QString country = m_pSystem->Settings().Country();
    SetValue("Location",
             city.isEmpty() && country.isEmpty() ? QStringLiteral("-") : city + QLatin1Char(';') + country);
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
    SetValue("Count_1", QString::number(single));
    SetValue("Count_3", QString::number(three));
}

void Page3::Retranslate() {
    setWindowTitle(tr("Form"));
    m_pCaption->setText(tr("System Name"));
    for (Row& row : m_Rows) {
        row.m_pCaptionLabel->setText(tr(row.m_pCaption));
    }
    for (int g = 0; g < 3; ++g) {
        m_pGroups[g]->setTitle(tr(kGroupCaptions[g]));
    }
    m_pRemarksGroup->setTitle(tr("Remarks"));
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
    return Value(QStringLiteral("Location"))->text();
}

QString Page3::SingleCount() const {
    return Value(QStringLiteral("Count_1"))->text();
}

QString Page3::ThreeCount() const {
    return Value(QStringLiteral("Count_3"))->text();
}

ReportSheet Page3::Sheet() const {
    ReportSheet sheet;
    sheet.m_strTitle = m_pName->text();
    sheet.m_nColumns = 3;
    for (int g = 0; g < 3; ++g) {
        ReportSheet::Group group;
        group.m_strTitle = m_pGroups[g]->title();
        group.m_nColumn = g;
        sheet.m_Groups.append(group);
    }
    for (const Row& row : m_Rows) {
        const ReportSheet::Line line{row.m_pCaptionLabel->text(), row.m_pValueLabel->text()};
        if (row.m_nGroup < 0) {
            sheet.m_Head.append(line);
        } else {
            sheet.m_Groups[row.m_nGroup].m_Lines.append(line);
        }
    }
    ReportSheet::Group remarks;
    remarks.m_strTitle = m_pRemarksGroup->title();
    remarks.m_nColumn = -1;
    remarks.m_Lines.append({QString(), m_pRemarks->text()});
    sheet.m_Groups.append(remarks);
    return sheet;
}

void Page3::Report(const QString& path, int kind) {
    const ReportSheet sheet = Sheet();
    switch (kind) {
    case ReportPreview:
        QReportOutput::Preview(this, [this](QPrinter* printer) { printPreview(printer); });
        break;
    case ReportPdf:
        QReportOutput::TellSaved(QReportOutput::WritePdf(
            path + QStringLiteral(".pdf"), QSheetPainter::OnePage(sheet, SystemClock::Now(), true),
            sheet.m_strTitle));
        break;
    case ReportBmp:
        QReportOutput::TellSaved(QReportOutput::WriteBmp(path, QSize(BmpWidth, BmpHeight),
                                                         QSheetPainter::OnePage(sheet, SystemClock::Now())));
        break;
    default:
        break;
    }
}

void Page3::printPreview(QPrinter* printer) {
    QReportOutput::PaintPages(printer, QSheetPainter::OnePage(Sheet(), SystemClock::Now(), true));
}
