// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include "gearchoice.h"

#include <QString>

// The bodies a user adds, kept as lensfun camera entries in a file of Zidov's own among the
// user's lensfun files, where Zidov and every other program that reads lensfun's folders find
// them from then on.
namespace UserBodies {
// "zidov.xml" in GearDatabase::userFolder().
QString filePath();
// Adds the body to the file, making the file and its folder where there are none. Returns
// what went wrong, or nothing; a file that cannot be read as lensfun's, or not be written,
// keeps all it held.
QString add(const BodyChoice& body);
} // namespace UserBodies
