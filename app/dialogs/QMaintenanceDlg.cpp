#include "QMaintenanceDlg.h"

#include "MaintenanceCsv.h"
#include "MessageBox.h"
#include "QGrid.h"
#include "QInverter.h"
#include "QMissionModel.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

const char* const QMaintenanceDlg::ButtonSkin = "QPushButton{border-image: url(:/skin/btn1.png);}\n"
                                                "QPushButton::hover {border-image: url(:/skin/btn2.png);}\n"
                                                "QPushButton::pressed {border-image: url(:/skin/btn3.png);}";

namespace {
QMaintenanceDlg::FileNameHook& TheFileNameHook() {
    static QMaintenanceDlg::FileNameHook hook;
    return hook;
}
} // namespace

void QMaintenanceDlg::SetFileNameHook(FileNameHook hook) {
    TheFileNameHook() = std::move(hook);
}

QMaintenanceDlg::QMaintenanceDlg(QWidget* parent, const char* objectName) : BaseDlg(parent) {
    setObjectName(QLatin1String(objectName));
    setStyleSheet(QStringLiteral("QDialog#%1 { background: white; }"
                                 "QLabel#captionLabel { color: rgb(110,118,130); }"
                                 "QLineEdit, QDateEdit, QDateTimeEdit, QComboBox, QTextEdit {"
                                 " border: 1px solid rgb(128,128,128); background-color: rgb(240,240,240);"
                                 " min-height: 20px; }"
                                 "QGroupBox { color: rgb(40,44,52); }"
                                 "QPushButton:disabled { color: rgb(160,160,160); }")
                      .arg(QLatin1String(objectName)));
}

void QMaintenanceDlg::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    if (m_pCaption && inverter) {
        m_pCaption->setText(tr("Inverter %1, address %2").arg(inverter->Name()).arg(inverter->Address()));
    }
}

QVBoxLayout* QMaintenanceDlg::StartForm() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 16);
    layout->setSpacing(8);
    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("captionLabel"));
    layout->addWidget(m_pCaption);
    layout->addSpacing(4);
    return layout;
}

QPushButton* QMaintenanceDlg::NewButton(const char* objectName) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setStyleSheet(QLatin1String(ButtonSkin));
    button->setMinimumSize(80, 26);
    button->setCursor(Qt::PointingHandCursor);
    // Return in a field must not press whatever button happens to be the default.
    button->setAutoDefault(false);
    return button;
}

QLineEdit* QMaintenanceDlg::NewEdit(const char* objectName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(objectName));
    return edit;
}

QScrollArea* QMaintenanceDlg::NewGridArea(const char* objectName, QGrid* grid, int minWidth, int maxWidth,
                                          int height, bool scrolls) {
    auto* area = new QScrollArea(this);
    area->setObjectName(QLatin1String(objectName));
    area->setBackgroundRole(QPalette::Dark);
    area->setWidgetResizable(false);
    area->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int frame = 2 * area->frameWidth();
    const int bar = scrolls ? area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area) : 0;
    grid->SetWidth(0); // its columns' own width
    const int width = qBound(minWidth, grid->width() + frame + bar, maxWidth);
    grid->SetWidth(width - frame - bar);
    area->setFixedSize(width, height);
    area->setWidget(grid);
    return area;
}

void QMaintenanceDlg::AddButtonRow(QBoxLayout* layout, const QList<QPushButton*>& buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    row->addStretch(1);
    layout->addLayout(row);
}

bool QMaintenanceDlg::IsOwnReply(const QMissionModel* mission) const {
    return mission && m_pInverter && mission->Owner() == &m_pInverter->MissionList();
}

void QMaintenanceDlg::SaveCsv(const QList<QStringList>& rows) {
    if (!m_pInverter) {
        return;
    }
    const QString path = AskCsvFile();
    if (!path.isEmpty()) {
        WriteCsv(path, MaintenanceCsv::Text(*m_pInverter, QDateTime::currentDateTime(), rows));
    }
}

QString QMaintenanceDlg::AskCsvFile() {
    const QString chosen =
        TheFileNameHook()
            ? TheFileNameHook()()
            : QFileDialog::getSaveFileName(this, tr("Save"), QDir::currentPath(), tr("CSV File(*.csv)"));
    return chosen.isEmpty() ? QString() : MaintenanceCsv::WithExtension(chosen);
}

void QMaintenanceDlg::WriteCsv(const QString& path, const QByteArray& text) {
    // A file that cannot be written used to leave the user believing it was saved.
    const bool saved = MaintenanceCsv::Write(path, text);
    ShowMessage(saved ? tr("Successfully saved!") : tr("Save failed!"), MessageBox::TypeOk, this);
}
