#include "SetSolar.h"

#include "DecimalText.h"
#include "QSystemModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SetSolar::SetSolar(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("SetSolar"));
    QGridLayout* grid = NewGrid();
    m_pManu = NewEdit("Manu");
    m_pModel = NewEdit("Model");
    m_pType = NewEdit("Type");
    m_pPower = NewEdit("C_Power", QStringLiteral("^[0-9]{1,5}$"));
    m_pQuantity = NewEdit("Quantity", QStringLiteral("^[0-9]{1,3}$"));
    m_pTotal = NewEdit("T_Power");
    m_pTotal->setReadOnly(true);
    m_pTotal->setFocusPolicy(Qt::NoFocus);
    m_pAzimuth = NewEdit("Azimuth", QStringLiteral("^-?[0-9]{1,3}\\.[0-9]{0,2}$"));
    m_pAngle = NewEdit("Angle", QStringLiteral("^[0-9]{1,2}\\.[0-9]{0,2}$"));
    for (QLineEdit* field :
         {m_pManu, m_pModel, m_pType, m_pPower, m_pQuantity, m_pTotal, m_pAzimuth, m_pAngle}) {
        m_Captions.append(AddRow(grid, field));
    }
    m_pOk = AddButton("Okbtn");
    m_pCancel = AddButton("Cancelbtn");
    connect(m_pPower, &QLineEdit::textChanged, this, &SetSolar::on_C_Power_textChanged);
    connect(m_pQuantity, &QLineEdit::textChanged, this, &SetSolar::on_Quantity_textChanged);
    connect(m_pOk, &QPushButton::clicked, this, &SetSolar::on_Okbtn_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &SetSolar::on_Cancelbtn_clicked);
    Retranslate();
    FinishForm(400);
}

SetSolar::~SetSolar() = default;

void SetSolar::Retranslate() {
    setWindowTitle(tr("Set Solar Information"));
    SetCaption(tr("Set Solar Information"));
    const QStringList captions = {tr("Manufacturer:"),    tr("Model:"),         tr("Component type:"),
                                  tr("Component Power:"), tr("Quantity(pcs):"), tr("Total power(W):"),
                                  tr("Azimuth:"),         tr("Tilt angle:")};
    for (int i = 0; i < m_Captions.size(); ++i) {
        m_Captions.at(i)->setText(captions.at(i));
    }
    m_pOk->setText(tr("Return"));
    m_pCancel->setText(tr("Cancel"));
}

void SetSolar::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    if (!system) {
        return;
    }
    const QSystemSettings& s = system->Settings();
    m_pManu->setText(s.SolarManufacturer());
    m_pModel->setText(s.SolarModel());
    m_pType->setText(s.SolarType());
    m_pPower->setText(QString::number(s.SolarPower()));
    m_pQuantity->setText(QString::number(s.SolarCount()));
    m_pTotal->setText(QString::number(s.TotalPower()));
    m_pAzimuth->setText(DecimalText::FromHundredths(s.SolarAzimuth()));
    m_pAngle->setText(DecimalText::FromHundredths(s.SolarAngel()));
}

void SetSolar::ShowTotal() {
    m_pTotal->setText(QString::number(qint64(m_pPower->text().toInt()) * m_pQuantity->text().toInt()));
}

void SetSolar::on_C_Power_textChanged(const QString&) {
    ShowTotal();
}

void SetSolar::on_Quantity_textChanged(const QString&) {
    ShowTotal();
}

void SetSolar::on_Cancelbtn_clicked() {
    close();
}

void SetSolar::on_Okbtn_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    WriteSettings(
        m_pSystem,
        {{QStringLiteral("SolarPower"), QString::number(m_pPower->text().toInt())},
         {QStringLiteral("SolarCount"), QString::number(m_pQuantity->text().toInt())},
         {QStringLiteral("SolarAngel"), QString::number(DecimalText::ToHundredths(m_pAngle->text()))},
         {QStringLiteral("SolarAzimuth"), QString::number(DecimalText::ToHundredths(m_pAzimuth->text()))},
         {QStringLiteral("SolarType"), StoredText(m_pType)},
         {QStringLiteral("SolarModel"), StoredText(m_pModel)},
         {QStringLiteral("SolarManufacturer"), StoredText(m_pManu)}});
    close();
}
