// Whether the windows of this process can be seen at all.
#ifndef KESTRIX_HOST_APP_DISPLAY_CHECK_H
#define KESTRIX_HOST_APP_DISPLAY_CHECK_H

// False when there is no display behind the screen: windows would be
// created and "shown" but drawn nowhere, as under Wine's null graphics
// driver or a Wine prefix whose X display is not there.
bool CanShowWindows();

#endif
