#include "QTrendSetDlg.h"

#include "QMyColorDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
// Time window widths offered by the combo box, in minutes, by index.
const int kTotals[4] = {10, 100, 600, 1200};

QString SwatchStyle(qint32 colour) {
    return QString::asprintf("border: 1px solid #808080;background-color:#%06X;", uint(colour) & 0xFFFFFF);
}
} // namespace

QTrendSetDlg::QTrendSetDlg(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QTrendSetDlg"));
    BuildForm();
    Retranslate();
    m_pMaxValue->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-9]{1,5}[.][0-9]{1,2}$")), this));
    m_bAccepted = false;
}

QTrendSetDlg::~QTrendSetDlg() = default;

void QTrendSetDlg::BuildForm() {
    setStyleSheet(QStringLiteral(
        "QTrendSetDlg { background: white; }"
        "QLabel#captionLabel { color: rgb(110,118,130); }"
        "QPushButton#OkBtn, QPushButton#pushButton_2 { border: none; border-image: url(:/skin/btn1.png);"
        " min-width: 80px; min-height: 26px; }"
        "QPushButton#OkBtn:hover, QPushButton#pushButton_2:hover { border-image: url(:/skin/btn2.png); }"
        "QPushButton#OkBtn:pressed, QPushButton#pushButton_2:pressed { border-image: url(:/skin/btn3.png); }"
        "QPushButton#Input:disabled, QPushButton#Output:disabled, QPushButton#Energy:disabled {"
        " border: 1px solid #C8C8C8; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 16);
    layout->setSpacing(10);

    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("captionLabel"));
    layout->addWidget(m_pCaption);
    layout->addSpacing(6);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);
    auto makeSwatch = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(60, 20);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    m_pInputLabel = new QLabel(this);
    m_pOutputLabel = new QLabel(this);
    m_pEnergyLabel = new QLabel(this);
    m_pInput = makeSwatch("Input");
    m_pOutput = makeSwatch("Output");
    m_pEnergy = makeSwatch("Energy");
    grid->addWidget(m_pInputLabel, 0, 0);
    grid->addWidget(m_pInput, 0, 1, Qt::AlignLeft);
    grid->addWidget(m_pOutputLabel, 1, 0);
    grid->addWidget(m_pOutput, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_pEnergyLabel, 2, 0);
    grid->addWidget(m_pEnergy, 2, 1, Qt::AlignLeft);

    m_pMaxLabel = new QLabel(this);
    m_pCheckBox = new QCheckBox(this);
    m_pCheckBox->setObjectName(QStringLiteral("checkBox"));
    m_pMaxValue = new QLineEdit(this);
    m_pMaxValue->setObjectName(QStringLiteral("MaxValue"));
    m_pMaxValue->setEnabled(false);
    m_pMaxValue->setFixedWidth(110);
    m_pMaxValue->setPlaceholderText(QStringLiteral("kW"));
    auto* maxRow = new QHBoxLayout;
    maxRow->setSpacing(6);
    maxRow->addWidget(m_pCheckBox);
    maxRow->addWidget(m_pMaxValue);
    maxRow->addStretch(1);
    grid->addWidget(m_pMaxLabel, 3, 0);
    grid->addLayout(maxRow, 3, 1);

    m_pTimeLabel = new QLabel(this);
    m_pTimeCom = new QComboBox(this);
    m_pTimeCom->setObjectName(QStringLiteral("Time_com"));
    m_pTimeCom->setMinimumWidth(136);
    grid->addWidget(m_pTimeLabel, 4, 0);
    grid->addWidget(m_pTimeCom, 4, 1, Qt::AlignLeft);
    layout->addLayout(grid);

    m_pDefault = new QCheckBox(this);
    m_pDefault->setObjectName(QStringLiteral("Default"));
    layout->addWidget(m_pDefault);
    layout->addStretch(1);

    m_pOkBtn = new QPushButton(this);
    m_pOkBtn->setObjectName(QStringLiteral("OkBtn"));
    m_pOkBtn->setShortcut(QKeySequence(Qt::Key_Return));
    m_pOkBtn->setDefault(true);
    m_pCancelBtn = new QPushButton(this);
    m_pCancelBtn->setObjectName(QStringLiteral("pushButton_2"));
    m_pCancelBtn->setShortcut(QKeySequence(Qt::Key_Escape));
    layout->addLayout(ButtonRow({m_pOkBtn, m_pCancelBtn}));

    connect(m_pInput, &QPushButton::clicked, this, &QTrendSetDlg::on_Input_clicked);
    connect(m_pCheckBox, &QCheckBox::clicked, this, &QTrendSetDlg::on_checkBox_clicked);
    connect(m_pDefault, &QCheckBox::clicked, this, &QTrendSetDlg::on_Default_clicked);
    connect(m_pOutput, &QPushButton::clicked, this, &QTrendSetDlg::on_Output_clicked);
    connect(m_pEnergy, &QPushButton::clicked, this, &QTrendSetDlg::on_Energy_clicked);
    connect(m_pOkBtn, &QPushButton::clicked, this, &QTrendSetDlg::on_OkBtn_clicked);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QTrendSetDlg::on_pushButton_2_clicked);
    setFixedSize(360, 290);
}

void QTrendSetDlg::Retranslate() {
    setWindowTitle(tr("Dialog"));
    m_pCaption->setText(tr("Trend settings"));
    m_pInputLabel->setText(tr("Input Power:"));
    m_pOutputLabel->setText(tr("Output Power:"));
    m_pEnergyLabel->setText(tr("Energy:"));
    m_pMaxLabel->setText(tr("The maximum Y-axis:"));
    m_pTimeLabel->setText(tr("Time axis:"));
    m_pDefault->setText(tr("Restore default settings"));
    m_pOkBtn->setText(tr("Ok"));
    m_pCancelBtn->setText(tr("Cancel"));
    const int index = m_pTimeCom->currentIndex();
    m_pTimeCom->clear();
    // Labelled with the span each code shows (a tenth of it was written before).
    m_pTimeCom->addItems({tr("10 minutes"), tr("100 minutes"), tr("10 hours"), tr("20 hours")});
    m_pTimeCom->setCurrentIndex(qMax(0, index));
}

void QTrendSetDlg::Load(const TrendSettings& settings) {
    m_Settings = settings;
    m_pInput->setStyleSheet(SwatchStyle(settings.Color1));
    m_pOutput->setStyleSheet(SwatchStyle(settings.Color2));
    m_pEnergy->setStyleSheet(SwatchStyle(settings.Color3));
    const bool fixed = settings.Flag == 0;
    m_pCheckBox->setChecked(fixed);
    m_pMaxValue->setEnabled(fixed);
    if (fixed) {
        m_pMaxValue->setText(QString::asprintf("%0.2f", settings.MaxValue / 1000.0));
    }
    for (int i = 0; i < 4; ++i) {
        if (settings.Total == kTotals[i]) {
            m_pTimeCom->setCurrentIndex(i);
        }
    }
}

bool QTrendSetDlg::ChooseColour(QPushButton* swatch, qint32* colour) {
    QMyColorDialog dialog(this);
    dialog.exec();
    if (!dialog.IsAccepted()) {
        return false;
    }
    *colour = dialog.Colour();
    swatch->setStyleSheet(SwatchStyle(*colour));
    return true;
}

void QTrendSetDlg::on_Input_clicked() {
    ChooseColour(m_pInput, &m_Settings.Color1);
}

void QTrendSetDlg::on_Output_clicked() {
    ChooseColour(m_pOutput, &m_Settings.Color2);
}

void QTrendSetDlg::on_Energy_clicked() {
    ChooseColour(m_pEnergy, &m_Settings.Color3);
}

void QTrendSetDlg::on_checkBox_clicked() {
    m_pMaxValue->setEnabled(m_pCheckBox->isChecked());
    m_pMaxValue->clear();
}

void QTrendSetDlg::on_Default_clicked() {
    const bool restore = m_pDefault->isChecked();
    if (restore) {
        m_pInput->setStyleSheet(QStringLiteral("border: 1px solid #808080;background-color:#FF0000"));
        m_pOutput->setStyleSheet(QStringLiteral("border: 1px solid #808080;background-color:#8000FF"));
        m_pEnergy->setStyleSheet(QStringLiteral("border: 1px solid #808080;background-color:#000000"));
        m_pMaxValue->setEnabled(false);
        m_pMaxValue->clear();
        m_pCheckBox->setChecked(false);
        m_pTimeCom->setCurrentIndex(0);
        m_Settings.Color1 = 0xFF0000;
        m_Settings.Color2 = 0x8000FF;
        m_Settings.Color3 = 0x000000;
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_pInput, m_pOutput, m_pEnergy, m_pCheckBox, m_pTimeCom}) {
        widget->setEnabled(!restore);
    }
}

void QTrendSetDlg::on_OkBtn_clicked() {
    m_Settings.Flag = m_pCheckBox->isChecked() ? 1 : 0;
    // At most two decimals: the small bias keeps 0.29 from truncating to 289.
    const double entered = m_pMaxValue->text().toDouble();
    const qint64 thousandths = qint64(entered * 1000.0 + 1e-6);
    m_Settings.MaxValue = int(qBound(qint64(MinMaxValue), thousandths, qint64(100000000)));
    m_Settings.Total = kTotals[qBound(0, m_pTimeCom->currentIndex(), 3)];
    m_bAccepted = true;
    close();
}

void QTrendSetDlg::on_pushButton_2_clicked() {
    close();
}
