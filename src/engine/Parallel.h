// A small parallel loop over independent tasks on std::thread, with cancellation and progress.
// Every task writes only its own result slot, so results do not depend on how many threads ran.
#pragma once

#include <atomic>
#include <functional>

namespace brelvan::parallel {

// How a long computation is run and watched from outside.
struct Control {
    // Set from any thread to stop early; the computation then reports itself cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Called with (done, total) after each finished task; calls are serialised but may come
    // from any worker thread.
    std::function<void(int, int)> progress;
    // Worker threads; 0 takes every core of the machine.
    int threads = 0;

    bool cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
};

// The number of threads `threads` stands for (at least 1).
int threadCount(int threads);

// Runs task(0) ... task(count - 1) on up to threadCount(threads) threads. Tasks not yet started
// when the cancel flag is raised are skipped; returns false in that case. When a task throws, the
// tasks not yet started are skipped and, once the running ones have ended, the first exception
// thrown passes on to the caller. Progress goes to
// `progress` (may be empty) as (done + offset, total).
bool forEach(int count, int threads, const std::function<void(int)>& task,
             const std::atomic<bool>* cancel = nullptr,
             const std::function<void(int, int)>& progress = {}, int offset = 0, int total = -1);

} // namespace brelvan::parallel
