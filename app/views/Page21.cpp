#include "Page21.h"

#include "QInverter.h"
#include "QOpaqueLabel.h"
#include "QTrend.h"
#include "QTrendSetDlg.h"
#include "QTrendSetFile.h"
#include "QUserActivity.h"
#include "SystemClock.h"
#include "TrendSettings.h"
#include "WidgetUpdates.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

const QString Page21::CaptionStyle = QStringLiteral("color:rgb(0,0,0);");
const QString Page21::ValueStyle = QStringLiteral("color:rgb(255,0,0);");
const QString Page21::MissingStyle = QStringLiteral("color:rgb(128,128,128);");

namespace {

struct RowDef {
    const char* name;
    const char* caption;
    const char* unit;
    int group;
};

// The form's values, by group, in display order.
const RowDef kRows[] = {
    {"V1", QT_TRANSLATE_NOOP("Page21", "Track1 voltage:"), "V", 0},
    {"I1", QT_TRANSLATE_NOOP("Page21", "Track1 current:"), "A", 0},
    {"V2", QT_TRANSLATE_NOOP("Page21", "Track2 voltage:"), "V", 0},
    {"I2", QT_TRANSLATE_NOOP("Page21", "Track2 current:"), "A", 0},
    {"Input", QT_TRANSLATE_NOOP("Page21", "Input power:"), "W", 0},
    {"U_Voltage", QT_TRANSLATE_NOOP("Page21", "U voltage:"), "V", 1},
    {"U_Current", QT_TRANSLATE_NOOP("Page21", "U current:"), "A", 1},
    {"V_Voltage", QT_TRANSLATE_NOOP("Page21", "V voltage:"), "V", 1},
    {"V_Current", QT_TRANSLATE_NOOP("Page21", "V current:"), "A", 1},
    {"W_Voltage", QT_TRANSLATE_NOOP("Page21", "W voltage:"), "V", 1},
    {"W_Current", QT_TRANSLATE_NOOP("Page21", "W current:"), "A", 1},
    {"Output", QT_TRANSLATE_NOOP("Page21", "Output power:"), "W", 1},
    {"Tem", QT_TRANSLATE_NOOP("Page21", "Inverter Tem:"), "\u2103", 2},
    {"Fre", QT_TRANSLATE_NOOP("Page21", "Grid frequency:"), "Hz", 2},
    {"Co2", QT_TRANSLATE_NOOP("Page21", "CO2 reduce:"), "Kg", 2},
    {"Total", QT_TRANSLATE_NOOP("Page21", "Total gen.:"), "kWh", 2},
    {"Today", QT_TRANSLATE_NOOP("Page21", "Today gen.:"), "kWh", 2},
    {"Peek", QT_TRANSLATE_NOOP("Page21", "Peek Power:"), "W", 2},
    {"status_text", QT_TRANSLATE_NOOP("Page21", "Status:"), "", 2},
};

const char* const kGroupCaptions[3] = {
    QT_TRANSLATE_NOOP("Page21", "Input parameters"),
    QT_TRANSLATE_NOOP("Page21", "Output parameters"),
    QT_TRANSLATE_NOOP("Page21", "Other parameters"),
};

// Labels of the second PV track, and of the V and W phases.
const char* const kTrack2[] = {"V2", "I2"};
const char* const kPhasesVW[] = {"V_Voltage", "V_Current", "W_Voltage", "W_Current"};

// The rated power in hundreds of watts: models above 3000 W have a second PV track.
constexpr int kTrack2ModelCode = 30;

QString Tenths(qint32 value) {
    return QString::asprintf("%0.1f", value / 10.0);
}
QString Hundredths(qint32 value) {
    return QString::asprintf("%0.2f", value / 100.0);
}
QString Whole(qint32 value) {
    return QString::asprintf("%d", value);
}

QString SwatchStyle(QRgb colour) {
    return QString::asprintf("border: 1px;background-color:#%06X;", uint(colour & 0xFFFFFF));
}

bool IsIn(const char* name, const char* const* list, int count) {
    for (int i = 0; i < count; ++i) {
        if (qstrcmp(name, list[i]) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

Page21::Page21(QWidget* parent) : QWidget(parent) {
    BuildForm();
    ColourByPicture(0);
    m_pTrend->SetFunc(&Page21::OnTrendAttribute, this);
    QTrendSetFile::Load(*m_pTrend);
    // The swatches show the colours whether or not a stored file set them.
    TrendAttributeChanged(QStringLiteral("Color1"));
    TrendAttributeChanged(QStringLiteral("Color2"));
    TrendAttributeChanged(QStringLiteral("Color3"));
}

Page21::~Page21() {
    m_pTrend->SetFunc(nullptr, nullptr);
    QTrendSetFile::Save(*m_pTrend);
}

void Page21::BuildForm() {
    setObjectName(QStringLiteral("Page21"));
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(204,208,215); border-radius: 4px; margin-top: 12px;"
        " background: white; padding: 6px 4px 4px 4px; font-weight: bold; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: rgb(40,44,52); }"
        "QFrame#trendPanel { border: 1px solid rgb(204,208,215); border-radius: 4px; background: white; }"
        "QPushButton#pushButton { border: none; border-image: url(:/skin/btn1.png); min-width: 72px;"
        " min-height: 24px; padding: 0 10px; }"
        "QPushButton#pushButton:hover { border-image: url(:/skin/btn2.png); }"
        "QPushButton#pushButton:pressed { border-image: url(:/skin/btn3.png); }"));

    for (const RowDef& def : kRows) {
        m_Rows.append(ValueRow{def.name, def.caption, def.unit});
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 10);
    layout->setSpacing(10);
    auto* groups = new QHBoxLayout;
    groups->setSpacing(10);
    for (int group = GroupInput; group <= GroupOther; ++group) {
        m_pGroups[group] = BuildGroup(ValueGroup(group));
        groups->addWidget(m_pGroups[group], 1);
    }
    layout->addLayout(groups);
    layout->addWidget(BuildTrendPanel(), 1);
    Retranslate();
    ShowReset();
}

QGroupBox* Page21::BuildGroup(ValueGroup group) {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 10, 10, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(1, 64);
    grid->setColumnMinimumWidth(2, 26);
    int row = 0;
    for (int i = 0; i < m_Rows.size(); ++i) {
        if (kRows[i].group != group) {
            continue;
        }
        ValueRow& value = m_Rows[i];
        value.m_pCaptionLabel = new QLabel(box);
        value.m_pCaptionLabel->setObjectName(QLatin1String(value.m_pName) + QStringLiteral("_caption"));
        value.m_pValueLabel = new QOpaqueLabel(Qt::white, box); // the group boxes are white
        value.m_pValueLabel->setObjectName(QLatin1String(value.m_pName));
        value.m_pValueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value.m_pUnitLabel = new QLabel(QString::fromUtf8(value.m_pUnit), box);
        value.m_pUnitLabel->setObjectName(QLatin1String(value.m_pName) + QStringLiteral("_unit"));
        for (QLabel* label : {value.m_pCaptionLabel, value.m_pValueLabel, value.m_pUnitLabel}) {
            label->setStyleSheet(QStringLiteral("font-weight: normal;"));
            label->setMinimumHeight(20);
        }
        // The figures change every second; the status text seldom, and its width
        // follows the language.
        if (*value.m_pUnit != '\0') {
            KeepLabelSteady(value.m_pValueLabel, QString());
        }
        grid->addWidget(value.m_pCaptionLabel, row, 0);
        grid->addWidget(value.m_pValueLabel, row, 1, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value.m_pUnitLabel, row, 2);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return box;
}

QWidget* Page21::BuildTrendPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("trendPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(4);

    auto* header = new QHBoxLayout;
    header->setSpacing(6);
    m_pTrendCaption = new QLabel(panel);
    m_pTrendCaption->setObjectName(QStringLiteral("trendCaption"));
    m_pTrendCaption->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(40,44,52);"));
    header->addWidget(m_pTrendCaption);
    header->addSpacing(18);
    auto addLegend = [&](QLabel*& swatch, QLabel*& caption, const char* swatchName) {
        swatch = new QLabel(panel);
        swatch->setObjectName(QLatin1String(swatchName));
        swatch->setFixedSize(22, 8);
        caption = new QLabel(panel);
        header->addWidget(swatch);
        header->addWidget(caption);
        header->addSpacing(12);
    };
    addLegend(m_pLineInput, m_pLegendInput, "line_input");
    addLegend(m_pLineOutput, m_pLegendOutput, "line_output");
    addLegend(m_pLineEnergy, m_pLegendEnergy, "line_energy");
    header->addStretch(1);
    layout->addLayout(header);

    // The unit of the value axis above it, the choice of curves and the settings on the right.
    auto* controls = new QHBoxLayout;
    controls->setSpacing(10);
    m_pUnit = new QLabel(QStringLiteral("kW"), panel);
    m_pUnit->setObjectName(QStringLiteral("Unit"));
    m_pUnit->setStyleSheet(QStringLiteral("color: rgb(110,118,130);"));
    controls->addWidget(m_pUnit);
    controls->addStretch(1);
    m_pPowerRadio = new QRadioButton(panel);
    m_pPowerRadio->setObjectName(QStringLiteral("radioButton"));
    m_pPowerRadio->setChecked(true);
    m_pEnergyRadio = new QRadioButton(panel);
    m_pEnergyRadio->setObjectName(QStringLiteral("radioButton_2"));
    controls->addWidget(m_pPowerRadio);
    controls->addWidget(m_pEnergyRadio);
    controls->addSpacing(6);
    m_pSettingsBtn = new QPushButton(panel);
    m_pSettingsBtn->setObjectName(QStringLiteral("pushButton"));
    m_pSettingsBtn->setCursor(Qt::PointingHandCursor);
    controls->addWidget(m_pSettingsBtn);
    layout->addLayout(controls);

    m_pTrend = new QTrend(panel);
    m_pTrend->setObjectName(QStringLiteral("trend"));
    m_pTrend->setMinimumHeight(180);
    m_pTrend->setCursor(Qt::OpenHandCursor);
    // The chart draws white grid lines and no background: a soft tint shows them.
    m_pTrend->setAutoFillBackground(true);
    QPalette tint = m_pTrend->palette();
    tint.setColor(QPalette::Window, QColor(236, 240, 246));
    m_pTrend->setPalette(tint);
    layout->addWidget(m_pTrend, 1);

    connect(m_pPowerRadio, &QRadioButton::clicked, this, &Page21::on_radioButton_clicked);
    connect(m_pEnergyRadio, &QRadioButton::clicked, this, &Page21::on_radioButton_2_clicked);
    connect(m_pSettingsBtn, &QPushButton::clicked, this, &Page21::on_pushButton_clicked);
    return panel;
}

void Page21::Retranslate() {
    for (ValueRow& row : m_Rows) {
        row.m_pCaptionLabel->setText(tr(row.m_pCaption));
    }
    for (int group = GroupInput; group <= GroupOther; ++group) {
        m_pGroups[group]->setTitle(tr(kGroupCaptions[group]));
    }
    m_pTrendCaption->setText(tr("Power"));
    m_pLegendInput->setText(tr("Input Power"));
    m_pLegendOutput->setText(tr("Output Power"));
    m_pLegendEnergy->setText(tr("Energy"));
    m_pPowerRadio->setText(tr("Power curve"));
    m_pEnergyRadio->setText(tr("Energy curve"));
    m_pSettingsBtn->setText(tr("Settings"));
    if (!m_pInverter || m_pInverter->CommState() != CommOnline) {
        SetValue("status_text", tr("Unknow"));
    }
}

QLabel* Page21::ValueLabel(const QString& name) const {
    for (const ValueRow& row : m_Rows) {
        if (name == QLatin1String(row.m_pName)) {
            return row.m_pValueLabel;
        }
    }
    return nullptr;
}

QLabel* Page21::CaptionLabel(const QString& name) const {
    for (const ValueRow& row : m_Rows) {
        if (name == QLatin1String(row.m_pName)) {
            return row.m_pCaptionLabel;
        }
    }
    return nullptr;
}

void Page21::SetRowStyle(const char* name, const QString& style) {
    for (ValueRow& row : m_Rows) {
        if (qstrcmp(row.m_pName, name) == 0) {
            const bool missing = style == MissingStyle;
            row.m_pCaptionLabel->setStyleSheet(missing ? MissingStyle : CaptionStyle);
            row.m_pUnitLabel->setStyleSheet(missing ? MissingStyle : CaptionStyle);
            row.m_pValueLabel->setStyleSheet(style);
            return;
        }
    }
}

void Page21::ColourByPicture(int pictureCode) {
    bool track2 = true;
    bool phasesVW = true;
    bool others = true;
    bool changeTrack2 = true;
    bool changePhases = true;
    switch (pictureCode) {
    case 0:
        track2 = phasesVW = others = false;
        break;
    case 1:
        track2 = phasesVW = false;
        break;
    case 2:
    case 4:
    case 5:
        phasesVW = false;
        break;
    case 3:
        break;
    default: // an unknown series: keep what the two groups show
        changeTrack2 = changePhases = false;
        break;
    }
    for (const ValueRow& row : std::as_const(m_Rows)) {
        const bool isTrack2 = IsIn(row.m_pName, kTrack2, 2);
        const bool isPhase = IsIn(row.m_pName, kPhasesVW, 4);
        if (isTrack2) {
            if (changeTrack2) {
                SetRowStyle(row.m_pName, track2 ? ValueStyle : MissingStyle);
            }
        } else if (isPhase) {
            if (changePhases) {
                SetRowStyle(row.m_pName, phasesVW ? ValueStyle : MissingStyle);
            }
        } else {
            SetRowStyle(row.m_pName, others ? ValueStyle : MissingStyle);
        }
    }
}

void Page21::SetValue(const char* name, const QString& text) {
    for (ValueRow& row : m_Rows) {
        if (qstrcmp(row.m_pName, name) == 0) {
            SetSteadyText(row.m_pValueLabel, text);
            return;
        }
    }
}

void Page21::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    // Labels this inverter's model does not refresh must not keep the values of
    // the inverter shown before.
    ShowReset();
    if (!inverter) {
        ColourByPicture(0);
        m_pTrend->Clear();
        return;
    }
    const int picture = inverter->PictureCode();
    if (picture >= 1 && picture <= 5) {
        ColourByPicture(picture);
    }
    RebuildTrend();
}

void Page21::RebuildTrend() {
    m_pTrend->Clear();
    const QTime time = SystemClock::CurrentTime();
    m_TrendDate = SystemClock::CurrentDate();
    const int now = time.hour() * 60 + time.minute();
    int start = now;
    bool found = false;
    for (int minute = 0; minute < now; ++minute) {
        const qint32 input = m_pInverter->MinuteValue(0, minute);
        if (!found) {
            // The day's curve begins with the first minute that has a sample.
            if (input == -1) {
                continue;
            }
            m_pTrend->SetStart(minute);
            start = minute;
            found = true;
        }
        m_pTrend->AddData(0, input);
        m_pTrend->AddData(1, m_pInverter->MinuteValue(1, minute));
        m_pTrend->AddData(2, m_pInverter->MinuteValue(2, minute) * 10);
    }
    m_pTrend->SetStart(start);
}

void Page21::ShowReset() {
    for (const char* name : {"V1", "I1", "V2", "I2", "U_Voltage", "U_Current", "V_Voltage", "V_Current",
                             "W_Voltage", "W_Current"}) {
        SetValue(name, QStringLiteral("0.0"));
    }
    for (const char* name : {"Input", "Output", "Peek"}) {
        SetValue(name, QStringLiteral("0"));
    }
    for (const char* name : {"Total", "Today", "Tem", "Fre", "Co2"}) {
        SetValue(name, QStringLiteral("0.00"));
    }
    SetValue("status_text", tr("Unknow"));
}

void Page21::Refresh() {
    RefreshValues();
    RefreshTrend();
}

void Page21::RefreshTrend() {
    if (m_pInverter && m_pInverter->CommState() == CommOnline) {
        AddTrendPointOncePerMinute();
    }
}

void Page21::RefreshValues() {
    if (!m_pInverter || m_pInverter->CommState() != CommOnline) {
        ShowReset();
        return;
    }
    const QInverter& inv = *m_pInverter;
    SetValue("V1", Tenths(inv.ItemValue(2)));
    SetValue("I1", Tenths(inv.ItemValue(3)));
    SetValue("Input", Whole(inv.ItemValue(0)));
    SetValue("U_Voltage", Tenths(inv.ItemValue(11)));
    SetValue("U_Current", Tenths(inv.ItemValue(12)));
    SetValue("Output", Whole(inv.ItemValue(1)));
    SetValue("Total", Hundredths(inv.ItemValue(17)));
    SetValue("Today", Hundredths(inv.ItemValue(20)));
    SetValue("Fre", Hundredths(inv.ItemValue(8)));
    SetValue("Co2", Hundredths(inv.ItemValue(18)));
    SetValue("Tem", Hundredths(qMax(inv.ItemValue(6), inv.ItemValue(7))));
    SetValue("Peek", Whole(inv.ItemValue(26)));

    if (inv.RatedPower() / 100 > kTrack2ModelCode) {
        SetValue("V2", Tenths(inv.ItemValue(4)));
        SetValue("I2", Tenths(inv.ItemValue(5)));
        if (inv.PhaseCount() == 3) {
            SetValue("V_Voltage", Tenths(inv.ItemValue(13)));
            SetValue("V_Current", Tenths(inv.ItemValue(14)));
            SetValue("W_Voltage", Tenths(inv.ItemValue(15)));
            SetValue("W_Current", Tenths(inv.ItemValue(16)));
        }
    }

    int state = inv.ItemValue(32);
    if (state < 0 || state > 5) {
        state = 0;
    }
    QLabel* status = ValueLabel(QStringLiteral("status_text"));
    const QString style = state == 2 ? CaptionStyle : ValueStyle;
    if (status->styleSheet() != style) {
        status->setStyleSheet(style);
    }
    SetValue("status_text", QInverter::StatusName(state));
}

void Page21::AddTrendPointOncePerMinute() {
    const QDateTime now = SystemClock::Now();
    if (m_bSkip) {
        if (now.time().second() == 10) {
            m_bSkip = m_bSeen;
            m_bSeen = true;
        } else {
            m_bSeen = false;
            m_bSkip = true;
        }
        return;
    }
    m_bSkip = true;
    if (now.date() != m_TrendDate) {
        // A new day: the trend starts again from today's history.
        RebuildTrend();
        return;
    }
    m_pTrend->AddData(0, m_pInverter->ItemValue(0));
    m_pTrend->AddData(1, m_pInverter->ItemValue(1));
    m_pTrend->AddData(2, m_pInverter->ItemValue(20) * 10);
}

void Page21::on_radioButton_clicked() {
    m_pTrend->SetAttribute(QStringLiteral("ShowType"), QStringLiteral("0"), true);
    m_pUnit->setText(QStringLiteral("kW"));
}

void Page21::on_radioButton_2_clicked() {
    m_pTrend->SetAttribute(QStringLiteral("ShowType"), QStringLiteral("1"), true);
    m_pUnit->setText(QStringLiteral("kWh"));
}

void Page21::on_pushButton_clicked() {
    TrendSettings settings;
    settings.Color1 = qint32(m_pTrend->m_Color1);
    settings.Color2 = qint32(m_pTrend->m_Color2);
    settings.Color3 = qint32(m_pTrend->m_Color3);
    settings.Total = m_pTrend->m_nTotal;
    settings.Flag = m_pTrend->m_bAuto ? 1 : 0;
    settings.MaxValue = m_pTrend->m_nMax;

    QTrendSetDlg dialog(this);
    dialog.Load(settings);
    QUserActivity::SetIdleCheck(false);
    dialog.exec();
    if (dialog.IsAccepted()) {
        const TrendSettings chosen = dialog.Settings();
        m_pTrend->SetAttribute(QStringLiteral("Color1"), QString::number(quint32(chosen.Color1)), false);
        m_pTrend->SetAttribute(QStringLiteral("Color2"), QString::number(quint32(chosen.Color2)), false);
        m_pTrend->SetAttribute(QStringLiteral("Color3"), QString::number(quint32(chosen.Color3)), false);
        m_pTrend->SetAttribute(QStringLiteral("Auto"),
                               chosen.Flag == 1 ? QStringLiteral("false") : QStringLiteral("true"), false);
        m_pTrend->SetAttribute(QStringLiteral("Total"), QString::number(chosen.Total), false);
        if (chosen.Flag == 1) {
            m_pTrend->SetAttribute(QStringLiteral("MaxValue"), QString::number(chosen.MaxValue), false);
        }
        m_pTrend->update();
        QTrendSetFile::Save(*m_pTrend);
    }
    QUserActivity::SetIdleCheck(true);
    QUserActivity::Touch();
}

void Page21::OnTrendAttribute(QString name, void* page) {
    static_cast<Page21*>(page)->TrendAttributeChanged(name);
}

void Page21::TrendAttributeChanged(const QString& name) {
    QLabel* swatch = nullptr;
    QRgb colour = 0;
    if (name == QLatin1String("Color1")) {
        swatch = m_pLineInput;
        colour = m_pTrend->m_Color1;
    } else if (name == QLatin1String("Color2")) {
        swatch = m_pLineOutput;
        colour = m_pTrend->m_Color2;
    } else if (name == QLatin1String("Color3")) {
        swatch = m_pLineEnergy;
        colour = m_pTrend->m_Color3;
    }
    if (swatch) {
        swatch->setStyleSheet(SwatchStyle(colour));
    }
}
