#pragma once

#include <QString>
#include <QTime>

class QInverter;
class QMissionModel;
class QSystemModel;

// A search of the bus for inverters: probes a range of addresses one at a
// time with a read of the model name, through the plant's search slot, so
// each probe goes before every poll. A probe is sent once and waits for its
// answer or its time-out; the next one follows 200 ms after that. The search
// dialog ticks it and shows what it reports; the main window passes it the
// answers.
//
// One probe is out at a time, and an answer is always the outstanding probe's
// and reported at that probe's own address: after a stop and a new start, the
// answer of the old probe is neither taken for the new range nor lets a second
// probe go out next to the one still waiting.
class QInverterSearch {
public:
    static constexpr int FirstAddress = 1;
    static constexpr int LastAddress = 247;
    static constexpr int PauseMs = 200;
    static constexpr int ModelRegister = 0x121C;
    static constexpr int ModelRegisters = 20;

    // What one tick or answer came to.
    enum Step {
        Nothing,  // waiting: a probe is out, the pause runs, or no search runs
        Probing,  // a probe to Address() went into the search slot
        Finished, // the last address was probed: the search stopped
        Found,    // the probe to Address() was answered, with ModelText()
        TimedOut, // the probe to Address() got no answer
    };

    explicit QInverterSearch(QSystemModel* plant) : m_pPlant(plant) {}
    ~QInverterSearch();
    QInverterSearch(const QInverterSearch&) = delete;
    QInverterSearch& operator=(const QInverterSearch&) = delete;

    // A range the search takes: start below end, from 1 up to 247.
    static bool IsRange(int start, int end);
    // Starts over with start; false (and nothing started) for a range it refuses.
    bool Start(int start, int end);
    void Stop() { m_bRunning = false; }
    bool IsRunning() const { return m_bRunning; }

    Step Tick();
    // The search slot's callback: the answered probe, or none when it timed out.
    Step OnProbeDone(QMissionModel* mission);

    int Address() const { return m_nAddress; }
    QString ModelText() const { return m_strModel; }
    int CurrentAddress() const { return m_nCurrent; }
    bool IsProbeOut() const { return m_pProbe != nullptr; }
    QMissionModel* Probe() const { return m_pProbe; }

    // The model name in a reply: its data read as a zero-terminated text; an
    // error reply carries none.
    static QString ReplyModelText(const QMissionModel* mission);

    // A found inverter joins the plant: a new inverter with the address, the
    // name and the ratings of the model text. None when the plant refuses it
    // (name or address used).
    static QInverter* AddInverter(QSystemModel& plant, int address, const QString& name,
                                  const QString& model);

private:
    QSystemModel* m_pPlant;
    bool m_bRunning = false;
    int m_nEnd = 0;
    int m_nCurrent = 0;
    int m_nRun = 0;
    QMissionModel* m_pProbe = nullptr;
    int m_nProbeRun = 0;
    int m_nProbeAddress = 0;
    bool m_bHadResult = false;
    QTime m_LastResult;
    int m_nAddress = 0;
    QString m_strModel;
};
