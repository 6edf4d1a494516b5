// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "trace.h"

#include <iostream>

namespace {
// A stream of its own on standard output's buffer: redirecting the trace leaves std::cout
// alone, and switched off (no buffer) it formats nothing at all.
std::ostream& stream()
{
    static std::ostream traceStream(std::cout.rdbuf());
    return traceStream;
}
} // namespace

namespace Trace {

std::ostream& out()
{
    return stream();
}

std::streambuf* sendTo(std::streambuf* target)
{
    // rdbuf() clears the bad state that writing with no buffer leaves behind.
    return stream().rdbuf(target);
}

} // namespace Trace
