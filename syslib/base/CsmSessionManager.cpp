// SPDX-License-Identifier: BSD-3-Clause
#include "CsmSessionManager.h"

#include "atomicfile_p.h"

#include <QFile>

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace
{
// Key and entry tables below this size are searched from the front.
constexpr size_t LinearSearchLimit = 16;

bool IsDigit(char p_c)
{
    return p_c >= '0' && p_c <= '9';
}

// Whether the text reads back from a file as it is: it has none of the
// characters that end a line, start a key or end an entry's name, and no
// broken UTF-16 that the file's encoding could not hold.
bool Storable(const QString& p_qstrText, const char* p_szForbidden)
{
    for (const char* pForbidden = p_szForbidden; *pForbidden; ++pForbidden) {
        if (p_qstrText.contains(QLatin1Char(*pForbidden)))
            return false;
    }
    return p_qstrText.isValidUtf16();
}

// The longest leading part of the text that forms a decimal number (white
// space before it allowed), as a double; 0 when there is none.
double LeadingNumber(QByteArrayView p_qbavText)
{
    const qsizetype iSize = p_qbavText.size();
    qsizetype i = 0;
    while (i < iSize && std::strchr(" \t\n\v\f\r", p_qbavText[i]) && p_qbavText[i] != '\0')
        ++i;
    const qsizetype iStart = i;
    if (i < iSize && (p_qbavText[i] == '+' || p_qbavText[i] == '-'))
        ++i;
    qsizetype iDigits = 0;
    for (; i < iSize && IsDigit(p_qbavText[i]); ++i)
        ++iDigits;
    if (i < iSize && p_qbavText[i] == '.') {
        ++i;
        for (; i < iSize && IsDigit(p_qbavText[i]); ++i)
            ++iDigits;
    }
    if (iDigits == 0)
        return 0.0;
    qsizetype iEnd = i;
    if (i < iSize && (p_qbavText[i] == 'e' || p_qbavText[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < iSize && (p_qbavText[j] == '+' || p_qbavText[j] == '-'))
            ++j;
        if (j < iSize && IsDigit(p_qbavText[j])) {
            while (j < iSize && IsDigit(p_qbavText[j]))
                ++j;
            iEnd = j;
        }
    }
    // QByteArray reads numbers in the C locale, whatever the process's is.
    return p_qbavText.sliced(iStart, iEnd - iStart).toByteArray().toDouble();
}
}

CsmSessionManager::CsmSessionManager() = default;

CsmSessionManager::~CsmSessionManager() = default;

CsmSessionManager::CsmSessionManager(const CsmSessionManager&) = default;

CsmSessionManager& CsmSessionManager::operator=(const CsmSessionManager&) = default;

bool CsmSessionManager::Load(QString p_qstrFileName)
{
    QFile qfFile(p_qstrFileName);
    if (!qfFile.exists() || !qfFile.open(QIODevice::ReadOnly))
        return false;
    QByteArray qbaText = qfFile.readAll();
    if (qfFile.error() != QFileDevice::NoError)
        return false;

    std::vector<Key> vKeys;
    QHash<QByteArray, int> qhKeys;
    const char* const pData = qbaText.constData();
    const char* const pEnd = pData + qbaText.size();
    Key* pCurrent = nullptr;
    for (const char* pLine = pData; pLine < pEnd;) {
        // A line ends at LF, CR LF or a lone CR.
        const char* pLineEnd = static_cast<const char*>(std::memchr(pLine, '\n', pEnd - pLine));
        if (!pLineEnd)
            pLineEnd = pEnd;
        const char* pNext = pLineEnd + 1;
        if (const auto* pCr = static_cast<const char*>(std::memchr(pLine, '\r', pLineEnd - pLine))) {
            pNext = pCr + 1 < pEnd && pCr[1] == '\n' ? pCr + 2 : pCr + 1;
            pLineEnd = pCr;
        }
        const qsizetype iLength = pLineEnd - pLine;
        if (iLength > 0) {
            const auto* pOpen = static_cast<const char*>(std::memchr(pLine, '[', iLength));
            if (pOpen) {
                if (const auto* pClose = static_cast<const char*>(std::memchr(pLine, ']', iLength))) {
                    const char* pNameEnd = pClose > pOpen ? pClose : pLineEnd;
                    // Kept as the file's bytes, whatever the encoding says.
                    const QByteArray qbaName(pOpen + 1, pNameEnd - pOpen - 1);
                    pCurrent = nullptr;
                    if (!qbaName.isEmpty()) {
                        const auto it = qhKeys.constFind(qbaName);
                        if (it != qhKeys.cend()) {
                            pCurrent = &vKeys[size_t(*it)];
                        } else {
                            qhKeys.insert(qbaName, int(vKeys.size()));
                            pCurrent = &vKeys.emplace_back();
                            pCurrent->m_qbaName = qbaName;
                        }
                    }
                }
            } else if (pCurrent && iLength <= std::numeric_limits<int>::max()) {
                if (const auto* pEqual = static_cast<const char*>(std::memchr(pLine, '=', iLength)))
                    pCurrent->m_vEntries.push_back({pLine - pData, int(pEqual - pLine), int(pLineEnd - pEqual - 1)});
            }
        }
        pLine = pNext;
    }

    m_qbaText = std::move(qbaText);
    m_iGarbage = 0;
    m_vKeys = std::move(vKeys);
    m_qhKeys = std::move(qhKeys);
    return true;
}

bool CsmSessionManager::Save()
{
    return !m_qstrFileName.isEmpty() && SaveAs(m_qstrFileName);
}

bool CsmSessionManager::SaveAs(QString p_qstrFileName)
{
    AtomicFile file(p_qstrFileName);
    if (!file.Open(QIODevice::Text))
        return false;
    // Written in pieces of about a megabyte.
    constexpr qsizetype PieceSize = 1 << 20;
    QByteArray qbaPiece;
    qbaPiece.reserve(PieceSize + 4096);
    const auto flush = [&]() {
        const bool bWritten = file.Write(qbaPiece);
        qbaPiece.resize(0);
        return bWritten;
    };
    for (const Key& key : m_vKeys) {
        // A name with a "]" in it is written after "][": a line whose "]"
        // comes before its "[" names the key with everything after the "[".
        qbaPiece += key.m_qbaName.contains(']') ? "][" + key.m_qbaName + '\n' : '[' + key.m_qbaName + "]\n";
        for (const Entry& entry : key.m_vEntries) {
            qbaPiece += Line(entry);
            qbaPiece += '\n';
            if (qbaPiece.size() >= PieceSize && !flush())
                return false; // the temporary file goes with `file`
        }
        qbaPiece += '\n';
    }
    flush();
    return file.Commit();
}

void CsmSessionManager::SetFileName(QString p_qstrFileName)
{
    m_qstrFileName = std::move(p_qstrFileName);
}

QString CsmSessionManager::GetFileName() const
{
    return m_qstrFileName;
}

bool CsmSessionManager::AddKey(QString p_qstrKey)
{
    if (p_qstrKey.isEmpty() || !Storable(p_qstrKey, "\n\r"))
        return false;
    const QByteArray qbaKey = p_qstrKey.toLocal8Bit();
    if (!m_qhKeys.contains(qbaKey)) {
        m_qhKeys.insert(qbaKey, int(m_vKeys.size()));
        m_vKeys.emplace_back().m_qbaName = qbaKey;
    }
    return true;
}

bool CsmSessionManager::IsKey(QString p_qstrKey)
{
    return m_qhKeys.contains(p_qstrKey.toLocal8Bit());
}

bool CsmSessionManager::SetContent(QString p_qstrKey, QString p_qstrName, QString p_qstrContent)
{
    return Storable(p_qstrContent, "\n\r[") && SetBytes(p_qstrKey, p_qstrName, p_qstrContent.toLocal8Bit());
}

bool CsmSessionManager::GetContent(QString p_qstrKey, QString p_qstrName, QString& p_qstrContent)
{
    const Entry* pEntry = Find(p_qstrKey, p_qstrName);
    if (!pEntry)
        return false;
    p_qstrContent = QString::fromLocal8Bit(Content(*pEntry));
    return true;
}

bool CsmSessionManager::SetString(QString p_qstrKey, QString p_qstrName, QString p_qstrValue)
{
    return SetContent(p_qstrKey, p_qstrName, p_qstrValue);
}

bool CsmSessionManager::SetInteger(QString p_qstrKey, QString p_qstrName, int p_iValue)
{
    return SetBytes(p_qstrKey, p_qstrName, QByteArray::number(p_iValue));
}

bool CsmSessionManager::SetFloat(QString p_qstrKey, QString p_qstrName, float p_fValue)
{
    // Thousandths, cut toward zero; beyond the 32-bit range the value is
    // held at its ends rather than left undefined.
    const double dThousandths = std::trunc(double(p_fValue) * 1000.0);
    int iValue = 0;
    if (dThousandths >= double(std::numeric_limits<int>::max()))
        iValue = std::numeric_limits<int>::max();
    else if (dThousandths <= double(std::numeric_limits<int>::min()))
        iValue = std::numeric_limits<int>::min();
    else if (!std::isnan(dThousandths))
        iValue = int(dThousandths);
    return SetBytes(p_qstrKey, p_qstrName, QByteArray::number(iValue));
}

QString CsmSessionManager::GetString(QString p_qstrKey, QString p_qstrName, QString p_qstrDefault)
{
    QString qstrContent;
    return GetContent(p_qstrKey, p_qstrName, qstrContent) ? qstrContent : p_qstrDefault;
}

int CsmSessionManager::GetInteger(QString p_qstrKey, QString p_qstrName, int p_iDefault)
{
    const Entry* pEntry = Find(p_qstrKey, p_qstrName);
    if (!pEntry)
        return p_iDefault;
    bool bOk = false;
    const int iValue = Content(*pEntry).trimmed().toInt(&bOk, 10);
    return bOk ? iValue : 0;
}

float CsmSessionManager::GetFloat(QString p_qstrKey, QString p_qstrName, float p_fDefault)
{
    const Entry* pEntry = Find(p_qstrKey, p_qstrName);
    if (!pEntry)
        return p_fDefault;
    return float(LeadingNumber(Content(*pEntry)) / 1000.0);
}

bool CsmSessionManager::SetBytes(const QString& p_qstrKey, const QString& p_qstrName, const QByteArray& p_qbaContent)
{
    const auto it = m_qhKeys.constFind(p_qstrKey.toLocal8Bit());
    if (it == m_qhKeys.cend() || !Storable(p_qstrName, "\n\r[="))
        return false;
    Key& key = m_vKeys[size_t(*it)];
    const QByteArray qbaName = p_qstrName.toLocal8Bit();
    const int iEntry = FindEntry(key, qbaName);
    if (iEntry < 0) {
        key.m_vEntries.push_back({AppendLine(qbaName, p_qbaContent), int(qbaName.size()), int(p_qbaContent.size())});
        Index(key, int(key.m_vEntries.size()) - 1);
        return true;
    }
    Entry& entry = key.m_vEntries[size_t(iEntry)];
    if (p_qbaContent.size() <= entry.m_iContentLength) {
        // Each entry has a line of its own: a content that fits is written over the old one.
        std::memcpy(m_qbaText.data() + entry.m_iLine + entry.m_iNameLength + 1, p_qbaContent.constData(),
                    size_t(p_qbaContent.size()));
        m_iGarbage += entry.m_iContentLength - p_qbaContent.size();
    } else {
        m_iGarbage += Line(entry).size();
        entry.m_iLine = AppendLine(Name(entry).toByteArray(), p_qbaContent);
    }
    entry.m_iContentLength = int(p_qbaContent.size());
    if (m_iGarbage > 4096 && m_iGarbage > m_qbaText.size() / 2)
        Compact();
    return true;
}

const CsmSessionManager::Entry* CsmSessionManager::Find(const QString& p_qstrKey, const QString& p_qstrName)
{
    const auto it = m_qhKeys.constFind(p_qstrKey.toLocal8Bit());
    if (it == m_qhKeys.cend())
        return nullptr;
    Key& key = m_vKeys[size_t(*it)];
    const int iEntry = FindEntry(key, p_qstrName.toLocal8Bit());
    return iEntry < 0 ? nullptr : &key.m_vEntries[size_t(iEntry)];
}

int CsmSessionManager::FindEntry(Key& p_key, QByteArrayView p_qbavName)
{
    const std::vector<Entry>& vEntries = p_key.m_vEntries;
    if (vEntries.size() <= LinearSearchLimit) {
        for (size_t i = 0; i < vEntries.size(); ++i) {
            if (Name(vEntries[i]) == p_qbavName)
                return int(i);
        }
        return -1;
    }
    if (p_key.m_vIndex.empty())
        Rebuild(p_key);
    const size_t iMask = p_key.m_vIndex.size() - 1;
    for (size_t iSlot = qHash(p_qbavName) & iMask;; iSlot = (iSlot + 1) & iMask) {
        const int iEntry = p_key.m_vIndex[iSlot] - 1;
        if (iEntry < 0)
            return -1;
        if (Name(vEntries[size_t(iEntry)]) == p_qbavName)
            return iEntry;
    }
}

void CsmSessionManager::Index(Key& p_key, int p_iEntry)
{
    if (p_key.m_vIndex.empty())
        return; // built on the first lookup
    if (p_key.m_vEntries.size() * 2 > p_key.m_vIndex.size()) {
        Rebuild(p_key);
        return;
    }
    const QByteArrayView qbavName = Name(p_key.m_vEntries[size_t(p_iEntry)]);
    const size_t iMask = p_key.m_vIndex.size() - 1;
    for (size_t iSlot = qHash(qbavName) & iMask;; iSlot = (iSlot + 1) & iMask) {
        int& iTaken = p_key.m_vIndex[iSlot];
        if (iTaken == 0) {
            iTaken = p_iEntry + 1;
            return;
        }
        if (Name(p_key.m_vEntries[size_t(iTaken - 1)]) == qbavName)
            return; // the first entry of that name stays the one found
    }
}

void CsmSessionManager::Rebuild(Key& p_key)
{
    size_t iSize = 64;
    while (iSize < p_key.m_vEntries.size() * 4)
        iSize *= 2;
    p_key.m_vIndex.assign(iSize, 0);
    for (size_t i = 0; i < p_key.m_vEntries.size(); ++i)
        Index(p_key, int(i));
}

QByteArrayView CsmSessionManager::Name(const Entry& p_entry) const
{
    return QByteArrayView(m_qbaText.constData() + p_entry.m_iLine, p_entry.m_iNameLength);
}

QByteArrayView CsmSessionManager::Content(const Entry& p_entry) const
{
    return QByteArrayView(m_qbaText.constData() + p_entry.m_iLine + p_entry.m_iNameLength + 1,
                          p_entry.m_iContentLength);
}

QByteArrayView CsmSessionManager::Line(const Entry& p_entry) const
{
    return QByteArrayView(m_qbaText.constData() + p_entry.m_iLine,
                          qsizetype(p_entry.m_iNameLength) + 1 + p_entry.m_iContentLength);
}

qsizetype CsmSessionManager::AppendLine(QByteArrayView p_qbavName, QByteArrayView p_qbavContent)
{
    const qsizetype iLine = m_qbaText.size();
    m_qbaText.append(p_qbavName);
    m_qbaText.append('=');
    m_qbaText.append(p_qbavContent);
    return iLine;
}

void CsmSessionManager::Compact()
{
    QByteArray qbaText;
    qbaText.reserve(m_qbaText.size() - m_iGarbage);
    for (Key& key : m_vKeys) {
        for (Entry& entry : key.m_vEntries) {
            const qsizetype iLine = qbaText.size();
            qbaText.append(Line(entry));
            entry.m_iLine = iLine;
        }
    }
    m_qbaText = std::move(qbaText);
    m_iGarbage = 0;
}
