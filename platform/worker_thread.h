#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <pthread.h>

namespace vh {

// One background thread with a stack of a chosen size. The owner starts it
// with a task, polls finished() without blocking, and joins it before
// anything the task reads goes away; the destructor joins too. An exception
// that escapes the task is kept and thrown again by join().
class WorkerThread {
public:
    // What a search needs: its play lists and recursion fit with room to spare.
    static constexpr std::size_t kSearchStackSize = 20u * 1024u * 1024u;

    WorkerThread() = default;
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts `task` on a new thread with `stackSize` bytes of stack. A thread
    // started earlier is joined first. Throws std::system_error when the
    // system refuses the thread; nothing runs then.
    void start(std::function<void()> task, std::size_t stackSize);

    // True once the task has returned (or thrown); false while it runs and
    // when nothing was started. Never blocks.
    bool finished() const { return finished_.load(std::memory_order_acquire); }

    // True from start() until join().
    bool joinable() const { return started_; }

    // Waits for the task to end. Rethrows what the task threw. Does nothing
    // when no thread is running.
    void join();

private:
    static void* threadMain(void* self);

    std::function<void()> task_;
    std::exception_ptr failure_;
    std::atomic<bool> finished_{false};
    pthread_t thread_{};
    bool started_ = false;
};

} // namespace vh
