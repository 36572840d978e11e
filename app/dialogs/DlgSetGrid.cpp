#include "DlgSetGrid.h"

#include "QSystemModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const char* const kVoltagePattern = "^[0-9]{1,5}[.]{1}[0-9]{0,1}$";
const char* const kFrequencyPattern = "^[0-9]{1,5}[.]{1}[0-9]{0,2}$";

// The keys in the order they are written.
const char* const kKeys[6] = {"GridWiring_1",  "GridWiring_3", "GridVoltage_1",
                              "GridVoltage_3", "GridFre_1",    "GridFre_3"};
} // namespace

DlgSetGrid::DlgSetGrid(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("DlgSetGrid"));
    QGridLayout* grid = NewGrid();
    m_pWiring1 = NewEdit("ac_wiring_1");
    m_pWiring3 = NewEdit("ac_wiring_3");
    m_pVoltage1 = NewEdit("voltage_1", QLatin1String(kVoltagePattern));
    m_pVoltage3 = NewEdit("voltage_3", QLatin1String(kVoltagePattern));
    m_pFre1 = NewEdit("fre_1", QLatin1String(kFrequencyPattern));
    m_pFre3 = NewEdit("fre_3", QLatin1String(kFrequencyPattern));
    // Single phase on the left, three phases on the right.
    const QList<QLineEdit*> left = {m_pWiring1, m_pVoltage1, m_pFre1};
    const QList<QLineEdit*> right = {m_pWiring3, m_pVoltage3, m_pFre3};
    for (int row = 0; row < 3; ++row) {
        m_Captions.append(AddRow(grid, left.at(row), row, 0));
        m_Captions.append(AddRow(grid, right.at(row), row, 2));
    }
    grid->setHorizontalSpacing(14);
    m_pOk = AddButton("pushButton");
    m_pCancel = AddButton("pushButton_2");
    connect(m_pOk, &QPushButton::clicked, this, &DlgSetGrid::on_pushButton_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &DlgSetGrid::on_pushButton_2_clicked);
    Retranslate();
    FinishForm(560);
}

DlgSetGrid::~DlgSetGrid() = default;

void DlgSetGrid::Retranslate() {
    setWindowTitle(tr("Set public grid information"));
    SetCaption(tr("Set public grid information"));
    // In the order of the captions: left and right of each row.
    const QStringList captions = {tr("1-ph AC wiring:"),      tr("3-ph AC wiring:"),
                                  tr("Rated voltage(Vac):"),  tr("Rated voltage(Vac):"),
                                  tr("Rated frequency(Hz):"), tr("Rated frequency(Hz):")};
    for (int i = 0; i < m_Captions.size(); ++i) {
        m_Captions.at(i)->setText(captions.at(i));
    }
    m_pOk->setText(tr("Return"));
    m_pCancel->setText(tr("Cancel"));
}

void DlgSetGrid::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    if (!system) {
        return;
    }
    const QSystemSettings& s = system->Settings();
    m_pWiring1->setText(s.GridWiring1());
    m_pWiring3->setText(s.GridWiring3());
    // The value as it was entered ("230.5"); its whole part where none was stored.
    const auto entered = [system](const char* key, int copy) {
        const QString stored = system->GetSystemValue(QLatin1String(key));
        return stored.isEmpty() ? QString::number(copy) : stored;
    };
    m_pVoltage1->setText(entered("GridVoltage_1", s.GridVoltage1()));
    m_pVoltage3->setText(entered("GridVoltage_3", s.GridVoltage3()));
    m_pFre1->setText(entered("GridFre_1", s.GridFre1()));
    m_pFre3->setText(entered("GridFre_3", s.GridFre3()));
}

void DlgSetGrid::on_pushButton_2_clicked() {
    close();
}

void DlgSetGrid::on_pushButton_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    const QList<QLineEdit*> fields = {m_pWiring1, m_pWiring3, m_pVoltage1, m_pVoltage3, m_pFre1, m_pFre3};
    QList<QPair<QString, QString>> values;
    for (int i = 0; i < 6; ++i) {
        values.append({QLatin1String(kKeys[i]), StoredText(fields.at(i))});
    }
    WriteSettings(m_pSystem, values);
    close();
}
