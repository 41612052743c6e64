#pragma once

#include <string>
#include <thread>

class GenerationHost;
class MXCatalog;
struct ActivityFlags;
struct GenerationState;

// One generation run on a worker thread: checks the output folder and the template, empties
// the output folder, writes the pages while it reads mxinfo.dat, checks the version the
// template needs, copies the data files, prepares the pictures, and ends with a final status
// line that gives the elapsed time.
class TGenThread {
public:
    TGenThread(MXCatalog& catalog, std::string startupFolder, GenerationState& state,
               ActivityFlags& flags, GenerationHost& host);
    ~TGenThread();  // waits for a worker still running
    TGenThread(const TGenThread&) = delete;
    TGenThread& operator=(const TGenThread&) = delete;

    // The Generate command: does nothing (false) while a run or an upload is going. Otherwise
    // measures the logo, sets the running flag (before the worker exists, so a second Generate
    // can never start a second run) and starts the worker.
    bool start();
    // Waits until the worker has ended.
    void wait();

    // The worker's body; clears the running flag at every ending.
    void Execute();

private:
    void run();
    void end(const std::string& message);

    MXCatalog& catalog_;
    std::string startupFolder_;
    GenerationState& state_;
    ActivityFlags& flags_;
    GenerationHost& host_;
    std::thread worker_;
};

// The logo's size as the pages print it: the logical size of the data folder's logo.gif, or 0
// by 0 without one.
void measureLogo(const std::string& catalogFolder, GenerationState& state);

// The closing "\nTime: [M min. ]S sec." of a final message.
std::string elapsedTimeText(long seconds);
