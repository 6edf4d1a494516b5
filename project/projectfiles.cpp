// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
