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
#include <memory>

using platform::BoardChoice;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// "a|b|c" as three rows; "" as none.
QStringList rows(const char* s) {
    return qs(s).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

fakes::FakeDealDialogs* fakeOf(platform::DealDialogs& d) {
    return dynamic_cast<fakes::FakeDealDialogs*>(&d);
}

template <class W> W* widgetIn(const char* window, const char* name = "") {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(window)) return w->findChild<W*>(qs(name));
    return nullptr;
}

// The board dialog as it opened, and what it gave back.
struct Board {
    bool shown = false;
    QStringList rows;
    bool boxEnabled = false, boxTicked = false;
    int current = 0; // the real list's selected row; the fake has none
    std::optional<BoardChoice> result;
};

// Asks for a board. The user clicks the box until it shows `answer`'s tick
// (a disabled box ignores the clicks), then picks the row and presses OK or
// double-clicks it; nullopt presses Cancel.
Board choose(platform::DealDialogs& dialogs, const QStringList& list, bool offered, bool checked,
             std::optional<BoardChoice> answer, bool doubleClick = false) {
    Board b;
    if (auto* fake = fakeOf(dialogs)) {
        fake->boardAnswers = {answer};
        fake->boardDialogs.clear();
        b.result = dialogs.chooseBoard(qs("Boards"), list, offered, checked);
        for (const auto& d : fake->boardDialogs)
            b = {true, d.rows, d.doubleDummyEnabled, d.doubleDummyTicked, 0, b.result};
        return b;
    }
    QTimer user; // dies with this call, so it never answers a later dialog
    user.setSingleShot(true);
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return user.start(10);
        auto* view = dialog->findChild<QListWidget*>(qs("boardList"));
        auto* box = dialog->findChild<QCheckBox*>(qs("doubleDummyBox"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        b.shown = dialog->windowTitle() == qs("Boards");
        for (auto* item : view->findItems(qs("*"), Qt::MatchWildcard))
            b.rows << item->text();
        b.boxEnabled = box->isEnabled();
        b.boxTicked = box->isChecked();
        b.current = view->currentRow();
        if (!answer) return buttons->button(QDialogButtonBox::Cancel)->click();
        for (int i = 0; i < 2 && box->isChecked() != answer->doubleDummy; ++i)
            box->click();
        if (!doubleClick) {
            view->setCurrentRow(answer->row);
            return buttons->button(QDialogButtonBox::Ok)->click();
        }
        // A double-click comes after the press and release of its first click.
        const QPoint at = view->visualItemRect(view->item(answer->row)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        if (dialog->isVisible()) dialog->reject(); // fail the case, not hang
    });
    user.start(0);
    b.result = dialogs.chooseBoard(qs("Boards"), list, offered, checked);
    return b;
}

// Enter on a row of the findings, or Go To with the row selected.
void activate(platform::DealDialogs& dialogs, int row, bool goTo = false) {
    if (auto* fake = fakeOf(dialogs)) return fake->activate(row);
    auto* list = widgetIn<QListWidget>("dealFindings", "findingsList");
    list->setCurrentRow(row);
    if (goTo) return widgetIn<QPushButton>("dealFindings", "goToButton")->click();
    QTest::keyClick(list, Qt::Key_Return);
}

void pressCancel(platform::DealDialogs& dialogs) {
    if (auto* fake = fakeOf(dialogs)) return fake->pressCancel();
    widgetIn<QDialogButtonBox>("dealProgress")->button(QDialogButtonBox::Cancel)->click();
}
} // namespace

class DealDialogsContract : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        if (qstrcmp(QTest::currentDataTag(), "fake") == 0)
            dialogs = std::make_unique<fakes::FakeDealDialogs>();
        else
            dialogs = std::make_unique<platform::qt::QtDealDialogs>(nullptr);
    }
    void cleanup() { dialogs.reset(); }
    void chooseBoard_rowAndBox_cancel_noBoards_data() { kinds(); }
    void chooseBoard_rowAndBox_cancel_noBoards();
    void findings_jumpOnlyToTheRowsShown_data() { kinds(); }
    void findings_jumpOnlyToTheRowsShown();
    void progress_cancelsOnceOnlyWhileShown_data() { kinds(); }
    void progress_cancelsOnceOnlyWhileShown();
    void realAdapterGone_takesItsWindows();

  private:
    static void kinds() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("real") << qs("real");
        QTest::newRow("fake") << qs("fake");
    }
    std::unique_ptr<platform::DealDialogs> dialogs;
};

void DealDialogsContract::chooseBoard_rowAndBox_cancel_noBoards() {
    const QStringList boards = rows("Board 1   Dealer N   Vul None|Board 2   Dealer E   Vul NS|"
                                    "Board 3   Dealer S   Vul EW");
    Board b = choose(*dialogs, boards, true, false, BoardChoice{2, true});
    QVERIFY(b.shown);
    QCOMPARE(b.rows, boards);
    QVERIFY(b.boxEnabled && !b.boxTicked);
    QCOMPARE(b.current, 0);
    QVERIFY(b.result && b.result->row == 2 && b.result->doubleDummy);

    b = choose(*dialogs, boards, true, true, BoardChoice{0, true}, true);
    QVERIFY(b.boxTicked);
    QVERIFY(b.result && b.result->row == 0 && b.result->doubleDummy);
    // Not offered: the box stays clear whatever was asked or clicked.
    b = choose(*dialogs, boards, false, true, BoardChoice{1, true}, true);
    QVERIFY(!b.boxEnabled && !b.boxTicked);
    QVERIFY(b.result && b.result->row == 1 && !b.result->doubleDummy);

    b = choose(*dialogs, boards, true, true, std::nullopt);
    QVERIFY(b.shown && !b.result);
    b = choose(*dialogs, {}, true, true, BoardChoice{0, false});
    QVERIFY(!b.shown && !b.result);
}

void DealDialogsContract::findings_jumpOnlyToTheRowsShown() {
    QList<int> first, second;
    auto refresh = [&] {
        dialogs->showFindings(qs("Check"), rows("x|y"), [&](int r) { second << r; });
    };
    // The first list's jump shows a new list from inside the callback.
    dialogs->showFindings(qs("Check"), rows("a|b|c"), [&](int row) {
        first << row;
        if (row == 2) refresh();
    });
    QVERIFY(dialogs->findingsVisible());
    activate(*dialogs, 1);
    activate(*dialogs, 2, true);
    activate(*dialogs, 0);
    activate(*dialogs, 1, true);
    QCOMPARE(first, (QList<int>{1, 2}));
    QCOMPARE(second, (QList<int>{0, 1}));

    dialogs->closeFindings();
    QVERIFY(!dialogs->findingsVisible());
    activate(*dialogs, 0);
    // "No faults found." is a line, not a finding.
    dialogs->showFindings(qs("Check"), {}, [&](int row) { first << row; });
    QVERIFY(dialogs->findingsVisible());
    activate(*dialogs, 0);
    activate(*dialogs, 0, true);
    refresh();
    if (auto* fake = fakeOf(*dialogs))
        fake->pressClose();
    else
        widgetIn<QPushButton>("dealFindings", "closeButton")->click();
    QVERIFY(!dialogs->findingsVisible());
    activate(*dialogs, 0);
    QCOMPARE(first, (QList<int>{1, 2}));
    QCOMPARE(second, (QList<int>{0, 1}));
}

void DealDialogsContract::progress_cancelsOnceOnlyWhileShown() {
    int cancels[3] = {};
    bool visibleInCallback = true;
    dialogs->showProgress(qs("Solving"), [&] {
        ++cancels[0];
        visibleInCallback = dialogs->progressVisible();
    });
    QVERIFY(dialogs->progressVisible());
    pressCancel(*dialogs);
    pressCancel(*dialogs);
    QCOMPARE(cancels[0], 1);
    QVERIFY(!visibleInCallback);
    QVERIFY(!dialogs->progressVisible());

    dialogs->showProgress(qs("Solving"), [&] { ++cancels[1]; });
    dialogs->closeProgress();
    QVERIFY(!dialogs->progressVisible());
    pressCancel(*dialogs);
    // Shown again while up: only the newest callback counts.
    dialogs->showProgress(qs("Solving"), [&] { ++cancels[1]; });
    dialogs->showProgress(qs("Solving board 2"), [&] { ++cancels[2]; });
    pressCancel(*dialogs);
    QCOMPARE(cancels[1], 0);
    QCOMPARE(cancels[2], 1);
}

// The real windows belong to the main window but call back into the adapter:
// they go with it, and the main window may go first.
void DealDialogsContract::realAdapterGone_takesItsWindows() {
    auto window = std::make_unique<QWidget>();
    dialogs = std::make_unique<platform::qt::QtDealDialogs>(window.get());
    dialogs->showFindings(qs("Check"), rows("a"), [](int) {});
    dialogs->showProgress(qs("Solving"), [] {});
    QCOMPARE(window->findChildren<QDialog*>().size(), 2);
    dialogs.reset();
    QVERIFY(window->findChildren<QDialog*>().isEmpty());

    dialogs = std::make_unique<platform::qt::QtDealDialogs>(window.get());
    dialogs->showFindings(qs("Check"), {}, [](int) {});
    window.reset();
    QVERIFY(!dialogs->findingsVisible());
}

QTEST_MAIN(DealDialogsContract)
#include "test_dealdialogscontract.moc"
