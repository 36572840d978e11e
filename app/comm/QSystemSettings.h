#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class QSystemSettings;

// Told which key changed, with the context it was installed with.
using SystemListener = std::function<void(const QString& key, void* context)>;

// Where the settings are kept between runs (system.dat, provided by storage).
class QSettingsStore {
public:
    virtual ~QSettingsStore() = default;
    // Applies every stored entry with SetSystemValue; false when there is nothing to read.
    virtual bool Load(QSystemSettings& settings) = 0;
    virtual bool Save(const QSystemSettings& settings) = 0;
};

// The plant-wide settings: an ordered list of text keys and values, with typed
// copies of most values and their defaults. A store given by the owner keeps
// them between runs; without one nothing is loaded or saved.
class QSystemSettings {
public:
    // The standard keys in file order; a first run creates them all.
    static const QStringList& StandardKeys();

    QSystemSettings();

    // Stores the value (appending an unknown key), updates its typed copy, tells
    // the listener and saves when asked. An unchanged value does nothing at all.
    void SetSystemValue(const QString& key, const QString& value, bool save);
    // The stored value, or the default when the key is missing or empty.
    QString GetSystemValue(const QString& key, const QString& defaultValue = QString()) const;

    // Through the store; false without one.
    bool SaveSystemFile() const;
    bool LoadSystemFile();
    // Loads the stored settings, or stores the standard keys when there are none.
    void InitSystemFile();
    void SetStore(QSettingsStore* store) { m_pStore = store; }
    QSettingsStore* Store() const { return m_pStore; }

    void SetSystemListener(SystemListener listener, void* context);

    const QList<QPair<QString, QString>>& Entries() const { return m_Entries; }

    // Typed copies.
    QString SystemName() const { return m_strSystemName; }
    QString SystemExplain() const { return m_strSystemExplain; }
    QString Country() const { return m_strCountry; }
    QString City() const { return m_strCity; }
    int Price() const { return m_nPrice; }
    int Latitude() const { return m_nLatitude; }
    int Longitude() const { return m_nLongitude; }
    int SystemType() const { return m_nSystemType; }
    int CommunicationType() const { return m_nCommunicationType; }
    int ComNumber() const { return m_nComNumber; }
    int BaudRate() const { return m_nBaudRate; }
    QString IPAddress() const { return m_strIPAddress; }
    int IPNumber() const { return m_nIPNumber; }
    QString DataSavePath() const { return m_strDataSavePath; }
    QString CurrencyUnit() const { return m_strCurrencyUnit; }
    QString EmailServer() const { return m_strEmailServer; }
    QString EmailLogonName() const { return m_strEmailLogonName; }
    QString EmailLogonKey() const { return m_strEmailLogonKey; }
    QString EmailFrom() const { return m_strEmailFrom; }
    QString EmailTo() const { return m_strEmailTo; }
    QString PassWord() const { return m_strPassWord; }
    QString SolarManufacturer() const { return m_strSolarManufacturer; }
    QString SolarModel() const { return m_strSolarModel; }
    QString SolarType() const { return m_strSolarType; }
    int SolarPower() const { return m_nSolarPower; }
    int SolarCount() const { return m_nSolarCount; }
    int SolarAngel() const { return m_nSolarAngel; }
    int SolarAzimuth() const { return m_nSolarAzimuth; }
    QString InverterType1() const { return m_strInverterType1; }
    QString InverterType3() const { return m_strInverterType3; }
    QString GridWiring1() const { return m_strGridWiring1; }
    QString GridWiring3() const { return m_strGridWiring3; }
    int GridVoltage1() const { return m_nGridVoltage1; }
    int GridVoltage3() const { return m_nGridVoltage3; }
    int GridFre1() const { return m_nGridFre1; }
    int GridFre3() const { return m_nGridFre3; }
    // Total PV power in W: SolarPower times SolarCount.
    qint64 TotalPower() const { return m_nTotalPower; }

private:
    void ApplySystemValue(const QString& key, const QString& value);
    int IndexOf(const QString& key) const;

    QList<QPair<QString, QString>> m_Entries;
    SystemListener m_Listener;
    void* m_pListenerContext = nullptr;
    QSettingsStore* m_pStore = nullptr;

    QString m_strSystemName;
    QString m_strSystemExplain;
    QString m_strCountry;
    QString m_strCity;
    int m_nPrice = 0;
    int m_nLatitude = 0;
    int m_nLongitude = 0;
    int m_nSystemType = 0;
    int m_nCommunicationType = 0;
    int m_nComNumber = 0;
    int m_nBaudRate = 0;
    QString m_strIPAddress;
    int m_nIPNumber = 0;
    QString m_strDataSavePath;
    QString m_strCurrencyUnit;
    QString m_strEmailServer;
    QString m_strEmailLogonName;
    QString m_strEmailLogonKey;
    QString m_strEmailFrom;
    QString m_strEmailTo;
    QString m_strPassWord;
    QString m_strSolarManufacturer;
    QString m_strSolarModel;
    QString m_strSolarType;
    int m_nSolarPower = 0;
    int m_nSolarCount = 0;
    int m_nSolarAngel = 0;
    int m_nSolarAzimuth = 0;
    QString m_strInverterType1;
    QString m_strInverterType3;
    QString m_strGridWiring1;
    QString m_strGridWiring3;
    int m_nGridVoltage1 = 0;
    int m_nGridVoltage3 = 0;
    int m_nGridFre1 = 0;
    int m_nGridFre3 = 0;
    qint64 m_nTotalPower = 0;
};
