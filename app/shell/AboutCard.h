#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QDialog;
class QLabel;

// The layout the two about cards share: the logo and a heading, then a column
// of captions with their values beside them.
namespace AboutCard {
QList<QPair<QLabel*, QLabel*>> Build(QDialog* dialog, const QString& heading,
                                     const QList<QPair<QString, QString>>& lines);
QList<QPair<QString, QString>> Texts(const QList<QPair<QLabel*, QLabel*>>& labels);
} // namespace AboutCard
