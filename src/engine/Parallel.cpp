#include "engine/Parallel.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace brelvan::parallel {

int threadCount(int threads) {
    if (threads > 0)
        return threads;
    const unsigned hw = std::thread::hardware_concurrency();
    return hw == 0 ? 1 : static_cast<int>(hw);
}

bool forEach(int count, int threads, const std::function<void(int)>& task,
             const std::atomic<bool>* cancel, const std::function<void(int, int)>& progress,
             int offset, int total) {
    if (count <= 0)
        return !(cancel != nullptr && cancel->load());
    if (total < 0)
        total = count;
    const int workers = std::min(threadCount(threads), count);
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    std::mutex progressMutex;
    int done = 0;
    // The first exception a task throws; the tasks not yet started then do not start.
    std::mutex failureMutex;
    std::exception_ptr failure;
    std::atomic<bool> failed{false};

    auto work = [&] {
        for (;;) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            if (failed.load(std::memory_order_relaxed))
                return;
            const int i = next.fetch_add(1);
            if (i >= count)
                return;
            try {
                task(i);
            } catch (...) {
                std::lock_guard<std::mutex> lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
                failed = true;
                return;
            }
            if (progress) {
                std::lock_guard<std::mutex> lock(progressMutex);
                ++done;
                progress(done + offset, total);
            }
        }
    };

    if (workers == 1) {
        work();
    } else {
        std::vector<std::thread> pool;
        pool.reserve(static_cast<std::size_t>(workers - 1));
        for (int t = 1; t < workers; ++t)
            pool.emplace_back(work);
        work();
        for (auto& th : pool)
            th.join();
    }
    if (failure)
        std::rethrow_exception(failure);
    return !stopped;
}

} // namespace brelvan::parallel
