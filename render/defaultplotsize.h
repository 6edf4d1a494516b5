// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QSize>

// The plot's size in a main window of its default size, which zidov-render draws without
// --size: a loaded project in expert mode, the start-up state in simple mode. A test
// checks both against the window.
namespace DefaultPlotSize {
constexpr QSize expert(1254, 342);
constexpr QSize simple(1254, 314);
} // namespace DefaultPlotSize
