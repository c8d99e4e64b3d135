// The program: wires the Qt widgets to the main window's controller.
#include "platform/qt/qtsystem.h"
#include "platform/qt/qtviewerwindow.h"
#include "shell/commandline.h"
#include "shell/menutree.h"
#include "shell/tarnwellfileviewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <unistd.h>

namespace {

// QtWebEngine's sandbox refuses to run as root; only then is it switched off.
void allowRunningAsRoot() {
    if (geteuid() != 0) return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox")) return;
    flags += flags.isEmpty() ? "--no-sandbox" : " --no-sandbox";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    std::fputs("Tarnwell File Viewer: running as root, so the browser panes run without their sandbox.\n",
               stderr);
}

// The help page ships inside the program and is put into the data folder
// whenever the copy there is missing or out of date.
void installHelpPage(const QString& dataFolder) {
    QFile shipped(QStringLiteral(":/Tarnwell_File_Viewer.htm"));
    if (!shipped.open(QIODevice::ReadOnly)) return;
    const QByteArray page = shipped.readAll();
    const QString target = dataFolder + QStringLiteral("/Tarnwell_File_Viewer.htm");
    QFile existing(target);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == page) return;
    existing.close();
    platform::qt::QtFileSystem().write(target, page);
}

} // namespace

int main(int argc, char* argv[]) {
    allowRunningAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TarnwellFileViewer"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));

    shell::FixedPaths paths;
    paths.driveRoot = QDir::homePath() + QLatin1Char('/');
    paths.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    paths.lexiconFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quarn/");
    paths.helpProgram = QCoreApplication::applicationFilePath();
    paths.searchAddress = QStringLiteral("https://duckduckgo.com/?q=");
    paths.searchEngine = QStringLiteral("duckduckgo");
    QDir().mkpath(paths.dataFolder);
    installHelpPage(paths.dataFolder);

    const QString commandLine = shell::joinArguments(app.arguments().mid(1), QDir::currentPath());

    platform::qt::QtViewerWindow widgets(shell::menuTree(), shell::TarnwellFileViewer::applicationTitle(),
                                         QStringLiteral("https://duckduckgo.com/"));
    platform::qt::QtFileSystem files;
    platform::qt::QtProcessLauncher processes;
    platform::qt::QtEventPump events;
    platform::qt::QtTransfer transfer;
    platform::qt::QtMonitorSystem monitors(&widgets.window);

    shell::ViewerUi ui;
    ui.window = &widgets.window;
    for (int i = 0; i < 2; ++i) {
        ui.brwWebBrowser[i] = widgets.browser[i].get();
        ui.Text1[i] = widgets.editor[i].get();
        ui.L_Name[i] = widgets.nameBox[i].get();
    }
    ui.tbToolBar = widgets.toolbar.get();
    ui.pSplitterBar = widgets.splitter.get();
    ui.menu = widgets.menu.get();
    ui.dialogs = widgets.dialogs.get();

    shell::ViewerServices services;
    services.files = &files;
    services.processes = &processes;
    services.events = &events;
    services.transfer = &transfer;
    services.monitors = &monitors;

    shell::TarnwellFileViewer viewer(ui, services, paths, commandLine);
    viewer.Form_Load();
    return app.exec();
}
