// The single-shot timer the controllers animate and wait with, real and
// fake held to the same cases. Where the real timer runs out as time
// passes, the fake runs out when the test fires it; neither ever calls
// back from within start().
#include "platform/qt/qttimer.h"
#include "tests/fakes/fakeservices.h"

#include <QTest>
#include <functional>
#include <memory>

namespace {
std::unique_ptr<platform::Timer> makeTimer(const QString& kind) {
    if (kind == QLatin1String("real")) return std::make_unique<platform::qt::QtTimer>();
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
} // namespace

class TimerContract : public QObject {
    Q_OBJECT
  private slots:
    void runsOutOnceLater_data() { kinds(); }
    void runsOutOnceLater();
    void callbackMayStartItAgain_data() { kinds(); }
    void callbackMayStartItAgain();
    void stopAndRestart_data() { kinds(); }
    void stopAndRestart();

  private:
    static void kinds() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("real") << QStringLiteral("real");
        QTest::newRow("fake") << QStringLiteral("fake");
    }
};

void TimerContract::runsOutOnceLater() {
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
    QVERIFY(!activeInCallback);
    QVERIFY(!timer->active());
}

// The frames of a slide: each run-out starts the next until the last.
void TimerContract::callbackMayStartItAgain() {
    QFETCH(QString, kind);
    auto timer = makeTimer(kind);
    int calls = 0;
    timer->onTimeout = [&] {
        if (++calls < 3) timer->start(10);
    };
    timer->start(10);
    letTimePass(*timer, [&] { return calls >= 3; });
    QCOMPARE(calls, 3);
    QVERIFY(!timer->active());
}

void TimerContract::stopAndRestart() {
    QFETCH(QString, kind);
    auto timer = makeTimer(kind);
    int calls = 0;
    timer->onTimeout = [&] { ++calls; };
    timer->start(20);
    timer->stop();
    QVERIFY(!timer->active());
    letTimePass(*timer);
    QCOMPARE(calls, 0);
    // Starting a running timer starts it over: it runs out once.
    timer->start(20);
    timer->start(20);
    letTimePass(*timer, [&] { return calls > 0; });
    QCOMPARE(calls, 1);
}

QTEST_GUILESS_MAIN(TimerContract)
#include "test_timercontract.moc"
