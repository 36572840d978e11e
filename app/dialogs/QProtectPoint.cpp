#include "QProtectPoint.h"

#include "MaintenanceReads.h"
#include "MaintenanceText.h"
#include "QGrid.h"
#include "QMissionModel.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QProtectPoint* g_pOpenProtectPoint = nullptr;

const char* const kRowNames[MaintenanceText::ProtectPointRows] = {
    QT_TRANSLATE_NOOP("QProtectPoint", "Undervoltage protection1"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Undervoltage protection1 delay"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Undervoltage protection2"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Undervoltage protection2 delay"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Overvoltage protection1"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Overvoltage protection1 delay"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Overvoltage protection2"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Overvoltage protection2 delay"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Under frequency protection1"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Under frequency protection1 delay"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Under frequency protection2"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Under frequency protection2 delay"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Over frequency protection1"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Over frequency protection1 delay"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Over frequency protection2"),
    QT_TRANSLATE_NOOP("QProtectPoint", "Over frequency protection2 delay"),
};

constexpr int kValueColumn = 2;

} // namespace

QProtectPoint::QProtectPoint(QWidget* parent) : QMaintenanceDlg(parent, "QProtectPoint") {
    setWindowTitle(tr("Dialog"));
    QVBoxLayout* layout = StartForm();

    m_pGrid = new QGrid;
    m_pGrid->setObjectName(QStringLiteral("grid"));
    m_pGrid->SetHeight(352);
    for (const char* head : {QT_TR_NOOP("No."), QT_TR_NOOP("Name"), QT_TR_NOOP("Value")}) {
        m_pGrid->AddHead(tr(head));
    }
    for (int row = 1; row <= MaintenanceText::ProtectPointRows; ++row) {
        m_pGrid->AddItem(QStringLiteral("%1?%2??").arg(row).arg(tr(kRowNames[row - 1])));
    }
    // Room for the longest value ("276.0 V", "51.50 Hz") before the reply came.
    m_pGrid->SetText(kValueColumn, 1, QStringLiteral("000.00 Hz"));
    m_pArea = NewGridArea("scrollArea", m_pGrid, 364, 700, 354, false);
    m_pGrid->SetText(kValueColumn, 1, QString());
    layout->addWidget(m_pArea);
    g_pOpenProtectPoint = this;
}

QProtectPoint::~QProtectPoint() {
    if (g_pOpenProtectPoint == this) {
        g_pOpenProtectPoint = nullptr;
    }
}

QProtectPoint* QProtectPoint::Current() {
    return g_pOpenProtectPoint;
}

void QProtectPoint::SetCurrentInverter(QInverter* inverter) {
    QMaintenanceDlg::SetCurrentInverter(inverter);
    if (inverter) {
        MaintenanceReads::QueueRead(*inverter, MaintenanceReads::ProtectPoints);
    }
}

void QProtectPoint::ShowProtectPoints(const QMissionModel* mission) {
    if (!IsOwnReply(mission) || mission->Code() != ProtectPointsRead) {
        return;
    }
    const QByteArray data = MaintenanceReads::ReplyData(*mission);
    for (int row = 1; row <= MaintenanceText::ProtectPointRows && 2 * row <= data.size(); ++row) {
        const quint16 value = quint16(quint8(data.at(2 * row - 2)) << 8 | quint8(data.at(2 * row - 1)));
        m_pGrid->SetText(kValueColumn, row, MaintenanceText::ProtectPointValue(row, value));
    }
}
