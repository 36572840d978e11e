#pragma once

#include "QEventPrinter.h"
#include "QPlantRuntime.h"

#include <QObject>
#include <QTimer>

class QIODevice;

// The plant without a window: the working plant of the window (settings,
// inverters, bus scheduler with its link, recorder, publisher) on the same
// data directory and files, polled by the scheduler's own 20 ms tick and a
// 10 s reconnect, with every event (the publisher's among them) printed as a
// line. The headless entry point owns one for the life of the event loop.
class QHeadlessRunner : public QObject {
    Q_OBJECT
public:
    static constexpr int AutoConnectInterval = 10000;

    explicit QHeadlessRunner(QIODevice* out, QObject* parent = nullptr);
    ~QHeadlessRunner() override;

    // Loads the settings, opens the configured link, adds the inverters of
    // inverter.dat and starts recording and polling.
    void Start();
    // Stops polling, writes inverter.dat and system.dat and closes the link; says so.
    void Stop(const QString& why);

    QPlantRuntime& Runtime() { return m_Runtime; }
    QEventPrinter& Printer() { return m_Printer; }

private:
    void KeepLanguage();

    QPlantRuntime m_Runtime;
    QEventPrinter m_Printer;
    QTimer m_AutoConnectTimer;
    bool m_bRunning = false;
};
