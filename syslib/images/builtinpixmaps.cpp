#include "builtinpixmaps_p.h"

#include <QString>

#include "back.xpm"
#include "directory.xpm"
#include "forward.xpm"
#include "home.xpm"
#include "up.xpm"

QPixmap BuiltinPixmaps::ForWorkspaceFile(const QString& p_qstrFileName)
{
    if (p_qstrFileName == QLatin1String("directory.bmp"))
        return QPixmap(directory_xpm);
    if (p_qstrFileName == QLatin1String("up.bmp"))
        return QPixmap(up_xpm);
    return QPixmap();
}

QPixmap BuiltinPixmaps::HelpBack()
{
    return QPixmap(back_xpm);
}

QPixmap BuiltinPixmaps::HelpForward()
{
    return QPixmap(forward_xpm);
}

QPixmap BuiltinPixmaps::HelpHome()
{
    return QPixmap(home_xpm);
}
