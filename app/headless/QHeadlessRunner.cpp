#include "QHeadlessRunner.h"

#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QFileErrors.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QCoreApplication>
#include <QDir>

QHeadlessRunner::QHeadlessRunner(QIODevice* out, QObject* parent)
    : QObject(parent), m_Printer(m_Runtime.Plant(), out, &SystemClock::Now) {
    m_Printer.Watch(m_Runtime.Bus());
    QFileErrors::SetListener(
        [this](const QString& path, const QString& reason) { m_Printer.OnFileError(path, reason); });
    connect(&m_Runtime.Publisher(), &QPlantPublisher::Logged, this,
            [this](const QString& text) { m_Printer.Print(QStringLiteral("publishing: ") + text); });
    connect(&m_Runtime.MailQueue(), &QAlertQueue::Sent, this,
            [this](const QString& subject) { m_Printer.Print(QStringLiteral("mail sent: ") + subject); });
    connect(&m_Runtime.MailQueue(), &QAlertQueue::Failed, this, [this](const QString& subject, int outcome) {
        m_Printer.Print(QStringLiteral("mail not sent (%1), kept to try again: %2")
                            .arg(QEventPrinter::MailOutcome(outcome), subject));
    });
    connect(&m_AutoConnectTimer, &QTimer::timeout, m_Runtime.Bus(), &QBusScheduler::OnAutoConnectTimer);
}

QHeadlessRunner::~QHeadlessRunner() {
    if (m_bRunning) {
        Stop(QString());
    }
    QFileErrors::SetListener(nullptr);
}

void QHeadlessRunner::Start() {
    m_Printer.Print(
        QStringLiteral("Tivra Wattsight %1 without a window, data directory %2")
            .arg(QCoreApplication::applicationVersion(), QDir::toNativeSeparators(DataPaths::DataDir())));
    m_Runtime.LoadSettings();
    KeepLanguage();
    m_Runtime.OpenLink();
    m_Runtime.LoadInverters();
    m_Runtime.StartRecording();
    m_Runtime.Bus()->Start();
    m_AutoConnectTimer.start(AutoConnectInterval);
    m_bRunning = true;
}

void QHeadlessRunner::KeepLanguage() {
    // The window stores the language it applies at start, English for none or an
    // unknown one; the logger leaves system.dat as the window would.
    const char* const names[] = {"English", "Chinese", "Frensh", "Italian"};
    QSystemModel& plant = m_Runtime.Plant();
    const QString stored = plant.GetSystemValue(QStringLiteral("language"));
    QString language = QLatin1String(names[0]);
    for (const char* name : names) {
        if (stored == QLatin1String(name)) {
            language = stored;
        }
    }
    plant.SetSystemValue(QStringLiteral("language"), language, false);
}

void QHeadlessRunner::Stop(const QString& why) {
    if (!m_bRunning) {
        return;
    }
    m_bRunning = false;
    m_Runtime.Bus()->Stop();
    m_AutoConnectTimer.stop();
    if (!why.isEmpty()) {
        m_Printer.Print(QStringLiteral("stopping: ") + why);
    }
    if (m_Runtime.Shutdown()) {
        m_Printer.Print(QStringLiteral("stopped; inverter.dat and system.dat written"));
    } else {
        m_Printer.Print(QStringLiteral("stopped; inverter.dat or system.dat could not be written"));
    }
}
