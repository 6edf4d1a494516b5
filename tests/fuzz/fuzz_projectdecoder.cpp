// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectcodec.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the project file decoder. Besides the sanitizers' checks it
// aborts when the decoder hands on a value the controls or tables would not take as it is,
// or when encoding what it accepted does not give back the same file.

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool usable(const CameraRecord& c)
{
    using namespace ProjectCodec;
    return c.cocMode >= 0 && c.cocMode < cocModeCount && c.cropFactorFormat >= 0 &&
           c.cropFactorFormat < additionsFormatCount && c.pixelSizeFormat >= 0 &&
           c.pixelSizeFormat < additionsFormatCount && c.pixelCountPreset >= 0 &&
           c.pixelCountPreset < additionsPixelCountCount && c.formFactor >= 0 &&
           c.formFactor < formFactorCount && std::isfinite(c.focusDistance) &&
           focusDistanceRange.holds(c.focusDistance) && apertureRange.holds(c.aperture) &&
           focalLengthRange.holds(c.focalLength) && cocRange.holds(c.circleOfConfusion) &&
           lensQualityRange.holds(c.lensQuality) && viewDistanceRange.holds(c.viewDistance) &&
           imageWidthRange.holds(c.imageWidth);
}

// A current-version file re-encodes to its own first bytes, once every bool byte is
// written as the 0 or 1 the decoder read it as.
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
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ProjectCodec::DecodeResult result = ProjectCodec::decode(bytes);
    if (!result.ok()) {
        require(result.offset >= 0 && result.offset <= bytes.size());
        require(!result.message.isEmpty());
        return 0;
    }

    const ProjectRecord& r = result.record;
    require(r.version == ProjectCodec::currentVersion ||
            r.version == ProjectCodec::previousVersion);
    const ProjectCodec::ValueRange& border = r.distanceFromFocusPlane
                                                 ? ProjectCodec::leftBorderFromFocusPlaneRange
                                                 : ProjectCodec::leftBorderFromCameraRange;
    require(std::isfinite(r.leftBorder) && border.holds(r.leftBorder) &&
            ProjectCodec::distanceScaleRange.holds(r.distanceScale) &&
            ProjectCodec::zcScaleRange.holds(r.zcScale) && usable(r.camera1) && usable(r.camera2));

    const QByteArray encoded = ProjectCodec::encode(r);
    require(encoded.size() == ProjectCodec::currentFileSize);
    const ProjectCodec::DecodeResult again = ProjectCodec::decode(encoded);
    ProjectRecord expected = r;
    expected.version = ProjectCodec::currentVersion;
    require(again.ok() && again.record == expected);
    if (r.version == ProjectCodec::currentVersion)
        require(encoded == normalised(bytes));
    return 0;
}
