// SPDX-License-Identifier: BSD-3-Clause
#include "CsmSessionManager.h"

#include "atomicfile_p.h"
#include "filelock_p.h"
#include "filereplacement_p.h"
#include "filestamp_p.h"

#include <QFile>
#include <QHash>

#include <vector>

#include <algorithm>
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

// An entry's "name=content" line as a place in the store's text.
struct Entry
{
    qsizetype m_iLine;
    int m_iNameLength;
    int m_iContentLength;
    // Set since the store last read or wrote its file.
    bool m_bChanged = false;
};

struct Key
{
    QByteArray m_qbaName; // the file's bytes
    // Added since the store last read or wrote its file.
    bool m_bAdded = false;
    std::vector<Entry> m_vEntries;
    // Open-addressing table of entry positions + 1 (0: free), built on the
    // first lookup in a long list; each name's first entry only.
    std::vector<int> m_vIndex;
};

// FNV-1a over the bytes of a name.
size_t HashBytes(QByteArrayView p_qbavBytes)
{
    size_t iHash = 1469598103934665603ULL;
    for (char c : p_qbavBytes)
        iHash = (iHash ^ uchar(c)) * 1099511628211ULL;
    return iHash;
}

// A name given by the caller, compared with the stored bytes without being
// encoded on every lookup: plain ASCII is compared and hashed character by
// character (its bytes are its characters); other text is encoded once.
class Name
{
public:
    explicit Name(const QString& p_qstrName)
        : m_qstrName(p_qstrName)
    {
        for (QChar qc : p_qstrName) {
            if (qc.unicode() >= 0x80) {
                m_qbaBytes = p_qstrName.toUtf8();
                m_bAscii = false;
                break;
            }
        }
    }
    bool Equals(QByteArrayView p_qbavBytes) const
    {
        if (!m_bAscii)
            return p_qbavBytes == m_qbaBytes;
        if (p_qbavBytes.size() != m_qstrName.size())
            return false;
        const QChar* pChars = m_qstrName.constData();
        for (qsizetype i = 0; i < p_qbavBytes.size(); ++i) {
            if (pChars[i].unicode() != uchar(p_qbavBytes[i]))
                return false;
        }
        return true;
    }
    size_t Hash() const
    {
        if (!m_bAscii)
            return HashBytes(m_qbaBytes);
        size_t iHash = 1469598103934665603ULL;
        for (QChar qc : m_qstrName)
            iHash = (iHash ^ qc.unicode()) * 1099511628211ULL;
        return iHash;
    }
    QByteArray Bytes() const { return m_bAscii ? m_qstrName.toLatin1() : m_qbaBytes; }

private:
    const QString& m_qstrName;
    QByteArray m_qbaBytes;
    bool m_bAscii = true;
};
}

// The store's content: every entry line as the file's bytes (what was read,
// and behind it what was set since), and the keys with their entries as
// places in that text.
class CsmSessionManagerPrivate
{
public:
    Key* FindKey(const QString& p_qstrKey);
    int FindEntry(Key& p_key, const Name& p_name);
    const Entry* Find(const QString& p_qstrKey, const QString& p_qstrName);
    bool SetBytes(const QString& p_qstrKey, const QString& p_qstrName, QByteArrayView p_qbavContent);
    void SetBytes(Key& p_key, const QString& p_qstrName, QByteArrayView p_qbavContent);
    void Index(Key& p_key, int p_iEntry);
    void Rebuild(Key& p_key);
    QByteArrayView NameOf(const Entry& p_entry) const;
    QByteArrayView ContentOf(const Entry& p_entry) const;
    QByteArrayView LineOf(const Entry& p_entry) const;
    // Appends a "name=content" line; returns where it starts.
    qsizetype AppendLine(QByteArrayView p_qbavName, QByteArrayView p_qbavContent);
    // Drops the bytes of replaced contents.
    void Compact();
    void AddKey(const QByteArray& p_qbaName);
    // Sets what this store set and adds what it added since it last read or
    // wrote its file, on top of the other store's content.
    void ChangesOnto(CsmSessionManagerPrivate& p_other) const;
    // The store holds what its file holds from now on.
    void Synchronized(const QString& p_qstrFile, const FileStamp& p_stamp);

    QByteArray m_qbaText;
    qsizetype m_iGarbage = 0;
    std::vector<Key> m_vKeys;
    // Keys by their names as text; of names that read alike the first.
    QHash<QString, int> m_qhKeys;
    QString m_qstrFileName;
    // The file that the store last read or wrote (at the end of its links),
    // and its stamp then.
    QString m_qstrShared;
    FileStamp m_stamp;
};

CsmSessionManager::CsmSessionManager()
    : d(new CsmSessionManagerPrivate)
{ }

CsmSessionManager::~CsmSessionManager() = default;

CsmSessionManager::CsmSessionManager(const CsmSessionManager& p_other)
    : d(new CsmSessionManagerPrivate(*p_other.d))
{ }

CsmSessionManager& CsmSessionManager::operator=(const CsmSessionManager& p_other)
{
    *d = *p_other.d;
    return *this;
}

bool CsmSessionManager::Load(QString p_qstrFileName)
{
    // Taken before reading: a file replaced meanwhile is read again at the
    // next save, never missed.
    const FileStamp stamp = FileStamp::Of(p_qstrFileName);
    QFile qfFile(p_qstrFileName);
    if (!qfFile.exists()) {
        // A file that another writer makes meanwhile is not replaced by
        // this store's first save, but gets its content on top.
        d->m_qstrShared = FileReplacement::Target(p_qstrFileName);
        d->m_stamp = stamp;
        return false;
    }
    if (!qfFile.open(QIODevice::ReadOnly))
        return false;
    QByteArray qbaText = qfFile.readAll();
    if (qfFile.error() != QFileDevice::NoError)
        return false;

    CsmSessionManagerPrivate loaded;
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
                        if (it == qhKeys.cend()) {
                            qhKeys.insert(qbaName, int(loaded.m_vKeys.size()));
                            loaded.AddKey(qbaName);
                        }
                        pCurrent = &loaded.m_vKeys[size_t(qhKeys.value(qbaName))];
                    }
                }
            } else if (pCurrent && iLength <= std::numeric_limits<int>::max()) {
                if (const auto* pEqual = static_cast<const char*>(std::memchr(pLine, '=', iLength)))
                    pCurrent->m_vEntries.push_back({pLine - pData, int(pEqual - pLine), int(pLineEnd - pEqual - 1)});
            }
        }
        pLine = pNext;
    }

    loaded.m_qbaText = std::move(qbaText);
    loaded.m_qstrFileName = d->m_qstrFileName;
    loaded.Synchronized(p_qstrFileName, stamp);
    *d = std::move(loaded);
    return true;
}

bool CsmSessionManager::Save()
{
    return !d->m_qstrFileName.isEmpty() && SaveAs(d->m_qstrFileName);
}

bool CsmSessionManager::SaveAs(QString p_qstrFileName)
{
    FileLock lock(p_qstrFileName);
    if (!lock.Lock())
        return false;
    // Another writer's save since this store read or wrote the file is
    // kept: its content, with this store's changes on top.
    if (FileReplacement::Target(p_qstrFileName) == d->m_qstrShared && FileStamp::Of(p_qstrFileName) != d->m_stamp
        && QFile::exists(p_qstrFileName)) {
        CsmSessionManager now;
        if (!now.Load(p_qstrFileName))
            return false;
        d->ChangesOnto(*now.d);
        now.d->m_qstrFileName = d->m_qstrFileName;
        *d = std::move(*now.d);
    }

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
    for (const Key& key : d->m_vKeys) {
        // A name with a "]" in it is written after "][": a line whose "]"
        // comes before its "[" names the key with everything after the "[".
        qbaPiece += key.m_qbaName.contains(']') ? "][" + key.m_qbaName + '\n' : '[' + key.m_qbaName + "]\n";
        for (const Entry& entry : key.m_vEntries) {
            qbaPiece += d->LineOf(entry);
            qbaPiece += '\n';
            if (qbaPiece.size() >= PieceSize && !flush())
                return false; // the temporary file goes with `file`
        }
        qbaPiece += '\n';
    }
    flush();
    if (!file.Commit())
        return false;
    d->Synchronized(p_qstrFileName, FileStamp::Of(p_qstrFileName));
    return true;
}

void CsmSessionManager::SetFileName(QString p_qstrFileName)
{
    d->m_qstrFileName = std::move(p_qstrFileName);
}

QString CsmSessionManager::GetFileName() const
{
    return d->m_qstrFileName;
}

bool CsmSessionManager::AddKey(QString p_qstrKey)
{
    if (p_qstrKey.isEmpty() || !Storable(p_qstrKey, "\n\r"))
        return false;
    if (!d->FindKey(p_qstrKey)) {
        d->AddKey(p_qstrKey.toUtf8());
        d->m_vKeys.back().m_bAdded = true;
    }
    return true;
}

bool CsmSessionManager::IsKey(QString p_qstrKey) const
{
    return d->FindKey(p_qstrKey);
}

bool CsmSessionManager::SetString(QString p_qstrKey, QString p_qstrName, QString p_qstrValue)
{
    return Storable(p_qstrValue, "\n\r[") && d->SetBytes(p_qstrKey, p_qstrName, p_qstrValue.toUtf8());
}

bool CsmSessionManager::SetInteger(QString p_qstrKey, QString p_qstrName, int p_iValue)
{
    return d->SetBytes(p_qstrKey, p_qstrName, QByteArray::number(p_iValue));
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
    return d->SetBytes(p_qstrKey, p_qstrName, QByteArray::number(iValue));
}

QString CsmSessionManager::GetString(QString p_qstrKey, QString p_qstrName, QString p_qstrDefault) const
{
    const Entry* pEntry = d->Find(p_qstrKey, p_qstrName);
    return pEntry ? QString::fromUtf8(d->ContentOf(*pEntry)) : p_qstrDefault;
}

int CsmSessionManager::GetInteger(QString p_qstrKey, QString p_qstrName, int p_iDefault) const
{
    const Entry* pEntry = d->Find(p_qstrKey, p_qstrName);
    if (!pEntry)
        return p_iDefault;
    bool bOk = false;
    const int iValue = d->ContentOf(*pEntry).trimmed().toInt(&bOk, 10);
    return bOk ? iValue : 0;
}

float CsmSessionManager::GetFloat(QString p_qstrKey, QString p_qstrName, float p_fDefault) const
{
    const Entry* pEntry = d->Find(p_qstrKey, p_qstrName);
    if (!pEntry)
        return p_fDefault;
    return float(LeadingNumber(d->ContentOf(*pEntry)) / 1000.0);
}

Key* CsmSessionManagerPrivate::FindKey(const QString& p_qstrKey)
{
    const auto it = m_qhKeys.constFind(p_qstrKey);
    return it == m_qhKeys.cend() ? nullptr : &m_vKeys[size_t(*it)];
}

void CsmSessionManagerPrivate::AddKey(const QByteArray& p_qbaName)
{
    const QString qstrName = QString::fromUtf8(p_qbaName);
    if (!m_qhKeys.contains(qstrName)) // of names that read alike the first is found
        m_qhKeys.insert(qstrName, int(m_vKeys.size()));
    m_vKeys.emplace_back().m_qbaName = p_qbaName;
}

bool CsmSessionManagerPrivate::SetBytes(const QString& p_qstrKey, const QString& p_qstrName,
                                        QByteArrayView p_qbavContent)
{
    Key* pKey = FindKey(p_qstrKey);
    if (!pKey || !Storable(p_qstrName, "\n\r[="))
        return false;
    SetBytes(*pKey, p_qstrName, p_qbavContent);
    return true;
}

void CsmSessionManagerPrivate::SetBytes(Key& p_key, const QString& p_qstrName, QByteArrayView p_qbavContent)
{
    const Name name(p_qstrName);
    const int iEntry = FindEntry(p_key, name);
    if (iEntry < 0) {
        const QByteArray qbaName = name.Bytes();
        p_key.m_vEntries.push_back(
            {AppendLine(qbaName, p_qbavContent), int(qbaName.size()), int(p_qbavContent.size()), true});
        Index(p_key, int(p_key.m_vEntries.size()) - 1);
        return;
    }
    Entry& entry = p_key.m_vEntries[size_t(iEntry)];
    entry.m_bChanged = true;
    if (p_qbavContent.size() <= entry.m_iContentLength) {
        // Each entry has a line of its own: a content that fits is written over the old one.
        std::copy(p_qbavContent.begin(), p_qbavContent.end(),
                  m_qbaText.data() + entry.m_iLine + entry.m_iNameLength + 1);
        m_iGarbage += entry.m_iContentLength - p_qbavContent.size();
    } else {
        m_iGarbage += LineOf(entry).size();
        entry.m_iLine = AppendLine(NameOf(entry).toByteArray(), p_qbavContent);
    }
    entry.m_iContentLength = int(p_qbavContent.size());
    if (m_iGarbage > 4096 && m_iGarbage > m_qbaText.size() / 2)
        Compact();
}

void CsmSessionManagerPrivate::ChangesOnto(CsmSessionManagerPrivate& p_other) const
{
    // Keys by their bytes: names that read alike stay apart.
    QHash<QByteArray, int> qhOther;
    for (size_t i = 0; i < p_other.m_vKeys.size(); ++i)
        qhOther.insert(p_other.m_vKeys[i].m_qbaName, int(i));
    for (const Key& key : m_vKeys) {
        const auto changed = [](const Entry& p_entry) { return p_entry.m_bChanged; };
        if (!key.m_bAdded && std::none_of(key.m_vEntries.cbegin(), key.m_vEntries.cend(), changed))
            continue;
        if (!qhOther.contains(key.m_qbaName)) {
            qhOther.insert(key.m_qbaName, int(p_other.m_vKeys.size()));
            p_other.AddKey(key.m_qbaName);
        }
        Key& other = p_other.m_vKeys[size_t(qhOther.value(key.m_qbaName))];
        other.m_bAdded = other.m_bAdded || key.m_bAdded;
        // Names set through the store are text, so their bytes are UTF-8.
        for (const Entry& entry : key.m_vEntries) {
            if (entry.m_bChanged)
                p_other.SetBytes(other, QString::fromUtf8(NameOf(entry)), ContentOf(entry));
        }
    }
}

void CsmSessionManagerPrivate::Synchronized(const QString& p_qstrFile, const FileStamp& p_stamp)
{
    m_qstrShared = FileReplacement::Target(p_qstrFile);
    m_stamp = p_stamp;
    for (Key& key : m_vKeys) {
        key.m_bAdded = false;
        for (Entry& entry : key.m_vEntries)
            entry.m_bChanged = false;
    }
}

const Entry* CsmSessionManagerPrivate::Find(const QString& p_qstrKey, const QString& p_qstrName)
{
    Key* pKey = FindKey(p_qstrKey);
    if (!pKey)
        return nullptr;
    const int iEntry = FindEntry(*pKey, Name(p_qstrName));
    return iEntry < 0 ? nullptr : &pKey->m_vEntries[size_t(iEntry)];
}

int CsmSessionManagerPrivate::FindEntry(Key& p_key, const Name& p_name)
{
    const std::vector<Entry>& vEntries = p_key.m_vEntries;
    if (vEntries.size() <= LinearSearchLimit) {
        for (size_t i = 0; i < vEntries.size(); ++i) {
            if (p_name.Equals(NameOf(vEntries[i])))
                return int(i);
        }
        return -1;
    }
    if (p_key.m_vIndex.empty())
        Rebuild(p_key);
    const size_t iMask = p_key.m_vIndex.size() - 1;
    for (size_t iSlot = p_name.Hash() & iMask;; iSlot = (iSlot + 1) & iMask) {
        const int iEntry = p_key.m_vIndex[iSlot] - 1;
        if (iEntry < 0)
            return -1;
        if (p_name.Equals(NameOf(vEntries[size_t(iEntry)])))
            return iEntry;
    }
}

void CsmSessionManagerPrivate::Index(Key& p_key, int p_iEntry)
{
    if (p_key.m_vIndex.empty())
        return; // built on the first lookup
    if (p_key.m_vEntries.size() * 2 > p_key.m_vIndex.size()) {
        Rebuild(p_key);
        return;
    }
    const QByteArrayView qbavName = NameOf(p_key.m_vEntries[size_t(p_iEntry)]);
    const size_t iMask = p_key.m_vIndex.size() - 1;
    for (size_t iSlot = HashBytes(qbavName) & iMask;; iSlot = (iSlot + 1) & iMask) {
        int& iTaken = p_key.m_vIndex[iSlot];
        if (iTaken == 0) {
            iTaken = p_iEntry + 1;
            return;
        }
        if (NameOf(p_key.m_vEntries[size_t(iTaken - 1)]) == qbavName)
            return; // the first entry of that name stays the one found
    }
}

void CsmSessionManagerPrivate::Rebuild(Key& p_key)
{
    size_t iSize = 64;
    while (iSize < p_key.m_vEntries.size() * 4)
        iSize *= 2;
    p_key.m_vIndex.assign(iSize, 0);
    for (size_t i = 0; i < p_key.m_vEntries.size(); ++i)
        Index(p_key, int(i));
}

QByteArrayView CsmSessionManagerPrivate::NameOf(const Entry& p_entry) const
{
    return QByteArrayView(m_qbaText.constData() + p_entry.m_iLine, p_entry.m_iNameLength);
}

QByteArrayView CsmSessionManagerPrivate::ContentOf(const Entry& p_entry) const
{
    return QByteArrayView(m_qbaText.constData() + p_entry.m_iLine + p_entry.m_iNameLength + 1,
                          p_entry.m_iContentLength);
}

QByteArrayView CsmSessionManagerPrivate::LineOf(const Entry& p_entry) const
{
    return QByteArrayView(m_qbaText.constData() + p_entry.m_iLine,
                          qsizetype(p_entry.m_iNameLength) + 1 + p_entry.m_iContentLength);
}

qsizetype CsmSessionManagerPrivate::AppendLine(QByteArrayView p_qbavName, QByteArrayView p_qbavContent)
{
    const qsizetype iLine = m_qbaText.size();
    m_qbaText.append(p_qbavName);
    m_qbaText.append('=');
    m_qbaText.append(p_qbavContent);
    return iLine;
}

void CsmSessionManagerPrivate::Compact()
{
    QByteArray qbaText;
    qbaText.reserve(m_qbaText.size() - m_iGarbage);
    for (Key& key : m_vKeys) {
        for (Entry& entry : key.m_vEntries) {
            const qsizetype iLine = qbaText.size();
            qbaText.append(LineOf(entry));
            entry.m_iLine = iLine;
        }
    }
    m_qbaText = std::move(qbaText);
    m_iGarbage = 0;
}
