// SPDX-License-Identifier: BSD-3-Clause
// zemd02-desktop: plays the host application of the module with real windows. Its dialogs run on
// the same platform layer as the scenario host, so everything they do is the module's own.
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <csignal>

#include "desktop/app.h"
#include "desktop/dialogunits.h"

namespace {
// The shipped data folder, found from where the program is (the build tree holds a link to the
// source's data at the same place), so that no path of the build machine is kept in the program.
QString ShippedData() {
    const QString data = QCoreApplication::applicationDirPath() + QStringLiteral("/" ZEM_DATA_FROM_BIN);
    return QFileInfo(data).isDir() ? QDir(data).canonicalPath() : QDir::cleanPath(data);
}

// SIGTERM and SIGINT end the program as closing its window does, so that the last state is saved
// and an open dialog is cancelled by its own rules. The handler only writes a byte to a pipe.
int g_signalPipe[2] = {-1, -1};
void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}
void QuitOnSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        notifier->setEnabled(false);
        QApplication::quit();
    });
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zemd02"));
    QApplication::setApplicationDisplayName(QStringLiteral("zemd02"));
    InstallDialogFontSubstitutes();
    QuitOnSignals(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The display-settings dialogs of the planetarium in real windows."));
    parser.addHelpOption();
    QCommandLineOption data(QStringLiteral("data"), QStringLiteral("The engine's data folder."), QStringLiteral("DIR"), ShippedData());
    QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Where the sky state is kept."), QStringLiteral("DIR"),
                              StateStore::DefaultFolder());
    parser.addOption(data);
    parser.addOption(config);
    parser.process(app);

    DesktopApp desktop({parser.value(data), parser.value(config)});
    desktop.Start();
    return QApplication::exec();
}
