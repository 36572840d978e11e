#pragma once

#include <QWidget>

class QInverter;
class QSystemModel;

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

    bool event(QEvent* event) override;

private slots:
    void OnFlashTimer();
    void on_page21btn_clicked();
    void on_page22btn_clicked();
    void on_page23btn_clicked();
    void on_page24btn_clicked();
    void on_page25btn_clicked();

private:
    QSystemModel* m_pSystem = nullptr;
    QObject* m_pMainWindow = nullptr;
    QInverter* m_pCurrent = nullptr;
};
