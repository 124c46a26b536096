// SPDX-License-Identifier: BSD-3-Clause
#ifndef BUILTINICONS_P_H
#define BUILTINICONS_P_H

#include <QIcon>

class QString;

// The pictures of the library's actions and of the workspace: the desktop
// theme's icon of the freedesktop name where the theme has one, otherwise the
// library's own, drawn as vector art at any size.
namespace BuiltinIcons
{
enum class Icon {
    Save,
    Print,
    Undo,
    Redo,
    Copy,
    Cut,
    Paste,
    Bold,
    Italic,
    Underline,
    Left,
    Center,
    Right,
    Justify,
    Back,
    Forward,
    Home,
    Folder,
    Up,
    Open,
    NewFolder,
    NewEntry,
    Delete,
    Rename,
    Properties,
    Find,
    Down,
    Close,
    PrintPreview,
    AddBookmark,
    RemoveBookmark,
    Program,
    Script
};
QIcon Get(Icon p_eIcon);
}

#endif
