#pragma once

#include "deal/dds/ddssolver.h"
#include "platform/qt/qtbackground.h"
#include "platform/qt/qtdealdialogs.h"
#include "platform/qt/qtspellingservice.h"
#include "platform/qt/qtsystem.h"
#include "platform/qt/qtviewerwindow.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "shell/tarnwellfileviewer.h"

#include <QStringList>
#include <memory>

namespace app {

// The whole program: the Qt widgets and services wired to the main
// window's controller. main() and the benchmarks build it the same way.
class ViewerProgram {
  public:
    // `arguments` are the command-line arguments after the program's name.
    explicit ViewerProgram(const QStringList& arguments);
    ~ViewerProgram();

    static shell::FixedPaths systemPaths();
    // QtWebEngine's sandbox refuses to run as root; only then is it switched
    // off. Call before the application object exists.
    static void allowRunningAsRoot();

    platform::qt::QtViewerWindow& widgets() { return *widgets_; }
    shell::TarnwellFileViewer& viewer() { return *viewer_; }

  private:
    std::unique_ptr<platform::qt::QtViewerWindow> widgets_;
    platform::qt::QtFileSystem files_;
    platform::qt::QtProcessLauncher processes_;
    platform::qt::QtClock clock_;
    platform::qt::QtTransfer transfer_;
    platform::qt::QtTimer recoveryTimer_;
    platform::qt::QtTimer suggestionSlideTimer_;
    platform::qt::QtTimer colorsSlideTimer_;
    platform::qt::QtTimer swapTimer_;
    std::unique_ptr<platform::qt::QtMonitorSystem> monitors_;
    // The lexicon files; the checker reads them once into its word index.
    platform::sqlite::SqliteLexiconStore lexicon_;
    // The document check without a lexicon: Hunspell and its own dialog.
    std::unique_ptr<platform::qt::QtSpellingService> speller_;
    // The deal commands' dialogs, and the double-dummy solver they run.
    std::unique_ptr<platform::qt::QtDealDialogs> dealDialogs_;
    deal::DdsSolver solver_;
    // Reads the lexicon and solves deals; declared after what its work uses, so that work
    // still running at the end is waited for before that goes.
    platform::qt::QtBackgroundWork background_;
    std::unique_ptr<shell::TarnwellFileViewer> viewer_;
};

} // namespace app
