// The text boxes, list boxes and labels the controllers use, real and fake
// held to the same cases.
#include "platform/qt/qtcontrols.h"
#include "tests/fakes/fakesuggestionbox.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

std::unique_ptr<platform::TextBox> makeTextBox(const QString& kind) {
    if (kind == QLatin1String("real")) return std::make_unique<platform::qt::QtTextBox>(nullptr);
    if (kind == QLatin1String("realMultiLine"))
        return std::make_unique<platform::qt::QtMultiLineBox>(nullptr);
    return std::make_unique<fakes::FakeTextBox>();
}

std::unique_ptr<platform::ListBox> makeListBox(const QString& kind, bool sorted) {
    if (kind == QLatin1String("real"))
        return std::make_unique<platform::qt::QtListBox>(nullptr, sorted);
    return std::make_unique<fakes::FakeListBox>(sorted);
}

void kinds(std::initializer_list<const char*> names) {
    QTest::addColumn<QString>("kind");
    for (const char* name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
}
} // namespace

class ControlContract : public QObject {
    Q_OBJECT
  private slots:
    void textBox_keepsItsText_data() { kinds({"real", "realMultiLine", "fake"}); }
    void textBox_keepsItsText();
    void textBox_reportsRealChangesOnly_data() { kinds({"real", "fake"}); }
    void textBox_reportsRealChangesOnly();
    void listBox_ordersAndChooses_data() { kinds({"real", "fake"}); }
    void listBox_ordersAndChooses();
    void label_keepsItsCaption_data() { kinds({"real", "fake"}); }
    void label_keepsItsCaption();
};

void ControlContract::textBox_keepsItsText() {
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
    }
}

void ControlContract::textBox_reportsRealChangesOnly() {
    QFETCH(QString, kind);
    auto box = makeTextBox(kind);
    int changes = 0;
    box->onChange = [&] { ++changes; };
    box->setText(qs("one"));
    QCOMPARE(changes, 1);
    box->setText(qs("one"));
    QCOMPARE(changes, 1);
    box->setText(qs("two"));
    QCOMPARE(changes, 2);
}

void ControlContract::listBox_ordersAndChooses() {
    QFETCH(QString, kind);
    auto plain = makeListBox(kind, false);
    auto sorted = makeListBox(kind, true);
    const QStringList entries{qs("spade"), qs("Heart"), qs("diamond"), qs("heart"), qs("Club")};
    for (const QString& e : entries) {
        plain->addItem(e);
        sorted->addItem(e);
    }
    QCOMPARE(plain->count(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(plain->item(i), entries[i]);
    // Case ignored; equal entries keep the order they came in.
    const QStringList inOrder{qs("Club"), qs("diamond"), qs("Heart"), qs("heart"), qs("spade")};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(sorted->item(i), inOrder[i]);
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
}

void ControlContract::label_keepsItsCaption() {
    QFETCH(QString, kind);
    std::unique_ptr<platform::Label> label;
    if (kind == QLatin1String("real"))
        label = std::make_unique<platform::qt::QtLabel>(nullptr, QString());
    else
        label = std::make_unique<fakes::FakeLabel>();
    label->setCaption(qs("Spellings: \u00a0\u2660"));
    QCOMPARE(label->caption(), qs("Spellings: \u00a0\u2660"));
}

QTEST_MAIN(ControlContract)
#include "test_controlcontract.moc"
