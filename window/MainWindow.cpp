#include "MainWindow.h"

#include "Accessibility.h"
#include "Announce.h"
#include "AppIcon.h"
#include "BrickPictures.h"
#include "BrickView.h"
#include "ClickLabel.h"
#include "Frame.h"
#include "Twips.h"
#include "WrapButton.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>

namespace tessaro {
namespace {

// The window's contents, in twips from the top-left of their container.
constexpr QRect kClientArea = twips(0, 0, 3525, 6645);
constexpr QRect kFrame1 = twips(840, 600, 2655, 6015);
constexpr QRect kFrame2 = twips(60, 0, 615, 615);
constexpr QRect kFrame3 = twips(840, 0, 2655, 615);
constexpr QRect kImgValgt = twips(180, 240, 255, 255);
constexpr QRect kLblAntal = twips(1860, 180, 735, 375);
constexpr QRect kCmdOK = twips(60, 4920, 675, 735);
constexpr QRect kCmdNy = twips(60, 5760, 675, 735);
constexpr QRect boardCell(int row, int cell) { return twips(120 + 360 * cell, 240 + 360 * row, 255, 255); }
constexpr QRect resultLabel(int row) { return twips(1920, 240 + 360 * row, 615, 255); }
constexpr QRect hiddenBrick(int position) { return twips(120 + 360 * position, 240, 255, 255); }
constexpr QRect paletteBrick(int brick) { return twips(240, 1320 + 360 * brick, 255, 255); }

// Rows and cells as the player counts them: row 1 at the bottom, where play
// starts, cells from 1 at the left.
int playerRow(int row) { return kRows - row; }

QString boardCellName(int index, std::optional<Byte> brick)
{
    QString name = QStringLiteral("row %1, cell %2").arg(playerRow(rowOf(index))).arg(cellOf(index) + 1);
    if (brick)
        name += QStringLiteral(": ") + brickName(*brick);
    return name;
}

void setName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

// Returns whether the visibility changed.
bool showVisibility(QWidget* widget, bool visible)
{
    if (widget->isHidden() != visible)
        return false;
    widget->setVisible(visible);
    return true;
}

void showLabel(QLabel* widget, const Label& label)
{
    const QString caption = QString::fromStdString(label.caption);
    if (widget->text() != caption)
        widget->setText(caption);
    if (label.foreColor) {
        const QColor colour(label.foreColor->r, label.foreColor->g, label.foreColor->b);
        if (widget->palette().color(QPalette::WindowText) != colour) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, colour);
            widget->setPalette(palette);
        }
    }
    if (label.fontSize && widget->font().pointSize() != *label.fontSize) {
        QFont font = widget->font();
        font.setPointSize(*label.fontSize);
        widget->setFont(font);
    }
    setName(widget, caption);
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      runtime_(this, [this] { mirror(); }),
      form_(runtime_)
{
    installAccessibility();
    setWindowTitle(QStringLiteral("Tessaro"));
    setAccessibleName(QStringLiteral("Tessaro"));
    setWindowIcon(appIcon());
    buildMenu();
    buildControls();
    buildKeyboard();
    // The layout is fixed: the client area is exactly its design size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(twips(2895, 1710, 0, 0).topLeft());

    // Load runs before the window is first shown; the window then shows its outcome.
    form_.Form_Load();
    mirror();
}

void MainWindow::buildMenu()
{
    c_.mnuInds = menuBar()->addMenu(QStringLiteral("&Settings"));
    c_.mnuNytSpil = c_.mnuInds->addAction(QStringLiteral("&New Game"));
    c_.mnuSv = c_.mnuInds->addMenu(QStringLiteral("&Difficulty"));
    c_.mnuLevel[0] = c_.mnuSv->addAction(QStringLiteral("&Easy (All bricks have different colors)"));
    c_.mnuLevel[1] = c_.mnuSv->addAction(QStringLiteral("&Hard (Bricks can have same color)"));
    c_.mnuAbout = c_.mnuInds->addAction(QStringLiteral("About  Tessaro ..."));

    connect(c_.mnuNytSpil, &QAction::triggered, this, [this] { runNewRow([this] { form_.mnuNytSpil_Click(); }); });
    for (int k = 0; k < 2; ++k) {
        c_.mnuLevel[k]->setCheckable(true);
        connect(c_.mnuLevel[k], &QAction::triggered, this, [this, k] {
            const Byte level = form_.Level;
            run([this, k] { form_.mnuLevel_Click(k); });
            if (form_.Level != level) // the change was confirmed and a new round began
                keys_.rowRestarted();
        });
    }
    connect(c_.mnuAbout, &QAction::triggered, this, [this] { run([this] { form_.mnuAbout_Click(); }); });
}

void MainWindow::buildControls()
{
    c_.client = new QWidget(this);
    c_.client->setFixedSize(kClientArea.size());
    setCentralWidget(c_.client);

    c_.Frame2 = new Frame(c_.client);
    c_.Frame2->setGeometry(kFrame2);
    c_.imgValgt = new BrickView(c_.Frame2, false);
    c_.imgValgt->setGeometry(kImgValgt);
    c_.imgValgt->setAccessibleDescription(QStringLiteral("selected brick"));

    c_.Frame3 = new Frame(c_.client);
    c_.Frame3->setGeometry(kFrame3);
    c_.lblAntal = new QLabel(c_.Frame3);
    c_.lblAntal->setGeometry(kLblAntal);
    c_.lblAntal->setAlignment(Qt::AlignCenter);
    c_.lblAntal->setTextFormat(Qt::PlainText);
    c_.lblAntal->setAccessibleDescription(QStringLiteral("number of the try"));
    for (int p = 0; p < kCodeLength; ++p) {
        c_.imgFind[p] = new BrickView(c_.Frame3, false);
        c_.imgFind[p]->setGeometry(hiddenBrick(p));
    }

    c_.Frame1 = new Frame(QStringLiteral("Zorvik"), c_.client);
    c_.Frame1->setGeometry(kFrame1);
    for (int i = 0; i < kBoardCells; ++i) {
        c_.imgBrix[i] = new BrickView(c_.Frame1, true);
        c_.imgBrix[i]->setGeometry(boardCell(rowOf(i), cellOf(i)));
        connect(c_.imgBrix[i], &BrickView::clicked, this, [this, i] { run([this, i] { form_.imgBrix_Click(i); }); });
    }
    for (int r = 0; r < kRows; ++r) {
        c_.lblBr[r] = new ClickLabel(c_.Frame1);
        c_.lblBr[r]->setGeometry(resultLabel(r));
        c_.lblBr[r]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        c_.lblBr[r]->setTextFormat(Qt::PlainText);
        c_.lblBr[r]->setAccessibleDescription(QStringLiteral("result of row %1").arg(playerRow(r)));
        connect(c_.lblBr[r], &ClickLabel::clicked, this, [this, r] { run([this, r] { form_.lblBr_Click(r); }); });
    }

    for (int k = 0; k < kBrickKinds; ++k) {
        c_.ImgBriker[k] = new BrickView(c_.client, true);
        c_.ImgBriker[k]->setGeometry(paletteBrick(k));
        c_.ImgBriker[k]->setAccessibleDescription(QStringLiteral("palette"));
        connect(c_.ImgBriker[k], &BrickView::clicked, this, [this, k] { run([this, k] { form_.ImgBriker_Click(k); }); });
    }

    c_.cmdOK = new WrapButton(QStringLiteral("O.K."), c_.client);
    c_.cmdOK->setGeometry(kCmdOK);
    connect(c_.cmdOK, &QPushButton::clicked, this, [this] {
        submitRow([this] {
            keys_.rowRestarted();
            form_.cmdOK_Click();
            return true;
        });
    });
    c_.cmdNy = new WrapButton(QStringLiteral("&New Game"), c_.client);
    c_.cmdNy->setGeometry(kCmdNy);
    connect(c_.cmdNy, &QPushButton::clicked, this, [this] { runNewRow([this] { form_.cmdNy_Click(); }); });
    for (WrapButton* button : {c_.cmdOK, c_.cmdNy}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    setTabOrder(c_.cmdOK, c_.cmdNy);
}

void MainWindow::buildKeyboard()
{
    // Window-wide keys, not focus targets: digits type bricks into the row in
    // play, Backspace steps back, Return and Enter press O.K.
    auto onKey = [this](QKeyCombination key, const std::function<void()>& action) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    for (int k = 0; k < kBrickKinds; ++k) {
        const auto digit = Qt::Key(Qt::Key_0 + k);
        for (Qt::KeyboardModifiers pad : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::KeypadModifier)})
            onKey(QKeyCombination(pad, digit), [this, k] { run([this, k] { keys_.digit(k); }); });
    }
    onKey(QKeyCombination(Qt::Key_Backspace), [this] { keys_.backspace(); });
    for (QKeyCombination enter : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter),
                                  QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter)})
        onKey(enter, [this] { submitRow([this] { return keys_.enter(); }); });
}

void MainWindow::run(const std::function<void()>& handler)
{
    handler();
    mirror();
}

void MainWindow::submitRow(const std::function<bool()>& handler)
{
    const int scored = form_.CurRow;
    bool submitted = false;
    run([&] { submitted = handler(); });
    // Read the new result out, as a sighted player sees it appear.
    if (submitted)
        announce(c_.lblBr[scored]);
}

void MainWindow::runNewRow(const std::function<void()>& handler)
{
    keys_.rowRestarted();
    run(handler);
}

void MainWindow::mirror()
{
    const Form1& f = form_;
    // The palette carries the pictures; every other image takes its picture from there.
    auto pictureOf = [this](const Image& image) {
        return image.picture ? c_.ImgBriker[*image.picture]->picture() : QImage();
    };
    // Returns whether the view changed; only then is its accessible name worked out anew.
    auto showImage = [](BrickView* view, const Image& image, const QImage& picture) {
        const bool pictureChanged = view->setPicture(picture);
        return showVisibility(view, image.visible) || pictureChanged;
    };
    auto nameOf = [](const Image& image) { return image.picture ? brickName(*image.picture) : QString(); };

    for (int k = 0; k < kBrickKinds; ++k) {
        const Image& image = f.ImgBriker[k];
        if (showImage(c_.ImgBriker[k], image, image.picture ? brickPicture(*image.picture) : QImage()))
            setName(c_.ImgBriker[k], nameOf(image));
    }
    for (int i = 0; i < kBoardCells; ++i)
        if (showImage(c_.imgBrix[i], f.imgBrix[i], pictureOf(f.imgBrix[i])))
            setName(c_.imgBrix[i], boardCellName(i, f.imgBrix[i].picture));
    for (int p = 0; p < kCodeLength; ++p) {
        const Image& image = f.imgFind[p];
        // The code stays a secret to assistive technology as well until it is shown.
        if (showImage(c_.imgFind[p], image, pictureOf(image)))
            setName(c_.imgFind[p], image.visible && image.picture
                                       ? QStringLiteral("hidden brick %1: %2").arg(p + 1).arg(nameOf(image))
                                       : QStringLiteral("hidden brick %1").arg(p + 1));
    }
    if (showImage(c_.imgValgt, f.imgValgt, pictureOf(f.imgValgt)))
        setName(c_.imgValgt, nameOf(f.imgValgt));

    for (int r = 0; r < kRows; ++r)
        showLabel(c_.lblBr[r], f.lblBr[r]);
    showLabel(c_.lblAntal, f.lblAntal);

    if (c_.cmdOK->isEnabled() != f.cmdOK.enabled)
        c_.cmdOK->setEnabled(f.cmdOK.enabled);
    if (c_.cmdNy->isEnabled() != f.cmdNy.enabled)
        c_.cmdNy->setEnabled(f.cmdNy.enabled);
    for (int k = 0; k < 2; ++k)
        if (c_.mnuLevel[k]->isChecked() != f.mnuLevel[k].checked)
            c_.mnuLevel[k]->setChecked(f.mnuLevel[k].checked);
}

} // namespace tessaro
