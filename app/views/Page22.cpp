#include "Page22.h"

Page22::Page22(QWidget* parent) : QPendingTab(parent) {
    Init(QStringLiteral("Page22"));
}

QString Page22::CaptionText() const {
    return tr("Status and faults");
}
