#include "QFaultDlg.h"

#include "FaultRecordText.h"
#include "QFaultFile.h"
#include "QFaultTable.h"
#include "QGrid.h"
#include "QInverter.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
const char* const kSampleHeads[] = {
    QT_TRANSLATE_NOOP("QFaultDlg", "No."),
    QT_TRANSLATE_NOOP("QFaultDlg", "Tack1 voltage"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Tack1 current"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Tack2 voltage"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Tack2 current"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Input power"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Output power"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Temperature1"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Temperature2"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Grounding resistance"),
    QT_TRANSLATE_NOOP("QFaultDlg", "Leakage current"),
};

constexpr int kGridHeight = 132;
constexpr int kAreaHeight = 150;
constexpr int kMinAreaWidth = 460;
constexpr int kMaxAreaWidth = 820; // the dialog stays within a 1024-pixel screen
} // namespace

QFaultDlg::QFaultDlg(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QFaultDlg"));
    setWindowTitle(tr("Dialog"));
    BuildForm();
}

QFaultDlg::~QFaultDlg() = default;

QLabel* QFaultDlg::AddField(QGridLayout* layout, int row, int column, const char* caption, const char* name) {
    auto* captionLabel = new QLabel(tr(caption), this);
    captionLabel->setObjectName(QLatin1String(name) + QStringLiteral("_caption"));
    auto* value = new QLabel(this);
    value->setObjectName(QLatin1String(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMinimumWidth(120);
    layout->addWidget(captionLabel, row, column);
    layout->addWidget(value, row, column + 1);
    return value;
}

void QFaultDlg::BuildForm() {
    setStyleSheet(QStringLiteral("QFaultDlg { background: white; }"
                                 "QLabel#captionLabel { color: rgb(110,118,130); }"
                                 "QLabel#recordingLabel { color: rgb(40,44,52); }"
                                 "QLabel#Inverter_name, QLabel#Inverter_address, QLabel#Fault_code,"
                                 " QLabel#Fault_name, QLabel#Failure_time { color: rgb(255,0,0); }"
                                 "QScrollArea#scrollArea { border: 1px solid rgb(204,208,215); }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 18);
    layout->setSpacing(10);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    fields->setColumnMinimumWidth(2, 30);
    fields->setColumnStretch(4, 1);
    m_pName = AddField(fields, 0, 0, QT_TR_NOOP("Inverter Name:"), "Inverter_name");
    m_pAddress = AddField(fields, 0, 3, QT_TR_NOOP("Inverter Address:"), "Inverter_address");
    m_pCode = AddField(fields, 1, 0, QT_TR_NOOP("Fault Code:"), "Fault_code");
    m_pFaultName = AddField(fields, 1, 3, QT_TR_NOOP("Fault Name:"), "Fault_name");
    m_pTime = AddField(fields, 2, 0, QT_TR_NOOP("Failure Time:"), "Failure_time");
    auto* caption = new QLabel(tr("Fault details"), this);
    caption->setObjectName(QStringLiteral("captionLabel"));
    layout->addWidget(caption);
    layout->addSpacing(6);
    layout->addLayout(fields);

    auto* recording = new QLabel(tr("Fault data recording:"), this);
    recording->setObjectName(QStringLiteral("recordingLabel"));
    layout->addSpacing(4);
    layout->addWidget(recording);

    m_pScrollArea = new QScrollArea(this);
    m_pScrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_pScrollArea->setWidgetResizable(false);
    m_pScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette back = m_pScrollArea->palette();
    back.setBrush(QPalette::Window, QColor(230, 230, 230));
    m_pScrollArea->setPalette(back);
    m_pScrollArea->setBackgroundRole(QPalette::Window);
    m_pGrid = new QGrid;
    m_pGrid->setObjectName(QStringLiteral("grid"));
    m_pGrid->SetHeight(kGridHeight);
    for (const char* head : kSampleHeads) {
        m_pGrid->AddHead(tr(head));
    }
    m_pScrollArea->setWidget(m_pGrid);
    layout->addWidget(m_pScrollArea);
    FitToGrid();
}

void QFaultDlg::FitToGrid() {
    // The whole table when it fits on a screen; a horizontal scroll bar beyond that.
    const int frame = 2 * m_pScrollArea->frameWidth();
    int width = qBound(kMinAreaWidth, m_pGrid->width() + frame, kMaxAreaWidth);
    int height = kAreaHeight;
    if (m_pGrid->width() + frame > width) {
        height += m_pScrollArea->horizontalScrollBar()->sizeHint().height();
    }
    m_pScrollArea->setFixedSize(width, height);
    m_pGrid->SetWidth(width - frame);
    adjustSize();
}

bool QFaultDlg::Load(const QInverter* inverter, int row) {
    if (!inverter || row < 0) {
        return false;
    }
    m_pName->setText(inverter->Name());
    m_pAddress->setText(QString::asprintf("%03d", inverter->Address()));
    bool readable = false;
    const QVector<QFaultRecord> records = QFaultFile::ReadRecords(inverter->Address(), &readable);
    if (!readable) {
        return false;
    }
    m_pGrid->Clear();
    if (row >= 1 && row <= records.size()) {
        const QFaultRecord& record = records.at(row - 1);
        m_pCode->setText(FaultRecordText::CodeText(record.m_nCode));
        m_pFaultName->setText(FaultName(record.m_nCode));
        m_pTime->setText(FaultRecordText::TimeText(record));
        for (const QString& sample : FaultRecordText::SampleRows(record)) {
            m_pGrid->AddItem(sample);
        }
    }
    FitToGrid();
    return true;
}
