#include "QEventPrinter.h"

#include "QAlertQueue.h"
#include "QBusScheduler.h"
#include "QFaultTable.h"
#include "QInverter.h"
#include "QServer.h"
#include "QSystemModel.h"

#include <QFileDevice>
#include <QIODevice>

QEventPrinter::QEventPrinter(QSystemModel& plant, QIODevice* out, Clock clock, QObject* parent)
    : QObject(parent), m_Plant(plant), m_pOut(out), m_Clock(std::move(clock)) {
    m_Plant.AddInverterListener(this);
}

QEventPrinter::~QEventPrinter() {
    m_Plant.RemoveInverterListener(this);
}

void QEventPrinter::Watch(QBusScheduler* bus) {
    connect(bus, &QBusScheduler::StatusChanged, this, &QEventPrinter::OnLinkStatus);
    bus->SetMessageCallback([this](const QString& text) { Print(QStringLiteral("message: ") + text); });
}

void QEventPrinter::Print(const QString& text) {
    const QByteArray line =
        (m_Clock().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + text + QLatin1Char('\n')).toUtf8();
    m_pOut->write(line);
    // A file (a pipe to the journal) keeps nothing back; a socket or a test's buffer has nothing to flush.
    if (auto* file = qobject_cast<QFileDevice*>(m_pOut)) {
        file->flush();
    }
}

void QEventPrinter::OnFileError(const QString& path, const QString& reason) {
    const QString key = path + QLatin1Char('\n') + reason;
    const QDateTime now = m_Clock();
    const auto last = m_FileErrors.constFind(key);
    if (last != m_FileErrors.constEnd() && last.value().secsTo(now) < FileErrorRepeatSecs) {
        return;
    }
    m_FileErrors.insert(key, now);
    Print(QStringLiteral("file error: ") + path + QStringLiteral(": ") + reason);
}

QString QEventPrinter::Who(const QInverter& inverter) {
    return QStringLiteral("inverter %1 \"%2\"").arg(inverter.Address()).arg(inverter.Name());
}

QString QEventPrinter::Fault(qint32 code) {
    const QString hex = QStringLiteral("%1").arg(quint16(code), 4, 16, QLatin1Char('0')).toUpper();
    const QString name = FaultName(code);
    return name.isEmpty() ? hex : hex + QLatin1Char(' ') + name;
}

QString QEventPrinter::MailOutcome(int outcome) {
    switch (outcome) {
    case QAlertQueue::NoAccount:
        return QStringLiteral("no mail account or recipient set");
    case QServer::NoConnection:
        return QStringLiteral("no connection to the mail server");
    case QServer::Refused:
        return QStringLiteral("the mail server refused it");
    case QServer::Untrusted:
        return QStringLiteral("the mail server's certificate is not trusted");
    case QServer::NoEncryption:
        return QStringLiteral("no encrypted connection to the mail server");
    default:
        return QStringLiteral("outcome %1").arg(outcome);
    }
}

void QEventPrinter::OnJoined(QInverter& inverter) {
    const QString joined =
        Who(inverter) + QStringLiteral(": in the plant (") + inverter.ModelName() + QLatin1Char(')');
    if (!inverter.IsAnalog()) {
        Print(joined);
    } else if (inverter.CommState() == CommOnline) {
        Print(joined + QStringLiteral(", replaying analog.db"));
    } else {
        Print(joined + QStringLiteral(": Load analog data failed!"));
    }
}

void QEventPrinter::OnCommStateChanged(QInverter& inverter, int oldState, int newState) {
    // The analog device does not communicate: its state follows analog.db (told when it joins).
    if (inverter.IsAnalog()) {
        return;
    }
    if (newState == CommOnline) {
        Print(Who(inverter) + QStringLiteral(": online"));
    } else if (newState == CommOffline && oldState != CommOffline) {
        Print(Who(inverter) + QStringLiteral(": offline"));
    }
}

void QEventPrinter::OnFaultBegan(QInverter& inverter, int, qint32 code) {
    Print(Who(inverter) + QStringLiteral(": fault began ") + Fault(code));
}

void QEventPrinter::OnFaultEnded(QInverter& inverter, int, qint32 code) {
    Print(Who(inverter) + QStringLiteral(": fault ended ") + Fault(code));
}

void QEventPrinter::OnLinkStatus(const QString& text, bool connected) {
    if (m_bLinkKnown && text == m_strLinkText && connected == m_bLinkUp) {
        return;
    }
    m_bLinkKnown = true;
    m_strLinkText = text;
    m_bLinkUp = connected;
    Print((connected ? QStringLiteral("link up: ") : QStringLiteral("link down: ")) + text);
}
