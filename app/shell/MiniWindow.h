#pragma once

#include "BaseDlg.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QSystemModel;
class QTimer;

// The small "streamline" panel that stands in for the main window: plant totals,
// a status light and line, the clock and the user on duty. Stays on top of other
// windows until unpinned.
class MiniWindow : public BaseDlg {
    Q_OBJECT
public:
    static constexpr int RefreshInterval = 100;

    explicit MiniWindow(QWidget* parent = nullptr);
    ~MiniWindow() override;

    void SetSystemModel(QSystemModel* model);
    // The window shown again when the panel closes.
    void SetMainWindow(QWidget* window) { m_pMainWindow = window; }
    // The link's status line; the light is green when ok.
    void SetStatusText(const QString& text, bool ok);
    void Retranslate();

    // Whether the panel stays on top (shared by every panel of the process).
    static bool IsPinned();

    // What the panel shows now, by caption: "input", "output", "single", "three",
    // "today", "total", "co2", "benefit", "unit", "status", "clock", "user".
    QString Value(const QString& name) const;
    QString LightImage() const { return m_strLight; }

public slots:
    void on_pushButton_clicked();
    void on_closebtn_clicked() override;
    void FlashTimer();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* AddRow(QWidget* pane, int row, QLabel** caption, const QString& unit = QString());
    void SetLight(const QString& image);
    void ApplyPinStyle();

    QSystemModel* m_pSystem = nullptr;
    QWidget* m_pMainWindow = nullptr;
    QTimer* m_pTimer;

    QLabel* m_pTitle;
    QPushButton* m_pPin;
    QPushButton* m_pDataBtn;    // pushButton_3: shows "System Data"
    QPushButton* m_pBenefitBtn; // pushButton_2: shows "Benefits"
    QStackedWidget* m_pPanes;
    QWidget* m_pDataPane;
    QWidget* m_pBenefitPane;

    QLabel* m_pInputCaption;
    QLabel* m_pOutputCaption;
    QLabel* m_pSingleCaption;
    QLabel* m_pThreeCaption;
    QLabel* m_pTodayCaption;
    QLabel* m_pTotalCaption;
    QLabel* m_pCo2Caption;
    QLabel* m_pBenefitCaption;
    QLabel* m_pUserCaption;
    QLabel* m_pInput;
    QLabel* m_pOutput;
    QLabel* m_pSingle;
    QLabel* m_pThree;
    QLabel* m_pToday;
    QLabel* m_pTotal;
    QLabel* m_pCo2;
    QLabel* m_pBenefit;
    QLabel* m_pUnit;
    QLabel* m_pLight;
    QLabel* m_pStatus;
    QLabel* m_pClock;
    QLabel* m_pUser;
    QString m_strLight;
};
