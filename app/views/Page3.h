#pragma once

#include <QWidget>

class NameFrame;
class QLabel;
class QSystemModel;

// The system information page: the plant's description as the configuration
// dialogs store it. For now it shows the plant's name, its site and how many
// single- and three-phase inverters it has.
class Page3 : public QWidget {
    Q_OBJECT
public:
    explicit Page3(QWidget* parent = nullptr);

    void SetSystemModel(QSystemModel* model);
    // Shows what a changed settings key means to the page; other keys change nothing.
    void OnSystemValue(const QString& key);
    // Re-counts the inverters after the plant's list changed.
    void RefreshFromPlant();
    void Retranslate();

    QString PlantName() const;
    QString SiteText() const;
    QString SingleCount() const;
    QString ThreeCount() const;

private:
    void ShowSite();

    QSystemModel* m_pSystem = nullptr;
    QLabel* m_pCaption;
    NameFrame* m_pName;
    QLabel* m_pSiteCaption;
    QLabel* m_pSite;
    QLabel* m_pSingleCaption;
    QLabel* m_pSingle;
    QLabel* m_pThreeCaption;
    QLabel* m_pThree;
};
