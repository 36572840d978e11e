#include "StartupOptions.h"

#include "DataPaths.h"

bool StartupOptions::Parse(const QStringList& arguments) {
    m_strDataDir = qEnvironmentVariable("WATTSIGHT_DATA_DIR");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        auto value = [&](const QString& option, QString* target) {
            if (arg.startsWith(option + QLatin1Char('='))) {
                *target = arg.mid(option.size() + 1);
            } else if (i + 1 < arguments.size()) {
                *target = arguments.at(++i);
            } else {
                m_strError = option + QStringLiteral(" needs a directory");
                return false;
            }
            if (target->isEmpty()) {
                m_strError = option + QStringLiteral(" needs a directory");
                return false;
            }
            return true;
        };
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            m_bHelp = true;
        } else if (arg == QLatin1String("-v") || arg == QLatin1String("--version")) {
            m_bVersion = true;
        } else if (arg == QLatin1String("--headless")) {
            m_bHeadless = true;
        } else if (arg == QLatin1String("--data-dir") || arg.startsWith(QLatin1String("--data-dir="))) {
            if (!value(QStringLiteral("--data-dir"), &m_strDataDir)) {
                return false;
            }
        } else if (arg == QLatin1String("--screenshot") || arg.startsWith(QLatin1String("--screenshot="))) {
            if (!value(QStringLiteral("--screenshot"), &m_strScreenshotDir)) {
                return false;
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            // Single-dash options (-platform, -style, -display...) are Qt's own.
            m_strError = QStringLiteral("unknown option: ") + arg;
            return false;
        }
    }
    return true;
}

QString StartupOptions::EffectiveDataDir() const {
    return m_strDataDir.isEmpty() ? DataPaths::DefaultDataDir() : m_strDataDir;
}

QString StartupOptions::HelpText() {
    return QStringLiteral(
        "Usage: wattsight [options]\n"
        "\n"
        "Tivra Wattsight monitors a photovoltaic plant of inverters on one RS-485 bus.\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR     keep the settings, the inverter list and the records in DIR\n"
        "                     (default: the folder \"data\" beside the program; once\n"
        "                     installed, $XDG_DATA_HOME/wattsight, that is\n"
        "                     ~/.local/share/wattsight, and /var/lib/wattsight for the\n"
        "                     service; the environment variable WATTSIGHT_DATA_DIR does\n"
        "                     the same as this option). One copy of the program runs\n"
        "                     per data directory, with or without its window.\n"
        "  --headless         run the plant without a window and without a display:\n"
        "                     poll, record and write one time-stamped line per event\n"
        "                     (link up or down, inverter online or offline, fault began\n"
        "                     or ended, file errors) to standard output. SIGTERM or\n"
        "                     SIGINT ends it after writing the inverter list and the\n"
        "                     settings. The service wattsight.service runs this.\n"
        "  --screenshot DIR   show the main window, the mini window and a message box,\n"
        "                     save each as a PNG in DIR, then end (demo pictures).\n"
        "  -h, --help         this text.\n"
        "  -v, --version      the version.\n"
        "\n"
        "Start-up plug-ins are taken from the folder \"plugins\" beside the program.\n"
        "SIGTERM and SIGINT end the program like closing it: the inverter list and the\n"
        "settings are written first.\n"
        "\n"
        "Environment:\n"
        "  WATTSIGHT_MESSAGE_ANSWER=0|1  answer every message box with No (0) or OK/Yes\n"
        "                     (1) and print its text, instead of waiting for a click\n"
        "                     (also the behaviour without a display, -platform offscreen).\n");
}
