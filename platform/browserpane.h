#pragma once

#include "platform/control.h"

#include <QString>
#include <functional>

namespace platform {

// An embedded web browser pane.
class BrowserPane : public Control {
  public:
    // A local path (with or without "#anchor") or a web address.
    virtual void navigate(const QString& address) = 0;
    // History moves report false when the pane refuses (no history).
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual void goSearch() = 0;
    virtual void refresh() = 0;
    virtual void print(bool prompt) = 0;
    virtual void printPreview() = 0;
    // The file name of a local page (its last path segment, with the anchor
    // after a "#"), or the page title of a web page.
    virtual QString locationName() const = 0;
    // The page's address as the browser writes it ("file:///home/a/x.htm").
    virtual QString locationUrl() const = 0;
    virtual void setFocus() = 0;

    std::function<void()> onGotFocus;
    // Every navigation passes here first: the program's own (navigate, the
    // history moves), a link the user followed in the page (`followedLink`),
    // and a jump to an anchor of the page shown. Setting `cancel` stops it,
    // and no document-complete follows.
    std::function<void(const QString& address, bool followedLink, bool& cancel)> onBeforeNavigate;
    // A page was shown (or failed to load, and the pane shows why), or the
    // pane jumped to an anchor of its page; a refresh raises nothing.
    std::function<void(const QString& address)> onDocumentComplete;
};

} // namespace platform
