#include "tests/fakes/viewerharness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fakes {

ViewerHarness::ViewerHarness() {
    home = dir.path() + QStringLiteral("/home/");
    data = dir.path() + QStringLiteral("/data");
    QDir().mkpath(home);
    QDir().mkpath(data);
    paths.driveRoot = home;
    paths.dataFolder = data;
    paths.lexiconFolder = dir.path() + QStringLiteral("/Quarn/");
    paths.helpProgram = QStringLiteral("/usr/bin/tarnwell-file-viewer");
    paths.searchAddress = QStringLiteral("https://duckduckgo.com/?q=");
    paths.searchEngine = QStringLiteral("duckduckgo");
    linkMsgBox.setVisible(false);
    // The sliding panels stand on whole pixels (15 twips each), as the
    // real ones do: their slides must not lose a fraction at every move.
    colorsPanel.twipsPerPixel = 15;
    box.frame.twipsPerPixel = 15;
    colorsPanel.setVisible(false);
    colorsPanel.setWidth(2250);
    colorsPanel.setHeight(3900);
}

shell::TarnwellFileViewer& ViewerHarness::create(const QString& commandLine) {
    if (withLexicon &&
        !QFileInfo::exists(paths.lexiconFolder + QStringLiteral("quarn words.accdb"))) {
        QDir().mkpath(paths.lexiconFolder);
        emptyLexicon = std::make_unique<SmallLexicon>(paths.lexiconFolder);
    }
    shell::ViewerUi ui;
    ui.window = &window;
    for (int i = 0; i < 2; ++i) {
        ui.brwWebBrowser[i] = &browser[i];
        ui.Text1[i] = &text1[i];
        ui.L_Name[i] = &nameBox[i];
    }
    ui.tbToolBar = &toolbar;
    ui.pSplitterBar = &splitter;
    ui.menu = &menu;
    ui.dialogs = &dialogs;
    ui.dealDialogs = &dealDialogs;
    ui.findReplace = find.view();
    ui.LinkMsgBox = &linkMsgBox;
    ui.frmColors = &colorsPanel;
    for (int i = 0; i < 6; ++i)
        ui.cmdGetColor[i] = &getColor[i];
    ui.tableSpecs = tableSpecs.view();
    ui.frmSuggestions = &box.frame;
    ui.Label2 = &box.label2;
    ui.t_Word = &box.word;
    ui.lstSuggestions = &box.suggestions;
    ui.t_Replace = &box.replace;
    ui.cmdFixSpelling = &box.fixSpelling;
    ui.cmdSkipWord[0] = &box.skipOnce;
    ui.cmdSkipWord[1] = &box.skipAll;
    ui.cmdAddWord = &box.addWord;
    ui.cmdCloseSpellCk = &box.close;
    ui.lstSuggestions2 = &box.work;
    shell::ViewerServices services;
    services.files = &files;
    services.processes = &processes;
    services.clock = &clock;
    services.transfer = &transfer;
    services.recoveryTimer = &recoveryTimer;
    services.suggestionSlideTimer = &suggestionSlideTimer;
    services.colorsSlideTimer = &colorsSlideTimer;
    services.swapTimer = &swapTimer;
    services.monitors = &monitors;
    services.lexicon = &lexicon;
    services.background = &background;
    services.solver = &solver;
    services.speller = &speller;
    viewer = std::make_unique<shell::TarnwellFileViewer>(ui, services, paths, commandLine);
    return *viewer;
}

shell::TarnwellFileViewer& ViewerHarness::start(const QString& commandLine) {
    create(commandLine).Form_Load();
    return *viewer;
}

void ViewerHarness::finishSlides() {
    suggestionSlideTimer.runOut();
    colorsSlideTimer.runOut();
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
