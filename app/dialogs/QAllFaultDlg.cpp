#include "QAllFaultDlg.h"

#include "MaintenanceReads.h"
#include "MaintenanceText.h"
#include "QGrid.h"
#include "QInverter.h"
#include "QMissionModel.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
QAllFaultDlg* g_pOpenFaultDlg = nullptr;
} // namespace

QAllFaultDlg::QAllFaultDlg(QWidget* parent) : QMaintenanceDlg(parent, "QAllFaultDlg") {
    setWindowTitle(tr("Form"));
    QVBoxLayout* layout = StartForm();

    m_pGrid = new QGrid;
    m_pGrid->setObjectName(QStringLiteral("grid"));
    m_pGrid->SetHeight(372);
    for (const char* head : {QT_TR_NOOP("No."), QT_TR_NOOP("Fault code"), QT_TR_NOOP("Time to failure"),
                             QT_TR_NOOP("Detail code")}) {
        m_pGrid->AddHead(tr(head));
    }
    for (int row = 1; row <= MaintenanceText::FaultRows; ++row) {
        m_pGrid->AddItem(QString::asprintf("%d????", row));
    }
    m_pGrid->SetMinWidth(60);
    // Room for a whole time in its column before any reply came.
    m_pGrid->SetText(2, 1, QStringLiteral("2000-00-00 00:00:00"));
    m_pArea = NewGridArea("scrollArea", m_pGrid, 400, 600, 390, true);
    m_pGrid->SetText(2, 1, QString());
    layout->addWidget(m_pArea);

    m_pReadBtn = NewButton("ReadBtn");
    m_pReadBtn->setText(tr("Read"));
    m_pReadBtn->setShortcut(QKeySequence(Qt::Key_Return));
    m_pSaveBtn = NewButton("ClearBtn");
    m_pSaveBtn->setText(tr("Save"));
    m_pSaveBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    layout->addSpacing(4);
    AddButtonRow(layout, {m_pReadBtn, m_pSaveBtn});
    connect(m_pReadBtn, &QPushButton::clicked, this, &QAllFaultDlg::on_ReadBtn_clicked);
    connect(m_pSaveBtn, &QPushButton::clicked, this, &QAllFaultDlg::on_ClearBtn_clicked);
    g_pOpenFaultDlg = this;
}

QAllFaultDlg::~QAllFaultDlg() {
    // A reply arriving later must not reach a dialog that is gone.
    if (g_pOpenFaultDlg == this) {
        g_pOpenFaultDlg = nullptr;
    }
}

QAllFaultDlg* QAllFaultDlg::Current() {
    return g_pOpenFaultDlg;
}

void QAllFaultDlg::on_ReadBtn_clicked() {
    if (!m_pInverter) {
        return;
    }
    for (const RegisterRead& read : MaintenanceReads::FaultMemoryReads()) {
        MaintenanceReads::QueueRead(*m_pInverter, read);
    }
}

void QAllFaultDlg::Decode(const QMissionModel* mission) {
    if (!IsOwnReply(mission)) {
        return;
    }
    for (const GridText& text :
         MaintenanceText::FaultRecord(mission->Code(), MaintenanceReads::ReplyData(*mission))) {
        m_pGrid->SetText(text.column, text.row, text.text);
    }
}

QList<QStringList> QAllFaultDlg::CsvRows() const {
    QList<QStringList> rows;
    for (int row = 1; row <= SavedRows; ++row) {
        rows.append({m_pGrid->getText(1, row), m_pGrid->getText(2, row), m_pGrid->getText(3, row)});
    }
    return rows;
}

void QAllFaultDlg::on_ClearBtn_clicked() {
    SaveCsv(CsvRows());
}
