#pragma once
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A worker thread that can be asked whether it still runs and waited for
// with a time-out. The procedure starts at once.
class WorkerThread {
public:
    explicit WorkerThread(std::function<unsigned()> procedure);
    // Joins: the owner stops the procedure first (CancelEvent).
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    bool IsRunning() const { return !m_ended.load(); }
    // True when the procedure has ended within the time (the thread is
    // joined then); false on time-out.
    bool WaitFor(int milliseconds);
    // The procedure's result; meaningful once it has ended.
    unsigned ExitCode() const { return m_exitCode.load(); }

private:
    void Run(const std::function<unsigned()>& procedure);

    std::atomic<bool> m_ended{false};
    std::atomic<unsigned> m_exitCode{0};
    std::mutex m_mutex;
    std::condition_variable m_endedSignal;
    std::thread m_thread;
};
