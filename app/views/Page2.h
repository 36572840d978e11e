#pragma once

#include <QWidget>

class Page21;
class Page22;
class Page23;
class Page24;
class Page25;
class QInverter;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QSystemModel;
class QTimer;
class QTreeEntry;
class QtMyTree;
class QtMyTreeItem;

// The inverter browser: the navigation tree of the plant's inverters on the left,
// the five tabs of the current inverter on the right. It owns the notion of the
// current inverter, drives the tabs' refresh and turns the tree's buttons into
// inverter operations guarded by the user level.
class Page2 : public QWidget {
    Q_OBJECT

public:
    // Sent by the inverter settings dialog after it changed an inverter; passed on
    // to the main window, which rewrites the inverter list.
    static constexpr int EventInverterEdited = 4665;
    static constexpr int TabCount = 5;

    explicit Page2(QWidget* parent = nullptr);
    ~Page2() override;

    void SetSystemModel(QSystemModel* model);
    // Receives the delete (1006) and edited (4665) events, sent at once.
    void SetMainWindow(QObject* target);
    void AddInverterItem(QInverter* inverter);
    void RefreshInverterItem(QInverter* inverter);
    void SelectInverter(QInverter* inverter);
    void SetBeginTime(int hour);
    void Retranslate();

    QInverter* CurrentInverter() const { return m_pCurrent; }
    QtMyTree* Tree() const { return m_pTree; }
    // The tab widgets Page21 .. Page25.
    Page21* RealTimeTab() const { return m_pPage21; }
    Page22* StatusTab() const { return m_pPage22; }
    Page23* HistoryTab() const { return m_pPage23; }
    Page24* TechnicalTab() const { return m_pPage24; }
    Page25* BoxTab() const { return m_pPage25; }

    bool event(QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void OnFlashTimer();
    void on_page21btn_clicked();
    void on_page22btn_clicked();
    void on_page23btn_clicked();
    void on_page24btn_clicked();
    void on_page25btn_clicked();

private:
    void BuildForm();
    void ShowTab(int index);
    // The header and the tab on screen; nothing while the page is hidden.
    void RefreshShown();
    QtMyTreeItem* CreateEntry(QInverter* inverter);
    QtMyTreeItem* EntryOf(const QInverter* inverter) const;
    QInverter* InverterOf(qintptr entry) const;
    bool IsAdministrator() const;
    QString DataTimeText() const;
    bool OnConnect(QInverter* inverter);
    bool OnEdit(qintptr entry);
    bool OnDelete(QEvent* event, qintptr entry);
    void RunInverterSettings(QInverter* inverter);

    QSystemModel* m_pSystem = nullptr;
    QObject* m_pMainWindow = nullptr;
    QInverter* m_pCurrent = nullptr;
    QTimer* m_pFlashTimer = nullptr;

    QScrollArea* m_pScrollArea = nullptr;
    QtMyTree* m_pTree = nullptr;
    QWidget* m_pInfo = nullptr;
    QLabel* m_pTimeLabel = nullptr;
    QLabel* m_pDataTime = nullptr;
    QPushButton* m_pTabButtons[TabCount] = {};
    QStackedWidget* m_pStack = nullptr;
    Page21* m_pPage21 = nullptr;
    Page22* m_pPage22 = nullptr;
    Page23* m_pPage23 = nullptr;
    Page24* m_pPage24 = nullptr;
    Page25* m_pPage25 = nullptr;
};
