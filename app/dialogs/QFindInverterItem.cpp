#include "QFindInverterItem.h"

#include "MessageBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QFindInverterItem::QFindInverterItem(int address, const QString& model, const QString& name, bool addable,
                                     QWidget* parent)
    : QWidget(parent), m_nAddress(address), m_strModel(model) {
    setObjectName(QStringLiteral("QFindInverterItem"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 6, 3);
    layout->setSpacing(8);
    m_pAddress = new QLabel(this);
    m_pAddress->setObjectName(QStringLiteral("label"));
    m_pAddress->setMinimumWidth(72);
    m_pModel = new QLabel(model, this);
    m_pModel->setObjectName(QStringLiteral("label_2"));
    m_pModel->setToolTip(model);
    // A long model name is cut short with "…" rather than pushing the row apart.
    m_pModel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pModel->installEventFilter(this);
    m_pName = new QLineEdit(name, this);
    m_pName->setObjectName(QStringLiteral("lineEdit"));
    m_pName->setFixedWidth(112);
    m_pAdd = new QPushButton(this);
    m_pAdd->setObjectName(QStringLiteral("pushButton"));
    m_pAdd->setCursor(Qt::PointingHandCursor);
    m_pAdd->setAutoDefault(false);
    layout->addWidget(m_pAddress);
    layout->addWidget(m_pModel, 1);
    layout->addWidget(m_pName);
    layout->addWidget(m_pAdd);
    setStyleSheet(QStringLiteral(
        "QLabel#label { color: rgb(84,94,108); }"
        "QLabel#label_2 { color: rgb(40,46,56); }"
        "QLineEdit { border: 1px solid rgb(190,196,206); padding: 1px 2px; background: white; }"
        "QLineEdit:read-only { border-color: transparent; background: transparent; color: rgb(40,46,56); }"
        "QPushButton { border: none; border-image: url(:/skin/btn1.png); min-height: 22px; min-width: 56px;"
        " color: rgb(40,46,56); }"
        "QPushButton:hover { border-image: url(:/skin/btn2.png); }"
        "QPushButton:pressed { border-image: url(:/skin/btn3.png); }"
        "QPushButton:disabled { color: rgb(160,166,176); }"));
    connect(m_pAdd, &QPushButton::clicked, this, &QFindInverterItem::on_pushButton_clicked);
    Retranslate();
    SetAddable(addable);
}

void QFindInverterItem::Retranslate() {
    m_pAddress->setText(QString::asprintf(tr("Addr.:%03d").toUtf8().constData(), m_nAddress));
    m_pAdd->setText(tr("Add"));
}

bool QFindInverterItem::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pModel && event->type() == QEvent::Resize) {
        m_pModel->setText(m_pModel->fontMetrics().elidedText(m_strModel, Qt::ElideRight, m_pModel->width()));
    }
    return QWidget::eventFilter(watched, event);
}

QString QFindInverterItem::Name() const {
    return m_pName->text();
}

bool QFindInverterItem::IsAddable() const {
    return m_pAdd->isEnabled();
}

void QFindInverterItem::SetAddable(bool addable) {
    m_pAdd->setEnabled(addable);
    m_pName->setReadOnly(!addable);
}

void QFindInverterItem::on_pushButton_clicked() {
    if (m_pName->text().isEmpty()) {
        ShowMessage(tr("Inverter name cannot be empty!"), MessageBox::TypeOk, this);
        return;
    }
    emit add();
}
