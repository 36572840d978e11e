#include "QFileErrors.h"

namespace {
QFileErrors::Listener& TheListener() {
    static QFileErrors::Listener listener;
    return listener;
}
} // namespace

void QFileErrors::SetListener(Listener listener) {
    TheListener() = std::move(listener);
}

void QFileErrors::Report(const QString& path, const QString& reason) {
    if (TheListener()) {
        TheListener()(path, reason);
    }
}
