// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <iostream>
#include <sstream>
#include <string>

// The model and the windows write trace lines to standard output; a test that reads them, or
// only wants them out of its log, holds one of these while they are written.
class StdoutCapture
{
public:
    StdoutCapture() : previous(std::cout.rdbuf(buffer.rdbuf())) {}
    ~StdoutCapture() { std::cout.rdbuf(previous); }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;
    std::string text() const { return buffer.str(); }

private:
    std::ostringstream buffer;
    std::streambuf* previous;
};
