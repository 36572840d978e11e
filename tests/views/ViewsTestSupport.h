#pragma once

// Shared pieces of the view tests: a throw-away data directory, inverters built
// the way the plant builds them, and a recorder that answers message boxes.

#include "DataPaths.h"
#include "MessageBox.h"
#include "QGrid.h"
#include "QInverter.h"
#include "QItemRecord.h"
#include "QSystemModel.h"
#include "QTextOutItem.h"
#include "QTextOutWidget.h"
#include "SystemClock.h"

#include <QApplication>
#include <QLabel>
#include <QStackedWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace viewstest {

// Points the program's data directory at a fresh temporary folder.
class DataDir {
public:
    DataDir() { DataPaths::SetDataDir(m_Dir.path()); }
    QString Path() const { return m_Dir.path(); }
    QString File(const QString& name) const { return m_Dir.filePath(name); }

private:
    QTemporaryDir m_Dir;
};

// Answers every message box with a fixed result and keeps the texts shown.
class Messages {
public:
    explicit Messages(int answer = 1) : m_nAnswer(answer) {
        MessageBox::SetHook([this](MessageBox& box) {
            m_Texts.append(box.Text());
            m_Types.append(box.Type());
            m_Parents.append(box.parentWidget());
            return m_nAnswer;
        });
    }
    ~Messages() { MessageBox::SetHook(nullptr); }
    void SetAnswer(int answer) { m_nAnswer = answer; }
    const QStringList& Texts() const { return m_Texts; }
    QList<int> Types() const { return m_Types; }
    QWidget* LastParent() const { return m_Parents.isEmpty() ? nullptr : m_Parents.last(); }
    void Clear() {
        m_Texts.clear();
        m_Types.clear();
        m_Parents.clear();
    }

private:
    int m_nAnswer;
    QStringList m_Texts;
    QList<int> m_Types;
    QList<QWidget*> m_Parents;
};

// An inverter as the list loader makes it: name, model, address.
inline QInverter* MakeInverter(const QString& name, int address, const QString& model) {
    auto* inverter = new QInverter;
    inverter->SetName(name);
    inverter->SetModel(QInverter::LookupModel(model));
    inverter->SetAddress(address);
    return inverter;
}

// Puts a fault code into one of the inverter's fault slots, as a status reply does.
inline void SetFault(QInverter& inverter, int slot, int code) {
    QItemRecord record;
    record.m_bActive = 1;
    record.m_nValue = code;
    inverter.UpdateFaultSlot(slot, record);
}

inline QString Text(const QWidget* root, const char* name) {
    const QLabel* label = root->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

inline QString Style(const QWidget* root, const char* name) {
    const QWidget* widget = root->findChild<QWidget*>(QLatin1String(name));
    return widget ? widget->styleSheet() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// The cells of one grid row (row 0: the heads), left to right.
inline QStringList GridRow(const QGrid* grid, int row) {
    QStringList cells;
    for (int column = 0; column < grid->GetColumns(); ++column) {
        cells << grid->getText(column, row);
    }
    return cells;
}

inline QStringList TextLines(const QTextOutWidget* text) {
    QStringList lines;
    for (int i = 0; i < text->LineCount(); ++i) {
        lines << text->Line(i)->Text();
    }
    return lines;
}

// Runs the action once the next modal dialog is up (null when none came), then
// closes the dialog.
inline void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action]() {
        QWidget* modal = QApplication::activeModalWidget();
        action(modal);
        if (modal) {
            modal->close();
        }
    });
}

// A shown window whose stack holds another page in front of the given one, as
// the main window's stack does; BringUp puts the page on top. The page is handed
// back (without a parent) at the end.
class PageBehindAnother {
public:
    explicit PageBehindAnother(QWidget* page) : m_pPage(page) {
        m_pStack = new QStackedWidget(&m_Window);
        m_pStack->addWidget(new QWidget);
        m_pStack->addWidget(page);
        m_pStack->setCurrentIndex(0);
        m_Window.resize(1000, 600);
        m_pStack->resize(1000, 600);
        m_Window.show();
    }
    ~PageBehindAnother() { m_pPage->setParent(nullptr); }
    void BringUp() { m_pStack->setCurrentWidget(m_pPage); }

private:
    QWidget m_Window;
    QStackedWidget* m_pStack = nullptr;
    QWidget* m_pPage = nullptr;
};

} // namespace viewstest
