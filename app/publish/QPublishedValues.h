#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QInverter;

// The live values an inverter's topics carry, each as a plain number in a
// fixed unit, with what a home-automation system needs to know of it.
struct QPublishedValue {
    enum Presence {
        Always,
        SecondTrack, // models above 3000 W have a second PV track
        ThreePhase,  // phases V and W of three-phase models
    };

    const char* key;  // topic level and JSON key
    const char* name; // entity name, without the device's
    int item;         // live data item
    int divisor;      // from the device's unit to the published one
    int decimals;
    const char* unit;
    const char* deviceClass;
    const char* stateClass;
    int sourceRead; // the poll that fills the item
    Presence presence;

    bool IsEnergy() const;
    bool IsPower() const;
    // The value in the published unit as text, e.g. "350.2" for 3502 tenths.
    QByteArray Format(qint64 raw) const;
    double Scaled(qint64 raw) const { return double(raw) / divisor; }
};

class QPublishedValues {
public:
    static const QList<QPublishedValue>& All();
    // Those the inverter's model has.
    static QList<QPublishedValue> Of(const QInverter& inverter);
    static const QPublishedValue* Find(const char* key);

    // The operating status as a word that does not change with the language.
    static QString StatusWord(int status);
    static QStringList StatusWords();
};
