#include "Page2.h"

#include "MessageBox.h"
#include "Page21.h"
#include "Page22.h"
#include "Page23.h"
#include "Page24.h"
#include "Page25.h"
#include "QEventLog.h"
#include "QInverter.h"
#include "QInverterSetDlg.h"
#include "QMyEvent.h"
#include "QSystemModel.h"
#include "QUserActivity.h"
#include "QtMyTree.h"
#include "QtMyTreeItem.h"
#include "SystemClock.h"
#include "WidgetUpdates.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char* const kTabCaptions[Page2::TabCount] = {
    QT_TRANSLATE_NOOP("Page2", "Real-time"),  QT_TRANSLATE_NOOP("Page2", "Status"),
    QT_TRANSLATE_NOOP("Page2", "Historical"), QT_TRANSLATE_NOOP("Page2", "Technical"),
    QT_TRANSLATE_NOOP("Page2", "Box"),
};
const char* const kTabButtonNames[Page2::TabCount] = {"page21btn", "page22btn", "page23btn", "page24btn",
                                                      "page25btn"};
} // namespace

Page2::Page2(QWidget* parent) : QWidget(parent) {
    BuildForm();
    ShowTab(0);
    m_pFlashTimer = new QTimer(this);
    connect(m_pFlashTimer, &QTimer::timeout, this, &Page2::OnFlashTimer);
    m_pFlashTimer->start(200);
    OnFlashTimer();
}

Page2::~Page2() {
    // The tree's entries die with the page: no inverter may keep pointing at one.
    if (m_pSystem) {
        for (QInverter* inverter : m_pSystem->Inverters()) {
            if (EntryOf(inverter)) {
                inverter->SetTreeEntry(nullptr);
            }
        }
    }
}

void Page2::BuildForm() {
    setObjectName(QStringLiteral("Page2"));
    setWindowTitle(tr("Form"));
    setStyleSheet(QStringLiteral(
        "QWidget#widgetInfo { background: rgb(246,247,249); }"
        "QLabel#time_label, QLabel#data_time { color: rgb(84,94,108); }"
        "QPushButton#page21btn, QPushButton#page22btn, QPushButton#page23btn, QPushButton#page24btn,"
        " QPushButton#page25btn { border: none; border-image: url(:/skin/normal.png) 4 4 4 4;"
        " border-width: 4px; min-width: 84px; min-height: 22px; color: rgb(40,44,52); }"
        "QPushButton#page21btn:hover, QPushButton#page22btn:hover, QPushButton#page23btn:hover,"
        " QPushButton#page24btn:hover, QPushButton#page25btn:hover {"
        " border-image: url(:/skin/hover.png) 4 4 4 4; }"
        "QPushButton#page21btn:disabled, QPushButton#page22btn:disabled, QPushButton#page23btn:disabled,"
        " QPushButton#page24btn:disabled, QPushButton#page25btn:disabled {"
        " border-image: url(:/skin/select.png) 4 4 4 4; color: rgb(30,96,166); font-weight: bold; }"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pScrollArea = new QScrollArea(this);
    m_pScrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_pScrollArea->setFixedWidth(202);
    m_pScrollArea->setFrameShape(QFrame::NoFrame);
    m_pScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette back = m_pScrollArea->palette();
    back.setBrush(QPalette::Window, QColor(230, 230, 230));
    m_pScrollArea->setPalette(back);
    m_pScrollArea->setBackgroundRole(QPalette::Window);
    // The tree's owner is three parents up: tree, viewport, scroll area, this page.
    m_pTree = new QtMyTree;
    m_pTree->setObjectName(QStringLiteral("tree"));
    m_pScrollArea->setWidget(m_pTree);
    layout->addWidget(m_pScrollArea);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setStyleSheet(QStringLiteral("color: rgb(204,208,215);"));
    divider->setFixedWidth(1);
    layout->addWidget(divider);

    m_pInfo = new QWidget(this);
    m_pInfo->setObjectName(QStringLiteral("widgetInfo"));
    m_pInfo->setAttribute(Qt::WA_StyledBackground, true);
    auto* info = new QVBoxLayout(m_pInfo);
    info->setContentsMargins(10, 8, 10, 0);
    info->setSpacing(6);

    auto* header = new QHBoxLayout;
    m_pTimeLabel = new QLabel(m_pInfo);
    m_pTimeLabel->setObjectName(QStringLiteral("time_label"));
    m_pDataTime = new QLabel(m_pInfo);
    m_pDataTime->setObjectName(QStringLiteral("data_time"));
    m_pDataTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Both change every second: they keep their size, so the page is not laid out again.
    KeepLabelSteady(m_pTimeLabel, QString());
    KeepLabelSteady(m_pDataTime, QString());
    header->addWidget(m_pTimeLabel, 0, Qt::AlignVCenter);
    header->addStretch(1);
    header->addWidget(m_pDataTime, 0, Qt::AlignVCenter);
    info->addLayout(header);

    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(4);
    for (int i = 0; i < TabCount; ++i) {
        m_pTabButtons[i] = new QPushButton(m_pInfo);
        m_pTabButtons[i]->setObjectName(QLatin1String(kTabButtonNames[i]));
        m_pTabButtons[i]->setCursor(Qt::PointingHandCursor);
        m_pTabButtons[i]->setFocusPolicy(Qt::NoFocus);
        tabs->addWidget(m_pTabButtons[i]);
    }
    tabs->addStretch(1);
    info->addLayout(tabs);

    m_pStack = new QStackedWidget(m_pInfo);
    m_pStack->setObjectName(QStringLiteral("stackedWidget"));
    m_pPage21 = new Page21(m_pStack);
    m_pPage22 = new Page22(m_pStack);
    m_pPage23 = new Page23(m_pStack);
    m_pPage24 = new Page24(m_pStack);
    m_pPage25 = new Page25(m_pStack);
    const QList<QWidget*> pages = {m_pPage21, m_pPage22, m_pPage23, m_pPage24, m_pPage25};
    for (int i = 0; i < pages.size(); ++i) {
        pages[i]->setObjectName(QStringLiteral("page2_%1").arg(i + 1));
        m_pStack->addWidget(pages[i]);
    }
    info->addWidget(m_pStack, 1);
    layout->addWidget(m_pInfo, 1);

    connect(m_pTabButtons[0], &QPushButton::clicked, this, &Page2::on_page21btn_clicked);
    connect(m_pTabButtons[1], &QPushButton::clicked, this, &Page2::on_page22btn_clicked);
    connect(m_pTabButtons[2], &QPushButton::clicked, this, &Page2::on_page23btn_clicked);
    connect(m_pTabButtons[3], &QPushButton::clicked, this, &Page2::on_page24btn_clicked);
    connect(m_pTabButtons[4], &QPushButton::clicked, this, &Page2::on_page25btn_clicked);
    for (int i = 0; i < TabCount; ++i) {
        m_pTabButtons[i]->setText(tr(kTabCaptions[i]));
    }
}

void Page2::SetSystemModel(QSystemModel* model) {
    m_pSystem = model;
    m_pPage22->SetSystemModel(model);
    m_pPage23->SetSystemModel(model);
}

void Page2::SetMainWindow(QObject* target) {
    m_pMainWindow = target;
}

void Page2::SetBeginTime(int hour) {
    m_pPage23->SetBeginTime(hour);
}

bool Page2::IsAdministrator() const {
    return m_pSystem && m_pSystem->UserLevel() == UserAdministrator;
}

QtMyTreeItem* Page2::EntryOf(const QInverter* inverter) const {
    if (!inverter || !inverter->TreeEntry()) {
        return nullptr;
    }
    for (int head = 0; head < m_pTree->HeadCount(); ++head) {
        for (QtMyTreeItem* item : m_pTree->Items(head)) {
            if (static_cast<QTreeEntry*>(item) == inverter->TreeEntry()) {
                return item;
            }
        }
    }
    return nullptr;
}

QInverter* Page2::InverterOf(qintptr entry) const {
    if (!m_pSystem || !entry) {
        return nullptr;
    }
    auto* item = reinterpret_cast<QtMyTreeItem*>(entry);
    return m_pSystem->FindByTreeEntry(static_cast<QTreeEntry*>(item));
}

QtMyTreeItem* Page2::CreateEntry(QInverter* inverter) {
    QtMyTreeItem* item = m_pTree->AddItem(inverter->Name(), inverter->PhaseCount() != 1 ? 1 : 0);
    if (!item) {
        return nullptr;
    }
    const int picture = inverter->PictureCode();
    if (picture >= 1 && picture <= 5) {
        item->SetIcon(QStringLiteral("solar%1.png").arg(picture));
    }
    inverter->SetTreeEntry(item);
    item->SetExplain(tr("Address: ") + QString::asprintf("%03d", inverter->Address()));
    // The entry shows the link state the inverter already has.
    item->SetConnect(inverter->CommState() == CommOnline);
    item->SetNormal(inverter->CommState() == CommOnline && !inverter->HasActiveFault());
    return item;
}

void Page2::AddInverterItem(QInverter* inverter) {
    if (!inverter) {
        return;
    }
    if (QtMyTreeItem* item = CreateEntry(inverter)) {
        QtMyTreeItem::SetSelectitem(item);
    }
}

void Page2::RefreshInverterItem(QInverter* inverter) {
    if (!inverter) {
        return;
    }
    m_pPage24->SetCurrentInverter(m_pCurrent);
    QtMyTreeItem* old = EntryOf(inverter);
    const bool wasSelected = old && old == QtMyTreeItem::GetSelectItem();
    if (wasSelected) {
        QtMyTreeItem::SetSelectitem(nullptr);
    }
    inverter->SetTreeEntry(nullptr);
    if (old) {
        m_pTree->DeleteItem(old);
    }
    QtMyTreeItem* item = CreateEntry(inverter);
    if (wasSelected && item) {
        QtMyTreeItem::SetSelectitem(item);
    }
}

void Page2::SelectInverter(QInverter* inverter) {
    QEventLog::SetCurrentInverter(inverter);
    if (m_pCurrent && m_pSystem && m_pSystem->Inverters().contains(m_pCurrent)) {
        m_pCurrent->EventLog().ResetDelivered();
    }
    m_pCurrent = inverter;
    m_pPage21->SetCurrentInverter(inverter);
    m_pPage22->SetCurrentInverter(inverter);
    m_pPage23->SetCurrentInverter(inverter);
    m_pPage24->SetCurrentInverter(inverter);
    m_pPage25->SetCurrentInverter(inverter);
    if (inverter) {
        inverter->LogEvent(-1, QString());
    }
}

QString Page2::DataTimeText() const {
    if (!m_pCurrent) {
        return QStringLiteral("-");
    }
    const qint32 t = m_pCurrent->ItemValue(27);
    const qint32 d = m_pCurrent->ItemValue(28);
    if (d <= 0x10000) {
        return QStringLiteral("-");
    }
    return QString::asprintf("20%02d-%02d-%02d %02d:%02d:%02d", d >> 16 & 0xFF, d >> 8 & 0xFF, d & 0xFF,
                             t >> 16 & 0xFF, t >> 8 & 0xFF, t & 0xFF);
}

void Page2::OnFlashTimer() {
    // The real-time trend takes its point of the minute whether or not it is on screen.
    m_pPage21->RefreshTrend();
    RefreshShown();
}

void Page2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    RefreshShown();
}

void Page2::RefreshShown() {
    if (IsHiddenInItsWindow(this)) {
        return;
    }
    const QDateTime now = SystemClock::Now();
    const QDate date = now.date();
    const QTime time = now.time();
    const QString current =
        tr("Current time:") + QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", date.year(), date.month(),
                                                date.day(), time.hour(), time.minute(), time.second());
    SetSteadyText(m_pTimeLabel, current);
    // Only the tab on top is refreshed; another one is brought up to date as it comes up.
    if (!IsHiddenInItsWindow(m_pPage21)) {
        m_pPage21->RefreshValues();
    }
    if (!IsHiddenInItsWindow(m_pPage22)) {
        m_pPage22->Refresh();
    }
    if (!IsHiddenInItsWindow(m_pPage25)) {
        m_pPage25->Refresh();
    }
    SetSteadyText(m_pDataTime, tr("Data Time:") + DataTimeText());
    if (!IsHiddenInItsWindow(m_pPage23)) {
        m_pPage23->Refresh();
    }
    if (!IsHiddenInItsWindow(m_pPage24)) {
        m_pPage24->Refresh();
    }
}

void Page2::ShowTab(int index) {
    m_pStack->setCurrentIndex(index);
    for (int i = 0; i < TabCount; ++i) {
        m_pTabButtons[i]->setEnabled(i != index);
    }
    RefreshShown();
}

void Page2::on_page21btn_clicked() {
    ShowTab(0);
    QUserActivity::Touch();
}

void Page2::on_page22btn_clicked() {
    ShowTab(1);
    QUserActivity::Touch();
}

void Page2::on_page23btn_clicked() {
    ShowTab(2);
    QUserActivity::Touch();
}

void Page2::on_page24btn_clicked() {
    ShowTab(3);
    QUserActivity::Touch();
}

void Page2::on_page25btn_clicked() {
    ShowTab(4);
    QUserActivity::Touch();
}

void Page2::Retranslate() {
    setWindowTitle(tr("Form"));
    for (int i = 0; i < TabCount; ++i) {
        m_pTabButtons[i]->setText(tr(kTabCaptions[i]));
    }
    m_pPage21->Retranslate();
    m_pPage22->Retranslate();
    m_pPage23->Retranslate();
    m_pPage24->Retranslate();
    m_pPage25->Retranslate();
    m_pTree->Language();
    // The entries' second line carries a translated prefix too.
    if (m_pSystem) {
        for (QInverter* inverter : m_pSystem->Inverters()) {
            if (QtMyTreeItem* item = EntryOf(inverter)) {
                item->SetExplain(tr("Address: ") + QString::asprintf("%03d", inverter->Address()));
            }
        }
    }
    OnFlashTimer();
}

bool Page2::event(QEvent* event) {
    const int type = event->type();
    if (type == EventItemSelect) {
        SelectInverter(InverterOf(static_cast<QMyEvent*>(event)->m_nValue1));
        return QWidget::event(event);
    }
    if (type == EventItemConnect) {
        QInverter* inverter = InverterOf(static_cast<QMyEvent*>(event)->m_nValue1);
        if (!inverter) {
            return QWidget::event(event);
        }
        return OnConnect(inverter);
    }
    if (type == EventItemEdit) {
        if (OnEdit(static_cast<QMyEvent*>(event)->m_nValue1)) {
            return true;
        }
        return QWidget::event(event);
    }
    if (type == EventItemDelete) {
        return OnDelete(event, static_cast<QMyEvent*>(event)->m_nValue1);
    }
    if (type == EventInverterEdited) {
        // The settings dialog names the inverter it changed; its entry shows the new name.
        auto* edited = dynamic_cast<QMyEvent*>(event);
        QInverter* inverter = edited ? reinterpret_cast<QInverter*>(edited->m_nValue1) : nullptr;
        if (inverter && m_pSystem && m_pSystem->Inverters().contains(inverter)) {
            if (QtMyTreeItem* item = EntryOf(inverter)) {
                item->SetItemText(inverter->Name());
            }
        }
        SelectInverter(m_pCurrent);
        return m_pMainWindow ? QCoreApplication::sendEvent(m_pMainWindow, event) : true;
    }
    return QWidget::event(event);
}

bool Page2::OnConnect(QInverter* inverter) {
    if (!IsAdministrator()) {
        ShowMessage(tr("User level is not enough!"), MessageBox::TypeOk, this);
        return true;
    }
    if (inverter->IsAnalog()) {
        return true;
    }
    if (inverter->CommState() != CommOnline) {
        inverter->MissionList().SetEnabled(true);
    } else if (ShowMessage(tr("Do you want to disconnect the inverter?"), MessageBox::TypeYesNo, this) == 1) {
        inverter->SetCommState(CommOffline);
        inverter->MissionList().SetEnabled(false);
    }
    QUserActivity::Touch();
    if (QtMyTreeItem* item = EntryOf(inverter)) {
        QtMyTreeItem::SetSelectitem(item);
    }
    return true;
}

bool Page2::OnEdit(qintptr entry) {
    if (!IsAdministrator()) {
        ShowMessage(tr("User level is not enough!"), MessageBox::TypeOk, this);
        return true;
    }
    QInverter* inverter = InverterOf(entry);
    if (!inverter) {
        return false;
    }
    if (inverter->IsAnalog()) {
        ShowMessage(tr("Analog signal cannot be set!"), MessageBox::TypeOk, this);
        return true;
    }
    QUserActivity::SetIdleCheck(false);
    RunInverterSettings(inverter);
    QUserActivity::SetIdleCheck(true);
    QUserActivity::Touch();
    return false;
}

void Page2::RunInverterSettings(QInverter* inverter) {
    QInverterSetDlg dialog(this);
    dialog.SetSystemModel(m_pSystem);
    dialog.SetCurrentInverter(inverter);
    dialog.exec();
}

bool Page2::OnDelete(QEvent* event, qintptr entry) {
    if (!IsAdministrator()) {
        ShowMessage(tr("User level is not enough!"), MessageBox::TypeOk, this);
        return true;
    }
    if (ShowMessage(tr("Do you want to delete the inverter?"), MessageBox::TypeYesNo, this) != 1) {
        return true;
    }
    auto* item = reinterpret_cast<QtMyTreeItem*>(entry);
    QInverter* inverter = InverterOf(entry);
    if (item == QtMyTreeItem::GetSelectItem()) {
        m_pTree->SelectTheFirstItem(item);
        SelectInverter(InverterOf(reinterpret_cast<qintptr>(QtMyTreeItem::GetSelectItem())));
    }
    // The tabs must never show an inverter the main window is about to destroy.
    if (inverter && inverter == m_pCurrent) {
        SelectInverter(nullptr);
    }
    if (m_pMainWindow) {
        QCoreApplication::sendEvent(m_pMainWindow, event);
    }
    // An inverter whose removal waits for its mission in flight must not light an
    // entry that is gone.
    if (inverter && m_pSystem && m_pSystem->Inverters().contains(inverter)) {
        inverter->SetTreeEntry(nullptr);
    }
    m_pTree->DeleteItem(item);
    QUserActivity::Touch();
    return true;
}
