// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <ostream>
#include <streambuf>

// The trace: lines a developer reads on the console to follow what the model, the optimizer,
// the project reader and the window computed. They go to standard output unless a caller
// sends them elsewhere: zidov-render, whose standard output carries data, to standard error
// or nowhere; a test to a buffer it reads, or nowhere.
namespace Trace {
// Where every trace line is written.
std::ostream& out();
// Sends the trace to target from now on, nowhere for nullptr; returns where it went before,
// for the caller to restore.
std::streambuf* sendTo(std::streambuf* target);
} // namespace Trace
