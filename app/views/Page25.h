#pragma once

#include "QPendingTab.h"

// The box data tab of the inverter browser: the values of a combiner box. It shows the current
// inverter's name until its own content is built.
class Page25 : public QPendingTab {
    Q_OBJECT

public:
    explicit Page25(QWidget* parent = nullptr);

protected:
    QString CaptionText() const override;
};
