#include "QOutputPane.h"

#include "QInverter.h"
#include "QOutputTrend.h"
#include "QSystemModel.h"
#include "SkinScrollBars.h"
#include "SystemClock.h"

#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

QOutputPane::QOutputPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QOutputPane"));
    setWindowTitle(tr("Form"));
    resize(400, 300);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    m_pScrollBar = new QScrollBar(Qt::Vertical, this);
    m_pScrollBar->setObjectName(QStringLiteral("verticalScrollBar"));
    m_pScrollBar->setStyleSheet(SkinScrollBarStyle());
    m_pScrollBar->hide();
    connect(m_pScrollBar, &QScrollBar::valueChanged, this, &QOutputPane::OnScroll);

    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &QOutputPane::OnTimer);
    m_pTimer->start(1000);
}

QOutputPane::~QOutputPane() = default;

void QOutputPane::AddInverter(QInverter* inverter) {
    if (!inverter) {
        return;
    }
    for (const QOutputTrend* item : std::as_const(m_Items)) {
        if (item->Inverter() == inverter) {
            return;
        }
    }
    auto* item = new QOutputTrend(inverter, m_nStartHour, this);
    item->show();
    m_Items.append(item);
    m_pScrollBar->raise();
    LayoutItems();
}

void QOutputPane::RemoveInverter(QInverter* inverter) {
    for (int i = 0; i < m_Items.size(); ++i) {
        if (m_Items[i]->Inverter() == inverter) {
            delete m_Items.takeAt(i);
            LayoutItems();
            return;
        }
    }
}

void QOutputPane::SetStartHour(int hour) {
    m_nStartHour = hour;
    for (QOutputTrend* item : std::as_const(m_Items)) {
        item->SetStartHour(hour);
    }
}

void QOutputPane::SyncWithPlant() {
    const int plantCount = m_pSystem ? m_pSystem->InverterCount() : 0;
    int position = 0;
    while (position < m_Items.size()) {
        if (position < plantCount && m_pSystem->Inverter(position) == m_Items[position]->Inverter()) {
            ++position;
        } else {
            // The next item moves into this position and is checked there.
            delete m_Items.takeAt(position);
        }
    }
    m_pScrollBar->setValue(0);
    m_nOffset = 0;
    LayoutItems();
}

void QOutputPane::Retranslate() {
    setWindowTitle(tr("Form"));
    for (QOutputTrend* item : std::as_const(m_Items)) {
        item->Retranslate();
    }
}

void QOutputPane::OnTimer() {
    // One look at the clock for every curve of the pane.
    const QTime now = SystemClock::CurrentTime();
    const int minute = now.hour() * 60 + now.minute();
    for (QOutputTrend* item : std::as_const(m_Items)) {
        item->TakeSample(minute);
    }
}

void QOutputPane::wheelEvent(QWheelEvent* event) {
    m_pScrollBar->setValue(m_pScrollBar->value() - event->angleDelta().y() / 120);
    event->accept();
}

void QOutputPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutItems();
}

void QOutputPane::OnScroll(int value) {
    m_nOffset = value * 10;
    PlaceItems();
}

void QOutputPane::LayoutItems() {
    m_pScrollBar->setGeometry(width() - 15, 0, ScrollBarWidth, height());
    const int needed = m_Items.size() * QOutputTrend::ItemHeight;
    if (needed > height()) {
        m_pScrollBar->setRange(0, (needed - height()) / 10);
        m_pScrollBar->setPageStep(qMax(1, height() / 10));
        m_pScrollBar->show();
    } else {
        m_pScrollBar->setRange(0, 0);
        m_pScrollBar->hide();
    }
    // A shrunken range may have clamped the value without a signal reaching us.
    m_nOffset = m_pScrollBar->value() * 10;
    PlaceItems();
}

void QOutputPane::PlaceItems() {
    const int itemWidth = m_pScrollBar->isVisibleTo(this) ? width() - 15 : width() + 1;
    for (int i = 0; i < m_Items.size(); ++i) {
        m_Items[i]->setGeometry(0, i * QOutputTrend::ItemHeight - m_nOffset, itemWidth,
                                QOutputTrend::ItemHeight);
    }
}
