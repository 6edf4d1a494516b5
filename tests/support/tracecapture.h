// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "trace.h"

#include <sstream>
#include <string>

// The model and the windows write trace lines; a test that reads them, or only wants them
// out of its log, holds one of these while they are written.
class TraceCapture
{
public:
    TraceCapture() : previous(Trace::sendTo(buffer.rdbuf())) {}
    ~TraceCapture() { Trace::sendTo(previous); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;
    std::string text() const { return buffer.str(); }

private:
    std::ostringstream buffer;
    std::streambuf* previous;
};
