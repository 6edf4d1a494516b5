// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "fuzzcheck.h"
#include "gearrecord.h"
#include "projectcodec.h"

// Decodes arbitrary bytes and, where they are a project, encodes and decodes it again: every
// field comes back, records of other tags byte for byte, a project that opened can be saved,
// and a file without gear is written as it was read (its bools as the 0 or 1 they read as).

namespace {

using FuzzCheck::require;

QByteArray normalised(const QByteArray& file)
{
    QByteArray bytes = file.left(ProjectCodec::currentFileSize);
    for (int offset : {16, 17, 26 + 4, 26 + 45, 26 + 46, 105 + 4, 105 + 45, 105 + 46})
        bytes[offset] = bytes[offset] ? 1 : 0;
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzCheck::bytesOf(data, size);
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(bytes);
    if (!result.ok())
        return 0;
    const ProjectRecord& r = result.record;

    const ProjectCodec::Encoded saved = ProjectCodec::encodeChecked(r);
    require(saved.problem.isEmpty() && saved.bytes == ProjectCodec::encode(r));
    const ProjectCodec::DecodeResult again = ProjectCodec::decode(saved.bytes);
    ProjectRecord expected = r;
    expected.version = ProjectCodec::currentVersion;
    require(again.ok() && again.record == expected);
    // Tag and payload, byte for byte.
    require(again.record.otherRecords == r.otherRecords);

    // Gear overrides the formats of format 1.3, whose fields then hold their nearest.
    const bool gear = GearRecord::needed(r.camera1) || GearRecord::needed(r.camera2);
    if (r.version == ProjectCodec::currentVersion && !gear)
        require(saved.bytes.left(ProjectCodec::currentFileSize) == normalised(bytes));
    return 0;
}
