// SPDX-License-Identifier: BSD-3-Clause
#ifndef CSMSESSIONMANAGER_H
#define CSMSESSIONMANAGER_H

#include "torvasyslib_export.h"

#include <QString>

#include <memory>

class CsmSessionManagerPrivate;

/// An application's settings, kept in memory and read from and written to a
/// plain text file.
///
/// The file holds named *keys*, each a line "[key]", followed by the key's
/// *entries*, each a line "name=content". Nothing is trimmed, quoted or
/// escaped; a line ends at LF, CR LF or a lone CR. An entry is found by its
/// exact name, the first of that name winning. Files are read and written
/// byte for byte in the local 8-bit encoding (UTF-8): what a file holds
/// comes back out of SaveAs() unchanged.
///
/// Whatever is stored reads back from the file as it was given. Names and
/// contents that could not (the format has no escapes) are refused with a
/// false result and change nothing: a line break anywhere, an empty key
/// name, an entry name with a "[" or "=", a content with a "[".
///
/// Copies are independent values. See the README's "Settings" example.
///
/// \code
/// CsmSessionManager settings;
/// settings.Load("app.conf");              // false on the first start
/// settings.AddKey("Window");
/// settings.SetInteger("Window", "Width", 800);
/// const int width = settings.GetInteger("Window", "Width", 640);
/// settings.SaveAs("app.conf");
/// \endcode
class TORVASYSLIB_EXPORT CsmSessionManager
{
public:
    /// An empty store with an empty file name.
    CsmSessionManager();
    virtual ~CsmSessionManager();
    /// A store of its own with the same keys, entries and file name.
    CsmSessionManager(const CsmSessionManager&);
    /// Makes this store hold the same keys, entries and file name as the other.
    CsmSessionManager& operator=(const CsmSessionManager&);

    /// Replaces the whole content by the file's, which becomes the store's
    /// shared file (see SaveAs()).
    /// \param p_qstrFileName the settings file.
    /// \return false, with the content unchanged, when the file is missing or
    ///         cannot be read. A missing file still becomes the shared file:
    ///         one that another program makes meanwhile is merged with, not
    ///         replaced, by the first save.
    bool Load(QString p_qstrFileName);
    /// SaveAs() the file name set with SetFileName().
    /// \return false, writing nothing, while that name is empty.
    bool Save();
    /// Replaces the file atomically by the store, keys in the order in which
    /// they were first read or added, each followed by an empty line. A key
    /// name holding a "]" is written after "][", which reads back as the same
    /// name. The file keeps its permissions (and owner, where the process may
    /// set it); a symbolic link is written through and stays a link.
    ///
    /// Several stores, in one program or in several, can share a file
    /// without losing each other's changes, as with QSettings: the file the
    /// store last loaded or saved is its shared file. When another writer has
    /// replaced or changed the shared file since, saving to it reads it again
    /// and writes this store's own changes since then (entries set, keys
    /// added) on top of what it holds now; for the same entry the later save
    /// wins, and the store holds the merged content afterwards. All of this
    /// happens under a lock file "<file>.lock" beside the file. Any other
    /// file gets exactly the store's content. The file written becomes the
    /// shared file.
    /// \param p_qstrFileName the file to write; it is created or replaced.
    /// \return false, with the old file left whole, when it could not be
    ///         written (missing folder, no permission, full disk) or another
    ///         writer kept it locked for more than a few seconds (a lock left
    ///         by a process that died is taken over).
    bool SaveAs(QString p_qstrFileName);

    /// Sets the file name that Save() writes; Load() and SaveAs() leave it alone.
    void SetFileName(QString p_qstrFileName);
    /// The file name that Save() writes; empty until SetFileName() is called.
    QString GetFileName() const;

    /// Adds a key without entries unless a key of that name exists.
    /// \param p_qstrKey the key's name, compared exactly and case-sensitively.
    /// \return true when the key exists afterwards; false for an empty name or
    ///         one with a line break, which the file could not bring back.
    bool AddKey(QString p_qstrKey);
    /// Whether a key of exactly that name exists.
    bool IsKey(QString p_qstrKey) const;

    /// Sets the content of the key's first entry of that name, or appends a
    /// new entry when there is none.
    /// \param p_qstrKey an existing key; setters never create keys.
    /// \param p_qstrName the entry's name.
    /// \param p_qstrValue the content, stored as it is.
    /// \return false, with nothing changed, when the key does not exist or
    ///         the name or content could not be stored.
    bool SetString(QString p_qstrKey, QString p_qstrName, QString p_qstrValue);
    /// SetString() with the value in base 10 ("-" for negatives, no "+", no
    /// leading zeros).
    bool SetInteger(QString p_qstrKey, QString p_qstrName, int p_iValue);
    /// SetString() with the value in thousandths, cut toward zero: 0.7f is
    /// stored as 699, -0.0015f as -1. Values beyond the 32-bit range of
    /// thousandths are held at its ends; NaN is stored as 0.
    bool SetFloat(QString p_qstrKey, QString p_qstrName, float p_fValue);

    /// The content of the key's first entry of that name.
    /// \return the default when the key or the entry is missing.
    QString GetString(QString p_qstrKey, QString p_qstrName, QString p_qstrDefault) const;
    /// The content as a base-10 whole number, white space around it and one
    /// sign allowed.
    /// \return 0 for content that is no such number or lies outside the
    ///         32-bit range; the default when the key or entry is missing.
    int GetInteger(QString p_qstrKey, QString p_qstrName, int p_iDefault) const;
    /// The content's longest leading decimal number divided by 1000 (0 when
    /// there is none).
    /// \return the default, not divided, when the key or entry is missing.
    float GetFloat(QString p_qstrKey, QString p_qstrName, float p_fDefault) const;

private:
    std::unique_ptr<CsmSessionManagerPrivate> d;
};

#endif
