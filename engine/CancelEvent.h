#pragma once
#include <atomic>

// An event with automatic reset: the first test that sees the signal
// consumes it. One per process stops whichever worker runs.
class AutoResetEvent {
public:
    void Set() { m_signalled.store(true); }
    void Reset() { m_signalled.store(false); }
    // The zero time-out wait: true (and cleared) if the event was signalled.
    // The plain load first spares the search a locked exchange per word.
    bool TestAndConsume()
    {
        return m_signalled.load(std::memory_order_relaxed) && m_signalled.exchange(false);
    }

private:
    std::atomic<bool> m_signalled{false};
};

extern AutoResetEvent CancelEvent;
