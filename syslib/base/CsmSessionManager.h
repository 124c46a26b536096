// SPDX-License-Identifier: BSD-3-Clause
#ifndef CSMSESSIONMANAGER_H
#define CSMSESSIONMANAGER_H

#include "torvasyslib_export.h"

#include <QString>

#include <memory>

class CsmSessionManagerPrivate;

// An application's settings: named keys (the "[key]" lines of a plain text
// file), each an ordered list of name=content entries. Files are read and
// written in the local 8-bit encoding; an entry is found by its name, the
// first of that name winning. Copies are independent values.
class TORVASYSLIB_EXPORT CsmSessionManager
{
public:
    CsmSessionManager();
    virtual ~CsmSessionManager();
    CsmSessionManager(const CsmSessionManager&);
    CsmSessionManager& operator=(const CsmSessionManager&);

    // Replaces the whole content by the file's; false (content unchanged)
    // when the file is missing or cannot be read.
    bool Load(QString p_qstrFileName);
    // SaveAs() the file name set with SetFileName(); false while it is empty.
    bool Save();
    // Replaces the file atomically by the whole store, keys in the order in
    // which they were first read or added; false, with the old file left
    // whole, when it could not be written.
    bool SaveAs(QString p_qstrFileName);

    void SetFileName(QString p_qstrFileName);
    QString GetFileName() const;

    // Whatever is stored reads back from the file as it was given. Names and
    // contents that could not (the file has no escapes) are refused with a
    // false result and change nothing: a line break anywhere; a key name
    // that is empty; an entry name with a "[" or "="; a content with a "[".

    // Adds an empty key unless it exists; true when the key exists afterwards.
    bool AddKey(QString p_qstrKey);
    bool IsKey(QString p_qstrKey);

    // Setters change the first entry of that name or append one; false
    // (nothing changed) when the key does not exist or the name or content
    // could not be stored.
    bool SetString(QString p_qstrKey, QString p_qstrName, QString p_qstrValue);
    bool SetInteger(QString p_qstrKey, QString p_qstrName, int p_iValue);
    // Stores the value in thousandths, cut toward zero.
    bool SetFloat(QString p_qstrKey, QString p_qstrName, float p_fValue);

    // Getters give the default when the key or entry is missing.
    QString GetString(QString p_qstrKey, QString p_qstrName, QString p_qstrDefault);
    // 0 for content that is not a 32-bit whole number.
    int GetInteger(QString p_qstrKey, QString p_qstrName, int p_iDefault);
    // The content's leading decimal number divided by 1000.
    float GetFloat(QString p_qstrKey, QString p_qstrName, float p_fDefault);

private:
    bool SetContent(QString p_qstrKey, QString p_qstrName, QString p_qstrContent);
    bool GetContent(QString p_qstrKey, QString p_qstrName, QString& p_qstrContent);

    std::unique_ptr<CsmSessionManagerPrivate> d;
};

#endif
