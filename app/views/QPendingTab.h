#pragma once

#include <QWidget>

class QInverter;
class QLabel;

// A tab of the inverter browser whose own content is still to come: its caption
// and the name of the current inverter, so the tab is never a dead end.
class QPendingTab : public QWidget {
    Q_OBJECT

public:
    explicit QPendingTab(QWidget* parent = nullptr);
    ~QPendingTab() override;

    void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }
    void Retranslate();

public slots:
    // Driven by the browser's 200 ms timer.
    void Refresh();

protected:
    // The tab's caption, translated in the tab's own context.
    virtual QString CaptionText() const = 0;
    // Called by each tab's constructor once the tab is complete.
    void Init(const QString& objectName);

private:
    QInverter* m_pInverter = nullptr;
    QLabel* m_pCaption = nullptr;
    QLabel* m_pInverterName = nullptr;
};
