#include "Form1.h"

#include <utility>

namespace tessaro {

Form1::Form1(Runtime& runtime, AboutInfo about) : rt_(runtime), about_(std::move(about))
{
    // The design-time state: the board and the hidden row without pictures,
    // the hidden row invisible, the palette and the selected brick showing
    // their bricks, every result label "0p 0c" in light red.
    for (Image& cell : imgFind)
        cell.visible = false;
    for (int k = 0; k < kBrickKinds; ++k)
        ImgBriker[k].picture = static_cast<Byte>(k);
    imgValgt.picture = kEmptyTile;
    for (Label& label : lblBr) {
        label.caption = "0p 0c";
        label.foreColor = Rgb{255, 0, 0};
    }
    lblAntal.caption = "0";
    cmdNy.enabled = false;
    mnuLevel[0].checked = true;
}

void Form1::showBrick(Image& image, Byte brick) const
{
    // Every image shows a brick by taking the palette's picture of it.
    image.picture = ImgBriker[brick].picture;
}

} // namespace tessaro
