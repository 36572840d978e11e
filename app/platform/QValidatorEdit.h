#pragma once

#include <QLineEdit>
#include <QRegularExpression>

// A line edit that only takes text matching a regular expression. Typing is
// limited to what can still become a match; text that is not (yet) a full match
// is marked with a red border, and Value() reports the text as it stands.
class QValidatorEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit QValidatorEdit(QWidget* parent = nullptr);
    QValidatorEdit(const QString& pattern, QWidget* parent = nullptr);

    void SetExpression(const QString& pattern);
    QString Expression() const { return m_Expression.pattern(); }

    QString Value() const { return text(); }
    void SetValue(const QString& value);
    // Whether the whole text matches the expression.
    bool IsValid() const;

signals:
    void ValidityChanged(bool valid);

private:
    void UpdateState();

    QRegularExpression m_Expression;
    bool m_bValid = true;
};
