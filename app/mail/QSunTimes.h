#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

// Sunrise and sunset of one date at one place, from the sun's apparent
// position (the usual almanac approximation: within a minute or two of the
// published times away from the polar circles). Near the poles the sun may
// stay up or down the whole day.
struct QSunTimes {
    enum Kind {
        RisesAndSets,
        AlwaysUp,   // polar day
        AlwaysDown, // polar night
    };

    Kind m_eKind = RisesAndSets;
    QDateTime m_Sunrise; // in the zone asked for; invalid unless the sun rises and sets
    QDateTime m_Sunset;

    // latitude north and longitude east in degrees.
    static QSunTimes For(const QDate& date, double latitude, double longitude, const QTimeZone& zone);
};
