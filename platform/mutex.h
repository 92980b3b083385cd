// A mutex that clang's thread-safety analysis knows as a lock (std::mutex
// carries no attributes), and the scoped holder of it. Not recursive.
#ifndef STATS_PLATFORM_MUTEX_H_
#define STATS_PLATFORM_MUTEX_H_

#include <mutex>

#include "platform/thread_annotations.h"

class CAPABILITY("mutex") Mutex {
public:
    Mutex() = default;
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    void Lock() ACQUIRE() { mu_.lock(); }
    void Unlock() RELEASE() { mu_.unlock(); }

private:
    std::mutex mu_;
};

// Holds *mu from construction to destruction.
class SCOPED_CAPABILITY MutexLock {
public:
    explicit MutexLock(Mutex* mu) ACQUIRE(mu) : mu_(mu) { mu_->Lock(); }
    ~MutexLock() RELEASE() { mu_->Unlock(); }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

private:
    Mutex* const mu_;
};

#endif  // STATS_PLATFORM_MUTEX_H_
