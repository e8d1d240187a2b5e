// The Qt message box service on its own: title, lines, buttons, icon, and the
// codes it answers with.

#include "QtRuntime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tessaro;

namespace {

// Opens a box through the service and, once it shows, hands it to `act`,
// which must close it. Returns the service's answer.
int openAndAct(QtRuntime& runtime, const std::string& text, int style, const std::string& title,
               const std::function<void(QMessageBox*)>& act)
{
    bool acted = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (acted || !box || !box->isVisible())
            return;
        acted = true;
        act(box);
    });
    poll.start();
    const int answer = runtime.messageBox(text, style, title);
    if (!acted)
        qWarning("the box never showed");
    return answer;
}

QStringList buttonTexts(QMessageBox* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text().remove(QLatin1Char('&'));
    return texts;
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void okBox();
    void yesNo_data();
    void yesNo();
    void informationWithLoneCarriageReturns();
    void windowIsBroughtUpToDateFirst();
};

void MessageBoxTest::okBox()
{
    QtRuntime runtime;
    QString title, text;
    QStringList buttons;
    QMessageBox::Icon icon{};
    bool modal = false;
    const int answer = openAndAct(runtime, "You guessed right in  3 tries.\r\n", kStyleOkOnly, "Right",
                                  [&](QMessageBox* box) {
                                      title = box->windowTitle();
                                      text = box->text();
                                      buttons = buttonTexts(box);
                                      icon = box->icon();
                                      modal = box->isModal();
                                      box->button(QMessageBox::Ok)->click();
                                  });
    QCOMPARE(answer, kAnswerOk);
    QCOMPARE(title, QStringLiteral("Right"));
    QCOMPARE(text, QStringLiteral("You guessed right in  3 tries.\n"));
    QVERIFY(!text.contains(QLatin1Char('\r')));
    QCOMPARE(buttons, QStringList{"OK"});
    QCOMPARE(icon, QMessageBox::NoIcon);
    QVERIFY(modal);
}

void MessageBoxTest::yesNo_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << "Yes" << kAnswerYes;
    QTest::newRow("No") << "No" << kAnswerNo;
    QTest::newRow("Escape") << "Escape" << kAnswerNo;
    QTest::newRow("closed") << "close" << kAnswerNo;
}

void MessageBoxTest::yesNo()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    QtRuntime runtime;
    QStringList buttons;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    const int got = openAndAct(runtime, "If you chance level, you have to restart.\r\nAre you sure ?", kStyleYesNo,
                               "New Game ?", [&](QMessageBox* box) {
                                   buttons = buttonTexts(box);
                                   text = box->text();
                                   icon = box->icon();
                                   if (how == "Yes")
                                       box->button(QMessageBox::Yes)->click();
                                   else if (how == "No")
                                       box->button(QMessageBox::No)->click();
                                   else if (how == "Escape")
                                       QTest::keyClick(box, Qt::Key_Escape);
                                   else
                                       box->close();
                               });
    QCOMPARE(got, answer);
    QCOMPARE(buttons, (QStringList{"Yes", "No"}));
    QCOMPARE(text, QStringLiteral("If you chance level, you have to restart.\nAre you sure ?"));
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void MessageBoxTest::informationWithLoneCarriageReturns()
{
    QtRuntime runtime;
    QString text;
    QMessageBox::Icon icon{};
    openAndAct(runtime, "one\rtwo\rthree\rfour", kStyleInformation, "About Tessaro", [&](QMessageBox* box) {
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(text, QStringLiteral("one\ntwo\nthree\nfour"));
    QCOMPARE(icon, QMessageBox::Information);
}

void MessageBoxTest::windowIsBroughtUpToDateFirst()
{
    bool boxOpenWhenHookRan = true;
    QtRuntime runtime(nullptr, [&] { boxOpenWhenHookRan = QApplication::activeModalWidget() != nullptr; });
    openAndAct(runtime, "x", kStyleOkOnly, "t", [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    QVERIFY(!boxOpenWhenHookRan);
}

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
