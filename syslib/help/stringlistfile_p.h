// SPDX-License-Identifier: BSD-3-Clause
#ifndef STRINGLISTFILE_P_H
#define STRINGLISTFILE_P_H

#include <QList>
#include <QString>
#include <QStringList>

// A file holding string lists one after the other in QDataStream's format:
// each a 32-bit big-endian count, then each string as its length in bytes
// (0xFFFFFFFF for a null string) and its UTF-16 code units, big-endian. A
// reader that knows only one list reads the first and stops there.
namespace StringListFile
{
// The lists of the file, as much as it really holds: reading stops at the
// first string that the rest of the file cannot hold, or that has an odd
// length, keeping what was read. Empty for a missing or unreadable file.
QList<QStringList> Read(const QString& p_qstrFile);
// Replaces the file atomically; false when it was not written.
bool Write(const QString& p_qstrFile, const QList<QStringList>& p_qlLists);
}

#endif
