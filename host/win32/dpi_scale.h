// The host's own windows are laid out in pixels of a 96-DPI screen and
// scaled to the screen they are shown on, as their text grows with it.
#ifndef KESTRIX_HOST_WIN32_DPI_SCALE_H
#define KESTRIX_HOST_WIN32_DPI_SCALE_H

// The screen's dots per inch as this thread's windows see them: the
// system's when the thread is DPI-aware, 96 when it is not.
int ScreenDpi();

// A length in pixels at 96 DPI, for the screen.
int ScaledToScreen(int pixelsAt96);

#endif
