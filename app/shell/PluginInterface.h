#pragma once

#include <QtPlugin>

class QDialog;
class QWidget;

// What a start-up plug-in offers: a dialog the program shows, modally, before
// its main window appears. The program shows the dialog and leaves its object
// alone afterwards.
class PluginWidgetInterface {
public:
    virtual ~PluginWidgetInterface() = default;
    virtual QDialog* CreateDialog(QWidget* parent) = 0;
};

#define PluginWidgetInterface_iid "com.kova.Plugin.Widget.Interface"
Q_DECLARE_INTERFACE(PluginWidgetInterface, PluginWidgetInterface_iid)
