// SPDX-License-Identifier: BSD-3-Clause
#include "textencoding_p.h"

#include <QStringDecoder>
#include <QUtf8StringView>

namespace
{
// The charset a page declares near its top ("charset=…" of a meta element),
// or empty.
QByteArray DeclaredCharset(const QByteArray& p_qbaBytes)
{
    const QByteArray qbaHead = p_qbaBytes.left(1024).toLower();
    const qsizetype iAt = qbaHead.indexOf("charset");
    if (iAt < 0)
        return QByteArray();
    qsizetype i = iAt + 7;
    while (i < qbaHead.size() && (qbaHead[i] == ' ' || qbaHead[i] == '=' || qbaHead[i] == '"' || qbaHead[i] == '\''))
        ++i;
    qsizetype iEnd = i;
    while (iEnd < qbaHead.size()
           && (QChar::isLetterOrNumber(uchar(qbaHead[iEnd])) || qbaHead[iEnd] == '-' || qbaHead[iEnd] == '_'
               || qbaHead[iEnd] == ':' || qbaHead[iEnd] == '.'))
        ++iEnd;
    return qbaHead.mid(i, iEnd - i);
}
}

QString TextEncoding::Decode(const QByteArray& p_qbaBytes, bool p_bHtml)
{
    if (const auto eMarked = QStringConverter::encodingForData(p_qbaBytes))
        return QStringDecoder(*eMarked)(p_qbaBytes);
    if (p_bHtml) {
        const QByteArray qbaCharset = DeclaredCharset(p_qbaBytes);
        QStringDecoder decoder(qbaCharset.constData());
        if (!qbaCharset.isEmpty() && decoder.isValid())
            return decoder(p_qbaBytes);
    }
    return Of(p_qbaBytes) == Encoding::Utf8 ? QString::fromUtf8(p_qbaBytes) : QString::fromLatin1(p_qbaBytes);
}

TextEncoding::Encoding TextEncoding::Of(const QByteArray& p_qbaBytes)
{
    return QUtf8StringView(p_qbaBytes).isValidUtf8() ? Encoding::Utf8 : Encoding::Latin1;
}

QByteArray TextEncoding::Encode(const QString& p_qstrText, Encoding p_eEncoding)
{
    if (p_eEncoding == Encoding::Latin1) {
        const bool bFits
            = std::all_of(p_qstrText.cbegin(), p_qstrText.cend(), [](QChar p_qc) { return p_qc.unicode() < 0x100; });
        if (bFits)
            return p_qstrText.toLatin1();
    }
    return p_qstrText.toUtf8();
}
