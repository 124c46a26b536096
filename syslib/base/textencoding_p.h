// SPDX-License-Identifier: BSD-3-Clause
#ifndef TEXTENCODING_P_H
#define TEXTENCODING_P_H

#include <QByteArray>
#include <QString>

// The encodings of the text files the library reads and writes. Files are
// written in UTF-8, but older versions and older programs wrote Latin-1: a
// file that is not valid UTF-8 is read as Latin-1, so that no character is
// lost, and a Latin-1 file is written back in Latin-1 while every character
// fits.
namespace TextEncoding
{
enum class Encoding { Utf8, Latin1 };

// The text of a file's bytes: by a byte order mark, or in HTML by the
// charset the page declares; else UTF-8 when the bytes are valid UTF-8, else
// Latin-1.
QString Decode(const QByteArray& p_qbaBytes, bool p_bHtml = false);
// How a plain text file's bytes are read.
Encoding Of(const QByteArray& p_qbaBytes);
// The text's bytes in that encoding when every character fits, else UTF-8.
QByteArray Encode(const QString& p_qstrText, Encoding p_eEncoding);
}

#endif
