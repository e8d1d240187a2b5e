#include "QtRuntime.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace tessaro {

QtRuntime::QtRuntime(QWidget* parent, std::function<void()> beforeBox)
    : parent_(parent), beforeBox_(std::move(beforeBox))
{
}

QString QtRuntime::boxText(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

int QtRuntime::messageBox(const std::string& text, int style, const std::string& title)
{
    if (beforeBox_)
        beforeBox_();

    QMessageBox box(parent_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(boxText(text));
    box.setWindowModality(Qt::ApplicationModal);
    if (style == kStyleYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(style == kStyleInformation ? QMessageBox::Information : QMessageBox::NoIcon);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return kAnswerYes;
    case QMessageBox::No:
        return kAnswerNo;
    case QMessageBox::Ok:
        return kAnswerOk;
    default:
        // Closed without a button where a Yes/No box can only mean No.
        return style == kStyleYesNo ? kAnswerNo : kAnswerOk;
    }
}

void QtRuntime::beep()
{
    QApplication::beep();
}

void QtRuntime::reseed()
{
    random_.reseed();
}

double QtRuntime::nextRandom()
{
    return random_.next();
}

} // namespace tessaro
