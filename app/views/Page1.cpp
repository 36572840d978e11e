#include "Page1.h"

Page1::Page1(QWidget* parent) : QWidget(parent) {}

Page1::~Page1() = default;

void Page1::SetSystemModel(QSystemModel* model) {
    m_pSystem = model;
}

void Page1::SetMainWindow(QObject* target) {
    m_pMainWindow = target;
}

void Page1::LogonAdministrator() {}

void Page1::LogonCore() {}

void Page1::SetPlantName(const QString&) {}

void Page1::SetLinkState(const QString&, bool) {}

void Page1::AddOutputInverter(QInverter*) {}

void Page1::SetBeginTime(int) {}

void Page1::SyncOutputInverters() {}

void Page1::Retranslate() {}

void Page1::on_Language_combo_currentIndexChanged(int) {}

void Page1::on_UserCombo_currentIndexChanged(int) {}

void Page1::on_LogonBtn_clicked() {}

void Page1::OnFlashTimer() {}
