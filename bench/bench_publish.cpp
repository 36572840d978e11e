// Publishing cost: the program's runtime polls a simulated plant over TCP with
// the real 20 ms scheduler tick, with publishing to a local broker on or off,
// and prints its CPU share and the regularity and cost of the tick.
//
//   wattsight-bench-publish --sim-port P --inverters N --seconds S --warmup W [--broker-port B]
//       without --broker-port publishing stays off.

#include "DataPaths.h"
#include "InverterData.h"
#include "QBusScheduler.h"
#include "QInverter.h"
#include "QInverterListener.h"
#include "QPlantRuntime.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {
double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// User and system time of the whole process, every thread included.
double ProcessCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// Counts the decoded reads while measuring.
class DecodeCounter : public QInverterListener {
public:
    bool measuring = false;
    qint64 decoded = 0;
    qint64 live = 0;
    void OnReplyDecoded(QInverter&, int code) override {
        if (measuring) {
            ++decoded;
            live += code == LiveRead ? 1 : 0;
        }
    }
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"sim-port", "TCP port of wattsight-sim", "port"});
    parser.addOption({"broker-port", "port of the MQTT broker; without it publishing is off", "port"});
    parser.addOption({"inverters", "number of inverters", "n", "64"});
    parser.addOption({"seconds", "measuring time", "s", "60"});
    parser.addOption({"warmup", "seconds before measuring", "s", "20"});
    parser.addHelpOption();
    parser.process(app);
    const int inverters = parser.value("inverters").toInt();
    const int seconds = parser.value("seconds").toInt();
    const int warmup = parser.value("warmup").toInt();
    const bool publishing = parser.isSet("broker-port");

    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    QPlantRuntime runtime;
    runtime.LoadSettings();
    QSystemModel& plant = runtime.Plant();
    plant.SetSystemValue("systemname", "Bench", false);
    plant.SetSystemValue("CommunicationType", "1", false);
    plant.SetSystemValue("IPAddress", "127.0.0.1", false);
    plant.SetSystemValue("IP_number", parser.value("sim-port"), false);
    if (publishing) {
        plant.SetSystemValue("MqttEnabled", "1", false);
        plant.SetSystemValue("MqttHost", "127.0.0.1", false);
        plant.SetSystemValue("MqttPort", parser.value("broker-port"), false);
        runtime.Publisher().ApplySettings();
    }
    runtime.OpenLink();
    for (int address = 1; address <= inverters; ++address) {
        auto* inverter = new QInverter;
        inverter->SetName(QString("Inv%1").arg(address));
        inverter->SetAddress(address);
        plant.AddInverter(inverter);
    }
    DecodeCounter counter;
    plant.AddInverterListener(&counter);
    runtime.StartRecording();

    bool measuring = false;
    QList<double> intervals; // ms between tick starts
    double tickCpu = 0;
    QElapsedTimer sinceTick;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (measuring) {
            if (sinceTick.isValid()) {
                intervals.append(sinceTick.nsecsElapsed() / 1e6);
            }
            sinceTick.start();
        }
        const double start = ThreadCpuMs();
        runtime.Bus()->OnCommunicateTimer();
        if (measuring) {
            tickCpu += ThreadCpuMs() - start;
        }
    });
    tick.start(20);

    double cpuStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(warmup * 1000, [&] {
        measuring = true;
        counter.measuring = true;
        cpuStart = ProcessCpuMs();
        wall.start();
    });
    QTimer::singleShot((warmup + seconds) * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = ProcessCpuMs() - cpuStart;
    const double elapsed = wall.elapsed();
    tick.stop();

    std::sort(intervals.begin(), intervals.end());
    double sum = 0;
    for (const double interval : intervals) {
        sum += interval;
    }
    int online = 0;
    for (QInverter* inverter : plant.Inverters()) {
        online += inverter->CommState() == CommOnline ? 1 : 0;
    }
    const int ticks = intervals.size() + 1;
    std::printf("publishing=%s connected=%s inverters=%d online=%d cpu_share=%.2f%% tick_mean_ms=%.2f "
                "tick_p99_ms=%.2f tick_max_ms=%.2f tick_cpu_us=%.1f reads_per_s=%.1f live_per_s=%.2f "
                "queued=%d dropped=%lld\n",
                publishing ? "on" : "off", runtime.Publisher().IsConnected() ? "yes" : "no", inverters,
                online, 100.0 * cpu / elapsed, intervals.isEmpty() ? 0.0 : sum / intervals.size(),
                intervals.isEmpty() ? 0.0 : intervals[intervals.size() * 99 / 100],
                intervals.isEmpty() ? 0.0 : intervals.last(), 1000.0 * tickCpu / ticks,
                1000.0 * counter.decoded / elapsed, 1000.0 * counter.live / elapsed,
                runtime.Publisher().Link().Queued(), runtime.Publisher().Link().DroppedLive());
    plant.RemoveInverterListener(&counter);
    runtime.Shutdown();
    return 0;
}
