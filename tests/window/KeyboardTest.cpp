// Playing from the keyboard in the real window.

#include "Announce.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QLabel>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

// The accessibility events the window sends, while it lives.
class AccessibleEvents {
public:
    AccessibleEvents()
    {
        current_ = this;
        previous_ = setAccessibleEventSink(&AccessibleEvents::record);
    }
    ~AccessibleEvents()
    {
        setAccessibleEventSink(previous_);
        current_ = nullptr;
    }
    struct Seen {
        QObject* object;
        QAccessible::Event type;
        QString name;
    };
    std::vector<Seen> seen;

private:
    static void record(QAccessibleEvent* event)
    {
        QAccessibleInterface* a = event->accessibleInterface();
        current_->seen.push_back({event->object(), event->type(), a ? a->text(QAccessible::Name) : QString()});
    }
    static inline AccessibleEvents* current_ = nullptr;
    AccessibleEventSink previous_ = nullptr;
};

void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window, key, modifiers);
}

void typeDigits(QWidget* window, const std::vector<int>& bricks)
{
    for (int brick : bricks)
        press(window, Qt::Key(Qt::Key_0 + brick));
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        shown_ = std::make_unique<ShownWindow>();
        shown_->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown_->window));
    }
    void cleanup() { shown_.reset(); }

    void digitsFillTheRowAndEnterSubmits();
    void keysWithModifiersAndOtherDigitsDoNothing_data();
    void keysWithModifiersAndOtherDigitsDoNothing();
    void keypadDigitsAndEnter();
    void enterWhileOKIsOffDoesNothing();
    void theScoredRowAnnouncesItsResult();
    void accessKeysStillWork();

private:
    MainWindow& w() { return shown_->window; }
    const Form1& form() { return shown_->form(); }
    std::unique_ptr<ShownWindow> shown_;
};

void KeyboardTest::digitsFillTheRowAndEnterSubmits()
{
    const auto code = shown_->secret();
    typeDigits(&w(), {code[4], code[3], 7, 7, 7});
    press(&w(), Qt::Key_Backspace);
    press(&w(), Qt::Key_Backspace);
    press(&w(), Qt::Key_Backspace);
    typeDigits(&w(), {code[2], code[3], code[4]});
    press(&w(), Qt::Key_Backspace);
    press(&w(), Qt::Key_Backspace);
    press(&w(), Qt::Key_Backspace);
    press(&w(), Qt::Key_Backspace);
    press(&w(), Qt::Key_Backspace);
    typeDigits(&w(), {code[0], code[1]});
    for (int c = 0; c < 5; ++c)
        QCOMPARE(int(form().Board[c][15]), code[c]);
    QCOMPARE(shown_->controls().imgBrix[77]->picture().cacheKey(),
             shown_->controls().ImgBriker[code[2]]->picture().cacheKey());

    BoxAnswerer answerer;
    press(&w(), Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), std::size_t(1));
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Right"));
    QCOMPARE(form().Tries, 2);
    QCOMPARE(form().CurRow, 14);
}

void KeyboardTest::keysWithModifiersAndOtherDigitsDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+3") << int(Qt::Key_3) << int(Qt::ControlModifier);
    QTest::newRow("Alt+3") << int(Qt::Key_3) << int(Qt::AltModifier);
    QTest::newRow("Shift+3") << int(Qt::Key_3) << int(Qt::ShiftModifier);
    QTest::newRow("Meta+3") << int(Qt::Key_3) << int(Qt::MetaModifier);
    QTest::newRow("8") << int(Qt::Key_8) << 0;
    QTest::newRow("9") << int(Qt::Key_9) << 0;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
}

void KeyboardTest::keysWithModifiersAndOtherDigitsDoNothing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto board = form().Board;
    press(&w(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(form().Board == board);
    QCOMPARE(int(form().SelColor), 0);
    QCOMPARE(form().Tries, 1);
}

void KeyboardTest::keypadDigitsAndEnter()
{
    press(&w(), Qt::Key_6, Qt::KeypadModifier);
    QCOMPARE(int(form().Board[0][15]), 6);
    BoxAnswerer answerer;
    press(&w(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(form().Tries, 2);
}

void KeyboardTest::enterWhileOKIsOffDoesNothing()
{
    BoxAnswerer answerer;
    press(&w(), Qt::Key_Return);
    QCOMPARE(form().Tries, 2);
    QVERIFY(!form().cmdOK.enabled);
    press(&w(), Qt::Key_Return);
    press(&w(), Qt::Key_Enter);
    QCOMPARE(form().Tries, 2);
    press(&w(), Qt::Key_2); // a digit is a cell click: O.K. is on again
    press(&w(), Qt::Key_Enter);
    QCOMPARE(form().Tries, 3);

    // A refused Enter leaves the typing position where it was.
    press(&w(), Qt::Key_Backspace); // to the rightmost cell
    press(&w(), Qt::Key_Return);
    QCOMPARE(form().Tries, 3);
    press(&w(), Qt::Key_4);
    QCOMPARE(int(form().Board[4][13]), 4);
}

void KeyboardTest::theScoredRowAnnouncesItsResult()
{
    const auto code = shown_->secret();
    int other = 0;
    while (std::find(code.begin(), code.end(), other) != code.end())
        ++other;
    typeDigits(&w(), {code[0], other, other, other, other});
    AccessibleEvents events;
    press(&w(), Qt::Key_Return);
    QLabel* scored = shown_->controls().lblBr[15];
    QCOMPARE(scored->text(), QStringLiteral("1p 0c"));
    const bool announced = std::any_of(events.seen.begin(), events.seen.end(), [&](const auto& e) {
        return e.object == scored && e.type == QAccessible::Alert && e.name == QStringLiteral("1p 0c");
    });
    QVERIFY(announced);
    QCOMPARE(events.seen.size(), std::size_t(1));

    // By mouse too; and a press of a disabled O.K. announces nothing.
    typeDigits(&w(), {other});
    click(shown_->controls().cmdOK);
    QCOMPARE(events.seen.size(), std::size_t(2));
    QCOMPARE(events.seen[1].object, (QObject*)shown_->controls().lblBr[14]);
    QCOMPARE(events.seen[1].name, shown_->controls().lblBr[14]->text());
    press(&w(), Qt::Key_Return);
    QCOMPARE(events.seen.size(), std::size_t(2));
}

void KeyboardTest::accessKeysStillWork()
{
    const auto code = shown_->secret();
    typeDigits(&w(), {code.begin(), code.end()});
    BoxAnswerer answerer;
    press(&w(), Qt::Key_Return);
    QVERIFY(form().cmdNy.enabled);
    QVERIFY(shown_->controls().cmdNy->isEnabled());
    // The offscreen platform does not hand activation back once a box has closed.
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    QTest::keySequence(&w(), QKeySequence(QStringLiteral("Alt+N"))); // "&New Game"
    QTRY_COMPARE(form().Tries, 1); // an access key presses its button with a short animation
    QVERIFY(!form().cmdNy.enabled);
    // And the next row typed starts at its left again.
    press(&w(), Qt::Key_5);
    QCOMPARE(int(form().Board[0][15]), 5);
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
