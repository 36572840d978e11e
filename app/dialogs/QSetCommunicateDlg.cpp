#include "QSetCommunicateDlg.h"

#include "MessageBox.h"
#include "QSystemModel.h"
#include "QValidatorEdit.h"
#include "QWin_Serial.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
const char* const kOctet = "([0-9]|([1-9][0-9])|(1[0-9][0-9])|(2([0-4][0-9]|5[0-5])))";
const char* const kPortPattern = "^[0-9]{1,}$";
// The GPRS number is only shown; nine digits keep it an int.
constexpr int kGprsDigits = 9;
constexpr int kPortDigits = 5;

QString AddressPattern() {
    const QString octet = QLatin1String(kOctet);
    return QLatin1Char('^') + octet + QStringLiteral("[.]") + octet + QStringLiteral("[.]") + octet +
           QStringLiteral("[.]") + octet + QLatin1Char('$');
}
} // namespace

QSetCommunicateDlg::QSetCommunicateDlg(QWidget* parent) : QFormDlg(parent) {
    setObjectName(QStringLiteral("QSetCommunicateDlg"));

    m_pSerialGroup = NewGroup("serialGroup");
    QGridLayout* serial = NewGrid(m_pSerialGroup);
    m_pCom = new QComboBox(m_pSerialGroup);
    m_pCom->setObjectName(QStringLiteral("number_com"));
    m_pBaud = new QComboBox(m_pSerialGroup);
    m_pBaud->setObjectName(QStringLiteral("Baud_rate_com"));
    m_pBaud->addItem(QStringLiteral("9600"));
    m_pComEnable = new QCheckBox(m_pSerialGroup);
    m_pComEnable->setObjectName(QStringLiteral("com_enable"));
    m_pComCaption = AddRow(serial, m_pCom);
    m_pBaudCaption = AddRow(serial, m_pBaud);
    serial->addWidget(m_pComEnable, serial->rowCount(), 1);

    m_pEthernetGroup = NewGroup("ethernetGroup");
    QGridLayout* ethernet = NewGrid(m_pEthernetGroup);
    m_pAddress = new QValidatorEdit(AddressPattern(), m_pEthernetGroup);
    m_pAddress->setObjectName(QStringLiteral("IPAddress"));
    m_pPort = new QLineEdit(m_pEthernetGroup);
    m_pPort->setObjectName(QStringLiteral("Port"));
    m_pPort->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QLatin1String(kPortPattern)), m_pPort));
    m_pPort->setMaxLength(kPortDigits);
    m_pEthernetEnable = new QCheckBox(m_pEthernetGroup);
    m_pEthernetEnable->setObjectName(QStringLiteral("inter_enabel"));
    m_pAddressCaption = AddRow(ethernet, m_pAddress);
    m_pPortCaption = AddRow(ethernet, m_pPort);
    ethernet->addWidget(m_pEthernetEnable, ethernet->rowCount(), 1);

    m_pGprsGroup = NewGroup("gprsGroup");
    QGridLayout* gprs = NewGrid(m_pGprsGroup);
    m_pGprsPort = new QLineEdit(m_pGprsGroup);
    m_pGprsPort->setObjectName(QStringLiteral("gprs_port"));
    m_pGprsPort->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QLatin1String(kPortPattern)), m_pGprsPort));
    m_pGprsPort->setMaxLength(kGprsDigits);
    m_pGprsEnable = new QCheckBox(m_pGprsGroup);
    m_pGprsEnable->setObjectName(QStringLiteral("GPRS_enabel"));
    m_pGprsPortCaption = AddRow(gprs, m_pGprsPort);
    gprs->addWidget(m_pGprsEnable, gprs->rowCount(), 1);

    // The captions of the three groups line up.
    for (QGridLayout* grid : {serial, ethernet, gprs}) {
        grid->setColumnMinimumWidth(0, 110);
    }

    m_pSave = AddButton("pushButton");
    m_pCancel = AddButton("pushButton_2");
    connect(m_pComEnable, &QCheckBox::clicked, this, &QSetCommunicateDlg::on_com_enable_clicked);
    connect(m_pEthernetEnable, &QCheckBox::clicked, this, &QSetCommunicateDlg::on_inter_enabel_clicked);
    connect(m_pGprsEnable, &QCheckBox::clicked, this, &QSetCommunicateDlg::on_GPRS_enabel_clicked);
    connect(m_pSave, &QPushButton::clicked, this, &QSetCommunicateDlg::on_pushButton_clicked);
    connect(m_pCancel, &QPushButton::clicked, this, &QSetCommunicateDlg::on_pushButton_2_clicked);
    for (int n = 1; n <= ComPorts; ++n) {
        m_pCom->addItem(PortText(n, QString()));
    }
    Retranslate();
    FinishForm(420);
}

QSetCommunicateDlg::~QSetCommunicateDlg() = default;

QString QSetCommunicateDlg::PortText(int comNumber, const QString& deviceOverride) {
    const QString name = QStringLiteral("COM%1").arg(comNumber);
    const QString device = QWin_Serial::DeviceForCom(comNumber, deviceOverride);
    return device == name ? name : name + QStringLiteral(" (") + device + QLatin1Char(')');
}

void QSetCommunicateDlg::Retranslate() {
    setWindowTitle(tr("Set communicate information"));
    SetCaption(tr("Set communicate information"));
    m_pSerialGroup->setTitle(tr("Serial communication settings"));
    m_pEthernetGroup->setTitle(tr("Ethernet communication settings"));
    m_pGprsGroup->setTitle(tr("GPRS communication settings"));
    m_pComCaption->setText(tr("Serial number:"));
    m_pBaudCaption->setText(tr("Baud rate:"));
    m_pAddressCaption->setText(tr("IP Address:"));
    m_pPortCaption->setText(tr("Port number:"));
    m_pGprsPortCaption->setText(tr("Port number:"));
    for (QCheckBox* box : {m_pComEnable, m_pEthernetEnable, m_pGprsEnable}) {
        box->setText(tr("Enable"));
    }
    m_pSave->setText(tr("Save"));
    m_pCancel->setText(tr("Cancel"));
}

void QSetCommunicateDlg::SetSystemModel(QSystemModel* system) {
    if (!system) {
        return;
    }
    const QSystemSettings& s = system->Settings();
    // A device path set for the port is what every COM number opens: shown, and kept.
    m_strDevice = system->GetSystemValue(QStringLiteral("Com_device"));
    for (int n = 1; n <= ComPorts; ++n) {
        m_pCom->setItemText(n - 1, PortText(n, m_strDevice));
    }
    m_pCom->setCurrentIndex(qBound(0, s.ComNumber() - 1, ComPorts - 1));
    const QString baud = QString::number(s.BaudRate());
    const int baudIndex = m_pBaud->findText(baud);
    if (baudIndex >= 0) {
        m_pBaud->setCurrentIndex(baudIndex);
    } else {
        m_pBaud->setItemText(m_pBaud->currentIndex(), baud);
    }
    m_pAddress->SetValue(s.IPAddress());
    m_pPort->setText(QString::number(s.IPNumber()));
    m_pGprsPort->setText(system->GetSystemValue(QStringLiteral("GPRS_Number")));
    switch (s.CommunicationType()) {
    case LinkTcpClient:
        Choose(m_pEthernetEnable);
        break;
    case LinkGprs:
        Choose(m_pGprsEnable);
        break;
    default:
        Choose(m_pComEnable);
        break;
    }
}

void QSetCommunicateDlg::Choose(QCheckBox* box) {
    for (QCheckBox* other : {m_pComEnable, m_pEthernetEnable, m_pGprsEnable}) {
        other->setChecked(other == box);
    }
}

int QSetCommunicateDlg::ChosenKind() const {
    if (m_pEthernetEnable->isChecked()) {
        return LinkTcpClient;
    }
    if (m_pGprsEnable->isChecked()) {
        return LinkGprs;
    }
    return LinkSerial;
}

void QSetCommunicateDlg::on_com_enable_clicked() {
    Choose(m_pComEnable);
}

void QSetCommunicateDlg::on_inter_enabel_clicked() {
    Choose(m_pEthernetEnable);
}

void QSetCommunicateDlg::on_GPRS_enabel_clicked() {
    Choose(m_pGprsEnable);
}

void QSetCommunicateDlg::on_pushButton_2_clicked() {
    close();
}

void QSetCommunicateDlg::on_pushButton_clicked() {
    // An address cut short or a port beyond 16 bits would be stored and then
    // connected to as some other address or port.
    if (!m_pAddress->IsValid()) {
        ShowMessage(tr("The IP address is not complete!"), MessageBox::TypeOk, this);
        return;
    }
    const int port = m_pPort->text().toInt();
    if (port < 1 || port > MaxPort) {
        ShowMessage(tr("The port number must be from 1 to 65535!"), MessageBox::TypeOk, this);
        return;
    }
    m_Choice.m_nKind = ChosenKind();
    m_Choice.m_nComNumber = m_pCom->currentIndex() + 1;
    m_Choice.m_nBaudRate = m_pBaud->currentText().toInt();
    m_Choice.m_strIPAddress = m_pAddress->Value();
    m_Choice.m_nIPNumber = port;
    m_Choice.m_nGprsNumber = m_pGprsPort->text().toInt();
    m_bAccepted = true;
    close();
}
