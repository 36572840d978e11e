#include "QEventLog.h"

#include "SystemClock.h"

#include <QCoreApplication>

namespace {
struct ListenerSlot {
    LogListener m_Listener;
    void* m_pContext = nullptr;
};

ListenerSlot& Listener() {
    static ListenerSlot slot;
    return slot;
}

const QInverter*& Current() {
    static const QInverter* current = nullptr;
    return current;
}

// Splits "first/second" at the first slash; a text without one is all first part.
void SplitPair(const QString& argument, QString* first, QString* second) {
    const int slash = argument.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        *first = argument;
        second->clear();
        return;
    }
    *first = argument.left(slash);
    *second = argument.mid(slash + 1);
}

QString TimeStampLine() {
    const QDateTime now = SystemClock::Now();
    const QDate d = now.date();
    const QTime t = now.time();
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

// The lines an event adds after its time stamp; none for kinds without text.
QStringList EventLines(int kind, const QString& argument) {
    QString first;
    QString second;
    switch (kind) {
    case 0:
        SplitPair(argument, &first, &second);
        return {QCoreApplication::translate("QInverter", "   Change the inverter name."),
                QCoreApplication::translate("QInverter", "      The original name:") + first,
                QCoreApplication::translate("QInverter", "      The current name:") + second};
    case 1:
        return {QCoreApplication::translate("QInverter", "   Communication status change."),
                QCoreApplication::translate("QInverter", "      Inverter ") +
                    QCoreApplication::translate("QInverter", argument.toUtf8().constData())};
    case 2:
        return {QEventLog::FaultBeganLine(),
                QCoreApplication::translate("QInverter", "      The fault code: ") + argument};
    case 3:
        return {QCoreApplication::translate("QInverter", "   Fault end!"),
                QCoreApplication::translate("QInverter", "      The fault code: ") + argument};
    case 4:
        return {QCoreApplication::translate("QInverter", "   Inverter add to the system!")};
    case 10:
        return {QCoreApplication::translate("QInverter", "   Command not delivered!"),
                QStringLiteral("      ") + argument};
    case 9:
        SplitPair(argument, &first, &second);
        return {QCoreApplication::translate("QInverter", "   Inverter status change!"),
                QStringLiteral("      ") + first + QCoreApplication::translate("QInverter", " to ") + second};
    case 1018:
        return {QCoreApplication::translate("QInverter", "   Setting time of inverter!")};
    case 1019:
        return {QCoreApplication::translate("QInverter", "   Setting the language of inverter!")};
    case 1020:
        return {QCoreApplication::translate("QInverter", "   Setting the monetary unit of inverter!")};
    case 1021:
        return {QCoreApplication::translate("QInverter", "   Setting the price!")};
    case 1022:
        return {QCoreApplication::translate("QInverter", "   Setting the max output power!")};
    case 1027:
        return {QCoreApplication::translate("QInverter", "   Setting the user label!")};
    default:
        return {};
    }
}

// lupdate only sees literal texts; the status texts of kind 1 arrive as arguments.
[[maybe_unused]] const char* const StatusTexts[] = {
    QT_TRANSLATE_NOOP("QInverter", "Already connected!"),
    QT_TRANSLATE_NOOP("QInverter", "Disconnect"),
};
} // namespace

void QEventLog::LogEvent(const QInverter* owner, int kind, const QString& argument) {
    const QStringList lines = EventLines(kind, argument);
    if (!lines.isEmpty()) {
        m_Lines.append(TimeStampLine());
        m_Lines.append(lines);
        const int excess = m_Lines.size() - MaxLines;
        if (excess > 0) {
            m_Lines.erase(m_Lines.begin(), m_Lines.begin() + excess);
            // Lines dropped before the listener saw them are gone for it too.
            m_nDelivered = qMax(0, m_nDelivered - excess);
        }
    }
    if (!Listener().m_Listener || owner == nullptr || owner != Current()) {
        return;
    }
    // A copy, because the listener may install another one or log again while it runs.
    const ListenerSlot slot = Listener();
    while (m_nDelivered < m_Lines.size()) {
        const QString line = m_Lines.at(m_nDelivered);
        ++m_nDelivered;
        slot.m_Listener(line, slot.m_pContext);
    }
}

const char* const QEventLog::FaultBeganText = QT_TRANSLATE_NOOP("QInverter", "   Fault began!");

QString QEventLog::FaultBeganLine() {
    return QCoreApplication::translate("QInverter", FaultBeganText);
}

void QEventLog::SetListener(LogListener listener, void* context) {
    Listener().m_Listener = std::move(listener);
    Listener().m_pContext = context;
}

void QEventLog::RemoveListener(void* context) {
    if (Listener().m_pContext == context) {
        Listener() = ListenerSlot();
    }
}

void QEventLog::SetCurrentInverter(const QInverter* inverter) {
    Current() = inverter;
}

const QInverter* QEventLog::CurrentInverter() {
    return Current();
}
