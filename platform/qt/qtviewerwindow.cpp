#include "platform/qt/qtviewerwindow.h"

#include <QApplication>
#include <QMenuBar>

namespace platform::qt {

QtViewerWindow::QtViewerWindow(const std::vector<MenuItem>& menuTree, const QString& applicationTitle,
                               const QString& searchPage) {
    QWidget* client = window.client();
    menu = std::make_unique<QtMenu>(window.mainWindow()->menuBar(), window.mainWindow(), menuTree);
    QSet<QKeySequence> keys;
    for (const QKeySequence& k : menu->shortcuts()) keys.insert(k);
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
        client, QList<QPair<QString, QString>>{{QStringLiteral("Back"), QStringLiteral("Back")},
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

    // A pane "gets the focus" when the focus moves anywhere inside its view.
    QObject::connect(qApp, &QApplication::focusChanged, window.mainWindow(), [this](QWidget*, QWidget* now) {
        if (!now) return;
        for (int i = 0; i < 2; ++i) {
            QWidget* view = browser[i]->view();
            if ((now == view || view->isAncestorOf(now)) && browser[i]->onGotFocus) browser[i]->onGotFocus();
        }
    });
}

QtViewerWindow::~QtViewerWindow() {
    // The widgets outlive their adapters otherwise; stop their events first.
    QObject::disconnect(qApp, nullptr, window.mainWindow(), nullptr);
    delete window.client();
}

} // namespace platform::qt
