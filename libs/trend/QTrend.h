#pragma once

#include "CurvoGlobal.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QString>
#include <QWidget>

// One day of up to three curves of per-minute integer samples against a 00:00 to
// 24:00 axis. A window of `m_nTotal` minutes follows the newest sample and can be
// dragged; the value axis can scale itself to the data. Configured through
// SetAttribute; every attribute change is reported to one registered callback,
// which reads the new value back from the public members.
class CURVO_EXPORT QTrend : public QWidget {
    Q_OBJECT

public:
    typedef void (*AttributeFunc)(QString name, void* data);

    explicit QTrend(QWidget* parent = nullptr);
    ~QTrend() override;

    void SetAttribute(const QString& name, const QString& value, bool refresh);
    void AddData(int curve, int value);
    void Clear();
    void SetStart(int minute);
    void SetFunc(AttributeFunc func, void* data);
    void GetMax();
    void SetShowType(int type);

    // Samples outside this range are stored as -1, the mark of a missing sample.
    static constexpr int kMaxSample = 500000;
    static constexpr int kDayMinutes = 1440;

    int m_nPoint = 10;           // index of the sample at the right edge of the plot
    int m_nTotal = 10;           // width of the visible window in samples (minutes)
    int m_nMax = 5000;           // value at the top of the value axis
    int m_nMin = 0;              // value at the bottom of the value axis
    QRgb m_Color1 = 0xFFFF0000u; // curve 0
    QRgb m_Color2 = 0xFF8000FFu; // curve 1
    QRgb m_Color3 = 0;           // curve 2
    QList<int> m_Data[3];
    int m_nShowType = 0; // 0 shows curves 0 and 1, any other value curve 2
    bool m_bAuto = true;
    AttributeFunc m_pFunc = nullptr;
    void* m_pFuncData = nullptr;
    int m_nStart = -1;      // minute of the day of sample 0
    int m_nPressPos = -1;   // global x at the last press; -1 when no drag is in progress
    int m_nPressPoint = -1; // m_nPoint at the last press

protected slots:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int Clamp(int point) const;
    QFont LabelFont() const;
    void DrawCurve(QPainter& painter, const QList<int>& data, QRgb colour, int pw, int ph, int h) const;
};
