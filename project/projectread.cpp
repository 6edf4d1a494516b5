// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectread.h"

#include "projectcodec.h"
#include "projectfile.h"

#include <QCoreApplication>

namespace {
class Tracer
{
public:
    explicit Tracer(std::ostream& out_) : out(out_) {}
    void operator()(const char* label, double value) { out << label << value << std::endl; }
    void operator()(const char* label, qint32 value) { out << label << value << std::endl; }
    void operator()(const char* label, bool value) { out << label << int(value) << std::endl; }

private:
    std::ostream& out;
};

void traceCamera(Tracer& trace, const CameraRecord& r, bool withLensQuality,
                 const char* switchedOnLabel)
{
    trace("old 3: ", r.cocMode);
    trace(switchedOnLabel, r.switchedOn);
    trace("fdist: ", r.focusDistance);
    trace("apature: ", r.aperture);
    trace("flength: ", r.focalLength);
    trace("coc: ", r.circleOfConfusion);
    if (withLensQuality)
        trace("lensQ: ", r.lensQuality);
    trace("diff: ", r.withDiffraction);
    trace("lock mag: ", r.lockMagnification);
    trace("0: ", r.cropFactorFormat);
    trace("1: ", r.pixelSizeFormat);
    trace("2: ", r.pixelCountPreset);
    trace("4: ", r.viewDistance);
    trace("5: ", r.formFactor);
    trace("6: ", r.imageWidth);
}
} // namespace

namespace ProjectRead {

Result read(const QString& name, std::ostream& trace)
{
    Result result;
    const ProjectFile::ReadResult file = ProjectFile::read(name);
    if (!file.error.isEmpty()) {
        result.refusal =
            QCoreApplication::translate("ProjectFile", "Could not open the project file:\n") + name +
            QLatin1String("\n\n") + file.error;
        return result;
    }
    const ProjectCodec::DecodeResult decoded = ProjectCodec::decode(file.bytes);
    result.record = decoded.record;
    if (decoded.ok())
        return result;
    if (decoded.versionRead)
        traceVersion(trace, decoded.record.version);
    if (decoded.error == ProjectCodec::DecodeError::WrongVersion)
        result.refusal = QCoreApplication::translate("ProjectFile", "Wrong file version:\n") + name;
    else
        result.refusal = QCoreApplication::translate("ProjectFile", "Damaged project file:\n") + name +
                         QLatin1String("\n\n") + decoded.message;
    return result;
}

void traceVersion(std::ostream& out, double version)
{
    out << "ver: " << version << std::endl;
}

void traceRecord(std::ostream& out, const ProjectRecord& r)
{
    Tracer trace(out);
    traceVersion(out, r.version);
    trace("lb: ", r.leftBorder);
    trace("distCam: ", r.distanceFromCamera);
    trace("distFP: ", r.distanceFromFocusPlane);
    trace("xscale: ", r.distanceScale);
    trace("yscale: ", r.zcScale);
    const bool withLensQuality = r.version != ProjectCodec::previousVersion;
    traceCamera(trace, r.camera1, withLensQuality, "calc c1: ");
    traceCamera(trace, r.camera2, withLensQuality, "calc c2: ");
}

} // namespace ProjectRead
