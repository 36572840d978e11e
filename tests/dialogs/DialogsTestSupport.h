#pragma once

// Shared pieces of the setup dialog tests: a plant whose settings live in
// system.dat of a throw-away data directory, a record of the keys the
// dialogs wrote, typing as a user types, and reaching a modal dialog that a
// menu entry opened.

#include "QSystemFile.h"
#include "QSystemModel.h"
#include "ViewsTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace dialogstest {

// system.dat, counting how often it was written.
class CountingFile : public QSystemFile {
public:
    bool Save(const QSystemSettings& settings) override {
        ++m_nSaves;
        return QSystemFile::Save(settings);
    }
    int m_nSaves = 0;
};

// A plant with its settings in a data directory of its own; Keys() lists the
// keys applied since the last Reset(), in order.
class Plant {
public:
    Plant() {
        m_System.Settings().SetStore(&m_File);
        m_System.InitSystemFile();
        m_System.SetSystemListener(
            [](const QString& key, void* context) { static_cast<Plant*>(context)->m_Keys.append(key); },
            this);
        Reset();
    }
    ~Plant() {
        m_System.SetSystemListener(nullptr, nullptr);
        m_System.Settings().SetStore(nullptr);
    }
    QSystemModel& System() { return m_System; }
    QString Value(const char* key) const { return m_System.GetSystemValue(QLatin1String(key)); }
    void Set(const char* key, const QString& value) {
        m_System.SetSystemValue(QLatin1String(key), value, true);
    }
    const QStringList& Keys() const { return m_Keys; }
    int Saves() const { return m_File.m_nSaves; }
    void Reset() {
        m_Keys.clear();
        m_File.m_nSaves = 0;
    }
    // The settings as the next start reads them from system.dat.
    QString Stored(const char* key) const {
        QSystemSettings reread;
        QSystemFile file;
        file.Load(reread);
        return reread.GetSystemValue(QLatin1String(key));
    }

private:
    viewstest::DataDir m_Dir;
    CountingFile m_File;
    QSystemModel m_System;
    QStringList m_Keys;
};

template <typename T> T* Child(const QWidget* root, const char* name) {
    T* child = root->findChild<T*>(QLatin1String(name));
    if (!child) {
        qWarning("missing child %s", name);
    }
    return child;
}

// Replaces the field's text the way typing does: what its validator refuses
// does not get in.
inline void Type(const QWidget* root, const char* name, const QString& text) {
    auto* edit = Child<QLineEdit>(root, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline QString TextOf(const QWidget* root, const char* name) {
    auto* edit = Child<QLineEdit>(root, name);
    return edit ? edit->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

inline void Click(const QWidget* root, const char* name) {
    Child<QPushButton>(root, name)->click();
}

// Runs act on the first modal dialog of class T to open (from a menu slot
// running its own event loop), then closes it if act left it open.
template <typename T> void WhenModal(std::function<void(T&)> act, bool* reached = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::destroyed, [waited] { delete waited; });
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act, reached] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (waited->elapsed() > 10000) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (reached) {
            *reached = true;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->close();
        }
    });
    timer->start();
}

} // namespace dialogstest
