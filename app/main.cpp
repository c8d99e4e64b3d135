// The program: the viewer's window, started on the files named.
#include "app/viewerprogram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    app::ViewerProgram::allowRunningAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TarnwellFileViewer"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));

    app::ViewerProgram program(application.arguments().mid(1));
    program.viewer().Form_Load();
    return application.exec();
}
