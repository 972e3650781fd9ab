#include "sweeprunner.h"

#include <QMetaObject>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace velmora::calc;

SweepRunner::SweepRunner(QObject *parent) : QObject(parent) {}

SweepRunner::~SweepRunner()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

bool SweepRunner::start(const Calculator &calculator, std::vector<SweepAxis> axes,
                        Assignments fixed, unsigned threads)
{
    if (m_running)
        return false;
    if (m_worker.joinable())
        m_worker.join();
    m_running = true;
    m_cancel = false;
    m_lastPercent = -1;
    m_result = SweepResult();

    m_worker =
        std::thread([this, &calculator, axes = std::move(axes), fixed = std::move(fixed), threads] {
            SweepOptions options;
            options.threads = threads;
            options.cancel = &m_cancel;
            options.progress = [this](std::size_t done, std::size_t total) {
                const int percent = total ? int(done * 100 / total) : 100;
                if (percent == m_lastPercent.exchange(percent))
                    return;
                // Queued to the runner's thread; dropped if the runner is gone.
                QMetaObject::invokeMethod(
                    this, [this, done, total] { emit progress(int(done), int(total)); },
                    Qt::QueuedConnection);
            };
            auto result = std::make_shared<SweepResult>(runSweep(calculator, axes, fixed, options));
            QMetaObject::invokeMethod(
                this, [this, result] { workerDone(result); }, Qt::QueuedConnection);
        });
    return true;
}

void SweepRunner::cancel()
{
    m_cancel = true;
}

void SweepRunner::workerDone(std::shared_ptr<SweepResult> result)
{
    if (m_worker.joinable())
        m_worker.join();
    m_running = false;
    if (result->cancelled || m_cancel) {
        m_result = SweepResult();
        emit cancelled();
        return;
    }
    m_result = std::move(*result);
    emit finished();
}
