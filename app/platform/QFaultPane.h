#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QPaintEvent;
class QWheelEvent;

// A list of active faults: one entry per fault with the inverter's name and
// address, the fault code and its name. The owner clears it, adds the faults of
// the moment and asks it to redraw; entries that do not fit scroll with the wheel.
class QFaultPane : public QWidget {
    Q_OBJECT

public:
    static constexpr int EntryHeight = 38;

    explicit QFaultPane(QWidget* parent = nullptr);
    ~QFaultPane() override;

    void clearFault();
    void addFault(const QString& name, int address, int code);
    // Takes the entries added since the last clear into the drawn list.
    void refreshList();

    int faultCount() const { return m_Shown.size(); }
    // The two lines of a shown entry: "name (003)" and "E006 Over temperature".
    QString entryTitle(int index) const;
    QString entryDetail(int index) const;
    int scrollOffset() const { return m_nOffset; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Entry {
        QString m_strName;
        int m_nAddress = 0;
        int m_nCode = 0;
        bool operator==(const Entry& other) const {
            return m_strName == other.m_strName && m_nAddress == other.m_nAddress && m_nCode == other.m_nCode;
        }
    };
    int MaxOffset() const;

    QList<Entry> m_Pending; // being collected between clearFault and refreshList
    QList<Entry> m_Shown;
    int m_nOffset = 0;
};
