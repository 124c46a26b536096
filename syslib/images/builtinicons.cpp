// SPDX-License-Identifier: BSD-3-Clause
#include "builtinicons_p.h"

#include "glyphiconengine_p.h"

#include <QFile>
#include <QString>

QIcon BuiltinIcons::Get(Icon p_eIcon)
{
    // Freedesktop names, also the names of the library's own pictures.
    static const char* const s_szNames[] = {"document-save",
                                            "document-print",
                                            "edit-undo",
                                            "edit-redo",
                                            "edit-copy",
                                            "edit-cut",
                                            "edit-paste",
                                            "format-text-bold",
                                            "format-text-italic",
                                            "format-text-underline",
                                            "format-justify-left",
                                            "format-justify-center",
                                            "format-justify-right",
                                            "format-justify-fill",
                                            "go-previous",
                                            "go-next",
                                            "go-home",
                                            "folder",
                                            "go-up",
                                            "document-open",
                                            "folder-new",
                                            "document-new",
                                            "edit-delete",
                                            "edit-rename",
                                            "document-properties",
                                            "edit-find",
                                            "go-down",
                                            "window-close",
                                            "document-print-preview",
                                            "bookmark-new",
                                            "bookmark-remove",
                                            "application-x-executable",
                                            "application-x-shellscript"};
    const QString qstrName = QString::fromLatin1(s_szNames[int(p_eIcon)]);
    if (QIcon::hasThemeIcon(qstrName))
        return QIcon::fromTheme(qstrName);
    QFile qfPicture(QStringLiteral(":/torvasyslib/icons/") + qstrName + QStringLiteral(".svg"));
    qfPicture.open(QIODevice::ReadOnly);
    return QIcon(new GlyphIconEngine(qfPicture.readAll()));
}
