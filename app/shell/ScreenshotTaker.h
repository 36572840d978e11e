#pragma once

#include <QObject>
#include <QString>

class MainWindow;

// Pictures of the program for its documentation: once the plant has had time to
// come online, grabs the main window on each of its pages, the mini window, a
// message box, the about cards and the mail dialogs into PNG files, then ends
// the program.
class ScreenshotTaker : public QObject {
    Q_OBJECT
public:
    // Does nothing when dir is empty.
    ScreenshotTaker(MainWindow* window, const QString& dir, int settleMs = 8000);

    // Grabs everything now; returns the files written.
    QStringList TakeAll();

private:
    bool Save(QWidget* widget, const QString& name, QStringList* written);
    void SaveBrowserTabs(QStringList* written);
    void SaveMailDialogs(QStringList* written);

    MainWindow* m_pWindow;
    QString m_strDir;
};
