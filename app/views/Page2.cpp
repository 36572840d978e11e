#include "Page2.h"

Page2::Page2(QWidget* parent) : QWidget(parent) {}

Page2::~Page2() = default;

void Page2::SetSystemModel(QSystemModel* model) {
    m_pSystem = model;
}

void Page2::SetMainWindow(QObject* target) {
    m_pMainWindow = target;
}

void Page2::AddInverterItem(QInverter*) {}

void Page2::RefreshInverterItem(QInverter*) {}

void Page2::SelectInverter(QInverter* inverter) {
    m_pCurrent = inverter;
}

void Page2::SetBeginTime(int) {}

void Page2::Retranslate() {}

bool Page2::event(QEvent* event) {
    return QWidget::event(event);
}

void Page2::OnFlashTimer() {}

void Page2::on_page21btn_clicked() {}

void Page2::on_page22btn_clicked() {}

void Page2::on_page23btn_clicked() {}

void Page2::on_page24btn_clicked() {}

void Page2::on_page25btn_clicked() {}
