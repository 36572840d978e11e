#pragma once

#include "BaseDlg.h"

#include <QList>
#include <QPair>
#include <QString>

class QFont;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSystemModel;
class QVBoxLayout;

// The look the settings and setup dialogs share: a grey caption at the top,
// captioned fields in a grid, and a centred row of skinned buttons at the
// bottom. Derived dialogs build their fields with the helpers and give the
// texts in their own translation context.
class QFormDlg : public BaseDlg {
    Q_OBJECT
public:
    explicit QFormDlg(QWidget* parent = nullptr);
    ~QFormDlg() override;

    // The text a line edit holds, fit to be stored: the settings and inverter
    // files separate their entries with control characters, so a pasted one
    // would split an entry; they are dropped.
    static QString StoredText(const QLineEdit* edit);
    static QString StoredText(const QString& text);

    // Whether a text is at most limit pixels wide where it is shown. Measured in
    // the face the plant's screens were laid out with ("宋体" at points) where
    // that face exists, otherwise in the font of the label that shows the text.
    static bool FitsWidth(const QString& text, int points, const QFont& shownIn, int limit);

    // Writes settings in this order, the last one with save: system.dat is
    // written once when any of them changed. (Saving with the last key alone
    // would skip the file whenever that value happened to be unchanged, and the
    // other changes would wait for the program's end.)
    static void WriteSettings(QSystemModel* system, const QList<QPair<QString, QString>>& values);

protected:
    void SetCaption(const QString& text);
    QVBoxLayout* Body() const { return m_pBody; }
    // A grid for captioned fields, added to the body or to a group box.
    QGridLayout* NewGrid(QWidget* box = nullptr);
    QGroupBox* NewGroup(const char* name);
    // A caption label and the field beside it, on the grid's next row (or in
    // the given row and column pair).
    QLabel* AddRow(QGridLayout* grid, QWidget* field, int row = -1, int column = 0);
    // A small grey line under a field, spanning its column.
    QLabel* AddHint(QGridLayout* grid, int column = 0);
    QLineEdit* NewEdit(const char* name, const QString& pattern = QString());
    QPushButton* AddButton(const char* name);
    // Adds the button row below the body and fixes the dialog's width.
    void FinishForm(int width);
    // Widens the buttons to their translated texts.
    void FitButtons();

private:
    QLabel* m_pCaption;
    QVBoxLayout* m_pBody;
    QHBoxLayout* m_pButtons;
};
