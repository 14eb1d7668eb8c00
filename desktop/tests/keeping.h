// SPDX-License-Identifier: BSD-3-Clause
// What the tests of the desktop's kept state share: reading a saved state as the program does, and
// a test program that plays a second program (a child process) when its variable names a folder.
#pragma once

#include <QFile>

#include "desktop/store/savedstate.h"
#include "support.h"

namespace desktoptest {

inline QString Brightness(const CCorQel& engine) { return QString::fromStdWString(engine.Peek(L"Milkyway.Image.Brightness").str()); }

// The Milky Way brightness the saved state in file holds, or "" when the file is not whole.
inline QString SavedBrightness(const QString& file) {
    QFile saved(file);
    CCorQel engine;
    if (!saved.open(QIODevice::ReadOnly) || store::LoadSealedState(saved.readAll().toStdString(), engine) != store::StateVerdict::Whole)
        return {};
    return Brightness(engine);
}

// Runs the test class; when the environment variable childVariable names a folder, runs child on it
// instead (a second program started by the test).
template <class Test>
int RunTestOrChild(int argc, char** argv, const char* childVariable, int (*child)(const QString& folder)) {
    PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (const QString folder = qEnvironmentVariable(childVariable); !folder.isEmpty()) return child(folder);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace desktoptest
