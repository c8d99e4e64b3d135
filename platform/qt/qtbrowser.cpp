#include "platform/qt/qtbrowser.h"

#include "platform/browseraddress.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace platform::qt {

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    if (!url.isLocalFile()) return;
    const QString path = url.path().toLower();
    const bool page = path.endsWith(QLatin1String(".htm")) || path.endsWith(QLatin1String(".html"));
    switch (info.resourceType()) {
    case QWebEngineUrlRequestInfo::ResourceTypeXhr: // XMLHttpRequest and fetch()
        info.block(true);
        break;
    case QWebEngineUrlRequestInfo::ResourceTypeSubFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeObject:
        // A frame's text can be read by the page around it: pages only.
        if (!page) info.block(true);
        break;
    default:
        break;
    }
}

ViewerPage::ViewerPage(QtBrowserPane* owner, QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), owner_(owner) {
    QObject::connect(this, &QWebEnginePage::loadStarted, this, [this] { questions_ = 0; });
}

bool ViewerPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame || type == NavigationTypeReload) return true;
    QtBrowserPane& pane = *owner_;
    const bool followedLink = type == NavigationTypeLinkClicked ||
                              type == NavigationTypeFormSubmitted || type == NavigationTypeOther;
    bool cancel = false;
    if (pane.onBeforeNavigate)
        pane.onBeforeNavigate(url.toString(QUrl::FullyEncoded), followedLink, cancel);
    if (cancel) {
        pane.swallowFailedLoad_ = true;
        return false;
    }
    return true;
}

bool ViewerPage::mayAsk() {
    return ++questions_ <= 3;
}

void ViewerPage::javaScriptAlert(const QUrl& origin, const QString& msg) {
    if (mayAsk()) QWebEnginePage::javaScriptAlert(origin, msg);
}

bool ViewerPage::javaScriptConfirm(const QUrl& origin, const QString& msg) {
    return mayAsk() && QWebEnginePage::javaScriptConfirm(origin, msg);
}

bool ViewerPage::javaScriptPrompt(const QUrl& origin, const QString& msg,
                                  const QString& defaultValue, QString* result) {
    return mayAsk() && QWebEnginePage::javaScriptPrompt(origin, msg, defaultValue, result);
}

QtBrowserPane::QtBrowserPane(QWidget* parent, const QString& searchPage)
    : WidgetControl<BrowserPane>(new QWebEngineView(parent)),
      view_(static_cast<QWebEngineView*>(widget())), searchPage_(searchPage) {
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    if (!profile->findChild<LocalFileGuard*>())
        profile->setUrlRequestInterceptor(new LocalFileGuard(profile));
    auto* page = new ViewerPage(this, profile, view_);
    QWebEngineSettings* s = page->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, true); // the show/hide blocks need it
    // Local pages show local images and follow links to local pages (the
    // browser refuses both without this); the guard keeps them from
    // reading files. No remote address is reached from a local page.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    view_->setPage(page);
    QObject::connect(view_, &QWebEngineView::loadStarted, view_, [this] { loading_ = true; });
    QObject::connect(view_, &QWebEngineView::urlChanged, view_, [this](const QUrl& url) {
        // The browser reports a jump within the page it shows by the new
        // address alone: no navigation request, no finished load.
        if (!loading_ && !shown_.isEmpty() && url != shown_ && url.hasFragment() &&
            url.adjusted(QUrl::RemoveFragment) == shown_.adjusted(QUrl::RemoveFragment))
            sameDocumentJump(url);
    });
    QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
        loading_ = false;
        if (!ok && swallowFailedLoad_) {
            swallowFailedLoad_ = false;
            return;
        }
        swallowFailedLoad_ = false;
        shown_ = view_->url();
        if (reloading_) {
            reloading_ = false;
            if (!pendingFragment_.isEmpty()) scrollToFragment(pendingFragment_);
            pendingFragment_.clear();
            return;
        }
        if (onDocumentComplete) onDocumentComplete(view_->url().toString(QUrl::FullyEncoded));
    });
}

void QtBrowserPane::sameDocumentJump(const QUrl& url) {
    const bool program = url == programJump_;
    programJump_.clear();
    shown_ = url;
    bool cancel = false; // the jump is made: there is nothing left to cancel
    if (onBeforeNavigate) onBeforeNavigate(url.toString(QUrl::FullyEncoded), !program, cancel);
    if (onDocumentComplete) onDocumentComplete(url.toString(QUrl::FullyEncoded));
}

QUrl QtBrowserPane::addressToUrl(const QString& address) {
    return browserUrl(address);
}

void QtBrowserPane::navigate(const QString& address) {
    const QUrl url = addressToUrl(address);
    const QUrl current = view_->url();
    const bool samePage =
        url.adjusted(QUrl::RemoveFragment) == current.adjusted(QUrl::RemoveFragment);
    if (reloading_ && url.hasFragment() && samePage) {
        pendingFragment_ = url.fragment();
        return;
    }
    reloading_ = false;
    pendingFragment_.clear();
    if (samePage && url.hasFragment() && !loading_) programJump_ = url;
    view_->setUrl(url);
}

void QtBrowserPane::scrollToFragment(const QString& fragment) {
    QString name = fragment;
    name.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\''), QLatin1String("\\'"));
    view_->page()->runJavaScript(
        QStringLiteral(
            "(function(n){var a=document.getElementById(n)||document.getElementsByName(n)[0];"
            "if(a)a.scrollIntoView();})('%1');")
            .arg(name));
}

bool QtBrowserPane::goBack() {
    if (!view_->history()->canGoBack()) return false;
    view_->back();
    return true;
}

bool QtBrowserPane::goForward() {
    if (!view_->history()->canGoForward()) return false;
    view_->forward();
    return true;
}

void QtBrowserPane::goSearch() {
    navigate(searchPage_);
}

void QtBrowserPane::refresh() {
    reloading_ = true;
    view_->reload();
}

void QtBrowserPane::print(bool prompt) {
    QPrinter printer(QPrinter::HighResolution);
    if (prompt) {
        QPrintDialog dialog(&printer, view_);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    QEventLoop loop;
    QObject::connect(view_, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
    view_->print(&printer);
    loop.exec();
}

void QtBrowserPane::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, view_);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, view_, [this](QPrinter* p) {
        QEventLoop loop;
        QObject::connect(view_, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
        view_->print(p);
        loop.exec();
    });
    preview.exec();
}

QString QtBrowserPane::locationName() const {
    return browserLocationName(view_->url(), view_->title());
}

QString QtBrowserPane::locationUrl() const {
    return view_->url().toString(QUrl::FullyEncoded);
}

void QtBrowserPane::setFocus() {
    view_->setFocus(Qt::OtherFocusReason);
}

} // namespace platform::qt
