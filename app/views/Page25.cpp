#include "Page25.h"

#include "QInverter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const kIdentityCaptions[4] = {
    QT_TRANSLATE_NOOP("Page25", "Type:"),
    QT_TRANSLATE_NOOP("Page25", "Serial number:"),
    QT_TRANSLATE_NOOP("Page25", "Date in Produced:"),
    QT_TRANSLATE_NOOP("Page25", "Software version:"),
};
const char* const kIdentityNames[4] = {"value_Type", "value_SN", "value_Date", "value_Version"};

const char* const kVoltageCaptions[Page25::VoltageCount] = {
    QT_TRANSLATE_NOOP("Page25", "Output voltage 1:"),
    QT_TRANSLATE_NOOP("Page25", "Output voltage 2:"),
    QT_TRANSLATE_NOOP("Page25", "Output voltage 3:"),
    QT_TRANSLATE_NOOP("Page25", "Output voltage 4:"),
};
const char* const kCurrentCaptions[Page25::CurrentCount] = {
    QT_TRANSLATE_NOOP("Page25", "Input current 1:"),  QT_TRANSLATE_NOOP("Page25", "Input current 2:"),
    QT_TRANSLATE_NOOP("Page25", "Input current 3:"),  QT_TRANSLATE_NOOP("Page25", "Input current 4:"),
    QT_TRANSLATE_NOOP("Page25", "Input current 5:"),  QT_TRANSLATE_NOOP("Page25", "Input current 6:"),
    QT_TRANSLATE_NOOP("Page25", "Input current 7:"),  QT_TRANSLATE_NOOP("Page25", "Input current 8:"),
    QT_TRANSLATE_NOOP("Page25", "Input current 9:"),  QT_TRANSLATE_NOOP("Page25", "Input current 10:"),
    QT_TRANSLATE_NOOP("Page25", "Input current 11:"), QT_TRANSLATE_NOOP("Page25", "Input current 12:"),
    QT_TRANSLATE_NOOP("Page25", "Input current 13:"), QT_TRANSLATE_NOOP("Page25", "Input current 14:"),
    QT_TRANSLATE_NOOP("Page25", "Input current 15:"), QT_TRANSLATE_NOOP("Page25", "Input current 16:"),
};

// Live data items of the box: output voltages 1 to 4, then input currents 1 to 16.
constexpr int kFirstVoltageItem = 34;
constexpr int kFirstCurrentItem = 38;
constexpr int kCurrentsPerGroup = 4;

const QString kValueStyle = QStringLiteral("color: rgb(255, 0, 0);");
const QString kMissing = QStringLiteral("-");

} // namespace

Page25::Page25(QWidget* parent) : QWidget(parent) {
    BuildForm();
    Retranslate();
}

Page25::~Page25() = default;

Page25::ValueRow Page25::AddRow(QGroupBox* group, QGridLayout* layout, int row, const QString& name,
                                const QString& unit) {
    ValueRow value;
    value.m_pCaption = new QLabel(group);
    value.m_pCaption->setObjectName(name + QStringLiteral("_caption"));
    value.m_pValue = new QLabel(QStringLiteral("0.0"), group);
    value.m_pValue->setObjectName(name);
    value.m_pValue->setStyleSheet(kValueStyle);
    value.m_pValue->setAlignment((unit.isEmpty() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    auto* unitLabel = new QLabel(unit, group);
    unitLabel->setObjectName(name + QStringLiteral("_unit"));
    for (QLabel* label : {value.m_pCaption, value.m_pValue, unitLabel}) {
        label->setMinimumHeight(20);
    }
    value.m_pCaption->setStyleSheet(QStringLiteral("color: rgb(0,0,0);"));
    layout->addWidget(value.m_pCaption, row, 0);
    layout->addWidget(value.m_pValue, row, 1);
    layout->addWidget(unitLabel, row, 2);
    return value;
}

void Page25::BuildForm() {
    setObjectName(QStringLiteral("Page25"));
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(204,208,215); border-radius: 4px; margin-top: 12px;"
        " background: white; padding: 6px 4px 4px 4px; font-weight: bold; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: rgb(40,44,52); }"
        "QGroupBox QLabel { font-weight: normal; }"));
    auto makeGroup = [this](const QString& name, QGridLayout** grid) {
        auto* group = new QGroupBox(this);
        group->setObjectName(name);
        *grid = new QGridLayout(group);
        (*grid)->setContentsMargins(10, 10, 10, 6);
        (*grid)->setHorizontalSpacing(6);
        (*grid)->setVerticalSpacing(4);
        return group;
    };

    QGridLayout* grid = nullptr;
    m_pBaseGroup = makeGroup(QStringLiteral("baseGroup"), &grid);
    grid->setColumnStretch(1, 1);
    for (int i = 0; i < 4; ++i) {
        m_Identity[i] = AddRow(m_pBaseGroup, grid, i, QLatin1String(kIdentityNames[i]), QString());
    }
    m_pOutputGroup = makeGroup(QStringLiteral("outputGroup"), &grid);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(1, 56);
    for (int i = 0; i < VoltageCount; ++i) {
        m_Voltages[i] =
            AddRow(m_pOutputGroup, grid, i, QStringLiteral("value_U%1").arg(i + 1), QStringLiteral("V"));
    }
    // Two columns: identity and output voltages, then the inputs in fours.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 10);
    auto* groups = new QGridLayout;
    groups->setSpacing(10);
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);
    groups->addWidget(m_pBaseGroup, 0, 0);
    groups->addWidget(m_pOutputGroup, 0, 1);
    for (int g = 0; g < 4; ++g) {
        m_pInputGroups[g] = makeGroup(QStringLiteral("inputGroup%1").arg(g + 1), &grid);
        grid->setColumnStretch(0, 1);
        grid->setColumnMinimumWidth(1, 56);
        for (int i = 0; i < kCurrentsPerGroup; ++i) {
            const int n = g * kCurrentsPerGroup + i;
            m_Currents[n] = AddRow(m_pInputGroups[g], grid, i, QStringLiteral("value_I%1").arg(n + 1),
                                   QStringLiteral("A"));
        }
        groups->addWidget(m_pInputGroups[g], 1 + g / 2, g % 2);
    }
    layout->addLayout(groups);
    layout->addStretch(1);
}

void Page25::Retranslate() {
    m_pBaseGroup->setTitle(tr("Base parameters"));
    m_pOutputGroup->setTitle(tr("Output parameters"));
    for (QGroupBox* group : m_pInputGroups) {
        group->setTitle(tr("Input parameters"));
    }
    for (int i = 0; i < 4; ++i) {
        m_Identity[i].m_pCaption->setText(tr(kIdentityCaptions[i]));
    }
    for (int i = 0; i < VoltageCount; ++i) {
        m_Voltages[i].m_pCaption->setText(tr(kVoltageCaptions[i]));
    }
    for (int i = 0; i < CurrentCount; ++i) {
        m_Currents[i].m_pCaption->setText(tr(kCurrentCaptions[i]));
    }
}

void Page25::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    // Not the previous inverter's values until the next tick.
    Refresh();
}

QString Page25::ValueText(qint32 value) {
    if (value == 0xFFFF || value == -1) {
        return kMissing;
    }
    return QString::asprintf("%0.1f", value / 10.0);
}

void Page25::SetValue(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

void Page25::ShowNothing() {
    for (ValueRow& row : m_Identity) {
        SetValue(row.m_pValue, kMissing);
    }
    for (ValueRow& row : m_Voltages) {
        SetValue(row.m_pValue, kMissing);
    }
    for (ValueRow& row : m_Currents) {
        SetValue(row.m_pValue, kMissing);
    }
}

void Page25::Refresh() {
    // The box is known once its identity has been asked for; until then, and
    // while it is out of reach, nothing it reported earlier is shown as current.
    if (!m_pInverter || m_pInverter->CommState() != CommOnline || !m_pInverter->IdentityDone()) {
        ShowNothing();
        return;
    }
    // The serial text (0x2100) stands under "Serial number:", the box's type text
    // (0x2110) under "Type:"; the other way round each would sit under the other's caption.
    const QString identity[4] = {m_pInverter->SecondText(), m_pInverter->SerialText(),
                                 m_pInverter->ProductionDate(), m_pInverter->VersionText()};
    for (int i = 0; i < 4; ++i) {
        // A text whose read has not been answered yet is missing like any value.
        SetValue(m_Identity[i].m_pValue, identity[i].isEmpty() ? kMissing : identity[i]);
    }
    for (int i = 0; i < VoltageCount; ++i) {
        SetValue(m_Voltages[i].m_pValue, ValueText(m_pInverter->ItemValue(kFirstVoltageItem + i)));
    }
    for (int i = 0; i < CurrentCount; ++i) {
        SetValue(m_Currents[i].m_pValue, ValueText(m_pInverter->ItemValue(kFirstCurrentItem + i)));
    }
}
