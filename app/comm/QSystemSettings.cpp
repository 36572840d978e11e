#include "QSystemSettings.h"

const QStringList& QSystemSettings::StandardKeys() {
    static const QStringList keys = {
        QStringLiteral("systemname"),
        QStringLiteral("systemexplain"),
        QStringLiteral("language"),
        QStringLiteral("Country"),
        QStringLiteral("City"),
        QStringLiteral("price"),
        QStringLiteral("Latitude"),
        QStringLiteral("Longitude"),
        QStringLiteral("Wind"),
        QStringLiteral("SystemType"),
        QStringLiteral("CommunicationType"),
        QStringLiteral("Com_number"),
        QStringLiteral("Baud_rate"),
        QStringLiteral("IPAddress"),
        QStringLiteral("IP_number"),
        QStringLiteral("DataSavePath"),
        QStringLiteral("CurrencyUnit"),
        QStringLiteral("EmailServer"),
        QStringLiteral("EmailLogonName"),
        QStringLiteral("EmailLogonKey"),
        QStringLiteral("EmailFrom"),
        QStringLiteral("EmailTo"),
        QStringLiteral("PassWord"),
        QStringLiteral("SolarManufacturer"),
        QStringLiteral("SolarModel"),
        QStringLiteral("SolarType"),
        QStringLiteral("SolarPower"),
        QStringLiteral("SolarCount"),
        QStringLiteral("SolarAngel"),
        QStringLiteral("SolarAzimuth"),
        QStringLiteral("InverterType_1"),
        QStringLiteral("InverterType_3"),
        QStringLiteral("GridWiring_1"),
        QStringLiteral("GridWiring_3"),
        QStringLiteral("GridVoltage_1"),
        QStringLiteral("GridVoltage_3"),
        QStringLiteral("GridFre_1"),
        QStringLiteral("GridFre_3"),
        QStringLiteral("GPRS_Number"),
    };
    return keys;
}

namespace {
// Decimal conversion; text that is not an integer gives 0.
int ToInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

// The grid's ratings are stored as entered, with a decimal ("230.5", "50.00");
// their copies keep the whole part. Read as integers they would all be 0.
int WholePart(const QString& text) {
    const int point = text.indexOf(QLatin1Char('.'));
    return ToInt(point < 0 ? text : text.left(point));
}

QString OrDefault(const QString& value, const char* fallback) {
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}
} // namespace

// The typed copies start at the values an empty setting gives, so a file
// lacking a key still yields usable settings.
QSystemSettings::QSystemSettings()
    : m_strSystemName(QStringLiteral("System Name")), m_nPrice(68), m_nComNumber(1), m_nBaudRate(9600),
      m_strIPAddress(QStringLiteral("192.168.16.254")), m_nIPNumber(8011),
      m_strDataSavePath(QStringLiteral("data\\")), m_strCurrencyUnit(QStringLiteral("$")),
      m_strPassWord(QStringLiteral("739146")) {}

int QSystemSettings::IndexOf(const QString& key) const {
    for (int i = 0; i < m_Entries.size(); ++i) {
        if (m_Entries.at(i).first == key) {
            return i;
        }
    }
    return -1;
}

void QSystemSettings::SetSystemValue(const QString& key, const QString& value, bool save) {
    const int index = IndexOf(key);
    if (index >= 0) {
        if (m_Entries.at(index).second == value) {
            return;
        }
        m_Entries[index].second = value;
    } else {
        m_Entries.append(qMakePair(key, value));
    }
    ApplySystemValue(key, value);
    if (save) {
        SaveSystemFile();
    }
}

QString QSystemSettings::GetSystemValue(const QString& key, const QString& defaultValue) const {
    const int index = IndexOf(key);
    if (index < 0 || m_Entries.at(index).second.isEmpty()) {
        return defaultValue;
    }
    return m_Entries.at(index).second;
}

void QSystemSettings::ApplySystemValue(const QString& key, const QString& value) {
    if (key == QLatin1String("systemname")) {
        m_strSystemName = OrDefault(value, "System Name");
    } else if (key == QLatin1String("systemexplain")) {
        m_strSystemExplain = value;
    } else if (key == QLatin1String("Country")) {
        m_strCountry = value;
    } else if (key == QLatin1String("City")) {
        m_strCity = value;
    } else if (key == QLatin1String("price")) {
        m_nPrice = value.isEmpty() ? 68 : ToInt(value);
    } else if (key == QLatin1String("Latitude")) {
        m_nLatitude = ToInt(value);
    } else if (key == QLatin1String("Longitude")) {
        m_nLongitude = ToInt(value);
    } else if (key == QLatin1String("SystemType")) {
        m_nSystemType = ToInt(value);
    } else if (key == QLatin1String("CommunicationType")) {
        m_nCommunicationType = ToInt(value);
    } else if (key == QLatin1String("Com_number")) {
        m_nComNumber = ToInt(OrDefault(value, "1"));
    } else if (key == QLatin1String("Baud_rate")) {
        m_nBaudRate = ToInt(OrDefault(value, "9600"));
    } else if (key == QLatin1String("IPAddress")) {
        m_strIPAddress = OrDefault(value, "192.168.16.254");
    } else if (key == QLatin1String("IP_number")) {
        m_nIPNumber = value.isEmpty() ? 8011 : ToInt(value);
    } else if (key == QLatin1String("DataSavePath")) {
        m_strDataSavePath = OrDefault(value, "data\\");
    } else if (key == QLatin1String("CurrencyUnit")) {
        if (value.isEmpty()) {
            // Stores "$" itself; that inner call applies it and tells the listener.
            SetSystemValue(key, QStringLiteral("$"), false);
            return;
        }
        m_strCurrencyUnit = value;
    } else if (key == QLatin1String("EmailServer")) {
        m_strEmailServer = value;
    } else if (key == QLatin1String("EmailLogonName")) {
        m_strEmailLogonName = value;
    } else if (key == QLatin1String("EmailLogonKey")) {
        m_strEmailLogonKey = value;
    } else if (key == QLatin1String("EmailFrom")) {
        m_strEmailFrom = value;
    } else if (key == QLatin1String("EmailTo")) {
        m_strEmailTo = value;
    } else if (key == QLatin1String("PassWord")) {
        m_strPassWord = OrDefault(value, "739146");
    } else if (key == QLatin1String("SolarManufacturer")) {
        m_strSolarManufacturer = value;
    } else if (key == QLatin1String("SolarModel")) {
        m_strSolarModel = value;
    } else if (key == QLatin1String("SolarType")) {
        m_strSolarType = value;
    } else if (key == QLatin1String("SolarPower")) {
        m_nSolarPower = ToInt(value);
        m_nTotalPower = qint64(m_nSolarPower) * m_nSolarCount;
    } else if (key == QLatin1String("SolarCount")) {
        m_nSolarCount = ToInt(value);
        m_nTotalPower = qint64(m_nSolarPower) * m_nSolarCount;
    } else if (key == QLatin1String("SolarAngel")) {
        m_nSolarAngel = ToInt(value);
    } else if (key == QLatin1String("SolarAzimuth")) {
        m_nSolarAzimuth = ToInt(value);
    } else if (key == QLatin1String("InverterType_1")) {
        if (!value.isEmpty()) {
            m_strInverterType1 = value;
        }
    } else if (key == QLatin1String("InverterType_3")) {
        if (!value.isEmpty()) {
            m_strInverterType3 = value;
        }
    } else if (key == QLatin1String("GridWiring_1")) {
        m_strGridWiring1 = value;
    } else if (key == QLatin1String("GridWiring_3")) {
        m_strGridWiring3 = value;
    } else if (key == QLatin1String("GridVoltage_1")) {
        m_nGridVoltage1 = WholePart(value);
    } else if (key == QLatin1String("GridVoltage_3")) {
        m_nGridVoltage3 = WholePart(value);
    } else if (key == QLatin1String("GridFre_1")) {
        m_nGridFre1 = WholePart(value);
    } else if (key == QLatin1String("GridFre_3")) {
        m_nGridFre3 = WholePart(value);
    }
    // "language", "Wind", "GPRS_Number", "begintime" and unknown keys keep no copy.
    if (m_Listener) {
        m_Listener(key, m_pListenerContext);
    }
}

bool QSystemSettings::SaveSystemFile() const {
    return m_pStore && m_pStore->Save(*this);
}

bool QSystemSettings::LoadSystemFile() {
    return m_pStore && m_pStore->Load(*this);
}

void QSystemSettings::InitSystemFile() {
    if (LoadSystemFile()) {
        return;
    }
    for (const QString& key : StandardKeys()) {
        SetSystemValue(key, QString(), false);
    }
    SaveSystemFile();
}

void QSystemSettings::SetSystemListener(SystemListener listener, void* context) {
    m_Listener = std::move(listener);
    m_pListenerContext = context;
}
