#pragma once

#include "QBusScheduler.h"
#include "QFormDlg.h"

class QCheckBox;
class QComboBox;
class QSystemModel;
class QValidatorEdit;

// The link to the inverters: a serial port, an Ethernet converter reached as
// a TCP client, or a GPRS modem calling in; exactly one of the three is
// enabled. The dialog only returns the choice; the main window applies it.
class QSetCommunicateDlg : public QFormDlg {
    Q_OBJECT
public:
    static constexpr int ComPorts = 9;
    static constexpr int MaxPort = 65535;

    explicit QSetCommunicateDlg(QWidget* parent = nullptr);
    ~QSetCommunicateDlg() override;

    void SetSystemModel(QSystemModel* system);

    bool IsAccepted() const { return m_bAccepted; }
    const CommunicateChoice& Choice() const { return m_Choice; }

    // "COM3", or "COM3 (/dev/ttyUSB2)" where the port is a device by another name.
    static QString PortText(int comNumber, const QString& deviceOverride);

public slots:
    void on_inter_enabel_clicked();
    void on_com_enable_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_GPRS_enabel_clicked();

private:
    void Retranslate();
    void Choose(QCheckBox* box);
    int ChosenKind() const;

    bool m_bAccepted = false;
    CommunicateChoice m_Choice;
    QString m_strDevice;

    QGroupBox* m_pSerialGroup;
    QGroupBox* m_pEthernetGroup;
    QGroupBox* m_pGprsGroup;
    QComboBox* m_pCom;
    QComboBox* m_pBaud;
    QCheckBox* m_pComEnable;
    QValidatorEdit* m_pAddress;
    QLineEdit* m_pPort;
    QCheckBox* m_pEthernetEnable;
    QLineEdit* m_pGprsPort;
    QCheckBox* m_pGprsEnable;
    QLabel* m_pComCaption;
    QLabel* m_pBaudCaption;
    QLabel* m_pAddressCaption;
    QLabel* m_pPortCaption;
    QLabel* m_pGprsPortCaption;
    QPushButton* m_pSave;
    QPushButton* m_pCancel;
};
