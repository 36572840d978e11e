#pragma once

#include <QWidget>

class QPushButton;

// One attachment of the mail dialog's list: its path in full, a delete button,
// and a skin that follows the pointer and the selection. One entry of the
// program is the selected one, or none.
class QFileItem : public QWidget {
    Q_OBJECT
public:
    enum Look { LookHover = 0, LookNormal = 1, LookSelected = 2 };
    // Posted to the list window by the delete button, carrying the entry.
    static constexpr int EventFileDelete = 4369;
    static constexpr int Height = 30;

    QFileItem(const QString& path, QWidget* parent);
    ~QFileItem() override;

    QString Path() const { return m_strPath; }
    int CurrentLook() const { return m_nLook; }
    // The file's size when the entry was made; 0 when it could not be read.
    qint64 Size() const { return m_nSize; }
    // The width of the path in the entry's font, plus room for the button.
    int NeededWidth() const;
    QPushButton* DeleteButton() const { return m_pDelete; }

    static QFileItem* Selected() { return s_pSelected; }
    static void ClearSelection();

public slots:
    void DeleteClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetLook(int look);

    QPushButton* m_pDelete;
    QString m_strPath;
    int m_nLook = LookNormal;
    qint64 m_nSize = 0;

    static QFileItem* s_pSelected;
};
