// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <ostream>
#include <streambuf>

// The trace: lines a developer reads on the console to follow what the model, the optimizer,
// the project reader and the window computed. They go nowhere until a program sends them
// somewhere: Zidov to standard output, zidov-render with --trace to standard error (its
// standard output carries data), a test to a buffer it reads.
namespace Trace {
// Where every trace line of the calling thread is written.
std::ostream& out();
// Sends the trace of every thread without a target of its own to target from now on,
// nowhere for nullptr; returns where it went before, for the caller to restore. Only one
// thread at a time may write there.
std::streambuf* sendTo(std::streambuf* target);

// While it lives, the trace of the thread that made it goes to target alone (nowhere for
// nullptr), so that threads working at once neither share a stream nor mix their lines.
class ThreadTarget
{
public:
    explicit ThreadTarget(std::streambuf* target);
    ~ThreadTarget();
    ThreadTarget(const ThreadTarget&) = delete;
    ThreadTarget& operator=(const ThreadTarget&) = delete;

private:
    std::ostream stream;
    std::ostream* before;
};
} // namespace Trace
