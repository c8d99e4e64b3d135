// What the controllers may rely on from the source editor, the text boxes,
// list boxes, labels, timers and background work, checked against the real
// Qt implementations and against the scripted fakes the controller tests
// use: a case the two disagree on is a fault of the fake.
#include "platform/qt/qtbackground.h"
#include "platform/qt/qtcontrols.h"
#include "platform/qt/qteditor.h"
#include "platform/qt/qttimer.h"
#include "tests/fakes/fakes.h"

#include <QTest>
#include <QThread>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

using fakes::qs;

namespace {
bool real(const QString& kind) {
    return kind.startsWith(QLatin1String("real"));
}

std::unique_ptr<platform::TextEditor> makeEditor(const QString& kind) {
    if (real(kind)) return std::make_unique<platform::qt::QtTextEditor>(nullptr);
    return std::make_unique<fakes::FakeTextEditor>();
}

std::unique_ptr<platform::TextBox> makeTextBox(const QString& kind) {
    if (kind == QLatin1String("realMultiLine"))
        return std::make_unique<platform::qt::QtMultiLineBox>(nullptr);
    if (real(kind)) return std::make_unique<platform::qt::QtTextBox>(nullptr);
    return std::make_unique<fakes::FakeTextBox>();
}

std::unique_ptr<platform::ListBox> makeListBox(const QString& kind, bool sorted) {
    if (real(kind)) return std::make_unique<platform::qt::QtListBox>(nullptr, sorted);
    return std::make_unique<fakes::FakeListBox>(sorted);
}

void kinds(std::initializer_list<const char*> names = {"real", "fake"}) {
    QTest::addColumn<QString>("kind");
    for (const char* name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
}

QString bigArticle() {
    const QString line =
        QStringLiteral("<P>West led the \u2660K;\u00a0declarer won, 1C 1H 2NT.</P>\r\n");
    QString s;
    while (s.size() < 5 * 1024 * 1024)
        s += line;
    return s;
}

std::unique_ptr<platform::Timer> makeTimer(const QString& kind) {
    if (real(kind)) return std::make_unique<platform::qt::QtTimer>();
    return std::make_unique<fakes::FakeTimer>();
}

// Lets the event loop run until `done` (then a little longer, for any call
// too many), or fires the fake timer until it stays stopped.
void letTimePass(platform::Timer& timer, const std::function<bool()>& done = {}) {
    if (auto* fake = dynamic_cast<fakes::FakeTimer*>(&timer)) {
        fake->runOut();
        return;
    }
    if (done) (void)QTest::qWaitFor(done, 10000);
    QTest::qWait(100);
}

// Background work, real or fake (at once, or held until released).
struct Worker {
    explicit Worker(const QString& kind) {
        if (real(kind)) {
            work = std::make_unique<platform::qt::QtBackgroundWork>();
            settle = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); };
            return;
        }
        auto fake = std::make_unique<fakes::FakeBackgroundWork>();
        fake->hold = kind == QLatin1String("fake, held");
        settle = [raw = fake.get()] { raw->finishAll(); };
        work = std::move(fake);
    }
    // Lets pending completions run until `done`.
    bool until(const std::function<bool()>& done) {
        return QTest::qWaitFor(
            [&] {
                settle();
                return done();
            },
            10000);
    }
    std::unique_ptr<platform::BackgroundWork> work;
    std::function<void()> settle;
};
} // namespace

class PlatformContract : public QObject {
    Q_OBJECT
  private slots:
    void editor_textOutIsTextIn_lineBreaksCrLf_data() { kinds(); }
    void editor_textOutIsTextIn_lineBreaksCrLf();
    void editor_selectionOffsetsCountCrLf_replacingNearTheEnd_data() { kinds(); }
    void editor_selectionOffsetsCountCrLf_replacingNearTheEnd();
    void editor_lineTextAndChanges_data() { kinds(); }
    void editor_lineTextAndChanges();
    void textBoxListBoxLabel_data() { kinds({"real", "realMultiLine", "fake"}); }
    void textBoxListBoxLabel();
    void timer_runsOutOnceLater_stopsAndRestarts_data() { kinds({"real", "fake"}); }
    void timer_runsOutOnceLater_stopsAndRestarts();
    void background_workThenCompletionOnTheAskingThread_mayAskForMore_data() {
        kinds({"real", "fake", "fake, held"});
    }
    void background_workThenCompletionOnTheAskingThread_mayAskForMore();
};

// The editor's raw text: no-break spaces, U+2028/U+2029 and the characters
// the widget uses inside are kept; every line break comes out CR LF.
void PlatformContract::editor_textOutIsTextIn_lineBreaksCrLf() {
    QFETCH(QString, kind);
    QString upTo0xFF;
    for (int c = 0; c <= 0xFF; ++c)
        if (c != '\r' && c != '\n') upTo0xFF += QChar(c);
    const QString same;
    const struct {
        QString in, out;
    } rows[] = {
        {same, same},
        {qs("a\u00a0b&nbsp;\u00a0\u00a0c"), same},
        {qs("a\u2028b"), same},
        {qs("a\u2029b\r\n\u2029"), same},
        {qs("\ufdd0a\ufdd1\ufffc"), same},
        {qs("\uf8ff\u2029\uf8fe\u2029\ue000"), same},
        {qs("<P>a</P>\r\n<P>b</P>"), same},
        {qs("a\r\n\r\n"), same},
        {qs("\r\n\r\n\r\n"), same},
        {qs("\ufeff<HTML>"), same},
        {qs("\U0001F0A1 \U0001F600\r\n\U00010000"), same},
        {upTo0xFF, same},
        {bigArticle(), same},
        {qs("a\nb\n"), qs("a\r\nb\r\n")},
        {qs("a\r\nb\nc\rd"), qs("a\r\nb\r\nc\r\nd")},
        {qs("a\r\r\nb"), qs("a\r\n\r\nb")},
    };
    for (const auto& r : rows) {
        const QString out = r.out.isNull() ? r.in : r.out;
        auto editor = makeEditor(kind);
        editor->setText(r.in);
        QCOMPARE(editor->text(), out);
        editor->setSelStart(0);
        editor->setSelLength(int(out.size()));
        QCOMPARE(editor->selText(), out);
        editor->setSelText(r.in); // put back through the selection
        QCOMPARE(editor->text(), out);
        QCOMPARE(editor->selStart(), int(out.size()));
    }
}

// On "ab\r\ncd\r\n": the caret put at `start`, then `length` selected.
void PlatformContract::editor_selectionOffsetsCountCrLf_replacingNearTheEnd() {
    QFETCH(QString, kind);
    const struct {
        int start, length, selStart, selLength;
        const char* selText;
    } rows[] = {
        {-5, 2, 0, 2, "ab"},      {1, 4, 1, 4, "b\r\nc"}, {3, 0, 2, 0, ""}, // between CR and LF
        {1, 2, 1, 1, "b"},        {8, 0, 8, 0, ""},       {100, 5, 8, 0, ""},
        {4, 100, 4, 4, "cd\r\n"}, {4, -3, 4, 0, ""},
    };
    auto editor = makeEditor(kind);
    editor->setText(qs("ab\r\ncd\r\n"));
    for (const auto& r : rows) {
        editor->setSelStart(r.start);
        editor->setSelLength(r.length);
        QCOMPARE(editor->selStart(), r.selStart);
        QCOMPARE(editor->selLength(), r.selLength);
        QCOMPARE(editor->selText(), qs(r.selText));
    }
    for (const QString& text : {qs("<P>one</P>\r\n<P>two</P>\r\n"), bigArticle()}) {
        auto editor = makeEditor(kind);
        editor->setText(text);
        const int at = int(text.size()) - 6; // "</P>\r\n" ends the text
        editor->setSelStart(at);
        editor->setSelLength(4);
        QCOMPARE(editor->selText(), qs("</P>"));
        editor->setSelText(qs("</P>\r\n<P>\u00a0x</P>"));
        QCOMPARE(editor->selStart(), at + 15);
        QCOMPARE(editor->selLength(), 0);
        QCOMPARE(editor->text(), QString(text).replace(at, 4, qs("</P>\r\n<P>\u00a0x</P>")));
    }
}

void PlatformContract::editor_lineTextAndChanges() {
    QFETCH(QString, kind);
    auto editor = makeEditor(kind);
    int changes = 0;
    editor->onChange = [&] { ++changes; };
    editor->setText(qs("a\u00a0b\r\nc\u2028d\r\n"));
    QVERIFY(changes > 0);
    const struct {
        int offset;
        const char* line;
        int lineStart;
    } rows[] = {{0, "a\u00a0b", 0}, {3, "a\u00a0b", 0}, {4, "a\u00a0b", 0}, // between CR and LF
                {5, "c\u2028d", 5}, {10, "", 10},       {99, "", 10}};
    for (const auto& r : rows) {
        int start = -1;
        QCOMPARE(editor->lineText(r.offset, &start), qs(r.line));
        QCOMPARE(start, r.lineStart);
    }
    changes = 0;
    editor->setSelStart(3);
    QCOMPARE(changes, 0); // moving the caret changes nothing
    editor->setSelText(qs(" two"));
    QVERIFY(changes > 0);
    QCOMPARE(editor->text(), qs("a\u00a0b two\r\nc\u2028d\r\n"));
}

void PlatformContract::textBoxListBoxLabel() {
    QFETCH(QString, kind);
    auto box = makeTextBox(kind);
    for (const QString& text :
         {qs("deal.htm"), qs("M\u00e9mo du jeu\u00a0\u2660.htm"), qs("\U0001F0A1"), QString()}) {
        box->setText(text);
        QCOMPARE(box->text(), text);
    }
    if (kind == QLatin1String("realMultiLine")) {
        // The instruction box shows several lines, read back with CR LF.
        box->setText(qs("Click where\r\nthe link goes.\u00a0"));
        QCOMPARE(box->text(), qs("Click where\r\nthe link goes.\u00a0"));
        return;
    }
    int changes = 0;
    box->onChange = [&] { ++changes; };
    for (const char* text : {"one", "one", "two"})
        box->setText(qs(text));
    QCOMPARE(changes, 2); // only real changes are reported

    auto plain = makeListBox(kind, false);
    auto sorted = makeListBox(kind, true);
    const QStringList entries{qs("spade"), qs("Heart"), qs("diamond"), qs("heart"), qs("Club")};
    for (const QString& e : entries) {
        plain->addItem(e);
        sorted->addItem(e);
    }
    QCOMPARE(plain->count(), 5);
    // Case ignored; equal entries keep the order they came in.
    const QStringList inOrder{qs("Club"), qs("diamond"), qs("Heart"), qs("heart"), qs("spade")};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(plain->item(i), entries[i]);
        QCOMPARE(sorted->item(i), inOrder[i]);
    }
    QCOMPARE(sorted->item(5), QString());
    QCOMPARE(sorted->item(-1), QString());

    int clicks = 0;
    plain->onClick = [&] { ++clicks; };
    QCOMPARE(plain->listIndex(), -1);
    plain->setListIndex(2);
    QCOMPARE(plain->listIndex(), 2);
    QCOMPARE(clicks, 1); // chosen by the program, reported as a click
    plain->clear();
    QCOMPARE(plain->count(), 0);
    QCOMPARE(plain->listIndex(), -1);

    std::unique_ptr<platform::Label> label;
    if (real(kind))
        label = std::make_unique<platform::qt::QtLabel>(nullptr, QString());
    else
        label = std::make_unique<fakes::FakeLabel>();
    label->setCaption(qs("Spellings: \u00a0\u2660"));
    QCOMPARE(label->caption(), qs("Spellings: \u00a0\u2660"));
}

void PlatformContract::timer_runsOutOnceLater_stopsAndRestarts() {
    QFETCH(QString, kind);
    auto timer = makeTimer(kind);
    int calls = 0;
    bool activeInCallback = true;
    timer->onTimeout = [&] {
        ++calls;
        activeInCallback = timer->active();
    };
    QVERIFY(!timer->active());
    timer->start(20);
    QVERIFY(timer->active());
    QCOMPARE(calls, 0);
    letTimePass(*timer, [&] { return calls > 0; });
    QCOMPARE(calls, 1);
    QVERIFY(!activeInCallback && !timer->active());

    timer->start(20);
    timer->stop();
    QVERIFY(!timer->active());
    letTimePass(*timer);
    QCOMPARE(calls, 1);
    // Starting a running timer starts it over: it runs out once.
    timer->start(20);
    timer->start(20);
    letTimePass(*timer, [&] { return calls > 1; });
    QCOMPARE(calls, 2);

    // The frames of a slide: each run-out starts the next until the last.
    timer->onTimeout = [&] {
        if (++calls < 5) timer->start(10);
    };
    timer->start(10);
    letTimePass(*timer, [&] { return calls >= 5; });
    QCOMPARE(calls, 5);
    QVERIFY(!timer->active());
}

void PlatformContract::background_workThenCompletionOnTheAskingThread_mayAskForMore() {
    QFETCH(QString, kind);
    Worker w(kind);
    std::atomic<int> worked{0};
    int done = 0;
    bool completedBeforeWork = false;
    QThread* doneOn = nullptr;
    auto ran = std::make_shared<std::array<std::atomic<bool>, 3>>();
    for (int i = 0; i < 3; ++i)
        w.work->run([&worked, ran, i] { (*ran)[size_t(i)] = true, ++worked; },
                    [&, ran, i] {
                        if (!(*ran)[size_t(i)]) completedBeforeWork = true;
                        ++done;
                        doneOn = QThread::currentThread();
                    });
    QVERIFY(w.until([&] { return done == 3; }));
    QCOMPARE(worked.load(), 3);
    QVERIFY(!completedBeforeWork);
    QCOMPARE(doneOn, QThread::currentThread());

    int rounds = 0;
    std::function<void()> again = [&] {
        if (++rounds < 3) w.work->run([] {}, again);
    };
    w.work->run([] {}, again);
    QVERIFY(w.until([&] { return rounds == 3; }));
}

QTEST_MAIN(PlatformContract)
#include "test_platformcontract.moc"
