// The window as designed: positions, sizes, captions, menu, focus order and
// legible captions.

#include "ClickLabel.h"
#include "WindowFixture.h"
#include "WrapButton.h"

#include "Frame.h"
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using namespace tessaro;
using namespace tessaro::testing;

Q_DECLARE_METATYPE(QWidget*)

class DesignTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shown_ = std::make_unique<ShownWindow>(); }
    void cleanupTestCase() { shown_.reset(); }

    void geometry_data();
    void geometry();
    void window();
    void captions();
    void menu();
    void focusOrder();
    void captionsAreLegible_data();
    void captionsAreLegible();

private:
    const MainWindow::Controls& c() const { return shown_->controls(); }
    std::unique_ptr<ShownWindow> shown_;
};

void DesignTest::geometry_data()
{
    QTest::addColumn<QWidget*>("widget");
    QTest::addColumn<QWidget*>("container");
    QTest::addColumn<QRect>("pixels");

    // Pixels at 100 %, from the top-left of the container.
    QTest::newRow("Frame2") << (QWidget*)c().Frame2 << c().client << QRect(4, 0, 41, 41);
    QTest::newRow("imgValgt") << (QWidget*)c().imgValgt << (QWidget*)c().Frame2 << QRect(12, 16, 17, 17);
    QTest::newRow("Frame3") << (QWidget*)c().Frame3 << c().client << QRect(56, 0, 177, 41);
    QTest::newRow("lblAntal") << (QWidget*)c().lblAntal << (QWidget*)c().Frame3 << QRect(124, 12, 49, 25);
    QTest::newRow("Frame1") << (QWidget*)c().Frame1 << c().client << QRect(56, 40, 177, 401);
    QTest::newRow("cmdOK") << (QWidget*)c().cmdOK << c().client << QRect(4, 328, 45, 49);
    QTest::newRow("cmdNy") << (QWidget*)c().cmdNy << c().client << QRect(4, 384, 45, 49);
    for (int r = 0; r < kRows; ++r) {
        for (int cell = 0; cell < kCellsPerRow; ++cell) {
            const int i = cellIndex(r, cell);
            QTest::addRow("imgBrix(%d)", i) << (QWidget*)c().imgBrix[i] << (QWidget*)c().Frame1
                                            << QRect(8 + 24 * cell, 16 + 24 * r, 17, 17);
        }
        QTest::addRow("lblBr(%d)", r) << (QWidget*)c().lblBr[r] << (QWidget*)c().Frame1
                                      << QRect(128, 16 + 24 * r, 41, 17);
    }
    for (int p = 0; p < kCodeLength; ++p)
        QTest::addRow("imgFind(%d)", p) << (QWidget*)c().imgFind[p] << (QWidget*)c().Frame3
                                        << QRect(8 + 24 * p, 16, 17, 17);
    for (int k = 0; k < kBrickKinds; ++k)
        QTest::addRow("ImgBriker(%d)", k) << (QWidget*)c().ImgBriker[k] << c().client
                                          << QRect(16, 88 + 24 * k, 17, 17);
}

void DesignTest::geometry()
{
    QFETCH(QWidget*, widget);
    QFETCH(QWidget*, container);
    QFETCH(QRect, pixels);
    QCOMPARE(widget->parentWidget(), container);
    QCOMPARE(widget->geometry(), pixels);
}

void DesignTest::window()
{
    MainWindow& w = shown_->window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Tessaro"));
    QCOMPARE(w.accessibleName(), QStringLiteral("Tessaro"));
    QCOMPARE(c().client->size(), QSize(235, 443));
    QCOMPARE(c().client->mapTo(&w, QPoint(0, 0)), QPoint(0, w.menuBar()->height()));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    const QList<QSize> sizes = w.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    // The frame-level contents as laid out from the client area.
    QCOMPARE(c().imgBrix[79]->mapTo(c().client, QPoint(0, 0)), QPoint(64 + 24 * 4, 56 + 24 * 15));
    QCOMPARE(c().imgFind[3]->mapTo(c().client, QPoint(0, 0)).x(),
             c().imgBrix[3]->mapTo(c().client, QPoint(0, 0)).x());
    QCOMPARE(c().imgValgt->mapTo(c().client, QPoint(0, 0)), QPoint(16, 16));
}

void DesignTest::captions()
{
    QCOMPARE(c().Frame1->title(), QStringLiteral("Zorvik"));
    QVERIFY(c().Frame2->title().isEmpty());
    QVERIFY(c().Frame3->title().isEmpty());
    QCOMPARE(c().cmdOK->text(), QStringLiteral("O.K."));
    QCOMPARE(c().cmdNy->text(), QStringLiteral("&New Game"));
    // After Load: the first round is on.
    QVERIFY(c().cmdOK->isEnabled());
    QVERIFY(!c().cmdNy->isEnabled());
    QCOMPARE(c().lblAntal->text(), QStringLiteral("1"));
    QCOMPARE(c().lblAntal->font().pointSize(), 15);
    QVERIFY(c().lblAntal->alignment() & Qt::AlignHCenter);
    QCOMPARE(c().lblBr[15]->text(), QStringLiteral("Next"));
    QCOMPARE(c().lblBr[15]->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    for (int r = 0; r < 15; ++r) {
        QCOMPARE(c().lblBr[r]->text(), QStringLiteral("0p 0c"));
        QCOMPARE(c().lblBr[r]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(c().lblBr[r]->alignment() & Qt::AlignLeft);
    }
    for (BrickView* hidden : c().imgFind)
        QVERIFY(!hidden->isVisible());
}

void DesignTest::menu()
{
    MainWindow& w = shown_->window;
    const QList<QAction*> bar = w.menuBar()->actions();
    QCOMPARE(bar.size(), 1);
    QCOMPARE(bar[0]->text(), QStringLiteral("&Settings"));
    QStringList items;
    for (QAction* action : c().mnuInds->actions()) {
        QVERIFY(!action->isSeparator());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(action->isEnabled());
        items << action->text();
    }
    QCOMPARE(items, (QStringList{"&New Game", "&Difficulty", "About  Tessaro ..."}));
    QCOMPARE(c().mnuSv->menuAction(), c().mnuInds->actions()[1]);
    QStringList levels;
    for (QAction* action : c().mnuSv->actions())
        levels << action->text();
    QCOMPARE(levels, (QStringList{"&Easy (All bricks have different colors)", "&Hard (Bricks can have same color)"}));
    QVERIFY(c().mnuLevel[0]->isChecked());
    QVERIFY(!c().mnuLevel[1]->isChecked());
}

void DesignTest::focusOrder()
{
    QList<QWidget*> focusable;
    for (QWidget* widget : c().client->findChildren<QWidget*>())
        if (widget->focusPolicy() & Qt::TabFocus)
            focusable << widget;
    QCOMPARE(focusable.size(), 2);
    QVERIFY(focusable.contains(c().cmdOK));
    QVERIFY(focusable.contains(c().cmdNy));
    QCOMPARE(c().cmdOK->nextInFocusChain(), (QWidget*)c().cmdNy);
    for (QPushButton* button : {(QPushButton*)c().cmdOK, (QPushButton*)c().cmdNy}) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void DesignTest::captionsAreLegible_data()
{
    QTest::addColumn<QString>("caption");
    for (const char* caption : {"0p 0c", "Next", "5p 0c", "2p 3c", "0p 5c"})
        QTest::newRow(caption) << QString::fromLatin1(caption);
}

void DesignTest::captionsAreLegible()
{
    QFETCH(QString, caption);
    QLabel* label = c().lblBr[0];
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(room, int(label->alignment()), caption);
    QVERIFY2(room.contains(needed), qPrintable(QStringLiteral("needs %1 x %2").arg(needed.width()).arg(needed.height())));

    // The tries label at its 15 points, up to three digits.
    QLabel* tries = c().lblAntal;
    const QRect triesNeeded = tries->fontMetrics().boundingRect(tries->contentsRect(), int(tries->alignment()), "888");
    QVERIFY(tries->contentsRect().contains(triesNeeded));

    // The buttons: wrapped where needed, never clipped.
    for (WrapButton* button : {c().cmdOK, c().cmdNy}) {
        const QRect captionRoom = button->captionRect();
        const QRect captionNeeded = button->fontMetrics().boundingRect(captionRoom, button->captionFlags(), button->text());
        QVERIFY2(captionRoom.contains(captionNeeded), qPrintable(button->text()));
    }
}

QTEST_MAIN(DesignTest)
#include "DesignTest.moc"
