#ifndef STRINGLISTFILE_P_H
#define STRINGLISTFILE_P_H

#include <QString>
#include <QStringList>

// A file holding one string list in QDataStream's format: a 32-bit
// big-endian count, then each string as its length in bytes (0xFFFFFFFF for
// a null string) and its UTF-16 code units, big-endian.
namespace StringListFile
{
// The strings of the file, as many as it really holds: reading stops at
// the first string that the rest of the file cannot hold, or that has an
// odd length. Empty for a missing or unreadable file.
QStringList Read(const QString& p_qstrFile);
// Replaces the file atomically; false when it was not written.
bool Write(const QString& p_qstrFile, const QStringList& p_qslStrings);
}

#endif
