#pragma once

// The game's runtime services on Qt: QMessageBox for the boxes,
// QApplication::beep for the beep, ClockRandom for the random numbers.

#include "ClockRandom.h"
#include "Runtime.h"

#include <QString>
#include <functional>

class QWidget;

namespace tessaro {

class QtRuntime : public Runtime {
public:
    // Boxes open modal over `parent`. `beforeBox` runs just before each box
    // opens, so the window can show everything the game has written so far.
    explicit QtRuntime(QWidget* parent = nullptr, std::function<void()> beforeBox = {});

    int messageBox(const std::string& text, int style, const std::string& title) override;
    void beep() override;
    void reseed() override;
    double nextRandom() override;

    // The game's text with its line breaks (CR LF, or CR alone) as Qt's "\n".
    static QString boxText(const std::string& text);

private:
    QWidget* parent_;
    std::function<void()> beforeBox_;
    ClockRandom random_;
};

} // namespace tessaro
