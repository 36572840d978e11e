#include "QGenerationCsv.h"

#include "GenerationReport.h"

namespace {
// The period's word on the first line and the head of the date column.
struct PeriodTexts {
    const char* m_pWord;
    const char* m_pHead;
};

PeriodTexts TextsOf(int period) {
    switch (period) {
    case GenerationReport::Monthly:
        return {"Monthly,", "\nMonth,Generation(kWh),Benefits("};
    case GenerationReport::Yearly:
        return {"Yearly,", "\nYear,Generation(kWh),Benefits("};
    default:
        return {"Daily,", "\nDate,Generation(kWh),Benefits("};
    }
}
} // namespace

QByteArray QGenerationCsv::Text(const GenerationReport& report) {
    const PeriodTexts texts = TextsOf(report.m_nPeriod);
    QString text = report.IsAllInverters() ? QStringLiteral("All Inverter,")
                                           : report.m_strInverterName + QLatin1Char(',');
    text += QLatin1String(texts.m_pWord) + report.PeriodStart() + QLatin1Char('-') + report.PeriodEnd();
    text += QLatin1String(texts.m_pHead) + report.m_strCurrency + QStringLiteral(")\n");
    for (const GenerationEntry& entry : report.m_Entries) {
        text += QLatin1Char(' ') + report.EntryDate(entry.m_Date) + QLatin1Char(',');
        if (entry.m_nValue < 0) {
            text += QStringLiteral("-,-\n");
        } else {
            text += QString::asprintf("%0.2f,%0.2f\n", report.Energy(entry.m_nValue),
                                      report.Benefit(entry.m_nValue));
        }
    }
    const qint64 sum = report.Sum();
    text += QString::asprintf("Total,%0.2f,%0.2f\n", report.Energy(sum), report.Benefit(sum));
    return text.toUtf8();
}
