// SPDX-License-Identifier: BSD-3-Clause
#ifndef CFMFILEMANAGER_H
#define CFMFILEMANAGER_H

#include "torvasyslib_export.h"

#include <QString>

// Loads a whole text file into one string and saves one string as a whole
// file, asking for the file name with the standard file dialogs when told to
// or when no name is given.
//
// The file type is an extension ("txt") or a pattern ("*.txt"); it makes the
// dialog's filter and, when saving, the extension added to a file name
// without any "." (a "." in a folder's name does not count). A null file
// name asks; an empty one is used as it is. Saving through the dialog never
// replaces an existing file without the user's consent.
class TORVASYSLIB_EXPORT CfmFilemanager
{
public:
    CfmFilemanager();

    // The file's text, each line ended by "\n"; null when nothing was read.
    QString LoadFile(bool p_bAlwaysAsk, QString p_qstrFileType, QString p_qstrFileName, QString p_qstrDirectory);
    // Replaces the file atomically by the text in the local 8-bit encoding;
    // returns the name written, null when nothing was written.
    QString SaveFile(QString p_qstrText, bool p_bAlwaysAsk, QString p_qstrFileType, QString p_qstrFileName,
                     QString p_qstrDirectory);
    // The name chosen by the last LoadFile().
    QString GetFilename() const;

private:
    QString m_qstrFileName;
};

#endif
