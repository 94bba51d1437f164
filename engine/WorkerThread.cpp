#include "engine/WorkerThread.h"

#include <chrono>

WorkerThread::WorkerThread(std::function<unsigned()> procedure)
    : m_thread([this, procedure = std::move(procedure)] { Run(procedure); })
{
}

WorkerThread::~WorkerThread()
{
    if (m_thread.joinable())
        m_thread.join();
}

void WorkerThread::Run(const std::function<unsigned()>& procedure)
{
    const unsigned code = procedure();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_exitCode.store(code);
    m_ended.store(true);
    m_endedSignal.notify_all();
}

bool WorkerThread::WaitFor(int milliseconds)
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_endedSignal.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                    [this] { return m_ended.load(); }))
            return false;
    }
    if (m_thread.joinable())
        m_thread.join();
    return true;
}
