#pragma once

#include "QFormDlg.h"

#include <QFont>

class QComboBox;
class QSystemModel;

// The plant's name and site: name, country, city, kind of installation,
// latitude and longitude (degrees with two decimals, kept in hundredths).
class SetSystem : public QFormDlg {
    Q_OBJECT
public:
    static constexpr int NamePoints = 20;
    static constexpr int NameWidthLimit = 310;
    static constexpr int CoordinateLimit = 18000;

    explicit SetSystem(QWidget* parent = nullptr);
    ~SetSystem() override;

    void SetSystemModel(QSystemModel* system);
    // The font of the home page's plant name, to measure the name where the
    // dialog's own face is missing.
    void SetNameFont(const QFont& font) { m_NameFont = font; }

public slots:
    void on_Cancelbtn_clicked();
    void on_Okbtn_clicked();

private:
    void Retranslate();

    QSystemModel* m_pSystem = nullptr;
    QFont m_NameFont;
    QLineEdit* m_pName;
    QLineEdit* m_pCountry;
    QLineEdit* m_pCity;
    QComboBox* m_pType;
    QLineEdit* m_pLatitude;
    QLineEdit* m_pLongitude;
    QLabel* m_pNameCaption;
    QLabel* m_pCountryCaption;
    QLabel* m_pCityCaption;
    QLabel* m_pTypeCaption;
    QLabel* m_pLatitudeCaption;
    QLabel* m_pLongitudeCaption;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
