// Runs independent jobs on a fixed number of threads.
#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace bankgen {

// Runs job(i) for every i in 0..count-1 on the given number of threads.
template <class Job> void ForEach(int count, int threads, Job job) {
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i; (i = next++) < count;)
            job(i);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (auto& t : pool)
        t.join();
}

} // namespace bankgen
