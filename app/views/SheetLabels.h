#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

// The look the tabs and pages share for captioned values in white group boxes,
// and the making of one caption-and-value line of such a sheet.
namespace SheetLabels {

// Group boxes with a bold title on their frame; captions grey, values dark.
extern const QString GroupStyle;

struct Line {
    QLabel* m_pCaption = nullptr;
    QLabel* m_pValue = nullptr;
};

// A value label named name and its caption named name + "_caption", put into
// the grid side by side from column on, in the given row or else the next one;
// the value can be selected and copied.
Line AddLine(QGridLayout* grid, const char* name, QWidget* parent, int row = -1, int column = 0);

} // namespace SheetLabels
