// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What the fuzz targets share. A target aborts on a fault, which libFuzzer reports as a
// finding and the replay of the seeds as a failed test.
namespace FuzzCheck {

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace FuzzCheck
