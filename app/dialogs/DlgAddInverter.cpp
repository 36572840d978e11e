#include "DlgAddInverter.h"

#include "MessageBox.h"
#include "QInverter.h"
#include "QInverterSearch.h"
#include "QSystemModel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const char* const kFieldStyle = "border: 1px solid rgb(128,128,128);\nbackground-color: rgb(240, 240, 240);";
const char* const kThreePhaseModel = QT_TRANSLATE_NOOP("DlgAddInverter", "Tivra PA10KT");
const char* const kSinglePhaseModel = QT_TRANSLATE_NOOP("DlgAddInverter", "Tivra PA5KS");
constexpr int kFirstAddress = 1;
constexpr int kLastAddress = 247;
} // namespace

DlgAddInverter::DlgAddInverter(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("DlgAddInverter"));
    QGridLayout* grid = NewGrid();
    m_pNameEdit = NewEdit("nameEdit");
    m_pAddrEdit = NewEdit("addrEdit", QStringLiteral("^[0-9]*[1-9][0-9]*$"));
    for (QLineEdit* edit : {m_pNameEdit, m_pAddrEdit}) {
        edit->setStyleSheet(QLatin1String(kFieldStyle));
    }
    m_pName = AddRow(grid, m_pNameEdit);
    m_pName->setObjectName(QStringLiteral("Name"));
    m_pAddr = AddRow(grid, m_pAddrEdit);
    m_pAddr->setObjectName(QStringLiteral("Addr"));

    m_pSingle = new QRadioButton(this);
    m_pSingle->setObjectName(QStringLiteral("Singlebtn"));
    m_pThree = new QRadioButton(this);
    m_pThree->setObjectName(QStringLiteral("Threebtn"));
    m_pThree->setChecked(true);
    m_pAnalog = new QRadioButton(this);
    m_pAnalog->setObjectName(QStringLiteral("Analogbtn"));
    auto* kinds = new QHBoxLayout;
    kinds->setSpacing(18);
    for (QRadioButton* button : {m_pSingle, m_pThree, m_pAnalog}) {
        kinds->addWidget(button);
    }
    kinds->addStretch(1);
    grid->addLayout(kinds, grid->rowCount(), 0, 1, 2);

    m_pYes = AddButton("yesbtn");
    m_pNo = AddButton("nobtn");
    connect(m_pYes, &QPushButton::clicked, this, &DlgAddInverter::on_yesbtn_clicked);
    connect(m_pNo, &QPushButton::clicked, this, &DlgAddInverter::on_nobtn_clicked);
    connect(m_pAnalog, &QRadioButton::clicked, this, &DlgAddInverter::on_Analogbtn_clicked);
    connect(m_pThree, &QRadioButton::clicked, this, &DlgAddInverter::on_Threebtn_clicked);
    connect(m_pSingle, &QRadioButton::clicked, this, &DlgAddInverter::on_Singlebtn_clicked);
    Retranslate();
    FinishForm(460);
}

DlgAddInverter::~DlgAddInverter() = default;

void DlgAddInverter::Retranslate() {
    setWindowTitle(tr("Dialog"));
    SetCaption(tr("Add New Inverter"));
    m_pName->setText(tr("Inverter Name:"));
    m_pAddr->setText(tr("Address:"));
    m_pSingle->setText(tr("Single-phase"));
    m_pThree->setText(tr("Three-phase"));
    m_pAnalog->setText(tr("Analog signal"));
    m_pYes->setText(tr("Ok"));
    m_pNo->setText(tr("Cancel"));
}

void DlgAddInverter::on_Analogbtn_clicked() {
    m_pAddrEdit->setText(QStringLiteral("255"));
    m_pAddrEdit->setEnabled(false);
    m_pNameEdit->setText(tr("Analog signal"));
    m_pNameEdit->setEnabled(false);
}

void DlgAddInverter::LeaveAnalog() {
    if (m_pAddrEdit->isEnabled()) {
        return;
    }
    m_pAddrEdit->setEnabled(true);
    m_pAddrEdit->clear();
    m_pNameEdit->setEnabled(true);
    m_pNameEdit->clear();
}

void DlgAddInverter::on_Threebtn_clicked() {
    LeaveAnalog();
}

void DlgAddInverter::on_Singlebtn_clicked() {
    LeaveAnalog();
}

void DlgAddInverter::on_nobtn_clicked() {
    close();
}

void DlgAddInverter::on_yesbtn_clicked() {
    const QString name = StoredText(m_pNameEdit);
    if (name.isEmpty()) {
        ShowMessage(tr("Inverter name cannot be empty!"), MessageBox::TypeOk, this);
        return;
    }
    const bool analog = m_pAnalog->isChecked();
    const int address = m_pAddrEdit->text().toInt();
    if (!analog && (address < kFirstAddress || address > kLastAddress)) {
        ShowMessage(tr("Address illegal!Must between 1 to 247!"), MessageBox::TypeOk, this);
        return;
    }
    if (!m_pSystem) {
        return;
    }
    const QString model = tr(m_pThree->isChecked() ? kThreePhaseModel : kSinglePhaseModel);
    QInverter* inverter =
        QInverterSearch::AddInverter(*m_pSystem, analog ? QInverter::AnalogAddress : address, name, model);
    if (!inverter) {
        ShowMessage(tr("Add Inverter Fialed!Name or address have been used!"), MessageBox::TypeOk, this);
        return;
    }
    m_pInverter = inverter;
    m_nAccepted = 1;
    close();
}
