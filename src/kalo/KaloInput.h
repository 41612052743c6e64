#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// What KYBD reads (and the prompted program file name): numbers as C scanf "%f" reads them,
// words as "%s" reads them, and whole lines.
class KaloInput {
public:
    virtual ~KaloInput() = default;
    // Skips white space and reads one number; false (nothing usable) when none is there.
    virtual bool readNumber(float& number) = 0;
    // Skips white space and reads characters up to the next white space, at most `limit`;
    // false when no word is left.
    virtual bool readWord(std::string& word, size_t limit) = 0;
    // Reads up to the end of the line (the line feed is consumed, not stored); false at the end.
    virtual bool readLine(std::string& line) = 0;
};

// Reads an open C stream (standard input for the command line and the generator).
class KaloFileInput : public KaloInput {
public:
    explicit KaloFileInput(std::FILE* file) : file_(file) {}
    bool readNumber(float& number) override;
    bool readWord(std::string& word, size_t limit) override;
    bool readLine(std::string& line) override;

private:
    std::FILE* file_;
};

// Reads a text held in memory (tests, hosts that collected the input beforehand).
class KaloTextInput : public KaloInput {
public:
    explicit KaloTextInput(std::string text) : text_(std::move(text)) {}
    bool readNumber(float& number) override;
    bool readWord(std::string& word, size_t limit) override;
    bool readLine(std::string& line) override;

private:
    std::string text_;
    size_t at_ = 0;
};
