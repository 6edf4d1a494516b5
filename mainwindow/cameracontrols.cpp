// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "cameracontrols.h"

#include "windowform.h"

CameraControls cameraControls(const Ui_mainWin& f, int camera)
{
    if (camera == 1)
        return {f.boxC1,         f.c1_fdist,     f.c1_apature,     f.c1_flength,
                f.c1_lensQ,      f.c1_coc,       f.c1_cocSet,      f.c1_calcDef,
                f.c1_lockMag,    f.c1_set_Hyper, f.gbC1_1,         f.gbC1_2,
                f.gbC1_3,        f.c1_cropC,     f.c1_crop,        f.c1_quality,
                f.c1_distD,      f.c1_formD,     f.c1_widthD,      f.c1_megapixels,
                f.c1_sensorRow,  f.c1_cropLabel, f.c1_sensorWidth, f.c1_sensorHeight,
                f.c1_bodyButton, f.c1_lensButton};
    return {f.boxC2,        f.c2_fdist,     f.c2_apature,     f.c2_flength,      f.c2_lensQ,
            f.c2_coc,       f.c2_cocSet,    f.c2_calcDef,     f.c2_lockMag,      f.c2_set_Hyper,
            f.gbC2_1,       f.gbC2_2,       f.gbC2_3,         f.c2_cropC,        f.c2_crop,
            f.c2_quality,   f.c2_distD,     f.c2_formD,       f.c2_widthD,       f.c2_megapixels,
            f.c2_sensorRow, f.c2_cropLabel, f.c2_sensorWidth, f.c2_sensorHeight, f.c2_bodyButton,
            f.c2_lensButton};
}

CameraControls cameraControls(const mainWin& window, int camera)
{
    return cameraControls(windowForm(window), camera);
}
