#pragma once

#include <cstdio>
#include <memory>

// A C stream that is closed when its owner goes away, also on early returns.
struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;
