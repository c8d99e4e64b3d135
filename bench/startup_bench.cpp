// Measures start-up: from the process's first line to the left pane's
// document-complete, through the real program's composition and widgets.
// Prints one line: "startup_to_left_complete_ms <n>".
#include "app/viewerprogram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    app::ViewerProgram::allowRunningAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TarnwellFileViewer"));

    app::ViewerProgram program(application.arguments().mid(1));
    auto& left = *program.widgets().browser[0];
    auto complete = left.onDocumentComplete;
    qint64 elapsed = -1;
    left.onDocumentComplete = [&](const QString& address) {
        if (elapsed < 0) {
            elapsed = clock.elapsed();
            QTimer::singleShot(0, &application, &QApplication::quit);
        }
        if (complete) complete(address);
    };
    program.viewer().Form_Load();
    QTimer::singleShot(60000, &application, &QApplication::quit);
    application.exec();
    std::printf("startup_to_left_complete_ms %lld\n", static_cast<long long>(elapsed));
    // Skip the closing prompt and configuration write: only start-up counts.
    std::fflush(stdout);
    std::_Exit(elapsed < 0 ? 1 : 0);
}
