// SPDX-License-Identifier: BSD-3-Clause
#ifndef CFMFILEMANAGER_H
#define CFMFILEMANAGER_H

#include "torvasyslib_export.h"

#include <QString>

#include <memory>

/// Loads a whole text file into one string and saves one string as a whole
/// file, asking for the name with the standard file dialogs when told to or
/// when no name is given.
///
/// The file type is an extension ("txt") or a pattern ("*.txt"); it makes
/// the dialog's filter and, when saving, the extension added to a file name
/// without any "." (a "." in a folder's name does not count). A null file
/// name asks; an empty one is used as it is. Files are read and written in
/// the local 8-bit encoding (UTF-8). See the README's "Inputs and files".
///
/// \code
/// CfmFilemanager files;
/// const QString text = files.LoadFile(false, "txt", QString(), QDir::homePath()); // asks for the file
/// if (!text.isNull())
///     files.SaveFile(text + "more\n", false, "txt", files.GetFilename(), QString());
/// \endcode
class TORVASYSLIB_EXPORT CfmFilemanager
{
public:
    /// A manager that has loaded nothing (GetFilename() is null).
    CfmFilemanager();
    /// A manager of its own that remembers the same chosen name.
    CfmFilemanager(const CfmFilemanager& p_other);
    /// Remembers the other manager's chosen name.
    CfmFilemanager& operator=(const CfmFilemanager& p_other);
    ~CfmFilemanager();

    /// Loads a whole text file.
    /// \param p_bAlwaysAsk true shows the open dialog even when a name is given.
    /// \param p_qstrFileType the file type for the dialog's filter; null: all files.
    /// \param p_qstrFileName the file; null asks.
    /// \param p_qstrDirectory where the dialog opens.
    /// \return the text, each line (ended by LF, CR LF or a lone CR) ended by
    ///         "\n"; null when nothing was read (cancelled, unreadable or
    ///         empty file: GetFilename() tells which name was chosen).
    QString LoadFile(bool p_bAlwaysAsk, QString p_qstrFileType, QString p_qstrFileName, QString p_qstrDirectory);
    /// Saves the text as a whole file, replacing it atomically. Prints
    /// "Filename: <name>" ("(null)" for a null name) on standard output
    /// (logging category "torvasyslib.files").
    /// Through the dialog an existing file (after the extension is added) is
    /// replaced only when the user answers "Ja" to "Datei speichern"; "Nein"
    /// offers the dialog again.
    /// \param p_qstrText the text, written as it is (no line ends added or changed).
    /// \param p_bAlwaysAsk true shows the save dialog even when a name is given.
    /// \param p_qstrFileType the file type for the filter and the extension.
    /// \param p_qstrFileName the file; null asks.
    /// \param p_qstrDirectory where the dialog opens.
    /// \return the name written; null when nothing was written (cancelled,
    ///         missing folder, no permission, full disk: the old file stays whole).
    QString SaveFile(QString p_qstrText, bool p_bAlwaysAsk, QString p_qstrFileType, QString p_qstrFileName,
                     QString p_qstrDirectory);
    /// The name chosen by the last LoadFile(), also when nothing could be
    /// read; empty after a cancelled dialog, null before any LoadFile().
    QString GetFilename() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif
