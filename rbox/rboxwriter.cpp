// SPDX-License-Identifier: BSD-3-Clause
#include "rboxfile_p.h"

#include "filereplacement_p.h"
#include "lentconnection_p.h"
#include "tablechecksum_p.h"

#include <QStringEncoder>

#include <cstring>
#include <optional>

using namespace SqliteCalls;

bool RboxFile::Write(const QString& p_qstrFileName, const RboxTables& p_tables)
{
    Writer writer(p_qstrFileName);
    std::vector<QString> vValues;
    for (const auto& [iTable, table] : p_tables) {
        writer.BeginTable(iTable, table.m_qlColumns);
        vValues.resize(size_t(table.m_qlColumns.size()));
        for (const CrboDataSet& dataSet : table.m_dqDataSets) {
            for (size_t iColumn = 0; iColumn < vValues.size(); ++iColumn) {
                const CrboDataSetItem* pItem = dataSet.GetItem(table.m_qlColumns[qsizetype(iColumn)].m_qstrName);
                vValues[iColumn] = pItem ? pItem->GetString() : QString();
                if (pItem && vValues[iColumn].isNull())
                    vValues[iColumn] = QStringLiteral(""); // an item, if of no text
            }
            writer.AddRow(vValues.data(), qsizetype(vValues.size()));
        }
        writer.EndTable();
    }
    return writer.Finish();
}

class RboxFile::Writer::Private
{
public:
    std::unique_ptr<FileReplacement> m_pReplacement;
    // Declared before the statements: they go first.
    std::unique_ptr<LentConnection> m_pConnection;
    Stmt m_tableInsert;
    Stmt m_columnInsert;
    Stmt m_checksumInsert;
    Stmt m_rowInsert;
    int m_iTable = 0;
    int m_iColumns = 0;
    qint64 m_iRows = 0;
    std::optional<TableChecksum> m_checksum;
    QStringEncoder m_encoder {QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    RowBatch m_filling;
    bool m_bFailed = false;
    // Set by the second thread, read once it has ended.
    bool m_bLentFailed = false;

    // Writes the text as UTF-8 at the place, which has room for three bytes
    // a character, and gives the end. Plain ASCII, the usual case, is copied
    // four characters at a time.
    char* AppendUtf8(char* p_pOut, const QString& p_qstrText)
    {
        const char16_t* pIn = reinterpret_cast<const char16_t*>(p_qstrText.constData());
        const qsizetype iSize = p_qstrText.size();
        qsizetype i = 0;
        for (quint64 iChunk; i + 4 <= iSize; i += 4, p_pOut += 4) {
            std::memcpy(&iChunk, pIn + i, sizeof(iChunk));
            if (iChunk & 0xFF80FF80FF80FF80ULL)
                break;
            p_pOut[0] = char(iChunk);
            p_pOut[1] = char(iChunk >> 16);
            p_pOut[2] = char(iChunk >> 32);
            p_pOut[3] = char(iChunk >> 48);
        }
        for (; i < iSize && pIn[i] < 0x80; ++i)
            *p_pOut++ = char(pIn[i]);
        return i < iSize ? m_encoder.appendToBuffer(p_pOut, QStringView(pIn + i, iSize - i)) : p_pOut;
    }

    // The caller's own statements: the connection is taken back first.
    bool Step(sqlite3_stmt* p_pStmt)
    {
        m_pConnection->Get();
        m_bFailed = m_bFailed || m_bLentFailed || !StepOnce(p_pStmt);
        return !m_bFailed;
    }

    // Runs on whichever thread has the connection; touches nothing but the
    // batch and the row statement.
    bool Write(const RowBatch& p_batch) const
    {
        sqlite3_stmt* pRowInsert = m_rowInsert.get();
        const char* pValue = p_batch.Bytes();
        const int* pLength = p_batch.m_vLengths.data();
        for (qint64 iRow = 0; iRow < p_batch.m_iRows; ++iRow) {
            sqlite3_bind_int64(pRowInsert, 1, p_batch.m_iFirstId + iRow);
            for (int iColumn = 0; iColumn < m_iColumns; ++iColumn, ++pLength) {
                if (*pLength < 0) {
                    sqlite3_bind_null(pRowInsert, iColumn + 2);
                    continue;
                }
                sqlite3_bind_text(pRowInsert, iColumn + 2, pValue, *pLength, SQLITE_STATIC);
                pValue += *pLength;
            }
            if (!StepOnce(pRowInsert))
                return false;
        }
        return true;
    }

    // Hands the full batch to the second thread, which is lent the
    // connection on the first one; without one, it is written here.
    void HandOver()
    {
        m_checksum->Add(m_filling);
        if (!m_pConnection->Relay()) {
            m_pConnection->Lend([this](sqlite3*, BatchRelay& p_relay) {
                RowBatch batch;
                while (p_relay.Receive(batch)) {
                    if (!Write(batch)) {
                        m_bLentFailed = true;
                        p_relay.Stop();
                    }
                }
            });
        }
        BatchRelay* pRelay = m_pConnection->Relay();
        m_bFailed = pRelay ? !pRelay->Send(m_filling) : !Write(m_filling);
        m_filling.Restart(m_iRows);
    }

    // Writes every row collected so far; the connection is the caller's
    // again.
    void Drain()
    {
        m_pConnection->Get();
        m_bFailed = m_bFailed || m_bLentFailed;
        if (!m_bFailed && m_filling.m_iRows > 0) {
            m_checksum->Add(m_filling);
            m_bFailed = !Write(m_filling);
        }
        m_filling.Restart(m_iRows);
    }
};

RboxFile::Writer::Writer(const QString& p_qstrFileName)
    : d(new Private)
{
    d->m_pReplacement = std::make_unique<FileReplacement>(p_qstrFileName);
    // SQLite takes the empty temporary file for a new database.
    d->m_pConnection = std::make_unique<LentConnection>(
        d->m_pReplacement->IsOpen() ? Open(d->m_pReplacement->TemporaryName(), SQLITE_OPEN_READWRITE) : Db());
    sqlite3* pDb = d->m_pConnection->Get();
    // A fresh file that replaces the old one only when complete needs no
    // journal; synchronous mode still flushes it to disk at commit.
    d->m_bFailed = !pDb
        || !Exec(pDb,
                 "PRAGMA journal_mode=OFF; PRAGMA synchronous=FULL; PRAGMA locking_mode=EXCLUSIVE;"
                 " PRAGMA page_size=16384; PRAGMA cache_size=-65536;")
        || !Exec(pDb,
                 "BEGIN; PRAGMA application_id=" + QByteArray::number(ApplicationId)
                     + "; PRAGMA user_version=" + QByteArray::number(SchemaVersion)
                     + "; CREATE TABLE rbox_tables (tbl INTEGER PRIMARY KEY, datasets INTEGER NOT NULL);"
                       " CREATE TABLE rbox_columns (tbl INTEGER NOT NULL, position INTEGER NOT NULL,"
                       " name TEXT NOT NULL, type INTEGER NOT NULL, PRIMARY KEY (tbl, position),"
                       " UNIQUE (tbl, name)) WITHOUT ROWID;"
                       " CREATE TABLE rbox_checksums (tbl INTEGER PRIMARY KEY, checksum INTEGER NOT NULL);")
        || !(d->m_tableInsert = Prepare(pDb, "INSERT INTO rbox_tables VALUES (?, ?)"))
        || !(d->m_columnInsert = Prepare(pDb, "INSERT INTO rbox_columns VALUES (?, ?, ?, ?)"))
        || !(d->m_checksumInsert = Prepare(pDb, "INSERT INTO rbox_checksums VALUES (?, ?)"));
}

RboxFile::Writer::~Writer()
{
    // The rows under way are dropped; SQLite lets go of the temporary file
    // before it is removed.
    d->m_pConnection->TakeBack(false);
}

void RboxFile::Writer::BeginTable(int p_iTable, const QList<RboxColumn>& p_qlColumns)
{
    d->Drain();
    if (d->m_bFailed)
        return;
    d->m_iTable = p_iTable;
    d->m_iColumns = int(p_qlColumns.size());
    d->m_iRows = 0;
    d->m_filling.Restart(0);
    d->m_checksum.emplace(p_iTable, p_qlColumns);
    QByteArray qbaCreate = "CREATE TABLE " + DataTable(p_iTable) + " (id INTEGER PRIMARY KEY";
    QByteArray qbaInsert = "INSERT INTO " + DataTable(p_iTable) + " VALUES (?";
    sqlite3_stmt* pColumnInsert = d->m_columnInsert.get();
    for (int iColumn = 0; iColumn < d->m_iColumns; ++iColumn) {
        const QByteArray qbaName = p_qlColumns[iColumn].m_qstrName.toUtf8();
        sqlite3_bind_int(pColumnInsert, 1, p_iTable);
        sqlite3_bind_int(pColumnInsert, 2, iColumn + 1);
        sqlite3_bind_text(pColumnInsert, 3, qbaName.constData(), int(qbaName.size()), SQLITE_STATIC);
        sqlite3_bind_int(pColumnInsert, 4, p_qlColumns[iColumn].m_iType);
        if (!d->Step(pColumnInsert))
            return;
        qbaCreate += ", c" + QByteArray::number(iColumn + 1) + " TEXT";
        qbaInsert += ", ?";
    }
    d->m_rowInsert.reset();
    sqlite3* pDb = d->m_pConnection->Get();
    d->m_bFailed = !Exec(pDb, qbaCreate + ')') || !(d->m_rowInsert = Prepare(pDb, qbaInsert + ')'));
}

void RboxFile::Writer::AddRow(const QString* p_pValues, qsizetype p_iCount)
{
    if (d->m_bFailed)
        return;
    RowBatch& batch = d->m_filling;
    const int iValues = int(std::min<qsizetype>(p_iCount, d->m_iColumns));
    qsizetype iRoom = 0;
    for (int iColumn = 0; iColumn < iValues; ++iColumn)
        iRoom += d->m_encoder.requiredSpace(p_pValues[iColumn].size());
    char* const pStart = batch.Reserve(iRoom);
    char* pEnd = pStart;
    for (int iColumn = 0; iColumn < d->m_iColumns; ++iColumn) {
        if (iColumn >= iValues || p_pValues[iColumn].isNull()) {
            batch.m_vLengths.push_back(-1);
            continue;
        }
        char* const pValue = pEnd;
        pEnd = d->AppendUtf8(pEnd, p_pValues[iColumn]);
        batch.m_vLengths.push_back(int(pEnd - pValue));
    }
    batch.m_iUsed += pEnd - pStart;
    ++d->m_iRows;
    ++batch.m_iRows;
    if (batch.Full())
        d->HandOver();
}

void RboxFile::Writer::EndTable()
{
    d->Drain();
    if (d->m_bFailed)
        return;
    sqlite3_bind_int(d->m_tableInsert.get(), 1, d->m_iTable);
    sqlite3_bind_int64(d->m_tableInsert.get(), 2, d->m_iRows);
    sqlite3_bind_int(d->m_checksumInsert.get(), 1, d->m_iTable);
    sqlite3_bind_int64(d->m_checksumInsert.get(), 2, qint64(d->m_checksum->Sum(d->m_iRows)));
    if (d->Step(d->m_tableInsert.get()))
        d->Step(d->m_checksumInsert.get());
}

bool RboxFile::Writer::Finish()
{
    d->Drain();
    if (d->m_bFailed || !d->m_pConnection->IsOpen())
        return false;
    d->m_tableInsert.reset();
    d->m_columnInsert.reset();
    d->m_checksumInsert.reset();
    d->m_rowInsert.reset();
    // SQLite flushed the file at its commit (synchronous mode).
    d->m_bFailed
        = !Exec(d->m_pConnection->Get(), "COMMIT") || !d->m_pConnection->Close() || !d->m_pReplacement->Commit(true);
    return !d->m_bFailed;
}
