#include "QFaultListWidget.h"

#include "QFaultPane.h"
#include "QInverter.h"
#include "QSystemModel.h"

#include <QLabel>
#include <QPainter>

QFaultListWidget::QFaultListWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QFaultListWidget"));
    resize(150, 300);

    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName(QStringLiteral("title"));
    m_pTitle->setGeometry(0, 0, 149, 29);
    QFont titleFont = m_pTitle->font();
    titleFont.setPointSize(10);
    m_pTitle->setFont(titleFont);
    m_pTitle->setStyleSheet(QStringLiteral("border-image: url(:/skin/normal.png)2 2 2 2;"));
    m_pTitle->setAlignment(Qt::AlignCenter);

    m_pQuantity = new QLabel(this);
    m_pQuantity->setObjectName(QStringLiteral("quantity"));
    m_pQuantity->setGeometry(0, 30, 149, 59);
    m_pQuantity->setStyleSheet(QStringLiteral("padding: 0 8px;\nborder: 1px solid rgb(128,128,128);\n"
                                              "border-left:0px;\nborder-top:0px;\nborder-right:0px;"));

    m_pFaultPane = new QFaultPane(this);
    m_pFaultPane->setObjectName(QStringLiteral("fault_pane"));
    m_pFaultPane->move(10, 70);

    Retranslate();
}

QFaultListWidget::~QFaultListWidget() = default;

void QFaultListWidget::Refresh() {
    m_pFaultPane->clearFault();
    int count = 0;
    if (m_pSystem) {
        for (const QInverter* inverter : m_pSystem->Inverters()) {
            for (int slot = 0; slot < QInverter::FaultSlotCount; ++slot) {
                const QItemRecord& fault = inverter->FaultSlot(slot);
                // A slot is active while it holds a fault code; 0 means no fault.
                if (fault.m_nValue != 0) {
                    m_pFaultPane->addFault(inverter->Name(), inverter->Address(), fault.m_nValue);
                    ++count;
                }
            }
        }
    }
    m_pFaultPane->refreshList();
    m_nCount = count;
    const QString text = tr("Quantity: ") + QString::number(count);
    if (m_pQuantity->text() != text) {
        m_pQuantity->setText(text);
    }
}

void QFaultListWidget::Retranslate() {
    m_pTitle->setText(tr("Inverters in failure"));
    Refresh();
}

void QFaultListWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_pTitle->setGeometry(0, 0, width(), 30);
    m_pQuantity->setGeometry(0, 30, width(), 30);
    m_pFaultPane->setGeometry(0, 60, width() - 1, height() - 59);
}

void QFaultListWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, 30, width() - 1, 30);
}
