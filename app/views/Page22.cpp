#include "Page22.h"

#include "FaultRecordText.h"
#include "QEventLog.h"
#include "QFaultDlg.h"
#include "QFaultFile.h"
#include "QGrid.h"
#include "QGridItem.h"
#include "QInverter.h"
#include "QMyEvent.h"
#include "QSystemModel.h"
#include "QTextOutWidget.h"
#include "QUserActivity.h"

#include <QAction>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

const QString Page22::LightNone = QStringLiteral("border-image: url(:/skin/light_b.png);");
const QString Page22::LightOk = QStringLiteral("border-image: url(:/skin/light_g.png);");
const QString Page22::LightFault = QStringLiteral("border-image: url(:/skin/light_r.png);");

namespace {

struct LightDef {
    const char* caption;
    int code;
};

// light1 .. light28: the caption beside each light and the fault code that lights it.
const LightDef kLights[Page22::LightCount] = {
    {QT_TRANSLATE_NOOP("Page22", "Input under volt."), 0xA001},
    {QT_TRANSLATE_NOOP("Page22", "Boost fail"), 0xE004},
    {QT_TRANSLATE_NOOP("Page22", "Grid over freq."), 0xA006},
    {QT_TRANSLATE_NOOP("Page22", "IGBT driver err."), 0xE008},
    {QT_TRANSLATE_NOOP("Page22", "Fan fault"), 0xE012},
    {QT_TRANSLATE_NOOP("Page22", "Output short"), 0xE015},
    {QT_TRANSLATE_NOOP("Page22", "Input over curr."), 0xE018},
    {QT_TRANSLATE_NOOP("Page22", "Input over volt."), 0xE001},
    {QT_TRANSLATE_NOOP("Page22", "Grid under volt."), 0xA003},
    {QT_TRANSLATE_NOOP("Page22", "Grid over curr."), 0xE005},
    {QT_TRANSLATE_NOOP("Page22", "Comm. fault"), 0xE009},
    {QT_TRANSLATE_NOOP("Page22", "Clock fault"), 0xA007},
    {QT_TRANSLATE_NOOP("Page22", "Impedance"), 0xA008},
    {QT_TRANSLATE_NOOP("Page22", "Data incnst"), 0xE019},
    {QT_TRANSLATE_NOOP("Page22", "Bus under volt."), 0xA002},
    {QT_TRANSLATE_NOOP("Page22", "Grid over volt."), 0xA004},
    {QT_TRANSLATE_NOOP("Page22", "Over temperature"), 0xE006},
    {QT_TRANSLATE_NOOP("Page22", "Leak current fail"), 0xE010},
    {QT_TRANSLATE_NOOP("Page22", "Eeprom fault"), 0xE013},
    {QT_TRANSLATE_NOOP("Page22", "Zero drift"), 0xE016},
    {QT_TRANSLATE_NOOP("Page22", "Power reversed"), 0xE020},
    {QT_TRANSLATE_NOOP("Page22", "Bus over volt."), 0xE003},
    {QT_TRANSLATE_NOOP("Page22", "Grid under freq."), 0xA005},
    {QT_TRANSLATE_NOOP("Page22", "Riso low"), 0xE007},
    {QT_TRANSLATE_NOOP("Page22", "Relay fault"), 0xE011},
    {QT_TRANSLATE_NOOP("Page22", "DC inject"), 0xE014},
    {QT_TRANSLATE_NOOP("Page22", "Grid negative phase"), 0xE017},
    {QT_TRANSLATE_NOOP("Page22", "Cmd shut down"), 0xA009},
};
constexpr int kLightRows = 7;

const char* const kGridHeads[] = {
    QT_TRANSLATE_NOOP("Page22", "No."),
    QT_TRANSLATE_NOOP("Page22", "Name of Fault"),
    QT_TRANSLATE_NOOP("Page22", "Fault Code"),
    QT_TRANSLATE_NOOP("Page22", "Failure Time"),
    QT_TRANSLATE_NOOP("Page22", "Description of Failure"),
};

const char* const kMenuStyle =
    "QMenu{border-width: 4px;border-image: url(:/skin/back.png)4 4 4 4;} "
    "QMenu::item { padding: 2px 25px 2px 20px;} "
    "QMenu::item:selected {border-width: 4px;border-image: url(:/skin/select.png)4 4 4 4;}";

// The scroll areas leave this much of their width to the frame and the scroll bar.
constexpr int kAreaMargin = 19;

} // namespace

Page22::Page22(QWidget* parent) : QWidget(parent) {
    BuildForm();
    QEventLog::SetListener(&Page22::OnEventText, this);
    m_pDeleteOne = new QAction(this);
    m_pDeleteAll = new QAction(this);
    connect(m_pDeleteOne, &QAction::triggered, this, &Page22::DeleteFault);
    connect(m_pDeleteAll, &QAction::triggered, this, &Page22::DeleteAllFault);
    m_pMenu = new QMenu(this);
    m_pMenu->setObjectName(QStringLiteral("faultMenu"));
    m_pMenu->setStyleSheet(QLatin1String(kMenuStyle));
    m_pMenu->addAction(m_pDeleteOne);
    m_pMenu->addAction(m_pDeleteAll);
    for (const char* head : kGridHeads) {
        m_pGrid->AddHead(tr(head));
    }
    Retranslate();
    Refresh();
}

Page22::~Page22() {
    // Lines logged after the page is gone must not reach it.
    QEventLog::RemoveListener(this);
}

void Page22::BuildForm() {
    setObjectName(QStringLiteral("Page22"));
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(204,208,215); border-radius: 4px; margin-top: 12px;"
        " background: white; padding: 6px 4px 4px 4px; font-weight: bold; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: rgb(40,44,52); }"
        "QLabel#eventsTitle, QLabel#faultsTitle { font-weight: bold; color: rgb(40,44,52); padding-left: "
        "4px; }"
        "QScrollArea#textArea, QScrollArea#gridArea { border: 1px solid rgb(204,208,215); }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 10);
    layout->setSpacing(6);

    m_pStatusBox = new QGroupBox(this);
    m_pStatusBox->setObjectName(QStringLiteral("groupBox"));
    auto* lights = new QGridLayout(m_pStatusBox);
    lights->setContentsMargins(12, 10, 12, 6);
    lights->setHorizontalSpacing(6);
    lights->setVerticalSpacing(5);
    for (int i = 0; i < LightCount; ++i) {
        const int row = i % kLightRows;
        const int column = i / kLightRows;
        m_pLights[i] = new QLabel(m_pStatusBox);
        m_pLights[i]->setObjectName(QStringLiteral("light%1").arg(i + 1));
        m_pLights[i]->setFixedSize(16, 16);
        m_pCaptions[i] = new QLabel(m_pStatusBox);
        m_pCaptions[i]->setObjectName(QStringLiteral("label_%1").arg(i + 1));
        m_pCaptions[i]->setStyleSheet(QStringLiteral("font-weight: normal; color: rgb(0,0,0);"));
        lights->addWidget(m_pLights[i], row, 2 * column);
        lights->addWidget(m_pCaptions[i], row, 2 * column + 1);
        lights->setColumnStretch(2 * column + 1, 1);
    }
    layout->addWidget(m_pStatusBox);

    // The grid reports its clicks four parents up: grid, viewport, scroll area,
    // this page. Both scroll areas are therefore the page's own children.
    m_pEventsTitle = new QLabel(this);
    m_pEventsTitle->setObjectName(QStringLiteral("eventsTitle"));
    m_pTextOut = new QTextOutWidget;
    m_pTextOut->setObjectName(QStringLiteral("textOut"));
    m_pTextArea = BuildScrollArea("textArea", m_pTextOut);
    m_pFaultsTitle = new QLabel(this);
    m_pFaultsTitle->setObjectName(QStringLiteral("faultsTitle"));
    m_pGrid = new QGrid;
    m_pGrid->setObjectName(QStringLiteral("faultGrid"));
    m_pGridArea = BuildScrollArea("gridArea", m_pGrid);
    layout->addSpacing(4);
    layout->addWidget(m_pEventsTitle);
    layout->addWidget(m_pTextArea, 2);
    layout->addSpacing(4);
    layout->addWidget(m_pFaultsTitle);
    layout->addWidget(m_pGridArea, 3);
}

QScrollArea* Page22::BuildScrollArea(const char* name, QWidget* content) {
    auto* area = new QScrollArea(this);
    area->setObjectName(QLatin1String(name));
    area->setWidgetResizable(false);
    QPalette back = area->palette();
    back.setBrush(QPalette::Window, QColor(230, 230, 230));
    area->setPalette(back);
    area->setBackgroundRole(QPalette::Window);
    area->setWidget(content);
    area->installEventFilter(this);
    return area;
}

void Page22::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    m_nDeleteRow = 0;
    m_pTextOut->Clear();
    LoadFaultGrid();
    Refresh();
}

int Page22::LightOf(int code) {
    for (int i = 0; i < LightCount; ++i) {
        if (kLights[i].code == code) {
            return i + 1;
        }
    }
    return 0;
}

void Page22::Refresh() {
    QString styles[LightCount];
    const QString& base = m_pInverter && m_pInverter->CommState() == CommOnline ? LightOk : LightNone;
    for (QString& style : styles) {
        style = base;
    }
    // Faults stay lit while the inverter is out of reach: they are the last it reported.
    if (m_pInverter) {
        for (int slot = 0; slot < QInverter::FaultSlotCount; ++slot) {
            if (const int light = LightOf(m_pInverter->FaultSlot(slot).m_nValue)) {
                styles[light - 1] = LightFault;
            }
        }
    }
    for (int i = 0; i < LightCount; ++i) {
        if (m_pLights[i]->styleSheet() != styles[i]) {
            m_pLights[i]->setStyleSheet(styles[i]);
        }
    }
}

void Page22::Retranslate() {
    m_pStatusBox->setTitle(tr("Real time status"));
    for (int i = 0; i < LightCount; ++i) {
        m_pCaptions[i]->setText(tr(kLights[i].caption));
    }
    m_pEventsTitle->setText(tr("Events"));
    m_pFaultsTitle->setText(tr("Fault records"));
    m_pDeleteOne->setText(tr("Remove this fault records"));
    m_pDeleteAll->setText(tr("Remove all fault records"));
    m_pGrid->SetTip(tr("Double click to display more information!"));
    for (int column = 0; column < m_pGrid->GetColumns(); ++column) {
        m_pGrid->SetText(column, 0, tr(kGridHeads[column]));
    }
    // The kept event lines are handed out again rather than lost with the old language.
    m_pTextOut->Clear();
    if (m_pInverter) {
        m_pInverter->EventLog().ResetDelivered();
        m_pInverter->LogEvent(-1);
    }
    LoadFaultGrid();
}

void Page22::OnEventText(const QString& line, void* page) {
    static_cast<Page22*>(page)->AddEventText(line);
}

void Page22::AddEventText(const QString& line) {
    m_pTextOut->AddLine(line, 0);
    ScrollToNewest();
    if (line == QEventLog::FaultBeganLine()) {
        ScheduleFaultReload();
    }
}

void Page22::ScheduleFaultReload() {
    // The record of the fault is written while the reply is decoded; reading the
    // file once that is over also folds a burst of such lines into one read.
    if (m_bReloadPending) {
        return;
    }
    m_bReloadPending = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            if (m_bReloadPending) {
                LoadFaultGrid();
            }
        },
        Qt::QueuedConnection);
}

void Page22::LoadFaultGrid() {
    m_bReloadPending = false;
    m_pGrid->Clear();
    if (!m_pInverter) {
        return;
    }
    const QVector<QFaultRecord> records = QFaultFile::ReadRecords(m_pInverter->Address());
    for (int i = 0; i < records.size(); ++i) {
        m_pGrid->AddItem(FaultRecordText::GridRow(records.at(i), i + 1));
    }
    ScrollToNewest();
}

void Page22::ScrollToNewest() {
    if (!isVisible()) {
        // A hidden scroll area has not taken the lists' new sizes yet.
        m_bScrollPending = true;
        return;
    }
    m_bScrollPending = false;
    m_pTextArea->ensureVisible(0, m_pTextOut->height(), 0, 0);
    m_pGridArea->ensureVisible(0, m_pGrid->height() + 1, 50, 50);
}

void Page22::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_bScrollPending) {
        ScrollToNewest();
    }
}

bool Page22::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == m_pTextArea) {
            m_pTextOut->SetMinWidth(m_pTextArea->width() - kAreaMargin);
        } else if (watched == m_pGridArea) {
            m_pGrid->SetWidth(m_pGridArea->width() - kAreaMargin);
            // The grid fills the area, so that a few rows need no scrolling and keep the
            // heads in view; the room of a horizontal scroll bar stays free.
            m_pGrid->SetHeight(m_pGridArea->maximumViewportSize().height() -
                               m_pGridArea->horizontalScrollBar()->sizeHint().height());
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Page22::event(QEvent* event) {
    const int type = event->type();
    if (type == EventGridDoubleClick) {
        OpenFaultDialog(int(static_cast<QMyEvent*>(event)->m_nValue1));
    } else if (type == EventGridRightClick) {
        ShowFaultMenu(int(static_cast<QMyEvent*>(event)->m_nValue1));
    }
    return QWidget::event(event);
}

void Page22::OpenFaultDialog(int row) {
    QFaultDlg dialog(this);
    if (!dialog.Load(m_pInverter, row)) {
        return;
    }
    QUserActivity::SetIdleCheck(false);
    dialog.exec();
    QUserActivity::SetIdleCheck(true);
    QUserActivity::Touch();
}

void Page22::ShowFaultMenu(int row) {
    if (!m_pSystem || m_pSystem->UserLevel() != UserAdministrator) {
        return;
    }
    m_nDeleteRow = row;
    m_pMenu->popup(QCursor::pos());
}

void Page22::DeleteFault() {
    const int row = m_nDeleteRow;
    m_nDeleteRow = 0;
    // Row 0 would mean every record of the inverter to the file: only a chosen row is deleted.
    if (!m_pInverter || row < 1 || row > m_pGrid->GetRows()) {
        return;
    }
    m_pGrid->DeleteItem(row);
    for (int r = 1; r <= m_pGrid->GetRows(); ++r) {
        m_pGrid->SetText(0, r, QString::number(r));
    }
    if (!QFaultFile::DeleteRecords(m_pInverter->Address(), row)) {
        // Nothing to delete or the file could not be rewritten: show what it holds.
        LoadFaultGrid();
    }
}

void Page22::DeleteAllFault() {
    m_nDeleteRow = 0;
    m_pGrid->Clear();
    if (!m_pInverter) {
        return;
    }
    if (!QFaultFile::DeleteRecords(m_pInverter->Address(), 0)) {
        LoadFaultGrid();
    }
}
