#include "GprsClientLink.h"
#include "ModelTable.h"
#include "ReplyShaper.h"
#include "SerialLink.h"
#include "SignalWatcher.h"
#include "SimLog.h"
#include "SimOptions.h"
#include "SimPlant.h"
#include "TcpServerLink.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <csignal>
#include <cstdio>

namespace {
void PrintOut(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wattsight-sim"));
    // A master that hangs up while a reply is written must not end the simulator.
    std::signal(SIGPIPE, SIG_IGN);

    SimOptions options;
    QString error;
    switch (SimOptions::Parse(app.arguments().mid(1), &options, &error)) {
    case SimOptions::Outcome::Help:
        PrintOut(SimOptions::HelpText());
        return 0;
    case SimOptions::Outcome::Error:
        SimLog::Line(error);
        return 2;
    case SimOptions::Outcome::Run:
        break;
    }

    const quint32 seed = options.seedGiven ? options.seed : QRandomGenerator::system()->generate();
    SimPlant plant(options, seed);
    ReplyShaper shaper(options, seed);

    QStringList members;
    for (const InverterEntry& entry : std::as_const(options.inverters)) {
        const SimModel model = ModelTable::Lookup(entry.model);
        members << QStringLiteral("%1 \"%2\" %3 W%4%5")
                       .arg(entry.address)
                       .arg(entry.model)
                       .arg(model.ratedPower)
                       .arg(model.known ? QString() : QStringLiteral(" (not in the model table)"))
                       .arg(options.silent.contains(entry.address) ? QStringLiteral(" (silent)") : QString());
    }
    SimLog::Line(QStringLiteral("plant of %1 inverter(s): %2")
                     .arg(members.size())
                     .arg(members.join(QStringLiteral(", "))));
    SimLog::Line(QStringLiteral("clock starts at %1, time scale %2, seed %3")
                     .arg(plant.Clock().Start().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                     .arg(options.timeScale)
                     .arg(seed));

    QStringList ready;
    if (options.tcpPort >= 0) {
        auto* link = new TcpServerLink(&plant, &shaper, options.verbose, &app);
        if (!link->Listen(options.bindAddress, options.tcpPort, &error)) {
            SimLog::Line(error);
            return 1;
        }
        ready << link->Description();
    }
    if (!options.serialDevice.isEmpty()) {
        auto* link = new SerialLink(&plant, &shaper, options.verbose, &app);
        if (!link->Open(options.serialDevice, options.baud, &error)) {
            SimLog::Line(error);
            return 1;
        }
        ready << link->Description();
    }
    if (!options.gprsHost.isEmpty()) {
        auto* link = new GprsClientLink(&plant, &shaper, options.verbose, &app);
        link->Start(options.gprsHost, options.gprsPort, options.gprsRetryMs);
        ready << link->Description();
    }

    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::Terminated, &app, [](int number) {
        SimLog::Line(QStringLiteral("signal %1, shutting down").arg(number));
        QCoreApplication::quit();
    });
    for (const QString& link : std::as_const(ready)) {
        PrintOut(QStringLiteral("wattsight-sim: listening on %1").arg(link));
    }
    return app.exec();
}
