#include "Page21.h"

Page21::Page21(QWidget* parent) : QWidget(parent) {}

Page21::~Page21() = default;

void Page21::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
}

void Page21::Retranslate() {}

void Page21::Refresh() {}
