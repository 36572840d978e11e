#pragma once

#include "QInverterListener.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <functional>

class QBusScheduler;
class QIODevice;
class QSystemModel;

// The headless logger's output: one line per event, "YYYY-MM-DD HH:MM:SS"
// then what happened, written and flushed at once (a service's journal reads
// it line by line). It hears the inverters of the plant (joined, online,
// offline, faults beginning and ending), the link's state, the bus's messages
// and data files that could not be written.
class QEventPrinter : public QObject, public QInverterListener {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    // The same file error is printed again only after this long.
    static constexpr qint64 FileErrorRepeatSecs = 600;

    QEventPrinter(QSystemModel& plant, QIODevice* out, Clock clock, QObject* parent = nullptr);
    ~QEventPrinter() override;

    // Follows the link's state and takes the bus's messages.
    void Watch(QBusScheduler* bus);
    // Prints one line with the time stamp.
    void Print(const QString& text);
    // A data file that could not be written (the same one at most every ten minutes).
    void OnFileError(const QString& path, const QString& reason);

    void OnJoined(QInverter& inverter) override;
    void OnCommStateChanged(QInverter& inverter, int oldState, int newState) override;
    void OnFaultBegan(QInverter& inverter, int slot, qint32 code) override;
    void OnFaultEnded(QInverter& inverter, int slot, qint32 code) override;

    // "inverter 3 "Carport"": how the lines name an inverter.
    static QString Who(const QInverter& inverter);
    // "0010 Grid overvoltage": a fault code with its name, when it has one.
    static QString Fault(qint32 code);
    // Why a mail did not go (a failed outcome of the mail sender).
    static QString MailOutcome(int outcome);

private:
    void OnLinkStatus(const QString& text, bool connected);

    QSystemModel& m_Plant;
    QIODevice* m_pOut;
    Clock m_Clock;
    QString m_strLinkText;
    bool m_bLinkUp = false;
    bool m_bLinkKnown = false;
    QHash<QString, QDateTime> m_FileErrors; // path and reason, last printed
};
