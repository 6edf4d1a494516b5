// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstring>

// Builds project files byte by byte, big-endian, without the program's codec, so tests can
// hand-make files of any version or damage.
class FileBytes
{
public:
    FileBytes& f64(double value)
    {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int shift = 56; shift >= 0; shift -= 8)
            bytes.append(char(bits >> shift));
        return *this;
    }
    FileBytes& i32(qint32 value)
    {
        const quint32 bits = quint32(value);
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.append(char(bits >> shift));
        return *this;
    }
    FileBytes& flag(quint8 value)
    {
        bytes.append(char(value));
        return *this;
    }
    QByteArray bytes;
};

// One camera block's values in file order; lensQuality is left out of version 1.2 blocks.
struct CameraBytes
{
    qint32 cocMode;
    quint8 on;
    double fdist, aperture, flength, coc, lensQuality;
    quint8 diffraction, lockMag;
    qint32 cropC, crop, quality;
    double distD;
    qint32 formD;
    double widthD;

    void appendTo(FileBytes& out, bool withLensQuality) const
    {
        out.i32(cocMode).flag(on).f64(fdist).f64(aperture).f64(flength).f64(coc);
        if (withLensQuality)
            out.f64(lensQuality);
        out.flag(diffraction).flag(lockMag).i32(cropC).i32(crop).i32(quality).f64(distD);
        out.i32(formD).f64(widthD);
    }
};

// The known state of the golden file below.
inline const CameraBytes goldenCamera1{3, 1, 5, 2.8, 50, 0.03, 100, 0, 0, 3, 3, 0, 1.2, 0, 1.0};
inline const CameraBytes goldenCamera2{3, 1, 12.5, 4, 100, 0.02, 80.5, 1, 1, 5, 7, 14, 30, 1, 0.5};

// Written out by hand from the format's tables: left border 7.5 m, distances from the
// camera, scales 20 and 50, then the two cameras above.
inline QByteArray goldenFile()
{
    return QByteArray::fromHex(
        // version 1.3, left border 7.5, from camera, not from focus plane, 20, 50
        "3F F4 CC CC CC CC CC CD  40 1E 00 00 00 00 00 00  01 00  00 00 00 14  00 00 00 32"
        // camera 1: manual CoC, on, 5 m, f/2.8, 50 mm, 0.03 mm, quality 100
        "00 00 00 03  01  40 14 00 00 00 00 00 00  40 06 66 66 66 66 66 66"
        "40 49 00 00 00 00 00 00  3F 9E B8 51 EB 85 1E B8  40 59 00 00 00 00 00 00"
        // no diffraction, no lock, formats 3 and 3, standard pixels, 1.2, 3:2, 1.0
        "00 00  00 00 00 03  00 00 00 03  00 00 00 00  3F F3 33 33 33 33 33 33"
        "00 00 00 00  3F F0 00 00 00 00 00 00"
        // camera 2: manual CoC, on, 12.5 m, f/4, 100 mm, 0.02 mm, quality 80.5
        "00 00 00 03  01  40 29 00 00 00 00 00 00  40 10 00 00 00 00 00 00"
        "40 59 00 00 00 00 00 00  3F 94 7A E1 47 AE 14 7B  40 54 20 00 00 00 00 00"
        // diffraction, lock, formats 5 and 7, 100 Mpx, 30, 4:3, 0.5
        "01 01  00 00 00 05  00 00 00 07  00 00 00 0E  40 3E 00 00 00 00 00 00"
        "00 00 00 01  3F E0 00 00 00 00 00 00");
}

// A version 1.2 file of the same state (no lens quality in either block).
inline QByteArray previousVersionFile()
{
    FileBytes out;
    out.f64(1.2).f64(7.5).flag(1).flag(0).i32(20).i32(50);
    goldenCamera1.appendTo(out, false);
    goldenCamera2.appendTo(out, false);
    return out.bytes;
}
