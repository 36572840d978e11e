#include "QMailThread.h"

#include "QServer.h"

QMailThread::QMailThread(QObject* parent) : QThread(parent), m_nReplyTimeout(QServer::ReplyTimeout) {}

QMailThread::~QMailThread() {
    requestInterruption();
    exit(0);
    wait();
}

void QMailThread::SendError(int iError) {
    emit Error(iError);
}

void QMailThread::SendScroll(int iValue) {
    emit Scroll(iValue);
}

void QMailThread::run() {
    QServer server(m_Record);
    server.SetReplyTimeout(m_nReplyTimeout);
    connect(&server, &QServer::Error, this, &QMailThread::SendError);
    connect(&server, &QServer::Scroll, this, &QMailThread::SendScroll);
    if (!server.Connect()) {
        emit server.Error(server.ConnectFailure());
    }
    exec();
}
