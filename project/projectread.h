// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrecord.h"

#include <QString>

#include <ostream>

// A project file read and checked whole, without a window: what File > Open and
// zidov-render load. The loader's trace echoes every value it reads.
namespace ProjectRead {

struct Result
{
    ProjectRecord record;
    // Why the file is refused, for the user; empty when the record is complete.
    QString refusal;
};

// A refused file whose version could be read writes that version's trace line.
Result read(const QString& name, std::ostream& trace);

// The first trace line of a load, also written for a file refused for its version.
void traceVersion(std::ostream& trace, double version);
// The loader's echo of every value, in file order, beginning with the version.
void traceRecord(std::ostream& trace, const ProjectRecord& record);

} // namespace ProjectRead
