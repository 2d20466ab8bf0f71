#include "host/files/FlushQueue.h"

#include "base/plataforma/Proceso.h"

#include <system_error>
#include <thread>

namespace files {

namespace {

// The threads mostly wait for the disk, so there are more of them than cores; many more only
// queue at the device.
constexpr std::size_t kThreads = 16;

FlushQueue* shared = nullptr;

} // namespace

FlushQueue& FlushQueue::Shared() {
    static const bool made = [] {
        shared = new FlushQueue;
        // The parent's threads do not exist in a child, and its lock may have been held at
        // the fork: the child starts afresh (the parent's queue is left as it was).
        plataforma::AlBifurcar([] { shared = new FlushQueue; });
        return true;
    }();
    (void)made;
    return *shared;
}

FlushQueue::~FlushQueue() {
    std::unique_lock guard(lock_);
    stopping_ = true;
    work_.notify_all();
    done_.wait(guard, [&] { return threads_ == 0; });
}

void FlushQueue::Begin(plataforma::Archivo file, const std::string& path) {
    std::unique_lock guard(lock_);
    entries_[path] = Entry{};
    Push({std::move(file), path}, guard);
}

void FlushQueue::Close(plataforma::Archivo file) {
    std::unique_lock guard(lock_);
    ++closing_;
    Push({std::move(file), {}}, guard);
}

void FlushQueue::WaitForCloses() {
    std::unique_lock guard(lock_);
    done_.wait(guard, [&] { return closing_ == 0; });
}

void FlushQueue::Push(Job job, std::unique_lock<std::mutex>& guard) {
    jobs_.push_back(std::move(job));
    // The threads start with the first files and stay for the next save.
    if (threads_ < kThreads) {
        try {
            std::thread([this] { Work(); }).detach();
            ++threads_;
        } catch (const std::system_error&) {
            // No thread to be had (a process limit): with none at all, the job is done here
            // and now, as a plain write would do it.
            while (threads_ == 0 && RunOne(guard)) {
            }
        }
    }
    work_.notify_one();
}

bool FlushQueue::Wait(const std::string& path, int& err) {
    std::unique_lock guard(lock_);
    auto found = entries_.find(path);
    if (found == entries_.end() || found->second.forgotten) {
        return false;
    }
    done_.wait(guard, [&] { return found->second.done; });
    err = found->second.err;
    entries_.erase(found);
    return true;
}

void FlushQueue::Forget(const std::string& path) {
    std::lock_guard guard(lock_);
    auto found = entries_.find(path);
    if (found == entries_.end()) {
        return;
    }
    if (found->second.done) {
        entries_.erase(found);
    } else {
        found->second.forgotten = true;
    }
}

void FlushQueue::Work() {
    std::unique_lock guard(lock_);
    while (true) {
        work_.wait(guard, [&] { return stopping_ || !jobs_.empty(); });
        if (!RunOne(guard)) {
            --threads_;
            done_.notify_all();
            return;
        }
    }
}

bool FlushQueue::RunOne(std::unique_lock<std::mutex>& guard) {
    if (jobs_.empty()) {
        return false;
    }
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    guard.unlock();
    if (job.path.empty()) {
        job.file.Cierra(); // a replaced file: nothing to tell anyone
        guard.lock();
        if (--closing_ == 0) {
            done_.notify_all();
        }
        return true;
    }
    int err = job.file.Vacia();
    const int closed = job.file.Cierra();
    if (closed != 0 && err == 0) {
        err = closed;
    }
    guard.lock();
    auto found = entries_.find(job.path);
    if (found->second.forgotten) {
        entries_.erase(found);
    } else {
        found->second.done = true;
        found->second.err = err;
    }
    done_.notify_all();
    return true;
}

} // namespace files
