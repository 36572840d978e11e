#pragma once

#include "QPendingTab.h"

// The technical data tab of the inverter browser: the model's data sheet. It shows the current
// inverter's name until its own content is built.
class Page24 : public QPendingTab {
    Q_OBJECT

public:
    explicit Page24(QWidget* parent = nullptr);

protected:
    QString CaptionText() const override;
};
