#include "QBusLink.h"

#include "QGprsServerLink.h"
#include "QSerialLink.h"
#include "QTcpClientLink.h"

QBusLink::QBusLink(const QSystemSettings& settings, QObject* parent)
    : QObject(parent), m_Settings(settings) {}

QBusLink* QBusLink::Create(int kind, const QSystemSettings& settings, int gprsPort, QObject* parent) {
    switch (kind) {
    case LinkSerial:
        return new QSerialLink(settings, parent);
    case LinkTcpClient:
        return new QTcpClientLink(settings, parent);
    case LinkGprs:
        return new QGprsServerLink(settings, gprsPort, parent);
    default:
        return nullptr;
    }
}

void QBusLink::ShowTexts(std::function<void()> texts) {
    m_Texts = std::move(texts);
    m_Texts();
}

void QBusLink::RetranslateTexts() {
    if (m_Texts) {
        m_Texts();
    }
}

void QBusLink::SetStatus(const QString& text, bool connected, const QString& miniText) {
    m_strStatus = text;
    m_bStatusConnected = connected;
    m_strMiniStatus = miniText;
    emit StatusChanged(text, connected);
    emit MiniStatusChanged(miniText);
}

void QBusLink::SetAction(const QString& text) {
    m_strAction = text;
    emit ActionChanged(text);
}
