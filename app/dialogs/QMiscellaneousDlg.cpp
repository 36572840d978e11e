#include "QMiscellaneousDlg.h"

#include "DecimalText.h"
#include "MessageBox.h"
#include "QSystemModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QMiscellaneousDlg::QMiscellaneousDlg(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("QMiscellaneousDlg"));
    QGridLayout* grid = NewGrid();
    m_pUnit = NewEdit("Unit");
    m_pPrice = NewEdit("Price", QStringLiteral("^[0-9]{1,9}[.]{1}[0-9]{0,2}$"));
    m_pUnitCaption = AddRow(grid, m_pUnit);
    m_pPriceCaption = AddRow(grid, m_pPrice);
    m_pSave = AddButton("pushButton");
    m_pCancel = AddButton("pushButton_2");
    connect(m_pSave, &QPushButton::clicked, this, &QMiscellaneousDlg::on_pushButton_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &QMiscellaneousDlg::on_pushButton_2_clicked);
    Retranslate();
    FinishForm(360);
}

QMiscellaneousDlg::~QMiscellaneousDlg() = default;

void QMiscellaneousDlg::Retranslate() {
    setWindowTitle(tr("Set electricity price"));
    SetCaption(tr("Set electricity price"));
    m_pUnitCaption->setText(tr("Currency Unit:"));
    m_pPriceCaption->setText(tr("Unit price(/kWh):"));
    m_pSave->setText(tr("Save"));
    m_pCancel->setText(tr("Cancel"));
}

void QMiscellaneousDlg::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    if (system) {
        m_pUnit->setText(system->Settings().CurrencyUnit());
        m_pPrice->setText(DecimalText::FromHundredths(system->Settings().Price()));
    }
}

void QMiscellaneousDlg::on_pushButton_2_clicked() {
    close();
}

void QMiscellaneousDlg::on_pushButton_clicked() {
    if (!m_pSystem) {
        close();
        return;
    }
    // Whole hundredths: "0.29" is 29. Written with six significant digits, as
    // the price once was, a price from 10000.00 on would become "1e+06", which
    // reads back as a price of 0.
    bool ok = false;
    const qint64 price = DecimalText::ToHundredths(m_pPrice->text(), &ok);
    if (!ok && !m_pPrice->text().trimmed().isEmpty()) {
        ShowMessage(tr("The price is too high!"), MessageBox::TypeOk, this);
        return;
    }
    WriteSettings(m_pSystem, {{QStringLiteral("price"), QString::number(price)},
                              {QStringLiteral("CurrencyUnit"), StoredText(m_pUnit)}});
    close();
}
