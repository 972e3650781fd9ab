#ifndef SWEEPRUNNER_H
#define SWEEPRUNNER_H

// Runs a calculator sweep (the catalogue's thread-pool sweep) away from the
// GUI thread. Progress arrives as queued signals, at most once per percent,
// so a fast sweep cannot flood the event loop; the result is handed over only
// when the sweep completed: a cancelled sweep leaves no partial result.

#include "sweep.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

class SweepRunner : public QObject
{
    Q_OBJECT

public:
    explicit SweepRunner(QObject *parent = nullptr);
    // Cancels a running sweep and waits for its threads.
    ~SweepRunner() override;

    bool isRunning() const { return m_running; }

    // Starts the sweep; false when one is already running. `threads` 0 means
    // every core. The calculator must outlive the run (catalogue entries do).
    bool start(const velmora::calc::Calculator &calculator,
               std::vector<velmora::calc::SweepAxis> axes, velmora::calc::Assignments fixed,
               unsigned threads = 0);
    // Asks the running sweep to stop; cancelled() follows.
    void cancel();

    // The points of the last completed sweep (empty after a cancel).
    const velmora::calc::SweepResult &result() const { return m_result; }

signals:
    void progress(int done, int total);
    void finished();
    void cancelled();

private:
    void workerDone(std::shared_ptr<velmora::calc::SweepResult> result);

    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_lastPercent{-1};
    bool m_running = false;
    velmora::calc::SweepResult m_result;
};

#endif // SWEEPRUNNER_H
