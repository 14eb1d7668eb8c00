// zemd02-desktop: plays the host application of the module with real windows. Its dialogs run on
// the same platform layer as the scenario host, so everything they do is the module's own.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "desktop/app.h"
#include "desktop/dialogunits.h"

namespace {
// The shipped data folder: beside an installed program, else the source tree's.
QString ShippedData() {
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zemd02/data");
    if (QFileInfo(installed).isDir()) return QDir(installed).canonicalPath();
    return QStringLiteral(ZEM_DATA_DIR);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zemd02"));
    QApplication::setApplicationDisplayName(QStringLiteral("zemd02"));
    InstallDialogFontSubstitutes();

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
