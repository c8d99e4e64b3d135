#pragma once

#include "deal/dds/ddssolver.h"
#include "platform/qt/qtfilesystem.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "shell/menutree.h"
#include "shell/tarnwellfileviewer.h"
#include "tests/fakes/fakedealdialogs.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/smalllexicon.h"

#include <QTemporaryDir>
#include <memory>

namespace fakes {

// The main window's controller over scripted controls and real files in a
// temporary folder: `home` stands for the user's home folder and `data` for
// the data folder.
class ViewerHarness {
  public:
    ViewerHarness();
    // Started on home/<name> (written with `text`), its source in the editor.
    explicit ViewerHarness(const QByteArray& text, const char* name = "deal.htm");

    // Builds the controller for a command line and runs its start-up.
    shell::TarnwellFileViewer& start(const QString& commandLine = {});
    bool choose(const char* entry, int index = -1) { return menu.choose(qs(entry), index); }
    FakeTextEditor& ed() { return text1[1]; }

    // Runs both sliding panels' slides to their end, as the event loop would.
    void finishSlides() {
        suggestionSlideTimer.runOut();
        colorsSlideTimer.runOut();
    }

    // A file in the temporary folder, created with the given text.
    QString writeFile(const QString& relativePath, const QByteArray& contents);
    QByteArray readFile(const QString& path) const;

    QTemporaryDir dir;
    QString home = dir.path() + QStringLiteral("/home/"); // ends with "/"
    QString data = dir.path() + QStringLiteral("/data");  // no trailing "/"
    QString page;                                         // the file opened for editing
    shell::FixedPaths paths;

    FakeWindow window;
    FakeBrowserPane browser[2];
    FakeTextEditor text1[2];
    FakeTextBox nameBox[2];
    FakeToolbar toolbar;
    FakePanel splitter;
    FakeMenu menu{shell::menuTree()};
    FakeDialogs dialogs;
    FakeDealDialogs dealDialogs;
    FakeFindReplace find;
    FakeTextBox linkMsgBox; // hidden until Link Internal shows it
    FakePanel colorsPanel;  // the "Page Colors" panel, hidden until slid out
    FakeButton getColor[6];
    FakeTableSpecs tableSpecs;
    platform::qt::QtFileSystem files;
    FakeProcessLauncher processes;
    FakeClock clock;
    FakeTransfer transfer;
    FakeTimer recoveryTimer;
    FakeTimer suggestionSlideTimer;
    FakeTimer colorsSlideTimer;
    FakeTimer swapTimer;
    FakeMonitorSystem monitors;
    platform::sqlite::SqliteLexiconStore lexicon;
    // Reads the lexicon at once unless a test holds it back.
    FakeBackgroundWork background;
    FakeSuggestionBox box;
    FakeSpellingService speller;
    deal::DdsSolver solver; // the real one: a fraction of a second a deal

    std::unique_ptr<shell::TarnwellFileViewer> viewer;

    // Unless a test has put a lexicon in place (or asked for none), an
    // empty one stands in the lexicon folder, as the set-up installs one.
    bool withLexicon = true;
    std::unique_ptr<SmallLexicon> emptyLexicon;
};

} // namespace fakes
