#pragma once

// Helpers for driving the real window headless: clicks where a player would
// click, and answering the modal boxes the game opens.

#include "BrickView.h"
#include "ClickLabel.h"
#include "MainWindow.h"
#include "WrapButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace tessaro::testing {

inline void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// What a box showed, as the player saw it.
struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every box that opens while it lives, pressing the scripted buttons
// in order (OK, or No, once the script has run out), and records each box.
// `onOpen` runs while a box is open, to look at the window behind it.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<QMessageBox::StandardButton> presses = {})
        : presses_(std::move(presses))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    std::function<void()> onOpen;
    std::vector<SeenBox> seen;

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        SeenBox record{box->windowTitle(), box->text(), {}, box->icon()};
        for (QAbstractButton* button : box->buttons())
            record.buttons << button->text().remove(QLatin1Char('&'));
        seen.push_back(record);
        if (onOpen)
            onOpen();
        QMessageBox::StandardButton press = box->button(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
        if (next_ < presses_.size())
            press = presses_[next_++];
        box->button(press)->click();
    }

    std::vector<QMessageBox::StandardButton> presses_;
    std::size_t next_ = 0;
    QTimer timer_;
};

// A shown game window.
class ShownWindow {
public:
    ShownWindow()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the game window never showed");
    }

    const Form1& form() const { return window.form(); }
    const MainWindow::Controls& controls() const { return window.controls(); }

    // Fills the row in play with the palette and the board, by mouse.
    void fillRow(const std::array<int, 5>& bricks)
    {
        for (int c = 0; c < 5; ++c) {
            click(controls().ImgBriker[bricks[c]]);
            click(controls().imgBrix[cellIndex(form().CurRow, c)]);
        }
    }

    std::array<int, 5> secret() const
    {
        const Form1& f = form();
        return {f.Secret[0], f.Secret[1], f.Secret[2], f.Secret[3], f.Secret[4]};
    }

    MainWindow window;
};

} // namespace tessaro::testing
