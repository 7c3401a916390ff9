#pragma once
// The rules of the file-name and directory edits that need no window: valid
// names, where a chooser starts, how a choice enters the text, and long or
// short forms of folder lists.

#include <functional>
#include <string>

namespace folvane {

// Not empty and none of < > " | * ? /.
bool IsValidFileName(const std::wstring& name);
// Up to and including the last "\" or ":"; empty when there is none.
std::wstring FolderPart(const std::wstring& path);
std::wstring NamePart(const std::wstring& path);

// What the file dialog opens with, given the edit's text.
struct FileDialogStart {
  std::wstring InitialDir;
  std::wstring FileName;
};
// A text that is not a valid name (empty, a wildcard pattern) keeps the
// dialog's previous file name; a valid one whose name part is not moves the
// dialog to its folder with an empty name.
FileDialogStart FileDialogStartFor(const std::wstring& text, const FileDialogStart& previous,
                                   const std::function<bool(const std::wstring&)>& folderExists);

// A confirmed folder added to the text: appended after ";" when several are
// allowed and there is text already, else replacing it.
std::wstring AddDirectory(const std::wstring& text, const std::wstring& folder, bool multiple);
// A dropped file gives its folder (with the separator), a folder itself.
std::wstring DroppedDirectory(const std::wstring& name, bool isFolder);

// Answers the name the file system gives the last component of `path` (in
// the long or the short form), or empty when it cannot be found.
using ComponentLookup = std::function<std::wstring(const std::wstring& path)>;
// Each ";"-separated entry (only the whole text unless `multiple`) with
// every component after its root replaced by what `lookup` reports; a
// component that cannot be found keeps its own spelling, so the entry
// stays a usable path. Empty entries go, the rest are joined with ";".
std::wstring ConvertDirectoryNames(const std::wstring& text, bool multiple,
                                   const ComponentLookup& lookup);

}  // namespace folvane
