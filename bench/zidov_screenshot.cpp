// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
//
// Renders the main window offscreen in expert mode with two cameras and writes it to the
// PNG named on the command line; the README's screenshot comes from here. With --gear after
// the file name both cameras carry a body and a lens of the installed lensfun database.
#include "gearcommands.h"
#include "geardatabase.h"
#include "languagechoice.h"
#include "mainwin.h"
#include "trace.h"
#include "windowform.h"

#include <QApplication>
#include <QPixmap>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window's trace lines would only clutter the terminal here.
    Trace::sendTo(nullptr);

    // Named *_de.exe it shows the German catalogue from the current directory, like the program.
    QTranslator program;
    QTranslator toolkit;
    if (wantsGerman(argv[0]))
        installGermanCatalogues(program, toolkit, QString());

    mainWin w;
    w.switchpromode();
    windowForm(w).boxC2->setChecked(true);
    // A full-frame 50 mm against a Four-Thirds 25 mm, both at f/2.8 and focused at 3 m.
    windowForm(w).c1_cocSet->setCurrentIndex(0);
    windowForm(w).c1_cropC->setCurrentIndex(3);
    windowForm(w).c1_fdist->setValue(3);
    windowForm(w).c1_apature->setValue(2.8);
    windowForm(w).c1_flength->setValue(50);
    windowForm(w).c2_cocSet->setCurrentIndex(0);
    windowForm(w).c2_cropC->setCurrentIndex(8);
    windowForm(w).c2_fdist->setValue(3);
    windowForm(w).c2_apature->setValue(2.8);
    windowForm(w).c2_flength->setValue(25);
    windowForm(w).dofMode->setChecked(true);
    windowForm(w).qxscale->setValue(36);
    if (argc > 2 && qstrcmp(argv[2], "--gear") == 0) {
        const auto gear = [&w](int camera, const QString& body, const QString& lens) {
            for (const BodyChoice& b : w.gearCommands->database().bodies()) {
                if (b.model == body)
                    w.gearCommands->setBody(camera, b);
            }
            for (const GearDatabase::Lens& l : w.gearCommands->database().lenses()) {
                if (l.choice.name() == lens)
                    w.gearCommands->setLens(camera, l.choice);
            }
        };
        gear(1, QStringLiteral("Alpha 7 III"), QStringLiteral("Sony FE 85mm f/1.8"));
        gear(2, QStringLiteral("E-M1MarkII"),
             QStringLiteral("Olympus M.Zuiko Digital ED 12-40mm f/2.8 Pro"));
    }
    w.run();
    w.show();
    QApplication::processEvents();
    const bool saved = w.grab().save(QString::fromLocal8Bit(argv[1]));
    return saved ? 0 : 1;
}
