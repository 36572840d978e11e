#include "DlgSetInverter.h"

#include "QInverter.h"
#include "QSystemModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const char* const kSinglePhase[] = {
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA1K5S"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA2K2S"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA3KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA4KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA5KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA6KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PE4KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PE4K6S"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PE5KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PE4KS-D"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PE4K6S-D"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PE5KS-D"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM750S"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM1K1S"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM1K5S"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM2KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM3KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM4KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM4K6S"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM5KS"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM3KS-D"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM4KS-D"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM4K6S-D"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PM5KS-D"),
};
const char* const kThreePhase[] = {
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA4KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA5KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA6KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA8KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA10KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA12KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA15KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA17KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA20KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA20KT-X"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA25KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA30KT"),
    QT_TRANSLATE_NOOP("DlgSetInverter", "Tivra PA40KT"),
};

template <size_t N> QStringList Names(const char* const (&names)[N]) {
    QStringList list;
    for (const char* name : names) {
        list.append(QLatin1String(name));
    }
    return list;
}

QString RatedPower(const QString& model) {
    return model.isEmpty() ? QString() : QString::number(QInverter::LookupModel(model).m_nRatedPower);
}
} // namespace

DlgSetInverter::DlgSetInverter(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("DlgSetInverter"));
    QGridLayout* grid = NewGrid();
    m_pCompany = new QComboBox(this);
    m_pCompany->setObjectName(QStringLiteral("Commpany"));
    m_pModel1 = new QComboBox(this);
    m_pModel1->setObjectName(QStringLiteral("model_1"));
    m_pModel3 = new QComboBox(this);
    m_pModel3->setObjectName(QStringLiteral("model_3"));
    m_pPower1 = NewEdit("power_1");
    m_pPower3 = NewEdit("power_3");
    for (QLineEdit* power : {m_pPower1, m_pPower3}) {
        power->setReadOnly(true);
        power->setFocusPolicy(Qt::NoFocus);
    }
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_pCompany, m_pModel1, m_pPower1, m_pModel3, m_pPower3}) {
        m_Captions.append(AddRow(grid, field));
    }
    m_pOk = AddButton("pushButton");
    m_pCancel = AddButton("pushButton_2");
    connect(m_pModel1, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgSetInverter::on_model_1_currentIndexChanged);
    connect(m_pModel3, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgSetInverter::on_model_3_currentIndexChanged);
    connect(m_pOk, &QPushButton::clicked, this, &DlgSetInverter::on_pushButton_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &DlgSetInverter::on_pushButton_2_clicked);
    Retranslate();
    FinishForm(400);
}

DlgSetInverter::~DlgSetInverter() = default;

QStringList DlgSetInverter::SinglePhaseModels() {
    return Names(kSinglePhase);
}

QStringList DlgSetInverter::ThreePhaseModels() {
    return Names(kThreePhase);
}

void DlgSetInverter::Retranslate() {
    setWindowTitle(tr("Set Inverter Information"));
    SetCaption(tr("Set Inverter Information"));
    const QStringList captions = {tr("Manufacture:"), tr("1-ph model:"), tr("1-ph output power:"),
                                  tr("3-ph model:"), tr("3-ph output power:")};
    for (int i = 0; i < m_Captions.size(); ++i) {
        m_Captions.at(i)->setText(captions.at(i));
    }
    m_pCompany->clear();
    m_pCompany->addItem(tr("KOVA"));
    const int single = m_pModel1->currentIndex();
    const int three = m_pModel3->currentIndex();
    m_pModel1->clear();
    for (const char* name : kSinglePhase) {
        m_pModel1->addItem(tr(name));
    }
    m_pModel3->clear();
    for (const char* name : kThreePhase) {
        m_pModel3->addItem(tr(name));
    }
    m_pModel1->setCurrentIndex(qMax(0, single));
    m_pModel3->setCurrentIndex(qMax(0, three));
    m_pOk->setText(tr("Return"));
    m_pCancel->setText(tr("Cancel"));
}

void DlgSetInverter::Select(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(qMax(0, combo->findText(text, Qt::MatchExactly)));
}

void DlgSetInverter::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    if (!system) {
        return;
    }
    Select(m_pModel1, system->Settings().InverterType1());
    Select(m_pModel3, system->Settings().InverterType3());
    // Shown even when the selection did not move.
    on_model_1_currentIndexChanged(m_pModel1->currentIndex());
    on_model_3_currentIndexChanged(m_pModel3->currentIndex());
}

void DlgSetInverter::on_model_1_currentIndexChanged(int) {
    m_pPower1->setText(RatedPower(m_pModel1->currentText()));
}

void DlgSetInverter::on_model_3_currentIndexChanged(int) {
    m_pPower3->setText(RatedPower(m_pModel3->currentText()));
}

void DlgSetInverter::on_pushButton_2_clicked() {
    close();
}

void DlgSetInverter::on_pushButton_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    WriteSettings(m_pSystem, {{QStringLiteral("InverterType_1"), m_pModel1->currentText()},
                              {QStringLiteral("InverterType_3"), m_pModel3->currentText()}});
    close();
}
