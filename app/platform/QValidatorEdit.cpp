#include "QValidatorEdit.h"

#include <QRegularExpressionValidator>

QValidatorEdit::QValidatorEdit(QWidget* parent) : QValidatorEdit(QString(), parent) {}

QValidatorEdit::QValidatorEdit(const QString& pattern, QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { UpdateState(); });
    SetExpression(pattern);
}

void QValidatorEdit::SetExpression(const QString& pattern) {
    m_Expression.setPattern(pattern);
    if (pattern.isEmpty()) {
        setValidator(nullptr);
    } else {
        setValidator(new QRegularExpressionValidator(m_Expression, this));
    }
    UpdateState();
}

void QValidatorEdit::SetValue(const QString& value) {
    setText(value);
}

bool QValidatorEdit::IsValid() const {
    if (m_Expression.pattern().isEmpty()) {
        return true;
    }
    if (!m_Expression.isValid()) {
        return false;
    }
    // The patterns are anchored as given; a pattern without anchors must still
    // match the whole text, as the validator requires.
    const QRegularExpression whole(QRegularExpression::anchoredPattern(m_Expression.pattern()));
    return whole.match(text()).hasMatch();
}

void QValidatorEdit::UpdateState() {
    const bool valid = IsValid();
    setStyleSheet(valid ? QString() : QStringLiteral("QLineEdit{border:1px solid rgb(208,64,58);}"));
    if (valid != m_bValid) {
        m_bValid = valid;
        emit ValidityChanged(valid);
    }
}
