#include "builtinpixmaps_p.h"

#include <QString>

#include "back.xpm"
#include "directory.xpm"
#include "editcopy.xpm"
#include "editcut.xpm"
#include "editpaste.xpm"
#include "editredo.xpm"
#include "editundo.xpm"
#include "fileprint.xpm"
#include "filesave.xpm"
#include "forward.xpm"
#include "home.xpm"
#include "textbold.xpm"
#include "textcenter.xpm"
#include "textitalic.xpm"
#include "textjustify.xpm"
#include "textleft.xpm"
#include "textright.xpm"
#include "textunder.xpm"
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

QPixmap BuiltinPixmaps::Editor(EditorIcon p_eIcon)
{
    static const char* const* const s_pszPictures[]
        = {filesave_xpm, fileprint_xpm,  editundo_xpm,  editredo_xpm, editcopy_xpm,   editcut_xpm,   editpaste_xpm,
           textbold_xpm, textitalic_xpm, textunder_xpm, textleft_xpm, textcenter_xpm, textright_xpm, textjustify_xpm};
    return QPixmap(s_pszPictures[int(p_eIcon)]);
}
