#include "platform/qt/qtbrowser.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <utility>

namespace platform::qt {

ViewerPage::ViewerPage(QtBrowserPane* owner, QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), owner_(owner) {}

bool ViewerPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame || type == NavigationTypeReload || !owner_->onBeforeNavigate) return true;
    bool cancel = false;
    owner_->onBeforeNavigate(url.toString(QUrl::FullyEncoded), cancel);
    return !cancel;
}

QtBrowserPane::QtBrowserPane(QWidget* parent, const QString& searchPage)
    : WidgetControl<BrowserPane>(new QWebEngineView(parent)), view_(static_cast<QWebEngineView*>(widget())),
      searchPage_(searchPage) {
    auto* page = new ViewerPage(this, QWebEngineProfile::defaultProfile(), view_);
    QWebEngineSettings* s = page->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, true); // the show/hide blocks need it
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    view_->setPage(page);
    QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool) {
        if (reloading_) {
            reloading_ = false;
            if (anchorAfterReload_.isValid()) view_->setUrl(std::exchange(anchorAfterReload_, QUrl()));
            return;
        }
        if (onDocumentComplete) onDocumentComplete(view_->url().toString(QUrl::FullyEncoded));
    });
}

QUrl QtBrowserPane::addressToUrl(const QString& address) {
    if (address.startsWith(QLatin1Char('/'))) {
        // An anchor follows the last "#" after the file name, unless the
        // file's own name holds that "#".
        const qsizetype slash = address.lastIndexOf(QLatin1Char('/'));
        const qsizetype hash = address.indexOf(QLatin1Char('#'), slash);
        if (hash > 0 && !QFileInfo(address).isFile()) {
            QUrl url = QUrl::fromLocalFile(address.left(hash));
            url.setFragment(address.mid(hash + 1));
            return url;
        }
        return QUrl::fromLocalFile(address);
    }
    if (address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return QUrl(address);
    return QUrl::fromUserInput(address);
}

void QtBrowserPane::navigate(const QString& address) {
    const QUrl url = addressToUrl(address);
    // Going to an anchor of the page being reloaded would stop the reload
    // and leave the old page on screen: go there once the new one is in.
    if (reloading_ && url.adjusted(QUrl::RemoveFragment) == view_->url().adjusted(QUrl::RemoveFragment)) {
        anchorAfterReload_ = url;
        return;
    }
    reloading_ = false;
    anchorAfterReload_ = QUrl();
    view_->setUrl(url);
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

void QtBrowserPane::goSearch() { navigate(searchPage_); }

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
    const QUrl url = view_->url();
    if (!url.isLocalFile()) return view_->title();
    QString name = QFileInfo(url.toLocalFile()).fileName();
    if (url.hasFragment()) name += QLatin1Char('#') + url.fragment();
    return name;
}

QString QtBrowserPane::locationUrl() const { return view_->url().toString(QUrl::FullyEncoded); }

void QtBrowserPane::setFocus() { view_->setFocus(Qt::OtherFocusReason); }

} // namespace platform::qt
