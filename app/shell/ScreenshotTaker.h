#pragma once

#include <QObject>
#include <QString>

class MainWindow;

// Pictures of the program for its documentation: once the plant has had time to
// come online (and, for a few seconds more at most, until every inverter is
// online, the boxes have told who they are and one inverter is in failure),
// grabs the main window on each of its pages, the status and box tabs of the
// inverter browser with the fault dialog (also in simplified Chinese), the mini
// window, a message box, the about cards, the mail dialogs and the setup
// dialogs (also in simplified Chinese) into PNG files, then ends the program.
class ScreenshotTaker : public QObject {
    Q_OBJECT
public:
    // Does nothing when dir is empty.
    ScreenshotTaker(MainWindow* window, const QString& dir, int settleMs = 8000);

    // Grabs everything now; returns the files written.
    QStringList TakeAll();
    // Whether the plant shows all the pictures want: every polled inverter online,
    // the identity of every box read, and an inverter in failure.
    bool PlantReady() const;

private:
    bool Save(QWidget* widget, const QString& name, QStringList* written);
    void SaveBrowserTabs(QStringList* written);
    void SaveMailDialogs(QStringList* written);
    // The browser's status tab of an inverter in failure, its newest fault record
    // and the box tab of a combiner box; suffix goes before ".png".
    void SaveStatusAndBoxTabs(const QString& suffix, QStringList* written);
    void TakeWhenReady(int waitedMs);
    // The setup and settings dialogs in the language shown, their files named
    // with the suffix.
    void SaveSetupDialogs(const QString& suffix, QStringList* written);

    MainWindow* m_pWindow;
    QString m_strDir;
};
