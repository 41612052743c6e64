#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Where a run writes: PRINT output or the failure report. Writes are cheap (no system call per
// PRINT); a run flushes its sinks when it ends. Giving one sink as both output and error keeps
// the program's text and the report in the order they were written.
class KaloOutput {
public:
    virtual ~KaloOutput() = default;
    virtual void write(std::string_view bytes) = 0;
    virtual void flush() {}
};

// Appends to a string the host owns (a page being built, a test's expectation).
class KaloStringOutput : public KaloOutput {
public:
    explicit KaloStringOutput(std::string& target) : target_(target) {}
    void write(std::string_view bytes) override { target_.append(bytes); }

private:
    std::string& target_;
};

// Writes to an open C stream through a buffer of its own; flush() hands the buffer to the stream
// and flushes the stream. The stream stays open and is not owned.
class KaloFileOutput : public KaloOutput {
public:
    explicit KaloFileOutput(std::FILE* file) : file_(file) {}
    ~KaloFileOutput() override { flush(); }
    KaloFileOutput(const KaloFileOutput&) = delete;
    KaloFileOutput& operator=(const KaloFileOutput&) = delete;

    void write(std::string_view bytes) override;
    void flush() override;

private:
    std::FILE* file_;
    std::string buffer_;
};
