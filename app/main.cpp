// The program: the viewer's window, started on the files named.
#include "app/viewerprogram.h"
#include "util/version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    app::ViewerProgram::allowRunningAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TarnwellFileViewer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TFV_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnwell.FileViewer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.tarnwell.FileViewer.svg")));

    app::ViewerProgram program(application.arguments().mid(1));
    program.viewer().Form_Load();
    return application.exec();
}
