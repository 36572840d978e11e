#include "AboutCard.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace AboutCard {

QList<QPair<QLabel*, QLabel*>> Build(QDialog* dialog, const QString& heading,
                                     const QList<QPair<QString, QString>>& lines) {
    dialog->setStyleSheet(
        QStringLiteral("QDialog{background:white;}"
                       "QLabel{color:rgb(84,94,108);}"
                       "QLabel#heading{color:rgb(40,46,56);font-weight:bold;font-size:16px;}"
                       "QLabel#value{color:rgb(40,46,56);}"));
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(24, 18, 28, 24);
    layout->setSpacing(14);

    auto* head = new QHBoxLayout;
    auto* logo = new QLabel(dialog);
    logo->setPixmap(QPixmap(QStringLiteral(":/skin/logo32.png")));
    auto* title = new QLabel(heading, dialog);
    title->setObjectName(QStringLiteral("heading"));
    head->addWidget(logo);
    head->addSpacing(6);
    head->addWidget(title, 1);
    head->addSpacing(30); // room for the corner close button
    layout->addLayout(head);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    QList<QPair<QLabel*, QLabel*>> labels;
    for (int row = 0; row < lines.size(); ++row) {
        auto* caption = new QLabel(lines.at(row).first, dialog);
        auto* value = new QLabel(lines.at(row).second, dialog);
        value->setObjectName(QStringLiteral("value"));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0, Qt::AlignRight);
        grid->addWidget(value, row, 1);
        labels.append(qMakePair(caption, value));
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    dialog->setMinimumWidth(380);
    dialog->adjustSize();
    return labels;
}

QList<QPair<QString, QString>> Texts(const QList<QPair<QLabel*, QLabel*>>& labels) {
    QList<QPair<QString, QString>> texts;
    for (const auto& pair : labels) {
        texts.append(qMakePair(pair.first->text(), pair.second->text()));
    }
    return texts;
}

} // namespace AboutCard
