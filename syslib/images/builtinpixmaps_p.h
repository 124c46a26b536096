#ifndef BUILTINPIXMAPS_P_H
#define BUILTINPIXMAPS_P_H

#include <QPixmap>

class QString;

namespace BuiltinPixmaps
{
// The library's own picture for one of the standard workspace picture files
// ("directory.bmp", "up.bmp"); an empty picture for any other name.
QPixmap ForWorkspaceFile(const QString& p_qstrFileName);

// The help window's 16 x 16 pictures.
QPixmap HelpBack();
QPixmap HelpForward();
QPixmap HelpHome();
}

#endif
