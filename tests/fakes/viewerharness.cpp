#include "tests/fakes/viewerharness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fakes {

ViewerHarness::ViewerHarness() {
    QDir().mkpath(home);
    QDir().mkpath(data);
    paths.driveRoot = home;
    paths.dataFolder = data;
    paths.lexiconFolder = dir.path() + QStringLiteral("/Quarn/");
    paths.helpProgram = QStringLiteral("/usr/bin/tarnwell-file-viewer");
    paths.searchAddress = QStringLiteral("https://duckduckgo.com/?q=");
    paths.searchEngine = QStringLiteral("duckduckgo");
    linkMsgBox.setVisible(false);
    // The sliding panels stand on whole pixels (15 twips each), as the real
    // ones do: a slide must not lose a fraction at every move.
    colorsPanel.twipsPerPixel = 15;
    box.frame.twipsPerPixel = 15;
    colorsPanel.setVisible(false);
    colorsPanel.setWidth(2250);
    colorsPanel.setHeight(3900);
}

ViewerHarness::ViewerHarness(const QByteArray& text, const char* name) : ViewerHarness() {
    page = writeFile(QStringLiteral("home/") + qs(name), text);
    start(page);
    choose("mEditHTML");
}

shell::TarnwellFileViewer& ViewerHarness::start(const QString& commandLine) {
    if (withLexicon &&
        !QFileInfo::exists(paths.lexiconFolder + QStringLiteral("quarn words.accdb"))) {
        QDir().mkpath(paths.lexiconFolder);
        emptyLexicon = std::make_unique<SmallLexicon>(paths.lexiconFolder);
    }
    const shell::ViewerUi ui{.window = &window,
                             .brwWebBrowser = {&browser[0], &browser[1]},
                             .Text1 = {&text1[0], &text1[1]},
                             .L_Name = {&nameBox[0], &nameBox[1]},
                             .tbToolBar = &toolbar,
                             .pSplitterBar = &splitter,
                             .menu = &menu,
                             .dialogs = &dialogs,
                             .dealDialogs = &dealDialogs,
                             .findReplace = find.view(),
                             .LinkMsgBox = &linkMsgBox,
                             .frmColors = &colorsPanel,
                             .cmdGetColor = {&getColor[0], &getColor[1], &getColor[2], &getColor[3],
                                             &getColor[4], &getColor[5]},
                             .tableSpecs = tableSpecs.view(),
                             .frmSuggestions = &box.frame,
                             .Label2 = &box.label2,
                             .t_Word = &box.word,
                             .lstSuggestions = &box.suggestions,
                             .t_Replace = &box.replace,
                             .cmdFixSpelling = &box.fixSpelling,
                             .cmdSkipWord = {&box.skipOnce, &box.skipAll},
                             .cmdAddWord = &box.addWord,
                             .cmdCloseSpellCk = &box.close,
                             .lstSuggestions2 = &box.work};
    const shell::ViewerServices services{.files = &files,
                                         .processes = &processes,
                                         .clock = &clock,
                                         .transfer = &transfer,
                                         .monitors = &monitors,
                                         .lexicon = &lexicon,
                                         .speller = &speller,
                                         .recoveryTimer = &recoveryTimer,
                                         .background = &background,
                                         .solver = &solver,
                                         .suggestionSlideTimer = &suggestionSlideTimer,
                                         .colorsSlideTimer = &colorsSlideTimer,
                                         .swapTimer = &swapTimer};
    viewer = std::make_unique<shell::TarnwellFileViewer>(ui, services, paths, commandLine);
    viewer->Form_Load();
    return *viewer;
}

QString ViewerHarness::writeFile(const QString& relativePath, const QByteArray& contents) {
    const QString path = dir.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(contents);
    return path;
}

QByteArray ViewerHarness::readFile(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace fakes
