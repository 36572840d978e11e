#include "RealTimeTabPlugin.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

QDialog* RealTimeTabPlugin::CreateDialog(QWidget* parent) {
    // The program runs the dialog modally before its main window exists: it closes at once.
    auto* dialog = new QDialog(parent);
    QTimer::singleShot(0, dialog, &QDialog::accept);
    QTimer::singleShot(500, this, &RealTimeTabPlugin::TryShowTab);
    return dialog;
}

void RealTimeTabPlugin::TryShowTab() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qstrcmp(top->metaObject()->className(), "MainWindow") != 0) {
            continue;
        }
        auto* page = top->findChild<QPushButton*>(QStringLiteral("Page2Btn"));
        auto* tab = top->findChild<QPushButton*>(QStringLiteral("page21btn"));
        if (page && tab) {
            page->click();
            tab->click();
            std::printf("bench: browser real-time tab shown\n");
            std::fflush(stdout);
            return;
        }
    }
    QTimer::singleShot(500, this, &RealTimeTabPlugin::TryShowTab);
}
