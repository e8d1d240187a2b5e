#pragma once

// Helpers for driving the real window headless: clicks where a player would
// click, and answering the modal boxes the game opens.

#include "BrickView.h"
#include "ClickLabel.h"
#include "MainWindow.h"
#include "WrapButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
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
        QAbstractButton* button = box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->button(QMessageBox::No);
        // A scripted press goes to the next box that has that button.
        if (next_ < presses_.size() && box->button(presses_[next_]))
            button = box->button(presses_[next_++]);
        button->click();
    }

    std::vector<QMessageBox::StandardButton> presses_;
    std::size_t next_ = 0;
    QTimer timer_;
};

// Empty when every widget shows what the game holds, else what differs.
inline QString mirrorMismatch(const MainWindow& window)
{
    const Form1& f = window.form();
    const MainWindow::Controls& c = window.controls();
    auto picture = [&](const Image& image) {
        return image.picture ? c.ImgBriker[*image.picture]->picture().cacheKey() : QImage().cacheKey();
    };
    for (int i = 0; i < kBoardCells; ++i)
        if (c.imgBrix[i]->picture().cacheKey() != picture(f.imgBrix[i]))
            return QStringLiteral("board cell %1").arg(i);
    for (int p = 0; p < kCodeLength; ++p)
        if (c.imgFind[p]->picture().cacheKey() != picture(f.imgFind[p]) || c.imgFind[p]->isHidden() == f.imgFind[p].visible)
            return QStringLiteral("hidden brick %1").arg(p);
    if (c.imgValgt->picture().cacheKey() != picture(f.imgValgt))
        return QStringLiteral("selected brick");
    auto labelDiffers = [](const QLabel* widget, const Label& label) {
        if (widget->text() != QString::fromStdString(label.caption))
            return true;
        const QColor colour = widget->palette().color(QPalette::WindowText);
        return label.foreColor && colour != QColor(label.foreColor->r, label.foreColor->g, label.foreColor->b);
    };
    for (int r = 0; r < kRows; ++r)
        if (labelDiffers(c.lblBr[r], f.lblBr[r]))
            return QStringLiteral("result label %1").arg(r);
    if (labelDiffers(c.lblAntal, f.lblAntal))
        return QStringLiteral("tries label");
    if (c.cmdOK->isEnabled() != f.cmdOK.enabled ||
        c.cmdNy->isEnabled() != f.cmdNy.enabled)
        return QStringLiteral("a button");
    for (int k = 0; k < 2; ++k)
        if (c.mnuLevel[k]->isChecked() != f.mnuLevel[k].checked)
            return QStringLiteral("difficulty item %1").arg(k);
    return {};
}

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
