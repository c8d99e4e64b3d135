#pragma once

#include "platform/browserpane.h"
#include "platform/qt/widgetcontrol.h"

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace platform::qt {

class QtBrowserPane;

// Keeps local pages from reading the user's files: a script's requests for
// local files (XMLHttpRequest, fetch) are refused, and so are frames that
// would show a local file other than a page, whose text the page could read.
// Images, style sheets and links to pages load as before.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor {
  public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// Passes every main-frame navigation to the controller first, which may
// cancel it; keeps a page's alert() loop from trapping the window.
class ViewerPage : public QWebEnginePage {
  public:
    ViewerPage(QtBrowserPane* owner, QWebEngineProfile* profile, QObject* parent);

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;

  private:
    // A page may ask this many questions; after that they are answered
    // "Cancel" unasked, until another page is shown.
    bool mayAsk();
    QtBrowserPane* owner_;
    int questions_ = 0;
    friend class QtBrowserPane;

    // Keeps local pages from reading the user's files: a script's requests for
    // local files (XMLHttpRequest, fetch) are refused, and so are frames that
    // would show a local file other than a page, whose text the page could read.
    // Images, style sheets and links to pages load as before.
    class LocalFileGuard : public QWebEngineUrlRequestInterceptor {
      public:
        using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
        void interceptRequest(QWebEngineUrlRequestInfo& info) override;
    };
};

class QtBrowserPane : public WidgetControl<BrowserPane> {
  public:
    QtBrowserPane(QWidget* parent, const QString& searchPage);
    void navigate(const QString& address) override;
    bool goBack() override;
    bool goForward() override;
    void goSearch() override;
    void refresh() override;
    void print(bool prompt) override;
    void printPreview() override;
    QString locationName() const override;
    QString locationUrl() const override;
    void setFocus() override;

    QWebEngineView* view() const { return view_; }
    // "/home/a/x.htm#top" -> file:///home/a/x.htm#top; web addresses as typed.
    static QUrl addressToUrl(const QString& address);

  private:
    friend class ViewerPage;
    QWebEngineView* view_;
    QString searchPage_;
    // A refresh redraws the page without telling the controller, as the
    // panes always have: saving refreshes the page, and the editor must not
    // take that for a new page.
    bool reloading_ = false;
    // An anchor asked for while the page reloads is scrolled to once the
    // reload is done (navigating to it would cut the reload short).
    QString pendingFragment_;
    void scrollToFragment(const QString& fragment);
    // What the page last showed, to tell a jump to an anchor of the same
    // page (the browser reports only a changed address) from a new page.
    QUrl shown_;
    bool loading_ = false;
    // A jump to an anchor the program asked for.
    QUrl programJump_;
    // A navigation was cancelled: the failed load the browser reports for it
    // is not a page.
    bool swallowFailedLoad_ = false;
    void sameDocumentJump(const QUrl& url);
};

} // namespace platform::qt
