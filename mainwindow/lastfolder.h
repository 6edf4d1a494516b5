// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

class QString;

// Where Open, Save as and Export to image start: the folder of the last project or image
// opened or saved, remembered between runs. Until there is one, and wherever nothing is
// stored (tests, zidov-render), the current directory.
namespace LastFolder {

QString startDirectory();
void remember(const QString& fileName);

} // namespace LastFolder
