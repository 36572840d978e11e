#pragma once

#include "BaseDlg.h"

#include <QList>
#include <QStringList>
#include <functional>

class QBoxLayout;
class QGrid;
class QInverter;
class QLabel;
class QLineEdit;
class QMissionModel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

// The look the inverter maintenance dialogs share: a white panel with a grey
// caption, grey-bordered fields, skinned buttons and grids in dark scroll
// areas. Each dialog builds its own form with these pieces and translates its
// texts in its own context.
class QMaintenanceDlg : public BaseDlg {
    Q_OBJECT
public:
    // The button skin of these dialogs.
    static const char* const ButtonSkin;

    // The inverter the dialog works on; the opener sets it before exec().
    // The caption names it.
    virtual void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }

    // Tests choose the file of a CSV save without the file dialog: the hook
    // answers instead (an empty name cancels).
    using FileNameHook = std::function<QString()>;
    static void SetFileNameHook(FileNameHook hook);

protected:
    QMaintenanceDlg(QWidget* parent, const char* objectName);

    // The dialog's layout with the grey caption line at its top, which names
    // the current inverter.
    QVBoxLayout* StartForm();
    QPushButton* NewButton(const char* objectName);
    QLineEdit* NewEdit(const char* objectName);
    // A scroll area holding the grid, as wide as the grid's columns need (within
    // minWidth and maxWidth) and of the given height; the grid's last column
    // fills what is left. With scrolls the area scrolls vertically.
    QScrollArea* NewGridArea(const char* objectName, QGrid* grid, int minWidth, int maxWidth, int height,
                             bool scrolls);
    // A row of buttons, centred, added to the layout.
    void AddButtonRow(QBoxLayout* layout, const QList<QPushButton*>& buttons);

    // A reply to a mission this dialog's inverter queued. The hook hands over
    // every reply of the bus while the dialog is open; one left over from an
    // earlier dialog for another inverter must not land in this one.
    bool IsOwnReply(const QMissionModel* mission) const;

    // Asks for a file and saves the rows as the inverter's CSV report, then
    // says whether that worked.
    void SaveCsv(const QList<QStringList>& rows);
    // Asks where to save a CSV file: the chosen name with ".csv" appended
    // unless it ends so, or empty when the user cancelled.
    QString AskCsvFile();
    // Replaces the file in one step and says whether that worked.
    void WriteCsv(const QString& path, const QByteArray& text);

    QInverter* m_pInverter = nullptr;
    QLabel* m_pCaption = nullptr;
};
