#pragma once

#include <QString>
#include <QtGlobal>

// One entry of an inverter's live data table, statistics table or fault slots:
// the current value with the four values before it.
struct QItemRecord {
    uchar m_bFresh = 0;              // set on every write; readers such as the day log clear it
    qint32 m_nValue = 0;             // current value
    qint32 m_nOld[4] = {0, 0, 0, 0}; // each receives the previous value on every write
    qint32 m_nTime = 0;              // time stamp (hour*65536 + minute*256 + second)
    uchar m_bActive = 0;             // fault slots: the record is in use
    QString m_strText1;              // fault slots only
    QString m_strText2;

    // Stores a new value: the previous one moves into the earlier-value fields.
    void Write(qint32 value) {
        for (qint32& old : m_nOld) {
            old = m_nValue;
        }
        m_nValue = value;
        m_bFresh = 1;
    }
    // Reads the value for a consumer that marks it as used.
    qint32 Take() {
        m_bFresh = 0;
        return m_nValue;
    }
};
