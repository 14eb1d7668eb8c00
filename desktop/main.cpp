// SPDX-License-Identifier: BSD-3-Clause
// zemd02-desktop: plays the host application of the module with real windows. Its dialogs run on
// the same platform layer as the scenario host, so everything they do is the module's own.
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <string_view>

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

// The program's options; their defaults are known once the application runs.
const QCommandLineOption kData(QStringLiteral("data"), QStringLiteral("The engine's data folder (default: the shipped data)."),
                               QStringLiteral("DIR"));
const QCommandLineOption kConfig(QStringLiteral("config"),
                                 QStringLiteral("Where the sky state is kept (default: $XDG_CONFIG_HOME/zemd02)."),
                                 QStringLiteral("DIR"));

const QCommandLineOption kBenchmarkStart(QStringLiteral("benchmark-start"),
                                          QStringLiteral("Quit once the sky is first painted, printing the resident memory (kB)."));

// The resident memory of the process, kB, from /proc; 0 where there is none.
long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// --benchmark-start: the start-up benchmark times the process from its start to this line, which
// comes once the first paint of the sky has been handed to the screen.
class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                std::printf("painted rss_kb=%ld\n", ResidentKilobytes());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool seen_ = false;
};

void Describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("zemd02-desktop"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEM_VERSION));
    parser.setApplicationDescription(QStringLiteral("The display-settings dialogs of the planetarium in real windows."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kData);
    parser.addOption(kConfig);
    parser.addOption(kBenchmarkStart);
}

// --help and --version are answered before the windowing starts, so that they need no display.
bool AsksForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help" || a == "-h" || a == "-?" || a == "--help-all" || a == "--version" || a == "-v") return true;
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    if (AsksForInformation(argc, argv)) {
        QCoreApplication information(argc, argv);
        QCommandLineParser parser;
        Describe(parser);
        parser.process(information);  // prints the answer and exits
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("zemd02"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEM_DESKTOP_ID));
    InstallDialogFontSubstitutes();
    QuitOnSignals(app);
    // Qt's own words (はい, いいえ, キャンセル, the file dialog's) in Japanese like the rest, where
    // Qt's translations are installed.
    QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);

    QCommandLineParser parser;
    Describe(parser);
    parser.process(app);
    const QString data = parser.isSet(kData) ? parser.value(kData) : ShippedData();
    const QString config = parser.isSet(kConfig) ? parser.value(kConfig) : StateStore::DefaultFolder();

    DesktopApp desktop({data, config});
    if (parser.isSet(kBenchmarkStart)) {
        if (!desktop.Sky()) return 1;
        desktop.Sky()->installEventFilter(new FirstPaint(&app));
    }
    desktop.Start();
    return QApplication::exec();
}
