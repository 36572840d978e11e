#include "SetBeginTimeDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SetBeginTimeDlg::SetBeginTimeDlg(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("SetBeginTimeDlg"));
    QGridLayout* grid = NewGrid();
    m_pEdit = NewEdit("lineEdit", QStringLiteral("^[0-9]{1}$"));
    m_pEdit->setMaximumWidth(60);
    m_pCaption = AddRow(grid, m_pEdit);
    grid->setAlignment(m_pEdit, Qt::AlignLeft);
    m_pHint = AddHint(grid);
    m_pSave = AddButton("pushButton");
    m_pCancel = AddButton("pushButton_2");
    connect(m_pSave, &QPushButton::clicked, this, &SetBeginTimeDlg::on_pushButton_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &SetBeginTimeDlg::on_pushButton_2_clicked);
    Retranslate();
    FinishForm(360);
}

SetBeginTimeDlg::~SetBeginTimeDlg() = default;

void SetBeginTimeDlg::Retranslate() {
    setWindowTitle(tr("Set sunrise time"));
    SetCaption(tr("Set sunrise time"));
    m_pCaption->setText(tr("Sunrise time:"));
    m_pHint->setText(tr("The hour from which the day's curves are drawn, 0 to 9."));
    m_pSave->setText(tr("Save"));
    m_pCancel->setText(tr("Cancel"));
}

void SetBeginTimeDlg::SetValue(int hour) {
    m_nValue = hour;
    m_pEdit->setText(QString::number(hour));
}

void SetBeginTimeDlg::on_pushButton_2_clicked() {
    close();
}

void SetBeginTimeDlg::on_pushButton_clicked() {
    m_nValue = m_pEdit->text().toInt();
    m_bAccepted = true;
    close();
}
