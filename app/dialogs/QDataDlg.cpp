#include "QDataDlg.h"

#include "InverterCodeLetters.h"
#include "MaintenanceReads.h"
#include "MaintenanceText.h"
#include "QGrid.h"
#include "QInverter.h"
#include "QMissionModel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QDataDlg* g_pOpenDataDlg = nullptr;

const char* const kStatisticRows[MaintenanceText::StatisticsRows] = {
    QT_TRANSLATE_NOOP("QDataDlg", "Today"), QT_TRANSLATE_NOOP("QDataDlg", "Yesterday"),
    QT_TRANSLATE_NOOP("QDataDlg", "7Day"),  QT_TRANSLATE_NOOP("QDataDlg", "Month"),
    QT_TRANSLATE_NOOP("QDataDlg", "30Day"), QT_TRANSLATE_NOOP("QDataDlg", "Year"),
    QT_TRANSLATE_NOOP("QDataDlg", "T1"),    QT_TRANSLATE_NOOP("QDataDlg", "T2"),
};

const char* const kOtherRows[MaintenanceText::OtherItemRows] = {
    QT_TRANSLATE_NOOP("QDataDlg", "Version"),     QT_TRANSLATE_NOOP("QDataDlg", "Description"),
    QT_TRANSLATE_NOOP("QDataDlg", "Man day"),     QT_TRANSLATE_NOOP("QDataDlg", "Man place"),
    QT_TRANSLATE_NOOP("QDataDlg", "485 addr"),    QT_TRANSLATE_NOOP("QDataDlg", "LED language"),
    QT_TRANSLATE_NOOP("QDataDlg", "Cash name"),   QT_TRANSLATE_NOOP("QDataDlg", "Cash"),
    QT_TRANSLATE_NOOP("QDataDlg", "User label"),  QT_TRANSLATE_NOOP("QDataDlg", "Period T1"),
    QT_TRANSLATE_NOOP("QDataDlg", "Period T2"),   QT_TRANSLATE_NOOP("QDataDlg", "ppk Today"),
    QT_TRANSLATE_NOOP("QDataDlg", "ppk 7Day"),    QT_TRANSLATE_NOOP("QDataDlg", "ppk 30Day"),
    QT_TRANSLATE_NOOP("QDataDlg", "ppk Month"),   QT_TRANSLATE_NOOP("QDataDlg", "ppk Year"),
    QT_TRANSLATE_NOOP("QDataDlg", "ppk History"), QT_TRANSLATE_NOOP("QDataDlg", "ppk T1"),
    QT_TRANSLATE_NOOP("QDataDlg", "ppk T2"),      QT_TRANSLATE_NOOP("QDataDlg", "Work time"),
    QT_TRANSLATE_NOOP("QDataDlg", "Grid time"),
};

// The saved file keeps a line for the ninth statistics block, which has no row.
constexpr int kSavedStatisticRows = MaintenanceText::StatisticsRows + 1;
constexpr int kAreaWidth = 440;

} // namespace

QDataDlg::QDataDlg(QWidget* parent) : QMaintenanceDlg(parent, "QDataDlg") {
    BuildForm();
    Retranslate();
    g_pOpenDataDlg = this;
}

QDataDlg::~QDataDlg() {
    // A reply arriving later must not reach a dialog that is gone.
    if (g_pOpenDataDlg == this) {
        g_pOpenDataDlg = nullptr;
    }
}

QDataDlg* QDataDlg::Current() {
    return g_pOpenDataDlg;
}

void QDataDlg::BuildForm() {
    QVBoxLayout* layout = StartForm();

    // A row's text holds its label and, after each "?", an empty cell. The
    // value columns are wide enough for a year's figures from the start, so the
    // grid does not grow under the user's eyes when the replies come.
    m_pStatGrid = new QGrid;
    m_pStatGrid->setObjectName(QStringLiteral("statGrid"));
    m_pStatGrid->SetHeight(MaintenanceText::StatisticsRows * 20 + 26);
    for (const char* head :
         {QT_TR_NOOP("Item"), QT_TR_NOOP("Energy"), QT_TR_NOOP("Money"), QT_TR_NOOP("Co2")}) {
        m_pStatGrid->AddHead(tr(head));
    }
    for (const char* row : kStatisticRows) {
        m_pStatGrid->AddItem(tr(row) + QStringLiteral("????"));
    }
    m_pStatGrid->SetMinWidth(96);
    m_pStatBox = new QGroupBox(this);
    m_pStatBox->setObjectName(QStringLiteral("groupBox"));
    m_pStatArea =
        NewGridArea("scrollArea", m_pStatGrid, kAreaWidth, kAreaWidth, m_pStatGrid->height() + 2, false);
    (new QVBoxLayout(m_pStatBox))->addWidget(m_pStatArea);
    layout->addWidget(m_pStatBox);

    m_pOtherGrid = new QGrid;
    m_pOtherGrid->setObjectName(QStringLiteral("otherGrid"));
    for (const char* head : {QT_TR_NOOP("Item"), QT_TR_NOOP("Content")}) {
        m_pOtherGrid->AddHead(tr(head));
    }
    for (const char* row : kOtherRows) {
        m_pOtherGrid->AddItem(tr(row) + QStringLiteral("??"));
    }
    m_pOtherGrid->SetMinWidth(112);
    m_pOtherBox = new QGroupBox(this);
    m_pOtherBox->setObjectName(QStringLiteral("groupBox_2"));
    m_pOtherArea = NewGridArea("scrollArea_2", m_pOtherGrid, kAreaWidth, kAreaWidth, 250, true);
    (new QVBoxLayout(m_pOtherBox))->addWidget(m_pOtherArea);
    layout->addWidget(m_pOtherBox);

    m_pReadBtn = NewButton("ReadBtn");
    m_pReadBtn->setShortcut(QKeySequence(Qt::Key_Return));
    m_pSaveBtn = NewButton("pushButton_2");
    m_pSaveBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    layout->addSpacing(4);
    AddButtonRow(layout, {m_pReadBtn, m_pSaveBtn});
    connect(m_pReadBtn, &QPushButton::clicked, this, &QDataDlg::on_ReadBtn_clicked);
    connect(m_pSaveBtn, &QPushButton::clicked, this, &QDataDlg::on_pushButton_2_clicked);
}

void QDataDlg::Retranslate() {
    setWindowTitle(tr("Form"));
    m_pStatBox->setTitle(tr("Statistic"));
    m_pOtherBox->setTitle(tr("Other items"));
    m_pReadBtn->setText(tr("Read All"));
    m_pSaveBtn->setText(tr("Save"));
}

void QDataDlg::on_ReadBtn_clicked() {
    if (!m_pInverter) {
        return;
    }
    // Cells keep what they show until a new reply overwrites them.
    for (const RegisterRead& read : MaintenanceReads::StatisticsReads()) {
        MaintenanceReads::QueueRead(*m_pInverter, read);
    }
}

void QDataDlg::Decode(const QMissionModel* mission) {
    if (!IsOwnReply(mission) || mission->Code() < StatisticsBlockFirst || mission->Code() > WorkHoursRead) {
        return;
    }
    const QString unit = InverterCodeLetters::UnitName(m_pInverter->MonetaryCode());
    for (const GridText& text :
         MaintenanceText::StatisticsReply(mission->Code(), MaintenanceReads::ReplyData(*mission), unit)) {
        QGrid* grid = text.grid == MaintenanceText::StatisticsGrid ? m_pStatGrid : m_pOtherGrid;
        grid->SetText(text.column, text.row, text.text);
    }
}

QList<QStringList> QDataDlg::CsvRows() const {
    QList<QStringList> rows;
    for (int row = 1; row <= kSavedStatisticRows; ++row) {
        QStringList cells;
        for (int column = 0; column <= 3; ++column) {
            cells.append(m_pStatGrid->getText(column, row));
        }
        rows.append(cells);
    }
    for (int row = 1; row <= MaintenanceText::OtherItemRows; ++row) {
        rows.append({m_pOtherGrid->getText(0, row), m_pOtherGrid->getText(1, row)});
    }
    return rows;
}

void QDataDlg::on_pushButton_2_clicked() {
    SaveCsv(CsvRows());
}
