// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <random>

// The optimizer's source of random moves. The engine's sequence is fixed by the C++ standard
// and never seeded from the clock, so the same table and settings give the same fit on every
// platform and in every run, while a second search continues where the first one stopped.
class SearchRandom
{
public:
    // A value from 0 to modulus - 1; the tiny modulo bias does not matter for the search.
    int draw(int modulus) { return int(engine() % unsigned(modulus)); }

private:
    std::minstd_rand engine{std::minstd_rand::default_seed};
};
