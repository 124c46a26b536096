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
    Up
};
QIcon Get(Icon p_eIcon);
// For one of the standard workspace picture files ("directory.bmp",
// "up.bmp") that is not at hand: the folder or up icon; a null icon for any
// other name.
QIcon ForWorkspaceFile(const QString& p_qstrFileName);
}

#endif
