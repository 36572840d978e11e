#include "SheetLabels.h"

#include <QGridLayout>
#include <QLabel>

const QString SheetLabels::GroupStyle = QStringLiteral(
    "QGroupBox { border: 1px solid rgb(204,208,215); border-radius: 4px; margin-top: 12px;"
    " background: white; padding: 6px 4px 4px 4px; font-weight: bold; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: rgb(40,44,52); }"
    "QLabel[role=\"caption\"] { color: rgb(84,94,108); font-weight: normal; }"
    "QLabel[role=\"value\"] { color: rgb(30,34,40); font-weight: normal; }");

SheetLabels::Line SheetLabels::AddLine(QGridLayout* grid, const char* name, QWidget* parent, int row,
                                       int column) {
    Line line;
    line.m_pCaption = new QLabel(parent);
    line.m_pCaption->setObjectName(QLatin1String(name) + QStringLiteral("_caption"));
    line.m_pCaption->setProperty("role", QStringLiteral("caption"));
    line.m_pValue = new QLabel(parent);
    line.m_pValue->setObjectName(QLatin1String(name));
    line.m_pValue->setProperty("role", QStringLiteral("value"));
    line.m_pValue->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line.m_pValue->setMinimumHeight(20);
    if (row < 0) {
        row = grid->rowCount();
    }
    grid->addWidget(line.m_pCaption, row, column);
    grid->addWidget(line.m_pValue, row, column + 1);
    return line;
}
