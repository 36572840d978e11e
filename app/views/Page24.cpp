#include "Page24.h"

#include "MessageBox.h"
#include "QInverter.h"
#include "QReportOutput.h"
#include "QSheetPainter.h"
#include "SheetLabels.h"
#include "SystemClock.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QTextStream>
#include <QVBoxLayout>

namespace {
struct FieldDef {
    const char* name;
    const char* caption;
    int column;
    bool perLanguage;
    int group;
};

// The identity lines, then the data sheet's columns of Para by group. The
// maximum voltage comes from column 1: column 0 is the model's key.
const FieldDef kFields[] = {
    {"Company", QT_TRANSLATE_NOOP("Page24", "Manufacturer:"), -1, false, -1},
    {"name", QT_TRANSLATE_NOOP("Page24", "Inverter Name:"), -1, false, -1},
    {"addr", QT_TRANSLATE_NOOP("Page24", "Address:"), -1, false, -1},
    {"location", QT_TRANSLATE_NOOP("Page24", "Location:"), -1, false, -1},
    {"model", QT_TRANSLATE_NOOP("Page24", "Model:"), -1, false, -1},
    {"MaxVoltage", QT_TRANSLATE_NOOP("Page24", "Max Voltage:"), 1, false, 0},
    {"sVoltage", QT_TRANSLATE_NOOP("Page24", "Start Voltage:"), 2, false, 0},
    {"Mpp", QT_TRANSLATE_NOOP("Page24", "MPPT Range:"), 3, false, 0},
    {"MaxPower", QT_TRANSLATE_NOOP("Page24", "Max Power:"), 6, false, 0},
    {"MaxCurrent", QT_TRANSLATE_NOOP("Page24", "Max current:"), 7, false, 0},
    {"DCswitch", QT_TRANSLATE_NOOP("Page24", "DC Switch:"), 8, true, 0},
    {"output", QT_TRANSLATE_NOOP("Page24", "Output power:"), 9, false, 1},
    {"current", QT_TRANSLATE_NOOP("Page24", "Max AC current:"), 10, false, 1},
    {"grid", QT_TRANSLATE_NOOP("Page24", "Grid vol / f:"), 12, false, 1},
    {"connection", QT_TRANSLATE_NOOP("Page24", "Connection:"), 15, true, 1},
    {"dimen", QT_TRANSLATE_NOOP("Page24", "Dimension:"), 25, false, 2},
    {"weight", QT_TRANSLATE_NOOP("Page24", "Weight:"), 26, false, 2},
    {"efficie", QT_TRANSLATE_NOOP("Page24", "Max efficie:"), 17, false, 3},
    {"loss", QT_TRANSLATE_NOOP("Page24", "Loss(night):"), 21, false, 3},
};

const char* const kGroupCaptions[4] = {
    QT_TRANSLATE_NOOP("Page24", "DC parameters"),
    QT_TRANSLATE_NOOP("Page24", "AC parameters"),
    QT_TRANSLATE_NOOP("Page24", "Mechanical parameters"),
    QT_TRANSLATE_NOOP("Page24", "Efficiency "),
};
// Where each group stands: DC and mechanical on the left, AC and efficiency on the right.
const int kGroupColumn[4] = {0, 1, 0, 1};

const char* const kMaker = QT_TRANSLATE_NOOP("Page24", "KOVA Power Electronics Co., Ltd.");

const char* const kPictures[5] = {"solar1b.png", "solar2b.png", "solar3b.png", "solarpe.png", "solarpm.png"};

// The shipped data sheets, put into the data directory when it has none.
const char* const kShippedTable = ":/data/specification.db";
} // namespace

Page24::Page24(QWidget* parent) : QWidget(parent) {
    BuildForm();
    Retranslate();
    LoadTable();
}

void Page24::BuildForm() {
    setObjectName(QStringLiteral("Page24"));
    setStyleSheet(SheetLabels::GroupStyle +
                  QStringLiteral("QFrame#identity { border: 1px solid rgb(204,208,215); border-radius: 4px;"
                                 " background: white; }"
                                 "QLabel#model { font-weight: bold; color: rgb(30,96,166); }"));

    for (const FieldDef& def : kFields) {
        m_Fields.append(Field{def.name, def.caption, def.column, def.perLanguage, def.group});
    }
    auto addRow = [](QGridLayout* grid, Field& field, QWidget* parent) {
        const SheetLabels::Line line = SheetLabels::AddLine(grid, field.m_pName, parent);
        field.m_pCaptionLabel = line.m_pCaption;
        field.m_pValueLabel = line.m_pValue;
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 10);
    layout->setSpacing(10);

    auto* identity = new QFrame(this);
    identity->setObjectName(QStringLiteral("identity"));
    auto* top = new QHBoxLayout(identity);
    top->setContentsMargins(16, 10, 16, 10);
    top->setSpacing(16);
    auto* identityGrid = new QGridLayout;
    identityGrid->setHorizontalSpacing(12);
    identityGrid->setVerticalSpacing(6);
    identityGrid->setColumnStretch(1, 1);
    for (Field& field : m_Fields) {
        if (field.m_nGroup == -1) {
            addRow(identityGrid, field, identity);
        }
    }
    top->addLayout(identityGrid, 1);
    m_pPicture = new QWidget(identity);
    m_pPicture->setObjectName(QStringLiteral("picture"));
    m_pPicture->setFixedSize(128, 160);
    top->addWidget(m_pPicture, 0, Qt::AlignVCenter);
    layout->addWidget(identity);

    auto* groups = new QGridLayout;
    groups->setHorizontalSpacing(10);
    groups->setVerticalSpacing(10);
    const int rowOf[4] = {0, 0, 1, 1};
    for (int g = 0; g < 4; ++g) {
        m_pGroups[g] = new QGroupBox(this);
        auto* grid = new QGridLayout(m_pGroups[g]);
        grid->setContentsMargins(12, 12, 12, 8);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(4);
        grid->setColumnStretch(1, 1);
        for (Field& field : m_Fields) {
            if (field.m_nGroup == g) {
                addRow(grid, field, m_pGroups[g]);
            }
        }
        grid->setRowStretch(grid->rowCount(), 1);
        groups->addWidget(m_pGroups[g], rowOf[g], kGroupColumn[g]);
    }
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);
    layout->addLayout(groups);
    layout->addStretch(1);
}

void Page24::LoadTable() {
    const QString path = QDataSheetTable::FilePath();
    QDataSheetTable::InstallIfMissing(QLatin1String(kShippedTable), path);
    if (m_Table.Load(path)) {
        return;
    }
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") ||
        MessageBox::HasHook()) {
        // Nobody could press OK: the notice goes to the log instead.
        QTextStream(stderr) << "Tivra Wattsight: " << path << ": " << m_Table.Error() << '\n';
        return;
    }
    QMessageBox::information(this, QStringLiteral("Information"), m_Table.Error(), QMessageBox::Ok);
}

QLabel* Page24::Label(const QString& name) const {
    for (const Field& field : m_Fields) {
        if (name == QLatin1String(field.m_pName)) {
            return field.m_pValueLabel;
        }
    }
    return nullptr;
}

void Page24::SetLanguage(int index) {
    m_nLanguage = index;
    SetCurrentInverter(m_pInverter);
}

void Page24::Retranslate() {
    setWindowTitle(tr("Form"));
    for (Field& field : m_Fields) {
        field.m_pCaptionLabel->setText(tr(field.m_pCaption));
    }
    for (int g = 0; g < 4; ++g) {
        m_pGroups[g]->setTitle(tr(kGroupCaptions[g]));
    }
    SetCurrentInverter(m_pInverter);
}

void Page24::SetCurrentInverter(QInverter* inverter) {
    m_pInverter = inverter;
    QString model;
    if (inverter) {
        model = inverter->ModelName();
        Label(QStringLiteral("model"))->setText(model);
        Label(QStringLiteral("name"))->setText(inverter->Name());
        Label(QStringLiteral("addr"))->setText(QString::asprintf("%03d", inverter->Address()));
        Label(QStringLiteral("location"))->setText(inverter->Location());
        Label(QStringLiteral("Company"))->setText(tr(kMaker));
    } else {
        for (const char* name : {"model", "name", "addr", "location", "Company"}) {
            Label(QLatin1String(name))->clear();
        }
    }
    m_strShownModel = model;
    // An unknown model (or none) keeps the sheet as it was.
    const int row = inverter ? m_Table.FindRow(model) : -1;
    if (row >= 0) {
        ShowRow(row);
    }
}

void Page24::ShowRow(int row) {
    for (Field& field : m_Fields) {
        if (field.m_nColumn < 0) {
            continue;
        }
        const QString value = m_Table.Value(row, field.m_nColumn);
        field.m_pValueLabel->setText(field.m_bPerLanguage ? QDataSheetTable::PerLanguage(value, m_nLanguage)
                                                          : value);
    }
    const int picture = m_pInverter->PictureCode();
    if (picture >= 1 && picture <= 5) {
        m_nPicture = picture;
        m_pPicture->setStyleSheet(
            QStringLiteral("border-image: url(:/skin/%1);").arg(QLatin1String(kPictures[picture - 1])));
    }
}

void Page24::Refresh() {
    if (m_pInverter && m_pInverter->ModelName() != m_strShownModel) {
        SetCurrentInverter(m_pInverter);
    }
}

QString Page24::PictureFile() const {
    return m_nPicture >= 1 && m_nPicture <= 5
               ? QStringLiteral(":/skin/") + QLatin1String(kPictures[m_nPicture - 1])
               : QString();
}

ReportSheet Page24::Sheet() const {
    ReportSheet sheet;
    sheet.m_strTitle = Label(QStringLiteral("model"))->text();
    if (!PictureFile().isEmpty()) {
        sheet.m_Picture = QImage(PictureFile());
    }
    for (int g = 0; g < 4; ++g) {
        ReportSheet::Group group;
        group.m_strTitle = m_pGroups[g]->title().trimmed();
        group.m_nColumn = kGroupColumn[g];
        sheet.m_Groups.append(group);
    }
    for (const Field& field : m_Fields) {
        const ReportSheet::Line line{field.m_pCaptionLabel->text(), field.m_pValueLabel->text()};
        if (field.m_nGroup < 0) {
            sheet.m_Head.append(line);
        } else {
            sheet.m_Groups[field.m_nGroup].m_Lines.append(line);
        }
    }
    return sheet;
}

void Page24::Report(const QString& path, int kind) {
    if (!m_pInverter) {
        ShowMessage(tr("No selected inverter!"), MessageBox::TypeOk, this);
        return;
    }
    const ReportSheet sheet = Sheet();
    const auto paint = QSheetPainter::OnePage(sheet, SystemClock::Now());
    switch (kind) {
    case ReportPreview:
        QReportOutput::Preview(this, [this](QPrinter* printer) { printPreview(printer); });
        break;
    case ReportPdf:
        QReportOutput::TellSaved(
            QReportOutput::WritePdf(path + QStringLiteral(".pdf"), paint, sheet.m_strTitle));
        break;
    case ReportBmp:
        QReportOutput::TellSaved(
            QReportOutput::WriteBmp(path, QSize(QReportOutput::BmpWidth, QReportOutput::BmpHeight), paint));
        break;
    default:
        break;
    }
}

void Page24::printPreview(QPrinter* printer) {
    QReportOutput::PaintPages(printer, QSheetPainter::OnePage(Sheet(), SystemClock::Now()));
}
