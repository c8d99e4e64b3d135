// One contract for background work, run against the real one (a thread of
// its own for each piece) and against the fake the controller tests use
// (at once, or held until released): the work runs once, its completion
// afterwards on the thread that asked for it, and a completion may ask for
// more work, as the lexicon's reading does when the files changed meanwhile.
#include "platform/qt/qtbackground.h"
#include "tests/fakes/fakeservices.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

namespace {
struct Subject {
    std::unique_ptr<platform::BackgroundWork> work;
    // Lets pending completions run (the event loop for the real one, the
    // release of held work for the fake).
    std::function<void()> settle;
};
using Factory = std::function<Subject()>;

Subject real() {
    Subject s;
    s.work = std::make_unique<platform::qt::QtBackgroundWork>();
    s.settle = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); };
    return s;
}
Subject fakeAtOnce() {
    Subject s;
    s.work = std::make_unique<fakes::FakeBackgroundWork>();
    s.settle = [] {};
    return s;
}
Subject fakeHeld() {
    Subject s;
    auto fake = std::make_unique<fakes::FakeBackgroundWork>();
    fake->hold = true;
    auto* raw = fake.get();
    s.work = std::move(fake);
    s.settle = [raw] { raw->finishAll(); };
    return s;
}
} // namespace

Q_DECLARE_METATYPE(Factory)

class BackgroundContract : public QObject {
    Q_OBJECT
  private slots:
    void kinds_data() {
        QTest::addColumn<Factory>("make");
        QTest::newRow("real") << Factory(real);
        QTest::newRow("fake, at once") << Factory(fakeAtOnce);
        QTest::newRow("fake, held") << Factory(fakeHeld);
    }
    void workThenCompletionOnTheAskingThread_data() { kinds_data(); }
    void workThenCompletionOnTheAskingThread() {
        QFETCH(Factory, make);
        Subject s = make();
        std::atomic<int> worked{0};
        int done = 0;
        bool completedBeforeWork = false;
        QThread* doneOn = nullptr;
        auto ran = std::make_shared<std::array<std::atomic<bool>, 3>>();
        for (int i = 0; i < 3; ++i)
            s.work->run([&worked, ran, i] { (*ran)[size_t(i)] = true, ++worked; },
                        [&, ran, i] {
                            if (!(*ran)[size_t(i)]) completedBeforeWork = true;
                            ++done;
                            doneOn = QThread::currentThread();
                        });
        QVERIFY(QTest::qWaitFor(
            [&] {
                s.settle();
                return done == 3;
            },
            10000));
        QCOMPARE(worked.load(), 3);
        QVERIFY(!completedBeforeWork);
        QCOMPARE(doneOn, QThread::currentThread());
    }
    void completionMayAskForMore_data() { kinds_data(); }
    void completionMayAskForMore() {
        QFETCH(Factory, make);
        Subject s = make();
        int rounds = 0;
        std::function<void()> again = [&] {
            if (++rounds < 3) s.work->run([] {}, again);
        };
        s.work->run([] {}, again);
        QVERIFY(QTest::qWaitFor(
            [&] {
                s.settle();
                return rounds == 3;
            },
            10000));
    }
};

QTEST_GUILESS_MAIN(BackgroundContract)
#include "test_backgroundcontract.moc"
