#include "QFormDlg.h"

#include "QSystemModel.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
const char* const kStyle =
    "QFormDlg { background: white; }"
    "QLabel#captionLabel { color: rgb(110,118,130); }"
    "QLabel[role=\"hint\"] { color: rgb(140,148,160); font-size: 11px; }"
    "QLabel[role=\"hint\"][bad=\"true\"] { color: rgb(208,64,58); }"
    "QLineEdit { border: 1px solid rgb(190,196,206); padding: 2px; min-height: 20px; }"
    "QLineEdit:focus { border-color: rgb(96,140,200); }"
    "QLineEdit:read-only, QLineEdit:disabled { background: rgb(244,245,247); color: rgb(90,98,110); }"
    "QGroupBox { border: 1px solid rgb(220,224,230); border-radius: 4px; margin-top: 10px; padding: 8px 6px "
    "4px 6px;"
    " font-weight: bold; color: rgb(40,46,56); }"
    "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
    "QGroupBox QLabel, QGroupBox QCheckBox { font-weight: normal; }"
    "QPushButton[role=\"skin\"] { border: none; border-image: url(:/skin/btn1.png); min-height: 26px;"
    " color: rgb(40,46,56); }"
    "QPushButton[role=\"skin\"]:hover { border-image: url(:/skin/btn2.png); }"
    "QPushButton[role=\"skin\"]:pressed { border-image: url(:/skin/btn3.png); }"
    "QPushButton[role=\"skin\"]:disabled { color: rgb(160,166,176); }";

constexpr int kMinButtonWidth = 86;
} // namespace

QFormDlg::QFormDlg(QWidget* parent) : BaseDlg(parent) {
    setStyleSheet(QLatin1String(kStyle));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 18);
    layout->setSpacing(10);
    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("captionLabel"));
    layout->addWidget(m_pCaption);
    layout->addSpacing(4);
    m_pBody = new QVBoxLayout;
    m_pBody->setSpacing(10);
    layout->addLayout(m_pBody);
    layout->addStretch(1);
    layout->addSpacing(6);
    m_pButtons = new QHBoxLayout;
    m_pButtons->setSpacing(16);
    m_pButtons->addStretch(1);
    layout->addLayout(m_pButtons);
}

QFormDlg::~QFormDlg() = default;

QString QFormDlg::StoredText(const QString& text) {
    QString stored;
    stored.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            stored.append(c);
        }
    }
    return stored;
}

QString QFormDlg::StoredText(const QLineEdit* edit) {
    return StoredText(edit->text());
}

bool QFormDlg::FitsWidth(const QString& text, int points, const QFont& shownIn, int limit) {
    static const QString face = QStringLiteral("宋体");
    const QStringList families = QFontDatabase::families();
    QFont font = shownIn;
    if (families.contains(face) || families.contains(QStringLiteral("SimSun"))) {
        font = QFont(families.contains(face) ? face : QStringLiteral("SimSun"), points);
    }
    return QFontMetrics(font).horizontalAdvance(text) <= limit;
}

void QFormDlg::WriteSettings(QSystemModel* system, const QList<QPair<QString, QString>>& values) {
    bool changed = false;
    for (int i = 0; i < values.size(); ++i) {
        const QString& key = values.at(i).first;
        const QString& value = values.at(i).second;
        const bool differs = system->GetSystemValue(key) != value;
        if (i + 1 < values.size()) {
            changed = changed || differs;
            system->SetSystemValue(key, value, false);
        } else if (differs) {
            system->SetSystemValue(key, value, true);
        } else if (changed) {
            system->SaveSystemFile();
        }
    }
}

void QFormDlg::SetCaption(const QString& text) {
    m_pCaption->setText(text);
}

QGridLayout* QFormDlg::NewGrid(QWidget* box) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    if (box) {
        box->setLayout(grid);
        grid->setContentsMargins(10, 12, 10, 8);
    } else {
        m_pBody->addLayout(grid);
    }
    return grid;
}

QGroupBox* QFormDlg::NewGroup(const char* name) {
    auto* group = new QGroupBox(this);
    group->setObjectName(QLatin1String(name));
    m_pBody->addWidget(group);
    return group;
}

QLabel* QFormDlg::AddRow(QGridLayout* grid, QWidget* field, int row, int column) {
    if (row < 0) {
        row = grid->count() == 0 ? 0 : grid->rowCount();
    }
    auto* caption = new QLabel(field->parentWidget());
    caption->setObjectName(field->objectName() + QStringLiteral("_caption"));
    caption->setBuddy(field);
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row, column + 1);
    grid->setColumnStretch(column + 1, 1);
    return caption;
}

QLabel* QFormDlg::AddHint(QGridLayout* grid, int column) {
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    auto* hint = new QLabel(grid->parentWidget());
    hint->setProperty("role", QStringLiteral("hint"));
    hint->setWordWrap(true);
    grid->addWidget(hint, row, column + 1);
    return hint;
}

QLineEdit* QFormDlg::NewEdit(const char* name, const QString& pattern) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    if (!pattern.isEmpty()) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    }
    return edit;
}

QPushButton* QFormDlg::AddButton(const char* name) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setProperty("role", QStringLiteral("skin"));
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    m_pButtons->addWidget(button);
    return button;
}

void QFormDlg::FinishForm(int width) {
    m_pButtons->addStretch(1);
    FitButtons();
    // Never narrower than the texts of the language shown need.
    setFixedWidth(qMax(width, layout()->minimumSize().width()));
    adjustSize();
    setFixedHeight(sizeHint().height());
}

void QFormDlg::FitButtons() {
    for (int i = 0; i < m_pButtons->count(); ++i) {
        if (auto* button = qobject_cast<QPushButton*>(m_pButtons->itemAt(i)->widget())) {
            button->setMinimumWidth(
                qMax(kMinButtonWidth, button->fontMetrics().horizontalAdvance(button->text()) + 32));
        }
    }
}
