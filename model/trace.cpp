// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "trace.h"

namespace {
// A stream of its own: redirecting the trace leaves the standard streams alone, and switched
// off (no buffer) it formats nothing at all.
std::ostream& stream()
{
    static std::ostream traceStream(nullptr);
    return traceStream;
}

thread_local std::ostream* threadStream = nullptr;
} // namespace

namespace Trace {

std::ostream& out()
{
    return threadStream ? *threadStream : stream();
}

std::streambuf* sendTo(std::streambuf* target)
{
    // rdbuf() clears the bad state that writing with no buffer leaves behind.
    return stream().rdbuf(target);
}

ThreadTarget::ThreadTarget(std::streambuf* target) : stream(target), before(threadStream)
{
    threadStream = &stream;
}

ThreadTarget::~ThreadTarget()
{
    threadStream = before;
}

} // namespace Trace
