// The same steps must raise the same events in the same order in the real
// browser pane and in the fake. The real pane also keeps local pages from
// reading other files and from trapping the window in an alert() loop.
#include "platform/qt/qtbrowser.h"
#include "tests/fakes/fakes.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <unistd.h>

using fakes::qs;

namespace {
// One pane, real or fake, with its events written into a log.
class Pane {
  public:
    Pane(const QString& kind, const QString& folder) : folder_(folder) {
        if (kind == QLatin1String("real")) {
            real_ = new platform::qt::QtBrowserPane(nullptr, QString());
            pane_.reset(real_);
            real_->view()->resize(600, 400);
            real_->view()->show();
        } else {
            fake_ = new fakes::FakeBrowserPane;
            pane_.reset(fake_);
        }
        pane_->onBeforeNavigate = [this](const QString& a, bool link, bool& cancel) {
            log_ << qs("before ") + shortName(a) + (link ? qs(" link") : qs(" program"));
            if (a.contains(qs("cancel"))) cancel = true;
        };
        pane_->onDocumentComplete = [this](const QString& a) {
            log_ << qs("complete ") + shortName(a);
        };
    }
    ~Pane() { pane_.reset(); }

    void navigate(const QString& name) { pane_->navigate(folder_ + name); }
    // The user clicks the link of that id, which leads to `target`.
    void follow(const QString& id, const QString& target) {
        if (real_)
            real_->view()->page()->runJavaScript(
                QStringLiteral("document.getElementById('%1').click()").arg(id));
        else
            fake_->followLink(folder_ + target);
    }
    void refresh() { pane_->refresh(); }
    // The events since the last call, once `count` have come (and the real
    // browser had time to raise any more).
    QStringList events(int count) {
        if (fake_) fake_->settle();
        if (real_) {
            // Fewer events than expected show in the comparison that follows.
            (void)QTest::qWaitFor([&] { return log_.size() >= count; }, 30000);
            QTest::qWait(count == 0 ? 1500 : 400);
        }
        return std::exchange(log_, {});
    }
    platform::BrowserPane& pane() { return *pane_; }
    platform::qt::QtBrowserPane* real() { return real_; }

  private:
    QString shortName(const QString& address) const {
        QString s = address;
        return s.remove(QUrl::fromLocalFile(folder_).toString(QUrl::FullyEncoded));
    }
    QString folder_;
    std::unique_ptr<platform::BrowserPane> pane_;
    platform::qt::QtBrowserPane* real_ = nullptr;
    fakes::FakeBrowserPane* fake_ = nullptr;
    QStringList log_;
};

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class BrowserContract : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void eventsOfEachStep_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("real") << qs("real");
        QTest::newRow("fake") << qs("fake");
    }
    void eventsOfEachStep();
    void localPage_cannotReadOtherFiles();
    void alertLoop_doesNotTrapTheWindow();

  private:
    QTemporaryDir dir_;
    QString folder_;
};

void BrowserContract::initTestCase() {
    folder_ = dir_.path() + QLatin1Char('/');
    const QByteArray tall = "<DIV STYLE=\"height:3000px\"></DIV>";
    write(folder_ + qs("a.htm"),
          "<HTML><BODY><A ID=\"b\" HREF=\"b.htm\">b</A> <A ID=\"sec\" HREF=\"#sec\">sec</A> "
          "<A ID=\"c\" HREF=\"cancel.htm\">c</A>" +
              tall + "<A NAME=\"sec\">S</A>" + tall + "<A NAME=\"sec2\">S2</A>" + tall +
              "</BODY></HTML>");
    write(folder_ + qs("b.htm"), "<HTML><BODY>B</BODY></HTML>");
    write(folder_ + qs("cancel.htm"), "<HTML><BODY>C</BODY></HTML>");
    write(folder_ + qs("M\u00e9mo du jeu.htm"), "<HTML><BODY>M</BODY></HTML>");
}

void BrowserContract::eventsOfEachStep() {
    QFETCH(QString, kind);
    Pane p(kind, folder_);
    p.navigate(qs("a.htm"));
    QCOMPARE(p.events(2), (QStringList{qs("before a.htm program"), qs("complete a.htm")}));
    QCOMPARE(p.pane().locationName(), qs("a.htm"));
    QCOMPARE(p.pane().locationUrl(), QUrl::fromLocalFile(folder_ + qs("a.htm")).toString());

    // A link to an anchor of the page: the browser only moves, yet the
    // controller hears of it as of any page.
    p.follow(qs("sec"), qs("a.htm#sec"));
    QCOMPARE(p.events(2), (QStringList{qs("before a.htm#sec link"), qs("complete a.htm#sec")}));
    QCOMPARE(p.pane().locationName(), qs("a.htm#sec"));
    p.navigate(qs("a.htm#sec2"));
    QCOMPARE(p.events(2),
             (QStringList{qs("before a.htm#sec2 program"), qs("complete a.htm#sec2")}));

    // A refresh redraws the page and raises nothing.
    p.refresh();
    QCOMPARE(p.events(0), QStringList());
    // Nor does an anchor of the page asked for during the refresh (a save
    // asks for the page's end so): the page scrolls to it once reloaded.
    p.refresh();
    p.navigate(qs("a.htm#sec"));
    QCOMPARE(p.events(0), QStringList());

    p.follow(qs("b"), qs("b.htm"));
    QCOMPARE(p.events(2), (QStringList{qs("before b.htm link"), qs("complete b.htm")}));
    QCOMPARE(p.pane().locationName(), qs("b.htm"));

    // Cancelled: nothing completes, the pane keeps its page.
    p.navigate(qs("cancel.htm"));
    QCOMPARE(p.events(1), QStringList{qs("before cancel.htm program")});
    QCOMPARE(p.pane().locationName(), qs("b.htm"));

    p.navigate(qs("M\u00e9mo du jeu.htm"));
    QCOMPARE(p.events(2), (QStringList{qs("before M%C3%A9mo%20du%20jeu.htm program"),
                                       qs("complete M%C3%A9mo%20du%20jeu.htm")}));
    QCOMPARE(p.pane().locationName(), qs("M\u00e9mo du jeu.htm"));

    // A page that cannot be loaded completes too (the pane shows why).
    p.navigate(qs("missing.htm"));
    QCOMPARE(p.events(2),
             (QStringList{qs("before missing.htm program"), qs("complete missing.htm")}));

    p.navigate(qs("a.htm"));
    p.events(2);
    p.follow(qs("c"), qs("cancel.htm"));
    QCOMPARE(p.events(1), QStringList{qs("before cancel.htm link")});
    QCOMPARE(p.pane().locationName(), qs("a.htm"));
}

// A page shows local images and frames other pages, but its scripts read
// no local file: not by XMLHttpRequest, fetch() or a frame.
void BrowserContract::localPage_cannotReadOtherFiles() {
    write(folder_ + qs("secret.txt"), "SECRET");
    // A one-pixel GIF.
    write(folder_ + qs("dot.gif"),
          QByteArray::fromBase64("R0lGODlhAQABAIAAAP8AAAAAACH5BAAAAAAALAAAAAABAAEAAAICRAEAOw=="));
    write(folder_ + qs("spy.htm"),
          "<HTML><BODY><IMG ID=i SRC=dot.gif><IFRAME ID=f SRC=secret.txt></IFRAME><IFRAME ID=g "
          "SRC=b.htm></IFRAME><SCRIPT>var r=[];function el(i){return document.getElementById(i)}"
          "try{var x=new XMLHttpRequest();x.open('GET','secret.txt',false);x.send();"
          "r.push('xhr:'+x.responseText)}catch(e){r.push('xhr:blocked')}window.onload=function(){"
          "r.push('img:'+el('i').naturalWidth);try{r.push('frame:'+el('f').contentDocument.body."
          "innerText)}catch(e){r.push('frame:blocked')}try{r.push('page:'+el('g').contentDocument"
          ".body.innerText)}catch(e){r.push('page:blocked')}fetch('secret.txt').then(function(q){"
          "return q.text()}).then(function(t){r.push('fetch:'+t)},function(){r.push('fetch:"
          "blocked')}).then(function(){document.title=r.join(' ')})}</SCRIPT></BODY></HTML>");
    Pane p(qs("real"), folder_);
    p.navigate(qs("spy.htm"));
    QTRY_VERIFY_WITH_TIMEOUT(p.real()->view()->title().contains(qs("fetch:")), 30000);
    QCOMPARE(p.real()->view()->title(), qs("xhr:blocked img:1 frame:blocked page:B fetch:blocked"));
}

void BrowserContract::alertLoop_doesNotTrapTheWindow() {
    write(folder_ + qs("alerts.htm"), "<HTML><BODY><SCRIPT>for(var i=0;i<50;i++)alert(i);"
                                      "document.title='done';</SCRIPT></BODY></HTML>");
    int shown = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ++shown;
            box->close();
        }
    });
    closer.start(50);
    Pane p(qs("real"), folder_);
    p.navigate(qs("alerts.htm"));
    QTRY_COMPARE_WITH_TIMEOUT(p.real()->view()->title(), qs("done"), 30000);
    QCOMPARE(shown, 3);
}

int main(int argc, char** argv) {
    // The browser's sandbox cannot run as root; the program drops it then too.
    if (::geteuid() == 0) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    BrowserContract test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_browsercontract.moc"
