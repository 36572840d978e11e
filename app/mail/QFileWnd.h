#pragma once

#include <QList>
#include <QWidget>

class QFileItem;

// The inside of the attachment list: the entries, one under the other in the
// order added, and the size that lets the scroll area around it show them.
class QFileWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int EmptyWidth = 289;
    static constexpr int EmptyHeight = 89;
    // The width left beside the vertical scroll bar.
    static constexpr int ScrolledWidth = 271;

    explicit QFileWnd(QWidget* parent = nullptr);
    ~QFileWnd() override;

    // Appends an entry; false when the path is listed already.
    bool AddPath(const QString& path);
    // Removes every entry; the window keeps its size until the next addition.
    void Clear();
    // Sizes the window to its entries and stacks them.
    void Relayout();

    const QList<QFileItem*>& Items() const { return m_Items; }

    // The window's size for count entries of which the widest needs widest pixels.
    static QSize LayoutSize(int count, int widest);

    bool event(QEvent* event) override;

private:
    QList<QFileItem*> m_Items;
};
