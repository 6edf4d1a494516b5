// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <unistd.h>

// Root writes into read-only folders; while this lives the process acts as "nobody".
class Unprivileged
{
public:
    Unprivileged()
    {
        if (geteuid() == 0)
            dropped = seteuid(65534) == 0;
    }
    ~Unprivileged()
    {
        if (dropped)
            (void)seteuid(0);
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool dropped = false;
};
#endif
