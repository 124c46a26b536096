#include "builtinpixmaps_p.h"

#include <QString>

#include "directory.xpm"
#include "up.xpm"

QPixmap BuiltinPixmaps::ForWorkspaceFile(const QString& p_qstrFileName)
{
    if (p_qstrFileName == QLatin1String("directory.bmp"))
        return QPixmap(directory_xpm);
    if (p_qstrFileName == QLatin1String("up.bmp"))
        return QPixmap(up_xpm);
    return QPixmap();
}
