// Bus throughput and scheduler cost.
//
//   wattsight-bench-bus poll  --device TTY --inverters N --seconds S --warmup W
//       polls a simulated plant on a serial line with the real 20 ms tick and
//       prints frames per second, bus utilisation at 9600 baud and the mean
//       refresh interval of each inverter's live data (mission 14).
//   wattsight-bench-bus tick --inverters N
//       prints the CPU time of one scheduler tick that chooses and sends a
//       mission, with N inverters in the plant, and of an idle tick that finds
//       nothing due.

#include "DataPaths.h"
#include "QBusScheduler.h"
#include "QInverter.h"
#include "QMissionModel.h"
#include "QSystemModel.h"
#include "SystemClock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

void AddInverters(QSystemModel& plant, int count) {
    for (int address = 1; address <= count; ++address) {
        auto* inverter = new QInverter;
        inverter->SetName(QString("Inv%1").arg(address));
        inverter->SetAddress(address);
        plant.AddInverter(inverter);
    }
}

int Poll(const QString& device, int inverters, int seconds, int warmup) {
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    QSystemModel plant;
    plant.SetSystemValue("CommunicationType", "0", false);
    plant.SetSystemValue("Com_device", device, false);
    QBusScheduler bus(&plant, &SystemClock::Now);
    bus.SetMessageCallback([](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    bus.OpenConfiguredLink();
    if (!bus.IsLinkOpen()) {
        return 1;
    }
    AddInverters(plant, inverters);

    bool measuring = false;
    qint64 frames = 0;
    qint64 bytes = 0;
    qint64 registers = 0;
    QHash<QInverter*, QList<qint64>> liveTimes;
    QElapsedTimer clock;
    QObject::connect(&bus, &QBusScheduler::ReplyAccepted, [&](QMissionModel* mission) {
        if (!measuring) {
            return;
        }
        QInverter* inverter = mission->Owner()->Inverter();
        ++frames;
        bytes += mission->TxLength() + mission->ExpectedLength();
        registers += mission->RegisterCount();
        if (mission->Code() == 14) {
            liveTimes[inverter].append(clock.elapsed());
        }
    });
    bus.Start();

    // Let every inverter come online and the first round of slow reads (the
    // hourly statistics, all due at start) pass, then measure the steady state.
    QTimer::singleShot(warmup * 1000, [&] {
        measuring = true;
        clock.start();
    });
    QTimer::singleShot((warmup + seconds) * 1000, qApp, &QCoreApplication::quit);
    qApp->exec();

    const double elapsed = clock.elapsed() / 1000.0;
    double intervalSum = 0;
    int intervalCount = 0;
    for (const QList<qint64>& times : liveTimes) {
        for (int i = 1; i < times.size(); ++i) {
            intervalSum += times[i] - times[i - 1];
            ++intervalCount;
        }
    }
    int online = 0;
    for (QInverter* inverter : plant.Inverters()) {
        online += inverter->CommState() == CommOnline ? 1 : 0;
    }
    std::printf("inverters=%d online=%d frames=%lld fps=%.2f utilisation=%.1f%% mean_registers=%.1f "
                "live_refresh_ms=%.0f\n",
                inverters, online, frames, frames / elapsed, 100.0 * bytes * 10 / 9600.0 / elapsed,
                frames ? double(registers) / frames : 0.0, intervalCount ? intervalSum / intervalCount : 0.0);
    return 0;
}

int Tick(int inverters) {
    QTemporaryDir dir;
    DataPaths::SetDataDir(dir.path());
    QSystemModel plant;
    // A TCP link to a local sink that never answers: the tick has a link to write on.
    QTcpServer sink;
    sink.listen(QHostAddress::LocalHost, 0);
    plant.SetSystemValue("CommunicationType", "1", false);
    plant.SetSystemValue("IPAddress", "127.0.0.1", false);
    plant.SetSystemValue("IP_number", QString::number(sink.serverPort()), false);
    QBusScheduler bus(&plant, &SystemClock::Now);
    bus.OpenConfiguredLink();
    while (!bus.IsLinkOpen()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    AddInverters(plant, inverters);
    // Steady state of a busy plant: every inverter online with its polls re-armed
    // at spread-out moments, so each tick searches all lists for the most overdue.
    for (QInverter* inverter : plant.Inverters()) {
        inverter->MissionList().SetEnabled(true);
        inverter->SetCommState(CommOnline);
        inverter->MissionList().ResetTimers();
    }
    QList<double> costs;
    for (int i = 0; i < 2000; ++i) {
        const double start = ThreadCpuMs();
        bus.OnCommunicateTimer();
        costs.append(ThreadCpuMs() - start);
        // Forget the mission so the next tick chooses again.
        if (QMissionModel* sent = bus.CurrentMission()) {
            bus.SetMissionDoing(sent);
            sent->SetBusy(false);
            sent->SetLastTime(SystemClock::CurrentTime());
        }
        QCoreApplication::processEvents();
    }
    std::sort(costs.begin(), costs.end());
    std::printf("inverters=%d tick_cpu_ms median=%.3f p95=%.3f max=%.3f\n", inverters,
                costs[costs.size() / 2], costs[costs.size() * 95 / 100], costs.last());
    // A quiet bus: every mission just answered, the ticks find nothing due.
    for (QInverter* inverter : plant.Inverters()) {
        inverter->MissionList().ResetTimers();
    }
    costs.clear();
    for (int i = 0; i < 2000; ++i) {
        const double start = ThreadCpuMs();
        bus.OnCommunicateTimer();
        costs.append(ThreadCpuMs() - start);
        if (bus.CurrentMission()) {
            break; // something fell due: no longer quiet
        }
    }
    std::sort(costs.begin(), costs.end());
    std::printf("inverters=%d idle_tick_cpu_ms median=%.4f p95=%.4f max=%.4f ticks=%lld\n", inverters,
                costs[costs.size() / 2], costs[costs.size() * 95 / 100], costs.last(),
                qlonglong(costs.size()));
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("mode", "poll or tick");
    parser.addOption({"device", "serial device of the program's end", "tty"});
    parser.addOption({"inverters", "number of inverters", "n", "8"});
    parser.addOption({"seconds", "measuring time", "s", "20"});
    parser.addOption({"warmup", "seconds before measuring", "s", "5"});
    parser.addHelpOption();
    parser.process(app);
    const QString mode = parser.positionalArguments().value(0);
    const int inverters = parser.value("inverters").toInt();
    if (mode == "poll") {
        return Poll(parser.value("device"), inverters, parser.value("seconds").toInt(),
                    parser.value("warmup").toInt());
    }
    if (mode == "tick") {
        return Tick(inverters);
    }
    parser.showHelp(2);
}
