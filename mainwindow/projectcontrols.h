// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "projectrecord.h"

#include <ostream>

class mainWin;
struct CameraControls;

// One camera's boxes as a project stores them, without its gear.
CameraRecord cameraFromControls(const CameraControls& controls);
// Writes the boxes of a stored camera in the order the file has them, without its gear.
void applyCameraToControls(const CameraControls& controls, const CameraRecord& record);

// The stored controls of the main window read into a record, and a record written back.
ProjectRecord projectFromControls(mainWin& window);

// Writes the record into the controls in file order, one trace line per value. The order
// is part of the format's behaviour: setting the distance reference resets the left
// border from the focus distances shown at that moment, i.e. those from before the load.
void applyProjectToControls(mainWin& window, const ProjectRecord& record, std::ostream& trace);
