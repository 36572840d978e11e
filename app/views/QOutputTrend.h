#pragma once

#include <QPaintEvent>
#include <QWidget>

class QInverter;
class QLabel;

// One inverter's output power of the day, one sample per minute from the start
// hour on, under the inverter's name and address.
class QOutputTrend : public QWidget {
    Q_OBJECT

public:
    static constexpr int ItemHeight = 150;
    static constexpr int SampleCount = 1441;
    static constexpr int BaseLine = 110; // y of the value 0
    static constexpr int FullScale = 90; // pixels from the value 0 to the scale

    QOutputTrend(QInverter* inverter, int startHour, QWidget* parent = nullptr);
    ~QOutputTrend() override;

    QInverter* Inverter() const { return m_pInverter; }
    // A new start hour shifts the day: the samples are taken again from the history.
    void SetStartHour(int hour);
    int StartHour() const { return m_nStartHour; }
    // Stores the current minute's output power and repaints (run once a second).
    void TakeCurrentSample();
    // Stores the output power of the given minute of the day; repaints only when
    // the curve changed.
    void TakeSample(int minuteOfDay);
    void Retranslate();

    qint32 Sample(int index) const;
    // The value at the top of the axis: 2000 W, or the next thousand above the
    // largest sample plus one thousand.
    int Scale() const;
    // Vertical pixel of a sample value.
    int YOf(int value) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LoadSamples();
    void LayoutTitle();
    QFont SmallFont() const;
    // Minutes the x axis spans: from the start hour to the end of the day.
    int SpanMinutes() const;
    // The strip of the plot that a new value of the sample at index changes, with
    // its neighbours' lines to it; empty when the sample lies beyond the axis.
    QRect SampleStrip(int index) const;

    QInverter* m_pInverter;
    QLabel* m_pTitle = nullptr;
    QString m_strTitle;
    int m_nStartHour = 6;
    mutable int m_nScale = 2000;
    qint32 m_Samples[SampleCount];
};
