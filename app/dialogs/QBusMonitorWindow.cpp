#include "QBusMonitorWindow.h"

#include "QBusWatch.h"
#include "QInverter.h"
#include "QSystemModel.h"

#include <QBoxLayout>
#include <QBrush>
#include <QColor>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>

namespace {

// The rows of one address (or all), failures in red.
class ShownRows : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetAddress(int address) {
        m_nAddress = address;
        invalidateFilter();
    }
    int Address() const { return m_nAddress; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::ForegroundRole) {
            switch (QSortFilterProxyModel::data(index, QBusMonitorModel::StatusRole).toInt()) {
            case QBusMonitorModel::StatusTimedOut:
            case QBusMonitorModel::StatusErrorReply:
            case QBusMonitorModel::StatusBadCrc:
            case QBusMonitorModel::StatusRejected:
                return QBrush(QColor(200, 0, 0));
            case QBusMonitorModel::StatusSent:
                return QBrush(QColor(40, 44, 52));
            default:
                return QBrush(QColor(0, 110, 0));
            }
        }
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        return m_nAddress < 0 ||
               sourceModel()->index(row, 0, parent).data(QBusMonitorModel::AddressRole).toInt() == m_nAddress;
    }

private:
    int m_nAddress = -1;
};

const char* const kCounterHeads[] = {
    QT_TRANSLATE_NOOP("QBusMonitorWindow", "Address"),
    QT_TRANSLATE_NOOP("QBusMonitorWindow", "Inverter"),
    QT_TRANSLATE_NOOP("QBusMonitorWindow", "Requests"),
    QT_TRANSLATE_NOOP("QBusMonitorWindow", "Answers"),
    QT_TRANSLATE_NOOP("QBusMonitorWindow", "Time-outs"),
    QT_TRANSLATE_NOOP("QBusMonitorWindow", "Errors"),
    QT_TRANSLATE_NOOP("QBusMonitorWindow", "Mean reply (ms)"),
};

constexpr int kColumnWidths[QBusMonitorModel::ColumnCount] = {88, 36, 58, 62, 62, 48, 48, 160, 66, 170, 0};

} // namespace

QBusMonitorWindow::QBusMonitorWindow(QBusWatch& watch, const QSystemModel& plant, QWidget* parent,
                                     int capacity)
    : QMaintenanceDlg(parent, "QBusMonitorWindow"), m_Watch(watch), m_Plant(plant), m_Model(capacity) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    BuildForm();
    Retranslate();
    connect(&m_Model, &QBusMonitorModel::Changed, this, [this]() { m_bCountersDirty = true; });
    m_CounterTimer.setInterval(500);
    connect(&m_CounterTimer, &QTimer::timeout, this, &QBusMonitorWindow::RefreshCounters);
    m_CounterTimer.start();
    RefreshCounters();
    m_Watch.SetObserver(&m_Model);
}

QBusMonitorWindow::~QBusMonitorWindow() {
    if (m_Watch.Observer() == &m_Model) {
        m_Watch.SetObserver(nullptr);
    }
}

void QBusMonitorWindow::BuildForm() {
    QVBoxLayout* layout = StartForm();

    auto* tools = new QHBoxLayout;
    tools->setSpacing(10);
    m_pPauseBtn = NewButton("PauseBtn");
    m_pPauseBtn->setCheckable(true);
    m_pClearBtn = NewButton("ClearBtn");
    m_pSaveBtn = NewButton("SaveBtn");
    m_pFilterLabel = new QLabel(this);
    m_pFilter = new QComboBox(this);
    m_pFilter->setObjectName(QStringLiteral("AddressFilter"));
    m_pFilter->setMinimumWidth(190);
    m_pFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pRowCount = new QLabel(this);
    m_pRowCount->setObjectName(QStringLiteral("RowCount"));
    tools->addWidget(m_pPauseBtn);
    tools->addWidget(m_pClearBtn);
    tools->addWidget(m_pSaveBtn);
    tools->addSpacing(16);
    tools->addWidget(m_pFilterLabel);
    tools->addWidget(m_pFilter);
    tools->addStretch(1);
    tools->addWidget(m_pRowCount);
    layout->addLayout(tools);

    auto* shown = new ShownRows(this);
    shown->setSourceModel(&m_Model);
    m_pShown = shown;
    m_pRows = new QTableView(this);
    m_pRows->setObjectName(QStringLiteral("Rows"));
    m_pRows->setModel(m_pShown);
    m_pRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pRows->setWordWrap(false);
    m_pRows->setAlternatingRowColors(true);
    m_pRows->verticalHeader()->hide();
    m_pRows->verticalHeader()->setDefaultSectionSize(20);
    m_pRows->horizontalHeader()->setStretchLastSection(true);
    m_pRows->horizontalHeader()->setHighlightSections(false);
    m_pRows->setMinimumSize(940, 330);
    layout->addWidget(m_pRows, 1);

    m_pCounters = new QTableWidget(0, int(std::size(kCounterHeads)), this);
    m_pCounters->setObjectName(QStringLiteral("Counters"));
    m_pCounters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pCounters->setSelectionMode(QAbstractItemView::NoSelection);
    m_pCounters->verticalHeader()->hide();
    m_pCounters->verticalHeader()->setDefaultSectionSize(20);
    m_pCounters->horizontalHeader()->setStretchLastSection(true);
    m_pCounters->horizontalHeader()->setHighlightSections(false);
    m_pCounters->setColumnWidth(0, 70);
    m_pCounters->setColumnWidth(1, 200);
    for (int column = 2; column < 6; ++column) {
        m_pCounters->setColumnWidth(column, 110);
    }
    m_pCounters->setFixedHeight(130);
    layout->addWidget(m_pCounters);

    auto* grip = new QSizeGrip(this);
    layout->addWidget(grip, 0, Qt::AlignRight | Qt::AlignBottom);
    layout->setContentsMargins(20, 12, 8, 4);

    connect(m_pPauseBtn, &QPushButton::toggled, this, &QBusMonitorWindow::on_PauseBtn_toggled);
    connect(m_pClearBtn, &QPushButton::clicked, this, &QBusMonitorWindow::on_ClearBtn_clicked);
    connect(m_pSaveBtn, &QPushButton::clicked, this, &QBusMonitorWindow::on_SaveBtn_clicked);
    connect(m_pFilter, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &QBusMonitorWindow::OnFilterChanged);
    connect(m_pRows->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { m_bFollow = value >= m_pRows->verticalScrollBar()->maximum(); });
    connect(m_pShown, &QAbstractItemModel::rowsInserted, this, &QBusMonitorWindow::FollowNewRows);
}

void QBusMonitorWindow::Retranslate() {
    setWindowTitle(tr("Bus monitor"));
    m_pCaption->setText(
        tr("Bus monitor: every frame on the bus, newest last (at most %1 rows)").arg(m_Model.Capacity()));
    m_pPauseBtn->setText(m_pPauseBtn->isChecked() ? tr("Resume") : tr("Pause"));
    m_pClearBtn->setText(tr("Clear"));
    m_pSaveBtn->setText(tr("Save CSV"));
    m_pFilterLabel->setText(tr("Address:"));
    if (m_pFilter->count() == 0) {
        m_pFilter->addItem(tr("All addresses"), -1);
    } else {
        m_pFilter->setItemText(0, tr("All addresses"));
    }
    // A column is at least as wide as its heading in the language shown.
    const QFontMetrics metrics = m_pRows->horizontalHeader()->fontMetrics();
    for (int column = 0; column < QBusMonitorModel::ColumnCount; ++column) {
        if (kColumnWidths[column] > 0) {
            const QString head = m_Model.headerData(column, Qt::Horizontal).toString();
            m_pRows->setColumnWidth(column,
                                    qMax(kColumnWidths[column], metrics.horizontalAdvance(head) + 16));
        }
    }
    QStringList heads;
    for (const char* head : kCounterHeads) {
        heads << tr(head);
    }
    m_pCounters->setHorizontalHeaderLabels(heads);
}

int QBusMonitorWindow::FilterAddress() const {
    return static_cast<ShownRows*>(m_pShown)->Address();
}

QString QBusMonitorWindow::AddressName(int address) const {
    const QInverter* inverter = m_Plant.FindByAddress(address);
    return inverter ? inverter->Name() : QString();
}

void QBusMonitorWindow::on_PauseBtn_toggled(bool paused) {
    m_Model.SetPaused(paused);
    m_pPauseBtn->setText(paused ? tr("Resume") : tr("Pause"));
}

void QBusMonitorWindow::on_ClearBtn_clicked() {
    m_Model.Clear();
    m_bFollow = true;
    RefreshCounters();
}

void QBusMonitorWindow::on_SaveBtn_clicked() {
    const QString path = AskCsvFile();
    if (!path.isEmpty()) {
        SaveTo(path);
    }
}

void QBusMonitorWindow::SaveTo(const QString& path) {
    WriteCsv(path, m_Model.CsvText(FilterAddress()));
}

void QBusMonitorWindow::OnFilterChanged() {
    static_cast<ShownRows*>(m_pShown)->SetAddress(m_pFilter->currentData().toInt());
    m_pRows->scrollToBottom();
    m_bFollow = true;
}

void QBusMonitorWindow::FollowNewRows() {
    if (m_bFollow) {
        m_pRows->scrollToBottom();
    }
}

void QBusMonitorWindow::RefreshCounters() {
    m_pRowCount->setText(tr("%1 rows").arg(m_Model.RowCount()));
    if (!m_bCountersDirty) {
        return;
    }
    m_bCountersDirty = false;
    const QMap<int, QBusMonitorModel::Counters>& counters = m_Model.CountersByAddress();
    m_pCounters->setRowCount(int(counters.size()));
    int row = 0;
    for (auto it = counters.cbegin(); it != counters.cend(); ++it, ++row) {
        const QBusMonitorModel::Counters& c = it.value();
        const int mean = c.MeanReplyMs();
        const QStringList cells = {QString::number(it.key()),
                                   AddressName(it.key()),
                                   QString::number(c.requests),
                                   QString::number(c.answers),
                                   QString::number(c.timeouts),
                                   QString::number(c.errors),
                                   mean < 0 ? QString() : QString::number(mean)};
        for (int column = 0; column < cells.size(); ++column) {
            QTableWidgetItem* item = m_pCounters->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                m_pCounters->setItem(row, column, item);
            }
            item->setText(cells.at(column));
        }
        // Every address heard from can be chosen in the filter, in the order of the addresses.
        if (m_pFilter->findData(it.key()) < 0) {
            const QString name = AddressName(it.key());
            int at = 1;
            while (at < m_pFilter->count() && m_pFilter->itemData(at).toInt() < it.key()) {
                ++at;
            }
            m_pFilter->insertItem(at,
                                  name.isEmpty() ? tr("Address %1").arg(it.key())
                                                 : tr("Address %1 (%2)").arg(it.key()).arg(name),
                                  it.key());
        }
    }
}
