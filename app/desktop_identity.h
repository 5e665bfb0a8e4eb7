#pragma once

namespace app {

// Names the desktop entry the windows belong to (qumat_pro.desktop, Wayland's app id), by which
// docks and task switchers find the program's name and icon, and gives every window the
// program's icon: the icon theme's, where the package installed one Qt can draw, else the one
// built in.
void identifyToDesktop();

}  // namespace app
