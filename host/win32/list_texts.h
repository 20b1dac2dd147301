// Reading back what a combo box or a list box lists.
#ifndef KESTRIX_HOST_WIN32_LIST_TEXTS_H
#define KESTRIX_HOST_WIN32_LIST_TEXTS_H

#include <windows.h>

#include <string>
#include <vector>

// The entries' texts, in list order; empty for no such control.
std::vector<std::string> ComboBoxTexts(HWND combo);
std::vector<std::string> ListBoxTexts(HWND list);

#endif
