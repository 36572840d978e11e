#include "Page24.h"

Page24::Page24(QWidget* parent) : QPendingTab(parent) {
    Init(QStringLiteral("Page24"));
}

QString Page24::CaptionText() const {
    return tr("Technical data");
}
