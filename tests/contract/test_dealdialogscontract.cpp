// The deal commands' dialogs, real and fake held to the same cases. The test
// plays the user: on the real dialogs through their widgets, on the fake
// through its script.
#include "platform/qt/qtdealdialogs.h"
#include "tests/fakes/fakedealdialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using platform::BoardChoice;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
} // namespace

class DealDialogsContract : public QObject {
    Q_OBJECT
    QWidget window; // the real dialogs' parent
    std::unique_ptr<platform::DealDialogs> dialogs;
    fakes::FakeDealDialogs* fake() { return dynamic_cast<fakes::FakeDealDialogs*>(dialogs.get()); }
    template <class W> W* widget(const char* dialog, const char* name = "") {
        return window.findChild<QDialog*>(qs(dialog))->findChild<W*>(qs(name));
    }
    QString choose(const QStringList& rows, bool offered, bool checked,
                   std::optional<BoardChoice> answer);
    // Enter on a row of the findings, or Go To with the row selected.
    void activate(int row, bool goTo = false) {
        if (fake()) return fake()->activate(row);
        auto* list = widget<QListWidget>("dealFindings", "findingsList");
        list->setCurrentRow(row);
        if (goTo) return widget<QPushButton>("dealFindings", "goToButton")->click();
        QTest::keyClick(list, Qt::Key_Return);
    }
    void pressCancel() {
        if (fake()) return fake()->pressCancel();
        widget<QDialogButtonBox>("dealProgress")->button(QDialogButtonBox::Cancel)->click();
    }

  private slots:
    void initTestCase_data() {
        QTest::addColumn<bool>("real");
        QTest::newRow("real") << true;
        QTest::newRow("fake") << false;
    }
    void init() {
        QFETCH_GLOBAL(bool, real);
        if (real)
            dialogs = std::make_unique<platform::qt::QtDealDialogs>(&window);
        else
            dialogs = std::make_unique<fakes::FakeDealDialogs>();
    }
    void cleanup() { dialogs.reset(); }
    void chooseBoard_rowAndBox_cancel_noBoards();
    void findings_jumpOnlyToTheRowsShown();
    void progress_cancelsOnceOnlyWhileShown();
};

// Asks for a board of `rows`: the user ticks the box as `answer` says (a
// disabled box ignores the clicks), picks its row and presses OK, or Cancel
// for nullopt. What came back, led by "shown " for a dialog that opened with
// every row and the first selected, and "ticked " when its box began ticked.
QString DealDialogsContract::choose(const QStringList& rows, bool offered, bool checked,
                                    std::optional<BoardChoice> answer) {
    QString shown;
    QTimer user; // dies with this call, so it never answers a later dialog
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        user.stop();
        auto* view = dialog->findChild<QListWidget*>(qs("boardList"));
        auto* box = dialog->findChild<QCheckBox*>(qs("doubleDummyBox"));
        shown = qs(view->currentRow() == 0 && view->count() == rows.size() ? "shown " : "wrong ") +
                qs(box->isChecked() ? "ticked " : "");
        for (int i = 0; answer && i < 2 && box->isChecked() != answer->doubleDummy; ++i)
            box->click();
        if (answer) view->setCurrentRow(answer->row);
        dialog->findChild<QDialogButtonBox*>()
            ->button(answer ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
            ->click();
    });
    if (fake()) {
        fake()->boardAnswers = {answer};
        fake()->boardDialogs.clear();
    } else {
        user.start(10);
    }
    const auto r = dialogs->chooseBoard(qs("Boards"), rows, offered, checked);
    if (fake() && !fake()->boardDialogs.empty())
        shown = qs(fake()->boardDialogs[0].doubleDummyTicked ? "shown ticked " : "shown ");
    return shown +
           (r ? qs("row %1%2").arg(r->row).arg(qs(r->doubleDummy ? " dd" : "")) : qs("cancel"));
}

void DealDialogsContract::chooseBoard_rowAndBox_cancel_noBoards() {
    const QStringList b{qs("Board 1"), qs("Board 2"), qs("Board 3")};
    QCOMPARE(choose(b, true, false, BoardChoice{2, true}), qs("shown row 2 dd"));
    // Not offered: the box stays clear whatever was asked or clicked.
    QCOMPARE(choose(b, false, true, BoardChoice{1, true}), qs("shown row 1"));
    QCOMPARE(choose(b, true, true, std::nullopt), qs("shown ticked cancel"));
    QCOMPARE(choose({}, true, true, BoardChoice{0, false}), qs("cancel"));
}

void DealDialogsContract::findings_jumpOnlyToTheRowsShown() {
    QList<int> jumps; // row r of list n as 10 n + r
    std::function<void(int, const QStringList&)> show = [&](int list, const QStringList& rows) {
        dialogs->showFindings(qs("Check"), rows, [&, list](int row) {
            jumps << list * 10 + row;
            if (list == 0 && row == 2) show(1, {qs("x"), qs("y")}); // from inside the callback
        });
    };
    show(0, {qs("a"), qs("b"), qs("c")});
    QVERIFY(dialogs->findingsVisible());
    activate(1);
    activate(2, true);
    activate(0);
    activate(1, true);
    dialogs->closeFindings();
    QVERIFY(!dialogs->findingsVisible());
    activate(0);
    show(2, {}); // "No faults found." is a line, not a finding
    QVERIFY(dialogs->findingsVisible());
    activate(0);
    show(3, {qs("z")});
    if (fake())
        fake()->pressClose();
    else
        widget<QPushButton>("dealFindings", "closeButton")->click();
    QVERIFY(!dialogs->findingsVisible());
    activate(0);
    QCOMPARE(jumps, (QList<int>{1, 2, 10, 11}));
}

void DealDialogsContract::progress_cancelsOnceOnlyWhileShown() {
    int cancels[3] = {};
    bool visibleInCallback = true;
    dialogs->showProgress(qs("Solving"), [&] {
        ++cancels[0];
        visibleInCallback = dialogs->progressVisible();
    });
    QVERIFY(dialogs->progressVisible());
    pressCancel();
    pressCancel();
    QCOMPARE(cancels[0], 1);
    QVERIFY(!visibleInCallback && !dialogs->progressVisible());

    dialogs->showProgress(qs("Solving"), [&] { ++cancels[1]; });
    dialogs->closeProgress();
    QVERIFY(!dialogs->progressVisible());
    pressCancel();
    // Shown again while up: only the newest callback counts.
    dialogs->showProgress(qs("Solving"), [&] { ++cancels[1]; });
    dialogs->showProgress(qs("Solving board 2"), [&] { ++cancels[2]; });
    pressCancel();
    QCOMPARE(cancels[1], 0);
    QCOMPARE(cancels[2], 1);
}

QTEST_MAIN(DealDialogsContract)
#include "test_dealdialogscontract.moc"
