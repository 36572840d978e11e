#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

class QInverter;
struct QFaultRecord;

// One alert mail: subject and plain text.
struct QAlertMail {
    QString m_strSubject;
    QString m_strBody;
};

// The texts of the alert mails. Subjects start with the plant's name; bodies
// name the inverter by name, address and model and give times as
// "YYYY-MM-DD HH:MM:SS".
class QAlertTexts {
    Q_DECLARE_TR_FUNCTIONS(QAlertTexts)
public:
    // One inverter's line of the daily summary.
    struct SummaryLine {
        QString m_strInverter; // name, address
        qint64 m_nEnergy = -1; // 0.01 kWh today, -1 when not read today
    };

    static QAlertMail FaultBegan(const QString& plant, const QInverter& inverter, qint32 code,
                                 const QDateTime& at);
    static QAlertMail FaultEnded(const QString& plant, const QInverter& inverter, qint32 code,
                                 const QDateTime& began, const QDateTime& at);
    static QAlertMail Offline(const QString& plant, const QInverter& inverter, const QDateTime& since,
                              const QDateTime& at);
    static QAlertMail BackOnline(const QString& plant, const QInverter& inverter, const QDateTime& since,
                                 const QDateTime& at);
    static QAlertMail LinkDown(const QString& plant, const QString& status, const QDateTime& since,
                               const QDateTime& at);
    static QAlertMail LinkUp(const QString& plant, const QString& status, const QDateTime& since,
                             const QDateTime& at);
    static QAlertMail Summary(const QString& plant, const QDate& date, const QList<SummaryLine>& inverters,
                              const QStringList& faults);
    static QAlertMail Test(const QString& plant, const QDateTime& at);
    // The note of what was held back, added to the next mail of that inverter
    // or sent alone.
    static QString HeldBackNote(const QStringList& lines);
    static QAlertMail HeldBack(const QString& plant, const QString& source, const QStringList& lines);

    // The one-line forms kept while a mail is held back.
    static QString FaultLine(const QInverter& inverter, qint32 code, bool began, const QDateTime& at);
    static QString StateLine(const QString& who, bool up, const QDateTime& at);
    // A fault record's line in the daily summary.
    static QString FaultRecordLine(const QString& inverter, const QFaultRecord& record);

    static QString Who(const QInverter& inverter);
    static QString Time(const QDateTime& at);
    static QString Duration(qint64 seconds);
    // The fault code with its name: "E006 Over temperature".
    static QString Fault(qint32 code);
    // The inverter, the fault and its description: the head of both fault mails.
    static QString FaultHead(const QInverter& inverter, qint32 code);
    // The values the fault record keeps (items 0 to 10), now and the four readings before.
    static QString Samples(const QInverter& inverter);
};
