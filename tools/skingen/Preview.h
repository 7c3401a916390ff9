#pragma once
// `skingen --preview DIR OUT.bmp`: the skin in DIR loaded as the program
// loads it and painted with the program's own painting code into a mock-up
// of its windows - an active form with caption buttons, edits, buttons in
// every state and a status bar; an inactive dialog with check boxes, radio
// buttons, a group box, a combo box, tabs, progress and scroll bars; a popup
// menu; the huge button. Text is left out (fonts are the platform's). Window
// regions are cut as the program cuts them, so corners show the desktop.

#include <string>

namespace folvane::skingen {

// 0 on success; messages go to stderr.
int writePreview(const std::string& skinFolder, const std::string& outFile);

}  // namespace folvane::skingen
