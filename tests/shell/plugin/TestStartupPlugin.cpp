#include "TestStartupPlugin.h"

#include <QDialog>

QDialog* TestStartupPlugin::CreateDialog(QWidget* parent) {
    auto* dialog = new QDialog(parent);
    dialog->setWindowTitle(QStringLiteral(TEST_PLUGIN_NAME));
    dialog->setObjectName(QStringLiteral(TEST_PLUGIN_NAME));
    return dialog;
}
