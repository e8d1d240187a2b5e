#pragma once

// The game's one window. It builds the controls at their design positions,
// shows the control properties that Form1 holds, and forwards every click to
// Form1's handler for it. It decides nothing of its own.

#include "Form1.h"
#include "KeyboardPlay.h"
#include "QtRuntime.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;

namespace tessaro {

class BrickView;
class ClickLabel;
class Frame;
class WrapButton;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    const Form1& form() const { return form_; }

    // The controls by their names in the game.
    struct Controls {
        QWidget* client = nullptr;
        Frame* Frame1 = nullptr;
        Frame* Frame2 = nullptr;
        Frame* Frame3 = nullptr;
        std::array<BrickView*, kBoardCells> imgBrix{};
        std::array<BrickView*, kCodeLength> imgFind{};
        std::array<BrickView*, kBrickKinds> ImgBriker{};
        BrickView* imgValgt = nullptr;
        std::array<ClickLabel*, kRows> lblBr{};
        QLabel* lblAntal = nullptr;
        WrapButton* cmdOK = nullptr;
        WrapButton* cmdNy = nullptr;
        QMenu* mnuInds = nullptr;
        QAction* mnuNytSpil = nullptr;
        QMenu* mnuSv = nullptr;
        std::array<QAction*, 2> mnuLevel{};
        QAction* mnuAbout = nullptr;
    };
    const Controls& controls() const { return c_; }

private:
    void buildMenu();
    void buildControls();
    void buildKeyboard();
    // Runs one of Form1's handlers, then shows what it changed.
    void run(const std::function<void()>& handler);
    // Runs a handler that may bring a new row into play.
    void runNewRow(const std::function<void()>& handler);
    // Runs a handler that tells whether it submitted the row in play (and
    // brought the next row in); if so, announces the row's result.
    void submitRow(const std::function<bool()>& handler);
    // Brings every widget in line with the control properties of Form1.
    void mirror();

    QtRuntime runtime_;
    Form1 form_;
    KeyboardPlay keys_{form_};
    Controls c_;
};

} // namespace tessaro
