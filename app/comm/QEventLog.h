#pragma once

#include <QStringList>
#include <functional>

class QInverter;

// The kinds of event an inverter logs; settings written to the inverter log
// EventSettingWritten + their mission code.
enum EventKind {
    EventRefresh = -1, // no text: only passes undelivered lines on
    EventRename = 0,
    EventCommStatus = 1,
    EventFaultBegan = 2,
    EventFaultEnded = 3,
    EventJoined = 4,
    EventNotDelivered = 10, // a one-shot mission dropped undelivered; argument: what it was
    EventStatusChange = 9,
    EventSettingWritten = 1000,
};

// Receives each new event line of the current inverter, oldest first.
using LogListener = std::function<void(const QString& line, void* context)>;

// The event lines of one inverter (faults beginning and ending, state and
// communication changes, renames, settings written), at most the newest 100.
class QEventLog {
public:
    static constexpr int MaxLines = 100;
    // The line that opens a fault's beginning (kind 2), before translation (context
    // "QInverter"); the status page reloads its fault records when it arrives.
    static const char* const FaultBeganText;
    // FaultBeganText in the current language, as the listener receives it.
    static QString FaultBeganLine();

    // Appends the lines of one event (time stamp first); kinds without text
    // only pass undelivered lines on when owner is the current inverter.
    void LogEvent(const QInverter* owner, int kind, const QString& argument);

    const QStringList& Lines() const { return m_Lines; }
    int Delivered() const { return m_nDelivered; }
    // Hands every kept line out again on the next event (another inverter was selected).
    void ResetDelivered() { m_nDelivered = 0; }

    // Process-wide: the listener (the status page) and the inverter selected in
    // the browser, whose lines reach the listener.
    static void SetListener(LogListener listener, void* context);
    // Removes the listener if it is still the one installed with this context.
    static void RemoveListener(void* context);
    static void SetCurrentInverter(const QInverter* inverter);
    static const QInverter* CurrentInverter();

private:
    QStringList m_Lines;
    int m_nDelivered = 0;
};
