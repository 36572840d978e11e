#include "Page25.h"

Page25::Page25(QWidget* parent) : QPendingTab(parent) {
    Init(QStringLiteral("Page25"));
}

QString Page25::CaptionText() const {
    return tr("Combiner box data");
}
