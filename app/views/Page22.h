#pragma once

#include <QWidget>

class QGrid;
class QGroupBox;
class QInverter;
class QLabel;
class QMenu;
class QAction;
class QScrollArea;
class QSystemModel;
class QTextOutWidget;

// The status and faults tab of the inverter browser: one light per protection
// fault of the current inverter, its event texts as they arrive, and the fault
// records fault.dat keeps for it. A double click on a record opens its details;
// an administrator can delete one record or all records of the inverter.
class Page22 : public QWidget {
    Q_OBJECT

public:
    static constexpr int LightCount = 28;
    // Light looks: no data, no fault, fault active.
    static const QString LightNone;
    static const QString LightOk;
    static const QString LightFault;

    explicit Page22(QWidget* parent = nullptr);
    ~Page22() override;

    void SetSystemModel(QSystemModel* model) { m_pSystem = model; }
    void SetCurrentInverter(QInverter* inverter);
    QInverter* CurrentInverter() const { return m_pInverter; }
    // Sets the lights; driven by the browser's 200 ms timer.
    void Refresh();
    void Retranslate();

    QTextOutWidget* TextOutput() const { return m_pTextOut; }
    QGrid* FaultGrid() const { return m_pGrid; }
    QScrollArea* FaultArea() const { return m_pGridArea; }
    QMenu* FaultMenu() const { return m_pMenu; }
    // The light lit by a fault code (1 to 28), 0 for codes without a light.
    static int LightOf(int code);

    bool event(QEvent* event) override;

public slots:
    void DeleteFault();
    void DeleteAllFault();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static void OnEventText(const QString& line, void* page);
    void AddEventText(const QString& line);
    void BuildForm();
    QScrollArea* BuildScrollArea(const char* name, QWidget* content);
    void LoadFaultGrid();
    void ScheduleFaultReload();
    void ScrollToNewest();
    void OpenFaultDialog(int row);
    void ShowFaultMenu(int row);
    void SetHeads();

    QSystemModel* m_pSystem = nullptr;
    QInverter* m_pInverter = nullptr;

    QGroupBox* m_pStatusBox = nullptr;
    QLabel* m_pLights[LightCount] = {};
    QLabel* m_pCaptions[LightCount] = {};
    QLabel* m_pEventsTitle = nullptr;
    QLabel* m_pFaultsTitle = nullptr;
    QScrollArea* m_pTextArea = nullptr;
    QTextOutWidget* m_pTextOut = nullptr;
    QScrollArea* m_pGridArea = nullptr;
    QGrid* m_pGrid = nullptr;
    QMenu* m_pMenu = nullptr;
    QAction* m_pDeleteOne = nullptr;
    QAction* m_pDeleteAll = nullptr;

    int m_nDeleteRow = 0;          // 1-based row chosen by the right click; 0 none
    bool m_bReloadPending = false; // a fault began: reload once the event has been handled
    bool m_bScrollPending = false; // the lists changed while the tab was hidden
};
