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
// Where every trace line is written.
std::ostream& out();
// Sends the trace to target from now on, nowhere for nullptr; returns where it went before,
// for the caller to restore.
std::streambuf* sendTo(std::streambuf* target);
} // namespace Trace
