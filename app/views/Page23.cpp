#include "Page23.h"

#include "QGenerationCsv.h"
#include "QGenerationPagePainter.h"
#include "QHistogram.h"
#include "QInverter.h"
#include "QPillar.h"
#include "QReportOutput.h"
#include "QSystemModel.h"
#include "QTotalFileReader.h"
#include "QUserActivity.h"
#include "SystemClock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const char* const kViewCaptions[Page23::ViewCount] = {
    QT_TRANSLATE_NOOP("Page23", "Today"),
    QT_TRANSLATE_NOOP("Page23", "This month"),
    QT_TRANSLATE_NOOP("Page23", "This year"),
    QT_TRANSLATE_NOOP("Page23", "Annual"),
};
const char* const kViewButtonNames[Page23::ViewCount] = {"pushButton", "pushButton_2", "pushButton_3",
                                                         "pushButton_4"};
} // namespace

Page23::Page23(QWidget* parent) : QWidget(parent), m_TotalRecord(QTotalFileReader::ValueCount, -1) {
    BuildForm();
    Retranslate();
    ShowView(QHistoryChart::Today);
}

void Page23::BuildForm() {
    setObjectName(QStringLiteral("Page23"));
    setStyleSheet(QStringLiteral(
        "QPushButton#pushButton, QPushButton#pushButton_2, QPushButton#pushButton_3, "
        "QPushButton#pushButton_4 {"
        " border: none; border-image: url(:/skin/btn1.png); min-width: 88px; min-height: 26px; padding: 0 "
        "12px; }"
        "QPushButton#pushButton:hover, QPushButton#pushButton_2:hover, QPushButton#pushButton_3:hover,"
        " QPushButton#pushButton_4:hover { border-image: url(:/skin/btn2.png); }"
        "QPushButton#pushButton:disabled, QPushButton#pushButton_2:disabled, "
        "QPushButton#pushButton_3:disabled,"
        " QPushButton#pushButton_4:disabled { border-image: url(:/skin/btn3.png); color: rgb(30,96,166);"
        " font-weight: bold; }"
        "QLabel#label { color: rgb(84,94,108); }"
        "QFrame#chartPanel { border: 1px solid rgb(204,208,215); border-radius: 4px; background: white; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 10);
    layout->setSpacing(8);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (int i = 0; i < ViewCount; ++i) {
        m_pViewButtons[i] = new QPushButton(this);
        m_pViewButtons[i]->setObjectName(QLatin1String(kViewButtonNames[i]));
        m_pViewButtons[i]->setCursor(Qt::PointingHandCursor);
        m_pViewButtons[i]->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(m_pViewButtons[i]);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("chartPanel"));
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(10, 8, 10, 8);
    inner->setSpacing(4);
    m_pUnitLabel = new QLabel(panel);
    m_pUnitLabel->setObjectName(QStringLiteral("label"));
    inner->addWidget(m_pUnitLabel);

    m_pScrollArea = new QScrollArea(panel);
    m_pScrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_pScrollArea->setFrameShape(QFrame::NoFrame);
    m_pScrollArea->setWidgetResizable(true);
    m_pScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette back = m_pScrollArea->palette();
    back.setBrush(QPalette::Window, QColor(220, 220, 220));
    m_pScrollArea->setPalette(back);
    m_pHistogram = new QHistogram;
    m_pHistogram->SetValueFormat(100, 2, QStringLiteral("kWh"));
    m_pHistogram->setAutoFillBackground(true);
    QPalette white = m_pHistogram->palette();
    white.setBrush(QPalette::Window, Qt::white);
    m_pHistogram->setPalette(white);
    m_pScrollArea->setWidget(m_pHistogram);
    inner->addWidget(m_pScrollArea, 1);
    layout->addWidget(panel, 1);

    connect(m_pViewButtons[0], &QPushButton::clicked, this, &Page23::on_pushButton_clicked);
    connect(m_pViewButtons[1], &QPushButton::clicked, this, &Page23::on_pushButton_2_clicked);
    connect(m_pViewButtons[2], &QPushButton::clicked, this, &Page23::on_pushButton_3_clicked);
    connect(m_pViewButtons[3], &QPushButton::clicked, this, &Page23::on_pushButton_4_clicked);
}

void Page23::Retranslate() {
    setWindowTitle(tr("Form"));
    for (int i = 0; i < ViewCount; ++i) {
        m_pViewButtons[i]->setText(tr(kViewCaptions[i]));
    }
    m_pUnitLabel->setText(tr("Generating capacity: kWh"));
}

void Page23::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    Rebuild();
}

void Page23::SetHourSource(HourSource source) {
    m_HourSource = std::move(source);
    Rebuild();
}

void Page23::SetBeginTime(int hour) {
    m_nBeginHour = hour;
    Rebuild();
}

void Page23::ShowView(int view) {
    m_nView = view;
    for (int i = 0; i < ViewCount; ++i) {
        m_pViewButtons[i]->setEnabled(i != view);
    }
    Rebuild();
}

void Page23::on_pushButton_clicked() {
    ShowView(QHistoryChart::Today);
    QUserActivity::Touch();
}

void Page23::on_pushButton_2_clicked() {
    ShowView(QHistoryChart::ThisMonth);
    QUserActivity::Touch();
}

void Page23::on_pushButton_3_clicked() {
    ShowView(QHistoryChart::ThisYear);
    QUserActivity::Touch();
}

void Page23::on_pushButton_4_clicked() {
    ShowView(QHistoryChart::Years);
    QUserActivity::Touch();
}

void Page23::Refresh() {
    if (SystemClock::CurrentTime().second() % 10 != 0) {
        m_bArmed = true;
    } else if (m_bArmed) {
        m_bArmed = false;
        Rebuild();
    }
}

void Page23::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Rebuild();
}

void Page23::Rebuild() {
    if (m_pInverter) {
        m_TotalRecord = QTotalFileReader::Record(m_pInverter->Address());
    }
    const QVector<qint32> none(QTotalFileReader::ValueCount, -1);
    const QHourReadings* hours = m_pInverter && m_HourSource ? m_HourSource(m_pInverter) : nullptr;
    m_Chart = QHistoryChart::Build(m_nView, hours, m_pInverter ? m_TotalRecord : none, SystemClock::Now(),
                                   m_nBeginHour);
    m_pHistogram->Clear();
    m_pHistogram->SetXText(m_Chart.XLabels().join(QLatin1Char('?')));
    for (int l = 0; l < m_Chart.Bars().size(); ++l) {
        if (m_Chart.Bars().at(l) != -1) {
            m_pHistogram->AddData(m_Chart.Bars().at(l), l);
        }
    }
    QPillar::SetMax(m_Chart.Max());
    m_pHistogram->SetYText(m_Chart.YLabels().join(QLatin1Char('?')));
}

GenerationReport Page23::Completed(const GenerationReport& request) const {
    GenerationReport report = request;
    if (report.m_pInverter) {
        report.m_strInverterName = report.m_pInverter->Name();
    }
    if (m_pSystem) {
        report.m_strCurrency = m_pSystem->GetSystemValue(QStringLiteral("CurrencyUnit"));
        report.m_nPrice = m_pSystem->Settings().Price();
    }
    return report;
}

void Page23::Report(const QString& path, const GenerationReport& request) {
    m_Report = Completed(request);
    m_Report.m_strPath = path;
    const QGenerationPagePainter pages(m_Report, SystemClock::Now());
    const auto paint = pages.Pages();
    bool saved = false;
    switch (m_Report.m_nOutput) {
    case GenerationReport::Preview:
        QReportOutput::Preview(this, [this](QPrinter* printer) { printPreview(printer); });
        return;
    case GenerationReport::Pdf:
        saved = QReportOutput::WritePdf(path + QStringLiteral(".pdf"), paint,
                                        m_Report.IsAllInverters() ? QStringLiteral("All Inverter Generation")
                                                                  : QStringLiteral("Inverter Generation"));
        break;
    case GenerationReport::Bmp:
        saved =
            QReportOutput::WriteBmp(path, QSize(QReportOutput::BmpWidth, QReportOutput::BmpHeight), paint);
        break;
    case GenerationReport::Csv:
        saved = QReportOutput::WriteText(path + QStringLiteral(".csv"), QGenerationCsv::Text(m_Report));
        break;
    case GenerationReport::Txt:
        saved = QReportOutput::WriteText(path + QStringLiteral(".txt"), QGenerationCsv::Text(m_Report));
        break;
    default:
        return;
    }
    QReportOutput::TellSaved(saved);
}

void Page23::printPreview(QPrinter* printer) {
    const QGenerationPagePainter pages(m_Report, SystemClock::Now());
    QReportOutput::PaintPages(printer, pages.Pages());
}
