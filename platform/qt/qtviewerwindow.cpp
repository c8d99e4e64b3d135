#include "platform/qt/qtviewerwindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform::qt {

QtViewerWindow::QtViewerWindow(const std::vector<MenuItem>& menuTree,
                               const QString& applicationTitle, const QString& searchPage) {
    QWidget* client = window.client();
    menu = std::make_unique<QtMenu>(window.mainWindow()->menuBar(), window.mainWindow(), menuTree);
    QSet<QKeySequence> keys;
    for (const QKeySequence& k : menu->shortcuts())
        keys.insert(k);
    QtTextEditor::setMenuShortcuts(keys);
    for (int i = 0; i < 2; ++i) {
        browser[i] = std::make_unique<QtBrowserPane>(client, searchPage);
        browser[i]->view()->setObjectName(QStringLiteral("brwWebBrowser%1").arg(i));
        editor[i] = std::make_unique<QtTextEditor>(client);
        editor[i]->edit()->setObjectName(QStringLiteral("Text1%1").arg(i));
        nameBox[i] = std::make_unique<QtTextBox>(client);
        nameBox[i]->edit()->setObjectName(QStringLiteral("L_Name%1").arg(i));
    }
    toolbar = std::make_unique<QtToolbar>(
        client,
        QList<QPair<QString, QString>>{{QStringLiteral("Back"), QStringLiteral("Back")},
                                       {QStringLiteral("Forward"), QStringLiteral("Forward")},
                                       {QStringLiteral("Search"), QStringLiteral("Search")}});
    splitter = std::make_unique<QtPanel>(client);
    splitter->frame()->setFrameShape(QFrame::NoFrame);
    splitter->setPointer(Pointer::SizeWestEast);
    dialogs = std::make_unique<QtDialogs>(window.mainWindow(), applicationTitle);
    findReplace = std::make_unique<QtFindReplaceDialog>(window.mainWindow());
    // Link Internal's instruction box floats over the editor while shown.
    linkMsgBox = std::make_unique<QtMultiLineBox>(client);
    linkMsgBox->edit()->setObjectName(QStringLiteral("LinkMsgBox"));
    linkMsgBox->edit()->setStyleSheet(QStringLiteral("background: #FFFFE1; color: black;"));
    linkMsgBox->edit()->resize(260, 115);
    linkMsgBox->edit()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    linkMsgBox->edit()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    linkMsgBox->setVisible(false);
    linkMsgBox->widget()->raise();

    // The page-colour panel slides out over the left pane from behind the
    // editor's corner; hidden while it is in.
    colorsPanel = std::make_unique<QtPanel>(client);
    QFrame* colors = colorsPanel->frame();
    colors->setObjectName(QStringLiteral("frmColors"));
    colors->setAutoFillBackground(true);
    colors->setFrameShape(QFrame::NoFrame);
    auto* colorsLayout = new QVBoxLayout(colors);
    colorsLayout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(QStringLiteral("Page Colors"), colors);
    colorsLayout->addWidget(group);
    auto* groupLayout = new QVBoxLayout(group);
    auto* picture = new QLabel(group);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedHeight(24);
    picture->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #000080, stop:0.2 #000080, "
        "stop:0.2001 #AFFEFE, stop:0.4 #AFFEFE, stop:0.4001 #1C8E1F, stop:0.6 #1C8E1F, "
        "stop:0.6001 #7C2C76, stop:0.8 #7C2C76, stop:0.8001 #F00000, stop:1 #F00000);"));
    groupLayout->addWidget(picture);
    const char* const captions[] = {"Text Color",   "Background",  "Link",
                                    "Visited Link", "Active Link", "Close"};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(captions[i]), group);
        b->setObjectName(QStringLiteral("cmdGetColor%1").arg(i));
        groupLayout->addWidget(b);
        getColor[i] = std::make_unique<QtButton>(b);
    }
    colors->resize(150, 260);
    colorsPanel->setVisible(false);
    tableSpecs = std::make_unique<QtTableSpecsDialog>(window.mainWindow());
    buildSuggestionBox(client);

    // A pane "gets the focus" when the focus moves anywhere inside its view.
    QObject::connect(qApp, &QApplication::focusChanged, window.mainWindow(),
                     [this](QWidget*, QWidget* now) {
                         if (!now) return;
                         for (int i = 0; i < 2; ++i) {
                             QWidget* view = browser[i]->view();
                             if ((now == view || view->isAncestorOf(now)) && browser[i]->onGotFocus)
                                 browser[i]->onGotFocus();
                         }
                     });
}

void QtViewerWindow::buildSuggestionBox(QWidget* client) {
    SuggestionBox& b = suggestionBox;
    b.frame = std::make_unique<QtCaptionFrame>(client, QStringLiteral("Spellings:"));
    QGroupBox* box = b.frame->box();
    box->setObjectName(QStringLiteral("frmSuggestions"));
    box->resize(220, 360);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    b.label2 = std::make_unique<QtLabel>(box, QStringLiteral("Word:"));
    // Created in the order the Tab key walks them: the word, the
    // suggestions, the replacement, then the buttons.
    b.word = std::make_unique<QtTextBox>(box);
    b.word->edit()->setObjectName(QStringLiteral("t_Word"));
    b.suggestions = std::make_unique<QtListBox>(box, false);
    b.suggestions->list()->setObjectName(QStringLiteral("lstSuggestions"));
    b.replace = std::make_unique<QtTextBox>(box);
    b.replace->edit()->setObjectName(QStringLiteral("t_Replace"));
    auto button = [box](const char* caption, const char* name) {
        auto* pb = new QPushButton(QString::fromUtf8(caption), box);
        pb->setObjectName(QString::fromLatin1(name));
        pb->setAutoDefault(false);
        return pb;
    };
    QPushButton* fix = button("&Replace with:", "cmdFixSpelling");
    QPushButton* once = button("&Ignore word - once", "cmdSkipWord0");
    QPushButton* all = button("Ignore word - all", "cmdSkipWord1");
    QPushButton* add = button("&Add word", "cmdAddWord");
    QPushButton* close = button("&Close", "cmdCloseSpellCk");
    b.fixSpelling = std::make_unique<QtButton>(fix);
    b.skipWord[0] = std::make_unique<QtButton>(once);
    b.skipWord[1] = std::make_unique<QtButton>(all);
    b.addWord = std::make_unique<QtButton>(add);
    b.close = std::make_unique<QtButton>(close);
    layout->addWidget(b.label2->label());
    layout->addWidget(b.word->edit());
    layout->addWidget(b.suggestions->list(), 1);
    layout->addWidget(fix);
    layout->addWidget(b.replace->edit());
    for (QPushButton* pb : {once, all, add, close})
        layout->addWidget(pb);
    // The generator's work list: sorted, never shown.
    b.work = std::make_unique<QtListBox>(box, true);
    b.work->setVisible(false);
    b.frame->setVisible(false);
}

QtViewerWindow::~QtViewerWindow() {
    // The widgets outlive their adapters otherwise; stop their events first.
    QObject::disconnect(qApp, nullptr, window.mainWindow(), nullptr);
    delete window.client();
}

} // namespace platform::qt
