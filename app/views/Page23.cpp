#include "Page23.h"

Page23::Page23(QWidget* parent) : QPendingTab(parent) {
    Init(QStringLiteral("Page23"));
}

QString Page23::CaptionText() const {
    return tr("Generation history");
}
