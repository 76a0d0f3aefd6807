#include "platform/worker_thread.h"

#include <system_error>
#include <utility>

namespace vh {

WorkerThread::~WorkerThread() {
    if (started_) {
        pthread_join(thread_, nullptr);
    }
}

void WorkerThread::start(std::function<void()> task, std::size_t stackSize) {
    join();
    task_ = std::move(task);
    failure_ = nullptr;
    finished_.store(false, std::memory_order_relaxed);

    pthread_attr_t attributes;
    int error = pthread_attr_init(&attributes);
    if (error == 0) {
        error = pthread_attr_setstacksize(&attributes, stackSize);
        if (error == 0) {
            error = pthread_create(&thread_, &attributes, &WorkerThread::threadMain, this);
        }
        pthread_attr_destroy(&attributes);
    }
    if (error != 0) {
        task_ = nullptr;
        throw std::system_error(error, std::generic_category(), "cannot start a worker thread");
    }
    started_ = true;
}

void WorkerThread::join() {
    if (!started_) {
        return;
    }
    pthread_join(thread_, nullptr);
    started_ = false;
    task_ = nullptr;
    if (failure_) {
        std::exception_ptr failure = std::exchange(failure_, nullptr);
        std::rethrow_exception(failure);
    }
}

void* WorkerThread::threadMain(void* self) {
    auto* worker = static_cast<WorkerThread*>(self);
    try {
        worker->task_();
    } catch (...) {
        worker->failure_ = std::current_exception();
    }
    worker->finished_.store(true, std::memory_order_release);
    return nullptr;
}

} // namespace vh
