// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "lengthunit.h"

// The unit chosen under View > Units, kept in the stored settings between runs.
namespace UnitChoice {
// The unit last chosen; before any choice, feet where the system measures in imperial units
// and metres elsewhere.
LengthUnit atStart();
// Does nothing while the stored settings are off (in tests and zidov-render).
void remember(LengthUnit unit);
} // namespace UnitChoice
