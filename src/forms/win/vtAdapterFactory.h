#pragma once
// Makes the window adapter of a kind, and adapts raw windows of dialogs by
// the choice table of their class names and styles.

#include <windows.h>

#include <string>

#include "forms/AdapterChoice.h"
#include "forms/win/vtMainWnd.h"

namespace folvane {

// The adapter of `kind` on `wnd`, or none for a kind whose adapter is not
// made here (the scrolling and list-like ones come with the scroll-bar
// adapters). The adapter is attached and hooked.
AdapterPtr CreateWindowAdapter(AdapterKind kind, HWND wnd, const std::wstring& section,
                               TsSkinManager* manager, TsCommonData* skinData);

// Adapts a raw child window of a system dialog: none for a window of ours
// that is skinned already or a class the table does not name. The adapter
// serves a dialog window (InDialog) and has its geometry read.
AdapterPtr AdaptRawWindow(HWND wnd, TsSkinManager* manager = nullptr);

// The table's choice for a window.
AdapterChoice ChooseAdapterFor(HWND wnd);

}  // namespace folvane
