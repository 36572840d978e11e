#pragma once

#include <QWidget>

class QFileWnd;
class QScrollArea;

// The mail dialog's attachment list: a small scrolling window of entries, each
// with its own delete button.
class QFileList : public QWidget {
    Q_OBJECT
public:
    static constexpr int ViewWidth = 291;
    static constexpr int ViewHeight = 91;

    explicit QFileList(QWidget* parent = nullptr);
    ~QFileList() override;

    // False, adding nothing, when the path is listed already.
    bool AddPath(const QString& path);
    int Count() const;
    // The path of entry i; empty for an index out of range.
    QString Path(int i) const;
    QStringList Paths() const;
    // The sizes the files had when they were added, summed.
    qint64 TotalSize() const;
    void Clear();

    QFileWnd* Window() const { return m_pWnd; }
    QScrollArea* ScrollArea() const { return m_pScroll; }

private:
    QScrollArea* m_pScroll;
    QFileWnd* m_pWnd;
};
