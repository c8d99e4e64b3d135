#pragma once

#include "platform/browserpane.h"
#include "platform/qt/widgetcontrol.h"

#include <QWebEnginePage>
#include <QWebEngineView>

namespace platform::qt {

class QtBrowserPane;

// Passes every main-frame navigation to the controller first, which may
// cancel it.
class ViewerPage : public QWebEnginePage {
public:
    ViewerPage(QtBrowserPane* owner, QWebEngineProfile* profile, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    QtBrowserPane* owner_;
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
    QUrl anchorAfterReload_; // asked for while the page was reloading
};

} // namespace platform::qt
