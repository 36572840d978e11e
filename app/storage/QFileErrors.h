#pragma once

#include <QString>
#include <functional>

// Data files that could not be written. Writers go on as before (the record
// is skipped); they only tell the one listener, if any: the headless logger
// prints such failures, since nobody watches its window.
class QFileErrors {
public:
    using Listener = std::function<void(const QString& path, const QString& reason)>;

    static void SetListener(Listener listener);
    static void Report(const QString& path, const QString& reason);
};
