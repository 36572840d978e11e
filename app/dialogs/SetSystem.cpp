#include "SetSystem.h"

#include "DecimalText.h"
#include "MessageBox.h"
#include "QSystemModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const char* const kCoordinatePattern = "^-?[0-9]{1,3}\\.[0-9]{0,2}$";
} // namespace

SetSystem::SetSystem(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("SetSystem"));
    QGridLayout* grid = NewGrid();
    m_pName = NewEdit("SystemName_edit");
    m_pCountry = NewEdit("Country_edit");
    m_pCity = NewEdit("City_edit");
    m_pType = new QComboBox(this);
    m_pType->setObjectName(QStringLiteral("TypeCombo"));
    m_pLatitude = NewEdit("Latitude_edit", QLatin1String(kCoordinatePattern));
    m_pLongitude = NewEdit("Longitude_deit", QLatin1String(kCoordinatePattern));
    m_pNameCaption = AddRow(grid, m_pName);
    m_pCountryCaption = AddRow(grid, m_pCountry);
    m_pCityCaption = AddRow(grid, m_pCity);
    m_pTypeCaption = AddRow(grid, m_pType);
    m_pLatitudeCaption = AddRow(grid, m_pLatitude);
    m_pLongitudeCaption = AddRow(grid, m_pLongitude);
    m_pOk = AddButton("Okbtn");
    m_pCancel = AddButton("Cancelbtn");
    connect(m_pOk, &QPushButton::clicked, this, &SetSystem::on_Okbtn_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &SetSystem::on_Cancelbtn_clicked);
    m_NameFont = m_pName->font();
    Retranslate();
    FinishForm(400);
}

SetSystem::~SetSystem() = default;

void SetSystem::Retranslate() {
    setWindowTitle(tr("Set System Information"));
    SetCaption(tr("Set System Information"));
    m_pNameCaption->setText(tr("System Name:"));
    m_pCountryCaption->setText(tr("Country:"));
    m_pCityCaption->setText(tr("City:"));
    m_pTypeCaption->setText(tr("Installation:"));
    m_pLatitudeCaption->setText(tr("Latitude:"));
    m_pLongitudeCaption->setText(tr("Longitude:"));
    const int type = m_pType->currentIndex();
    m_pType->clear();
    m_pType->addItems({tr("Sloping roof"), tr("Flat roof"), tr("Flat ground")});
    m_pType->setCurrentIndex(qMax(0, type));
    m_pOk->setText(tr("Return"));
    m_pCancel->setText(tr("Cancel"));
}

void SetSystem::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    if (!system) {
        return;
    }
    const QSystemSettings& s = system->Settings();
    m_pName->setText(s.SystemName());
    m_pCountry->setText(s.Country());
    m_pCity->setText(s.City());
    m_pType->setCurrentIndex(qBound(0, s.SystemType(), m_pType->count() - 1));
    m_pLatitude->setText(DecimalText::FromHundredths(s.Latitude()));
    m_pLongitude->setText(DecimalText::FromHundredths(s.Longitude()));
}

void SetSystem::on_Cancelbtn_clicked() {
    close();
}

void SetSystem::on_Okbtn_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    if (ShowMessage(tr("Do you want to save the changes?"), MessageBox::TypeYesNo, this) != 1) {
        return;
    }
    const QString name = StoredText(m_pName);
    if (!FitsWidth(name, NamePoints, m_NameFont, NameWidthLimit)) {
        ShowMessage(tr("The name is too long!"), MessageBox::TypeOk, this);
        return;
    }
    const qint64 latitude = DecimalText::ToHundredths(m_pLatitude->text());
    const qint64 longitude = DecimalText::ToHundredths(m_pLongitude->text());
    if (qAbs(latitude) > CoordinateLimit || qAbs(longitude) > CoordinateLimit) {
        ShowMessage(tr("Longitude and Latitude must in [-180,180]!"), MessageBox::TypeOk, this);
        return;
    }
    WriteSettings(m_pSystem, {{QStringLiteral("systemname"), name},
                              {QStringLiteral("Latitude"), QString::number(latitude)},
                              {QStringLiteral("Longitude"), QString::number(longitude)},
                              {QStringLiteral("Country"), StoredText(m_pCountry)},
                              {QStringLiteral("City"), StoredText(m_pCity)},
                              {QStringLiteral("SystemType"), QString::number(m_pType->currentIndex())}});
    close();
}
