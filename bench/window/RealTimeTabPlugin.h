#pragma once

#include "PluginInterface.h"

#include <QObject>

// A start-up plug-in for the window benchmark: it shows nothing of its own and,
// once the main window is up, opens the browser page on its real-time tab, the
// way a user would with two clicks. It prints one line when the tab is shown, so
// the benchmark knows it measured that tab and not the home page.
class RealTimeTabPlugin : public QObject, public PluginWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PluginWidgetInterface_iid)
    Q_INTERFACES(PluginWidgetInterface)
public:
    QDialog* CreateDialog(QWidget* parent) override;

private:
    void TryShowTab();
};
