#include "platform/worker_thread.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace vh {
namespace {

void waitUntilFinished(const WorkerThread& worker) {
    const auto start = std::chrono::steady_clock::now();
    while (!worker.finished()) {
        ASSERT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
        std::this_thread::yield();
    }
}

TEST(WorkerThread, PollsWithoutBlockingUntilTheTaskHasReturned) {
    WorkerThread worker;
    EXPECT_FALSE(worker.finished());
    EXPECT_FALSE(worker.joinable());
    std::atomic<bool> release{false};
    int result = 0;
    worker.start(
        [&] {
            while (!release.load()) {
                std::this_thread::yield();
            }
            result = 42;
        },
        WorkerThread::kSearchStackSize);
    EXPECT_TRUE(worker.joinable());
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(worker.finished()) << "the task is still waiting";
    release = true;
    waitUntilFinished(worker);
    worker.join();
    EXPECT_FALSE(worker.joinable());
    EXPECT_EQ(result, 42);
}

// Fills most of the stack it was given; the program's main thread could not.
void useStack(std::size_t bytes) {
    volatile char* block = static_cast<volatile char*>(__builtin_alloca(bytes));
    for (std::size_t at = 0; at < bytes; at += 4096) {
        block[at] = static_cast<char>(at);
    }
}

TEST(WorkerThread, RunsOnAStackOfTheChosenSize) {
    WorkerThread worker;
    std::size_t stackSize = 0;
    worker.start(
        [&] {
            pthread_attr_t attributes;
            ASSERT_EQ(pthread_getattr_np(pthread_self(), &attributes), 0);
            ASSERT_EQ(pthread_attr_getstacksize(&attributes, &stackSize), 0);
            pthread_attr_destroy(&attributes);
            useStack(14u * 1024u * 1024u);
        },
        WorkerThread::kSearchStackSize);
    worker.join();
    EXPECT_GE(stackSize, WorkerThread::kSearchStackSize);
}

TEST(WorkerThread, JoinThrowsWhatTheTaskThrew) {
    WorkerThread worker;
    worker.start([] { throw std::runtime_error("search failed"); }, 1u << 20);
    waitUntilFinished(worker);
    EXPECT_THROW(worker.join(), std::runtime_error);
    EXPECT_NO_THROW(worker.join()) << "thrown once only";
}

TEST(WorkerThread, StartsAgainAfterATaskAndJoinsWhenDestroyed) {
    std::atomic<int> runs{0};
    {
        WorkerThread worker;
        for (int round = 0; round < 3; ++round) {
            worker.start([&] { ++runs; }, 1u << 20);
            waitUntilFinished(worker);
        }
        worker.start(
            [&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                ++runs;
            },
            1u << 20);
    }
    EXPECT_EQ(runs.load(), 4) << "the destructor waited for the last task";
}

TEST(WorkerThread, RefusedThreadThrowsAndRunsNothing) {
    WorkerThread worker;
    bool ran = false;
    EXPECT_THROW(worker.start([&] { ran = true; }, 1), std::system_error);
    EXPECT_FALSE(worker.joinable());
    EXPECT_NO_THROW(worker.join());
    EXPECT_FALSE(ran);
}

} // namespace
} // namespace vh
