#include "app/viewerprogram.h"

#include "shell/commandline.h"
#include "shell/menutree.h"
#include "spelling/lexiconschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <unistd.h>

// The resources live in a static library; the linker keeps them only when
// asked for by name.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace app {
namespace {

const char* const kSearchAddress = "https://duckduckgo.com/?q=";
const char* const kSearchEngine = "duckduckgo";
const char* const kSearchPage = "https://duckduckgo.com/";

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

// The default lexicon ships with the program (installed under share/, or
// beside the build); a user without a lexicon gets a copy of it. An
// existing lexicon is never replaced: it may hold words the user added.
void installDefaultLexicon(const QString& lexiconFolder) {
    namespace lex = spelling::lexicon;
    if (QFileInfo::exists(lexiconFolder + lex::wordsFile())) return;
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList candidates = {here +
                                        QStringLiteral("/../share/tarnwell-file-viewer/lexicon/"),
                                    here + QStringLiteral("/../default-lexicon/")};
    for (const QString& source : candidates) {
        if (!QFileInfo::exists(source + lex::wordsFile())) continue;
        QDir().mkpath(lexiconFolder);
        for (const QString& file : {lex::linksFile(), lex::wordsFile(), lex::dictionaryFile()}) {
            // Copied under a temporary name, then renamed: a copy cut short
            // never passes for a lexicon.
            const QString partial = lexiconFolder + file + QStringLiteral(".partial");
            QFile::remove(partial);
            if (!QFile::copy(source + file, partial) ||
                !QFile::rename(partial, lexiconFolder + file)) {
                QFile::remove(partial);
                return;
            }
        }
        return;
    }
}

// The table designer's template ships inside the program too, but the copy
// in the data folder is the user's to edit: it is put there only when
// missing.
void installTableTemplate(const QString& dataFolder) {
    const QString target = dataFolder + QStringLiteral("/TableSpecs.htm");
    if (QFile::exists(target)) return;
    QFile shipped(QStringLiteral(":/TableSpecs.htm"));
    if (!shipped.open(QIODevice::ReadOnly)) return;
    platform::qt::QtFileSystem().write(target, shipped.readAll());
}

} // namespace

void ViewerProgram::allowRunningAsRoot() {
    if (geteuid() != 0) return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox")) return;
    flags += flags.isEmpty() ? "--no-sandbox" : " --no-sandbox";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    std::fputs(
        "Tarnwell File Viewer: running as root, so the browser panes run without their sandbox.\n",
        stderr);
}

shell::FixedPaths ViewerProgram::systemPaths() {
    shell::FixedPaths paths;
    paths.driveRoot = QDir::homePath() + QLatin1Char('/');
    paths.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    paths.lexiconFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/Quarn/");
    paths.helpProgram = QCoreApplication::applicationFilePath();
    paths.searchAddress = QString::fromLatin1(kSearchAddress);
    paths.searchEngine = QString::fromLatin1(kSearchEngine);
    return paths;
}

ViewerProgram::ViewerProgram(const QStringList& arguments) {
    initResources();
    const shell::FixedPaths paths = systemPaths();
    QDir().mkpath(paths.dataFolder);
    installHelpPage(paths.dataFolder);
    installDefaultLexicon(paths.lexiconFolder);
    installTableTemplate(paths.dataFolder);

    widgets_ = std::make_unique<platform::qt::QtViewerWindow>(
        shell::menuTree(), shell::TarnwellFileViewer::applicationTitle(),
        QString::fromLatin1(kSearchPage));
    monitors_ = std::make_unique<platform::qt::QtMonitorSystem>(&widgets_->window);

    shell::ViewerUi ui;
    ui.window = &widgets_->window;
    for (int i = 0; i < 2; ++i) {
        ui.brwWebBrowser[i] = widgets_->browser[i].get();
        ui.Text1[i] = widgets_->editor[i].get();
        ui.L_Name[i] = widgets_->nameBox[i].get();
    }
    ui.tbToolBar = widgets_->toolbar.get();
    ui.pSplitterBar = widgets_->splitter.get();
    ui.menu = widgets_->menu.get();
    ui.dialogs = widgets_->dialogs.get();
    dealDialogs_ = std::make_unique<platform::qt::QtDealDialogs>(widgets_->window.mainWindow());
    ui.dealDialogs = dealDialogs_.get();
    ui.findReplace = widgets_->findReplace->view();
    ui.LinkMsgBox = widgets_->linkMsgBox.get();
    ui.frmColors = widgets_->colorsPanel.get();
    for (int i = 0; i < 6; ++i)
        ui.cmdGetColor[i] = widgets_->getColor[i].get();
    ui.tableSpecs = widgets_->tableSpecs->view();
    auto& box = widgets_->suggestionBox;
    ui.frmSuggestions = box.frame.get();
    ui.Label2 = box.label2.get();
    ui.t_Word = box.word.get();
    ui.lstSuggestions = box.suggestions.get();
    ui.t_Replace = box.replace.get();
    ui.cmdFixSpelling = box.fixSpelling.get();
    ui.cmdSkipWord[0] = box.skipWord[0].get();
    ui.cmdSkipWord[1] = box.skipWord[1].get();
    ui.cmdAddWord = box.addWord.get();
    ui.cmdCloseSpellCk = box.close.get();
    ui.lstSuggestions2 = box.work.get();

    shell::ViewerServices services;
    services.files = &files_;
    services.processes = &processes_;
    services.clock = &clock_;
    services.transfer = &transfer_;
    services.recoveryTimer = &recoveryTimer_;
    services.suggestionSlideTimer = &suggestionSlideTimer_;
    services.colorsSlideTimer = &colorsSlideTimer_;
    services.swapTimer = &swapTimer_;
    services.monitors = monitors_.get();
    services.lexicon = &lexicon_;
    services.background = &background_;
    services.solver = &solver_;
    // Debian's dictionaries; words the user adds go to a list in the data folder.
    speller_ = std::make_unique<platform::qt::QtSpellingService>(
        widgets_->window.mainWindow(), QStringLiteral("/usr/share/hunspell"),
        QStringLiteral("en_US"), paths.dataFolder + QStringLiteral("/personal-words.txt"));
    services.speller = speller_.get();

    const QString commandLine = shell::joinArguments(arguments, QDir::currentPath());
    viewer_ = std::make_unique<shell::TarnwellFileViewer>(ui, services, paths, commandLine);
}

ViewerProgram::~ViewerProgram() = default;

} // namespace app
