#ifndef BUILTINPIXMAPS_P_H
#define BUILTINPIXMAPS_P_H

#include <QPixmap>

class QString;

namespace BuiltinPixmaps
{
// The library's own picture for one of the standard workspace picture files
// ("directory.bmp", "up.bmp"); an empty picture for any other name.
QPixmap ForWorkspaceFile(const QString& p_qstrFileName);

// The editor window's 22 x 22 pictures.
enum class EditorIcon {
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
    Justify
};
QPixmap Editor(EditorIcon p_eIcon);

// The help window's 16 x 16 pictures.
QPixmap HelpBack();
QPixmap HelpForward();
QPixmap HelpHome();
}

#endif
