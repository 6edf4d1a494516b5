// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

// Without libFuzzer a fuzz target is an ordinary test: it replays each file named, and each
// file in each folder named, once. A target aborts on a fault, which fails the test; the
// input it was given is the last one named on standard error.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString given = QFile::decodeName(argv[i]);
        if (!QFileInfo(given).isDir()) {
            inputs << given;
            continue;
        }
        const QDir folder(given);
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            inputs << folder.filePath(name);
    }
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "No inputs to replay.\n");
        return 1;
    }
    for (const QString& input : inputs) {
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Cannot read %s\n", qPrintable(input));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(input));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               std::size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(inputs.size()));
    return 0;
}
