// What assistive technology sees of the window.

#include "ClickLabel.h"
#include "WindowFixture.h"
#include "WrapButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>

using namespace tessaro;
using namespace tessaro::testing;

namespace {

QString nameOf(QObject* object)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

QAccessible::Role roleOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->role();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void boardCellsNameRowCellAndBrick();
    void paletteAndSelection();
    void labelsAndButtonsByCaption();
    void theCodeStaysSecretUntilAWin();
    void pressingACellIsAClick();
};

void AccessibilityTest::boardCellsNameRowCellAndBrick()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    QCOMPARE(nameOf(c.imgBrix[77]), QStringLiteral("row 1, cell 3: empty tile"));
    click(c.ImgBriker[kGreen]);
    click(c.imgBrix[77]);
    QCOMPARE(nameOf(c.imgBrix[77]), QStringLiteral("row 1, cell 3: green"));
    QCOMPARE(nameOf(c.imgBrix[0]), QStringLiteral("row 16, cell 1: empty tile"));
    QCOMPARE(roleOf(c.imgBrix[0]), QAccessible::Button);
}

void AccessibilityTest::paletteAndSelection()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    const char* names[] = {"empty tile", "red", "blue", "green", "yellow", "black", "white", "magenta"};
    for (int k = 0; k < 8; ++k)
        QCOMPARE(nameOf(c.ImgBriker[k]), QString::fromLatin1(names[k]));
    click(c.ImgBriker[kWhite]);
    QCOMPARE(nameOf(c.imgValgt), QStringLiteral("white"));
    QCOMPARE(roleOf(c.imgValgt), QAccessible::Graphic);
}

void AccessibilityTest::labelsAndButtonsByCaption()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    QCOMPARE(nameOf(c.lblBr[15]), QStringLiteral("Next"));
    QCOMPARE(nameOf(c.lblBr[0]), QStringLiteral("0p 0c"));
    QCOMPARE(QAccessible::queryAccessibleInterface(c.lblBr[15])->text(QAccessible::Description),
             QStringLiteral("result of row 1"));
    QCOMPARE(nameOf(c.lblAntal), QStringLiteral("1"));
    QCOMPARE(nameOf(c.cmdOK), QStringLiteral("O.K."));
    QCOMPARE(nameOf(c.cmdNy), QStringLiteral("New Game"));
    QCOMPARE(nameOf(&shown.window), QStringLiteral("Tessaro"));
}

void AccessibilityTest::theCodeStaysSecretUntilAWin()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    const auto code = shown.secret();
    for (int p = 0; p < 5; ++p) {
        QCOMPARE(nameOf(c.imgFind[p]), QStringLiteral("hidden brick %1").arg(p + 1));
        QVERIFY(QAccessible::queryAccessibleInterface(c.imgFind[p])->state().invisible);
    }
    BoxAnswerer answerer;
    shown.fillRow(code);
    click(c.cmdOK);
    const char* names[] = {"empty tile", "red", "blue", "green", "yellow", "black", "white", "magenta"};
    for (int p = 0; p < 5; ++p)
        QCOMPARE(nameOf(c.imgFind[p]), QStringLiteral("hidden brick %1: %2").arg(p + 1).arg(names[code[p]]));
}

void AccessibilityTest::pressingACellIsAClick()
{
    ShownWindow shown;
    const auto& c = shown.controls();
    QAccessibleInterface* palette = QAccessible::queryAccessibleInterface(c.ImgBriker[kRed]);
    QVERIFY(palette->actionInterface());
    palette->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessible::queryAccessibleInterface(c.imgBrix[75])->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCOMPARE(shown.form().Board[0][15], kRed);
    QCOMPARE(nameOf(c.imgBrix[75]), QStringLiteral("row 1, cell 1: red"));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
