#pragma once
// Flushes written files to the disk on background threads, from the moment each is written. A
// large save writes its temporaries one after another while other work goes on (the command
// line writes each module as soon as it is worked); waiting for the disk then overlaps that work
// instead of coming after it, when the save puts the files in place.
//
// The same threads close the files a save has replaced: closing the last reference to a replaced
// file frees its blocks, which on a disk that discards freed blocks is a wait per file. Done
// here, those waits overlap one another and the save's remaining renames.

#include "base/plataforma/Archivo.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>

namespace files {

class FlushQueue {
public:
    ~FlushQueue();

    // Takes the open file of `path`: flushes and closes it soon.
    void Begin(plataforma::Archivo file, const std::string& path);
    // Waits for the flush begun for `path` and forgets it. False when none was begun (or it was
    // already waited for); otherwise `err` is its errno, 0 when the file is on the disk.
    bool Wait(const std::string& path, int& err);
    // The file is going away: its flush, begun or not, is no longer awaited.
    void Forget(const std::string& path);

    // Takes the open file of a replaced file and closes it soon.
    void Close(plataforma::Archivo file);
    // Waits until every file given to Close is closed.
    void WaitForCloses();

    // The queue every disk write uses. Never destroyed: the program may end while a thread of it
    // waits for work. A child process gets a queue of its own, without the parent's threads.
    static FlushQueue& Shared();

private:
    struct Entry {
        bool done = false;
        bool forgotten = false;
        int err = 0;
    };
    struct Job {
        plataforma::Archivo file;
        std::string path; // empty for a close
    };
    void Push(Job job, std::unique_lock<std::mutex>& guard);
    void Work();
    // Does the next job, the lock released meanwhile. False when there is none.
    bool RunOne(std::unique_lock<std::mutex>& guard);

    std::mutex lock_;
    std::condition_variable work_; // a job is queued, or the queue stops
    std::condition_variable done_; // a job has ended, or a thread
    std::deque<Job> jobs_;
    std::map<std::string, Entry> entries_;
    std::size_t threads_ = 0;
    std::size_t closing_ = 0; // closes not yet done
    bool stopping_ = false;
};

} // namespace files
