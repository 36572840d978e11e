#include "QFindInverterDlg.h"

#include "MessageBox.h"
#include "QFindInverterItem.h"
#include "QInverter.h"
#include "QInverterPane.h"
#include "QSystemModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Exactly the numbers 1 to 246. (Anchors bound to single alternatives, as in
// "^[1-9]|...|(2(...))$", would let any text through that merely begins with
// a digit, "1999" among them.)
const char* const kAddressPattern = "^([1-9]|[1-9][0-9]|1[0-9][0-9]|2[0-3][0-9]|24[0-6])$";
const char* const kSearching = QT_TRANSLATE_NOOP("QFindInverterDlg", "   search");
const char* const kFound = QT_TRANSLATE_NOOP("QFindInverterDlg", "   find");
const char* const kTimedOut = QT_TRANSLATE_NOOP("QFindInverterDlg", "   timeout");
constexpr int kPaneHeight = 264;
} // namespace

QFindInverterDlg::QFindInverterDlg(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("QFindInverterDlg"));
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &QFindInverterDlg::Search);

    auto* range = new QHBoxLayout;
    range->setSpacing(8);
    m_pStart = NewEdit("lineEdit", QLatin1String(kAddressPattern));
    m_pEnd = NewEdit("lineEdit_2", QLatin1String(kAddressPattern));
    m_pStart->setText(QString::number(QInverterSearch::FirstAddress));
    m_pEnd->setText(QStringLiteral("246"));
    m_pStartCaption = new QLabel(this);
    m_pEndCaption = new QLabel(this);
    m_pSearchBtn = new QPushButton(this);
    m_pSearchBtn->setObjectName(QStringLiteral("pushButton"));
    m_pStopBtn = new QPushButton(this);
    m_pStopBtn->setObjectName(QStringLiteral("pushButton_2"));
    m_pStopBtn->setEnabled(false);
    for (QLineEdit* edit : {m_pStart, m_pEnd}) {
        edit->setFixedWidth(56);
    }
    for (QPushButton* button : {m_pSearchBtn, m_pStopBtn}) {
        button->setProperty("role", QStringLiteral("skin"));
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
    }
    range->addWidget(m_pStartCaption);
    range->addWidget(m_pStart);
    range->addSpacing(8);
    range->addWidget(m_pEndCaption);
    range->addWidget(m_pEnd);
    range->addStretch(1);
    range->addWidget(m_pSearchBtn);
    range->addWidget(m_pStopBtn);
    Body()->addLayout(range);

    auto* now = new QHBoxLayout;
    now->setSpacing(8);
    m_pNowCaption = new QLabel(this);
    m_pStatus = new QLabel(this);
    m_pStatus->setObjectName(QStringLiteral("label_3"));
    now->addWidget(m_pNowCaption);
    now->addWidget(m_pStatus, 1);
    Body()->addLayout(now);

    m_pPane = new QInverterPane(this);
    m_pPane->setFixedHeight(kPaneHeight);
    Body()->addWidget(m_pPane, 0, Qt::AlignHCenter);
    connect(m_pPane, &QInverterPane::add, this, &QFindInverterDlg::addInverter);

    connect(m_pSearchBtn, &QPushButton::clicked, this, &QFindInverterDlg::on_pushButton_clicked);
    connect(m_pStopBtn, &QPushButton::clicked, this, &QFindInverterDlg::on_pushButton_2_clicked);
    Retranslate();
    FinishForm(QInverterPane::PaneWidth + 48);
}

QFindInverterDlg::~QFindInverterDlg() {
    m_pTimer->stop();
    delete m_pSearch;
}

void QFindInverterDlg::Retranslate() {
    setWindowTitle(tr("Search inverter"));
    SetCaption(tr("Search inverter"));
    m_pStartCaption->setText(tr("Start:"));
    m_pEndCaption->setText(tr("End:"));
    m_pNowCaption->setText(tr("Now:"));
    m_pSearchBtn->setText(tr("Search"));
    m_pStopBtn->setText(tr("Stop"));
    for (QPushButton* button : {m_pSearchBtn, m_pStopBtn}) {
        button->setMinimumWidth(qMax(76, button->fontMetrics().horizontalAdvance(button->text()) + 28));
    }
    m_pPane->Retranslate();
}

void QFindInverterDlg::SetSystemModel(QSystemModel* system) {
    m_pSystem = system;
    delete m_pSearch;
    m_pSearch = system ? new QInverterSearch(system) : nullptr;
}

QString QFindInverterDlg::StatusText() const {
    return m_pStatus->text();
}

void QFindInverterDlg::ShowStatus(int address, const char* what) {
    m_pStatus->setText(tr("Address:") + QString::number(address) + tr(what));
    emit StatusShown(m_pStatus->text());
}

void QFindInverterDlg::on_pushButton_clicked() {
    const int start = m_pStart->text().toInt();
    const int end = m_pEnd->text().toInt();
    if (!QInverterSearch::IsRange(start, end) || !m_pSearch) {
        ShowMessage(tr("Address is wrong!"), MessageBox::TypeOk, this);
        if (m_pSearch) {
            m_pSearch->Stop();
        }
        m_pStatus->clear();
        return;
    }
    m_pSearch->Start(start, end);
    m_pPane->Clear();
    m_pTimer->start(TickMs);
    m_pSearchBtn->setEnabled(false);
    m_pStart->setEnabled(false);
    m_pEnd->setEnabled(false);
    m_pStopBtn->setEnabled(true);
}

void QFindInverterDlg::on_pushButton_2_clicked() {
    if (m_pSearch) {
        m_pSearch->Stop();
    }
    m_pTimer->stop();
    m_pSearchBtn->setEnabled(true);
    m_pStart->setEnabled(true);
    m_pEnd->setEnabled(true);
    m_pStopBtn->setEnabled(false);
}

void QFindInverterDlg::Search() {
    if (!m_pSearch) {
        return;
    }
    switch (m_pSearch->Tick()) {
    case QInverterSearch::Probing:
        ShowStatus(m_pSearch->Address(), kSearching);
        break;
    case QInverterSearch::Finished:
        on_pushButton_2_clicked();
        break;
    default:
        break;
    }
}

void QFindInverterDlg::OnProbeDone(QMissionModel* mission) {
    if (!m_pSearch) {
        return;
    }
    switch (m_pSearch->OnProbeDone(mission)) {
    case QInverterSearch::Found: {
        const int address = m_pSearch->Address();
        ShowStatus(address, kFound);
        if (m_pPane->ItemFor(address)) {
            break;
        }
        const QInverter* known = m_pSystem->FindByAddress(address);
        m_pPane->AddItem(address, m_pSearch->ModelText(), known ? known->Name() : QString(), !known);
        break;
    }
    case QInverterSearch::TimedOut:
        ShowStatus(m_pSearch->Address(), kTimedOut);
        break;
    default:
        break;
    }
}

bool QFindInverterDlg::addInverter(int addr, QString strName, QString strType) {
    if (!m_pSystem ||
        !QInverterSearch::AddInverter(*m_pSystem, addr, QFormDlg::StoredText(strName), strType)) {
        ShowMessage(tr("Add Inverter Fialed! Name or address have been used!"), MessageBox::TypeOk, this);
        return false;
    }
    if (QFindInverterItem* item = m_pPane->ItemFor(addr)) {
        item->SetAddable(false);
    }
    return true;
}
