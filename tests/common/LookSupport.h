#pragma once

// What the look tests share: texts cut off by the widget that shows them, and
// pictures saved for review when WATTSIGHT_SCREENSHOT_DIR is set.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QtTest>

namespace looktest {

// Texts wider than the widget that shows them, as "object: text".
inline QStringList Clipped(QWidget* root) {
    QStringList clipped;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() || label->wordWrap()) {
            continue;
        }
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin();
        if (needed > label->contentsRect().width() + 1) {
            clipped << label->objectName() + QStringLiteral(": ") + label->text() +
                           QStringLiteral(" (%1 > %2)").arg(needed).arg(label->contentsRect().width());
        }
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(root) && !button->text().isEmpty() &&
            button->sizeHint().width() > button->width() + 1) {
            clipped << button->objectName() + QStringLiteral(": ") + button->text();
        }
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        if (combo->isVisibleTo(root) && combo->sizeHint().width() > combo->width() + 1) {
            clipped << combo->objectName() + QStringLiteral(": ") + combo->currentText();
        }
    }
    for (QGroupBox* group : root->findChildren<QGroupBox*>()) {
        if (group->isVisibleTo(root) && group->minimumSizeHint().width() > group->width() + 1) {
            clipped << group->objectName() + QStringLiteral(": ") + group->title();
        }
    }
    return clipped;
}

// The folder for review pictures, or empty when none are wanted.
inline QString ScreenshotDir() {
    return qEnvironmentVariable("WATTSIGHT_SCREENSHOT_DIR");
}

inline void Save(QWidget* widget, const QString& name) {
    const QString dir = ScreenshotDir();
    if (dir.isEmpty()) {
        return;
    }
    QDir().mkpath(dir);
    QVERIFY(widget->grab().save(QDir(dir).filePath(name), "PNG"));
}

} // namespace looktest
