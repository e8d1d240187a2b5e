#pragma once

namespace tessaro {

// Makes the image controls known to assistive technology: the clickable ones
// as buttons that can be pressed, the others as pictures.
void installAccessibility();

} // namespace tessaro
