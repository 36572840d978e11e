#pragma once

#include "QGenerationStore.h"

#include <QDate>
#include <QString>
#include <QVector>

class QInverter;

// A generation report as the history tab renders it: the entries the main window
// computed for the save dialog's request, what they cover and where they go, and
// the plant's price and currency as they stood when the report was asked for.
struct GenerationReport {
    enum Output { Preview = 0, Pdf = 2, Bmp = 3, Csv = 4, Txt = 5 };
    enum Period { Daily = 1, Monthly = 2, Yearly = 3 };
    static constexpr int ScopeAll = 2; // any other scope: one inverter

    QString m_strPath; // without extension; unused by the preview
    QVector<GenerationEntry> m_Entries;
    int m_nScope = 3;
    QInverter* m_pInverter = nullptr;
    QDate m_Start;
    QDate m_End;
    int m_nOutput = Preview;
    int m_nPeriod = Daily;

    // Taken from the plant and the inverter when the report is made.
    QString m_strInverterName;
    QString m_strCurrency;
    int m_nPrice = 68; // hundredths of the currency unit per kWh

    bool IsAllInverters() const { return m_nScope == ScopeAll; }
    // Energy in kWh and what it earned, for a value in hundredths of a kWh.
    double Energy(qint64 value) const { return value / 100.0; }
    double Benefit(qint64 value) const { return value / 100.0 * (m_nPrice / 100.0); }
    // The entry's date as the report writes it: "2024-06-01", "2024-06" or "2024".
    QString EntryDate(const QDate& date) const;
    // First and last day of the period: "01/06/2024" .. "30/06/2024" for days,
    // "01/06/2024" .. "31/12/2024" for months, "01/01/2020" .. "31/12/2024" for years.
    QString PeriodStart() const;
    QString PeriodEnd() const;
    // The sum of the entries that have a value.
    qint64 Sum() const;
};
