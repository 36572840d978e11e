#pragma once

#include "PluginInterface.h"

#include <QObject>

// A start-up plug-in for the tests: its dialog carries the plug-in's name as its
// window title, so a test can tell in which order the dialogs came up.
class TestStartupPlugin : public QObject, public PluginWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PluginWidgetInterface_iid)
    Q_INTERFACES(PluginWidgetInterface)
public:
    QDialog* CreateDialog(QWidget* parent) override;
};
