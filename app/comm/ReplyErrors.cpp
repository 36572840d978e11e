#include "ReplyErrors.h"

#include "PlantEvent.h"
#include "SystemClock.h"

#include <QCoreApplication>

const char* const g_ReplyErrorTexts[12] = {
    "",
    QT_TRANSLATE_NOOP("MainWindow", "Enter the illegal instruction!"),
    QT_TRANSLATE_NOOP("MainWindow", "The data address is illegal!"),
    QT_TRANSLATE_NOOP("MainWindow", "Data value is illegal!"),
    QT_TRANSLATE_NOOP("MainWindow", "The operation failed!"),
    QT_TRANSLATE_NOOP("MainWindow", "Password is incorrect!"),
    QT_TRANSLATE_NOOP("MainWindow", "Data frame error!"),
    QT_TRANSLATE_NOOP("MainWindow", "Parameter is read-only!"),
    QT_TRANSLATE_NOOP("MainWindow", "Parameters of the operation can not be change!"),
    QT_TRANSLATE_NOOP("MainWindow", "Password protection!"),
    QT_TRANSLATE_NOOP("MainWindow", "Length error!"),
    QT_TRANSLATE_NOOP("MainWindow", "You do not have permission to do this!"),
};

QString ReplyErrorText(int code) {
    if (code < 1 || code > 11) {
        return QString();
    }
    return QCoreApplication::translate("MainWindow", g_ReplyErrorTexts[code]);
}

QPlantEvents& QPlantEvents::Instance() {
    static QPlantEvents events;
    return events;
}

void QPlantEvents::SetTarget(QObject* target) {
    m_pTarget = target;
}

QObject* QPlantEvents::Target() const {
    return m_pTarget;
}

void QPlantEvents::PostSetSuccess() {
    if (m_pTarget) {
        QCoreApplication::postEvent(m_pTarget, new QPlantEvent(EventSetSuccess, 0));
    }
}

bool QPlantEvents::PostReplyError(int code) {
    const QDateTime now = SystemClock::Now();
    if (m_LastPosted.isValid() && m_LastPosted.msecsTo(now) <= 5000) {
        return false;
    }
    m_LastPosted = now;
    if (m_pTarget) {
        QCoreApplication::postEvent(m_pTarget, new QPlantEvent(EventReplyError, code));
    }
    return true;
}

void QPlantEvents::Reset() {
    m_LastPosted = QDateTime();
}
