// SPDX-License-Identifier: BSD-3-Clause
#include "rboxfile_p.h"

#include "filereplacement_p.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace
{
struct DbCloser
{
    void operator()(sqlite3* p_pDb) const { sqlite3_close_v2(p_pDb); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;

struct StmtFinalizer
{
    void operator()(sqlite3_stmt* p_pStmt) const { sqlite3_finalize(p_pStmt); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

Db Open(const QByteArray& p_qbaPath, int p_iFlags)
{
    sqlite3* pDb = nullptr;
    const int iRc = sqlite3_open_v2(p_qbaPath.constData(), &pDb, p_iFlags | SQLITE_OPEN_NOMUTEX, nullptr);
    Db db(pDb);
    if (iRc != SQLITE_OK)
        db.reset();
    return db;
}

Stmt Prepare(sqlite3* p_pDb, const QByteArray& p_qbaSql)
{
    sqlite3_stmt* pStmt = nullptr;
    if (sqlite3_prepare_v2(p_pDb, p_qbaSql.constData(), int(p_qbaSql.size()), &pStmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(pStmt);
        return {};
    }
    return Stmt(pStmt);
}

bool Exec(sqlite3* p_pDb, const QByteArray& p_qbaSql)
{
    return sqlite3_exec(p_pDb, p_qbaSql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The single integer that a statement such as a PRAGMA gives.
bool QueryInt(sqlite3* p_pDb, const char* p_szSql, qint64& p_iValue)
{
    Stmt stmt = Prepare(p_pDb, p_szSql);
    if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW)
        return false;
    p_iValue = sqlite3_column_int64(stmt.get(), 0);
    return true;
}

// Runs a statement that gives no rows, ready to run again.
bool StepOnce(sqlite3_stmt* p_pStmt)
{
    const bool bDone = sqlite3_step(p_pStmt) == SQLITE_DONE;
    sqlite3_reset(p_pStmt);
    return bDone;
}

QByteArray DataTable(int p_iTable)
{
    return "\"rbox_data_" + QByteArray::number(p_iTable) + '"';
}

QString ColumnText(sqlite3_stmt* p_pStmt, int p_iColumn)
{
    const auto* pText = reinterpret_cast<const char*>(sqlite3_column_text(p_pStmt, p_iColumn));
    return QString::fromUtf8(pText, sqlite3_column_bytes(p_pStmt, p_iColumn));
}

bool ReadTables(sqlite3* p_pDb, RboxTables& p_tables, std::map<int, qint64>& p_expected)
{
    Stmt stmt = Prepare(p_pDb, "SELECT tbl, datasets FROM rbox_tables ORDER BY tbl");
    if (!stmt)
        return false;
    int iRc;
    while ((iRc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const int iTable = sqlite3_column_int(stmt.get(), 0);
        p_tables[iTable];
        p_expected[iTable] = sqlite3_column_int64(stmt.get(), 1);
    }
    return iRc == SQLITE_DONE;
}

bool ReadColumns(sqlite3* p_pDb, RboxTables& p_tables)
{
    Stmt stmt = Prepare(p_pDb, "SELECT tbl, position, name, type FROM rbox_columns ORDER BY tbl, position");
    if (!stmt)
        return false;
    int iRc;
    while ((iRc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const auto it = p_tables.find(sqlite3_column_int(stmt.get(), 0));
        if (it == p_tables.end())
            return false;
        RboxTable& table = it->second;
        const QString qstrName = ColumnText(stmt.get(), 2);
        if (sqlite3_column_int64(stmt.get(), 1) != table.m_qlColumns.size() + 1
            || table.m_qhColumnIndex.contains(qstrName))
            return false;
        table.m_qhColumnIndex.insert(qstrName, int(table.m_qlColumns.size()));
        table.m_qlColumns.append({qstrName, sqlite3_column_int(stmt.get(), 3)});
    }
    return iRc == SQLITE_DONE;
}

// Rows of a table as UTF-8, one value after the other, with each value's
// length (-1 for none). Tables of more than a batch are read and written
// with SQLite's work on a second thread: one thread fills batches while the
// other works on those handed over before, so that both go on at once.
struct RowBatch
{
    // A batch is full at so many rows, or sooner at so many bytes (a few
    // batches are held at once).
    static constexpr qint64 Rows = 4096;
    static constexpr qsizetype FullBytes = 1 << 20;

    std::vector<char> m_vBytes;
    qsizetype m_iUsed = 0;
    std::vector<int> m_vLengths;
    qint64 m_iFirstId = 0;
    qint64 m_iRows = 0;

    // Empties it, keeping its room, for the rows from that id on.
    void Restart(qint64 p_iFirstId)
    {
        m_iUsed = 0;
        m_vLengths.clear();
        m_iFirstId = p_iFirstId;
        m_iRows = 0;
    }
    bool Full() const { return m_iRows >= Rows || m_iUsed >= FullBytes; }
    // The values' bytes; never null, even when every value is empty (SQLite
    // and QString take a null pointer for no value at all).
    const char* Bytes() const { return m_vBytes.empty() ? "" : m_vBytes.data(); }
    // Room for that many more bytes at m_vBytes.data() + m_iUsed.
    char* Reserve(qsizetype p_iBytes)
    {
        if (qsizetype(m_vBytes.size()) < m_iUsed + p_iBytes)
            m_vBytes.resize(std::max(size_t(m_iUsed + p_iBytes), 2 * m_vBytes.size()));
        return m_vBytes.data() + m_iUsed;
    }
};

// A thread running the function beside the caller's, or none (not
// joinable) on a single CPU, where the two would only take turns, or when
// none can be started.
template <typename Function> std::thread Beside(Function&& p_fn)
{
    static const bool s_bSecondCpu = std::thread::hardware_concurrency() > 1;
    if (s_bSecondCpu) {
        try {
            return std::thread(std::forward<Function>(p_fn));
        } catch (const std::system_error&) { }
    }
    return std::thread();
}

// Hands batches from the thread that fills them to the one that works on
// them; at most two wait, and emptied batches go back to be filled again.
class BatchRelay
{
public:
    // Filling side: hands the batch over, waiting while two wait already, and
    // leaves an emptied one in its place. False once the relay is stopped.
    bool Send(RowBatch& p_batch)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting.size() < MostWaiting || m_bStopped; });
        if (m_bStopped)
            return false;
        m_waiting.push_back(std::move(p_batch));
        p_batch = RowBatch();
        if (!m_spare.empty()) {
            p_batch = std::move(m_spare.back());
            m_spare.pop_back();
        }
        lock.unlock();
        m_changed.notify_all();
        return true;
    }
    // Filling side: nothing more comes.
    void Close() { Set(m_bClosed); }
    // Working side: the next batch in place of the one given back; false
    // once the relay is closed and every batch taken, or stopped.
    bool Receive(RowBatch& p_batch)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_spare.push_back(std::move(p_batch));
        m_changed.wait(lock, [this] { return !m_waiting.empty() || m_bClosed || m_bStopped; });
        if (m_waiting.empty() || m_bStopped)
            return false;
        p_batch = std::move(m_waiting.front());
        m_waiting.pop_front();
        lock.unlock();
        m_changed.notify_all();
        return true;
    }
    // Either side: the other side's calls give false from now on.
    void Stop() { Set(m_bStopped); }

private:
    static constexpr size_t MostWaiting = 2;

    void Set(bool& p_bFlag)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            p_bFlag = true;
        }
        m_changed.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<RowBatch> m_waiting;
    std::vector<RowBatch> m_spare;
    bool m_bClosed = false;
    bool m_bStopped = false;
};

// The values of one column as texts. Values repeat down a column (types,
// parents, positions): a short value met a while before is shared rather
// than decoded and held once more. A column whose values hardly repeat stops
// looking.
class ColumnValues
{
public:
    QString Text(const char* p_pBytes, int p_iSize)
    {
        if (p_iSize > MaxShared || !m_bSharing)
            return QString::fromUtf8(p_pBytes, p_iSize);
        Slot& slot = m_aSlots[Hash(p_pBytes, p_iSize) % Slots];
        if (slot.m_iSize == p_iSize && std::memcmp(slot.m_acBytes, p_pBytes, size_t(p_iSize)) == 0) {
            ++m_iShared;
            return slot.m_qstrText;
        }
        slot.m_iSize = p_iSize;
        std::memcpy(slot.m_acBytes, p_pBytes, size_t(p_iSize));
        slot.m_qstrText = QString::fromUtf8(p_pBytes, p_iSize);
        if (++m_iDecoded == Trial && m_iShared < Trial / 4)
            m_bSharing = false;
        return slot.m_qstrText;
    }

private:
    static constexpr int MaxShared = 32;
    static constexpr size_t Slots = 61;
    static constexpr int Trial = 1024;

    struct Slot
    {
        int m_iSize = -1;
        char m_acBytes[MaxShared];
        QString m_qstrText;
    };

    // The size and the last (at most) eight bytes, mixed.
    static size_t Hash(const char* p_pBytes, int p_iSize)
    {
        quint64 iTail = 0;
        if (p_iSize >= 8) {
            std::memcpy(&iTail, p_pBytes + p_iSize - 8, 8);
        } else {
            for (int i = 0; i < p_iSize; ++i)
                iTail = iTail << 8 | uchar(p_pBytes[i]);
        }
        return size_t((iTail * 0x9E3779B97F4A7C15ULL) >> 20 ^ quint64(p_iSize));
    }

    Slot m_aSlots[Slots];
    int m_iShared = 0;
    int m_iDecoded = 0;
    bool m_bSharing = true;
};
}

// A table's rows as SQLite steps through them, checked to come numbered
// and counted as written.
class RowStream
{
public:
    RowStream(sqlite3_stmt* p_pStmt, int p_iColumns, qint64 p_iExpected)
        : m_pStmt(p_pStmt)
        , m_iColumns(p_iColumns)
        , m_iExpected(p_iExpected)
    { }

    // Fills the batch with the next rows; false once the table has ended or
    // a fault was found (the batch then holds the rows before it).
    bool Fill(RowBatch& p_batch)
    {
        p_batch.Restart(m_iId);
        while (!p_batch.Full()) {
            const int iRc = sqlite3_step(m_pStmt);
            if (iRc != SQLITE_ROW) {
                m_bComplete = iRc == SQLITE_DONE && m_iId == m_iExpected;
                return false;
            }
            if (sqlite3_column_int64(m_pStmt, 0) != m_iId || m_iId >= m_iExpected)
                return false;
            for (int iColumn = 1; iColumn <= m_iColumns; ++iColumn) {
                const auto* pText = reinterpret_cast<const char*>(sqlite3_column_text(m_pStmt, iColumn));
                if (!pText && sqlite3_column_type(m_pStmt, iColumn) == SQLITE_NULL) {
                    p_batch.m_vLengths.push_back(-1);
                    continue;
                }
                const int iBytes = sqlite3_column_bytes(m_pStmt, iColumn);
                if (iBytes > 0)
                    std::memcpy(p_batch.Reserve(iBytes), pText, size_t(iBytes));
                p_batch.m_iUsed += iBytes;
                p_batch.m_vLengths.push_back(iBytes);
            }
            ++m_iId;
            ++p_batch.m_iRows;
        }
        return true;
    }
    // Whether every row was read and all were in order.
    bool Complete() const { return m_bComplete; }

private:
    sqlite3_stmt* m_pStmt;
    int m_iColumns;
    qint64 m_iExpected;
    qint64 m_iId = 0;
    bool m_bComplete = false;
};

// Reads the rows of a table's data sets, and keeps them as data sets.
class RboxFileReader
{
public:
    // Hands each row on, in order, with its values by column position (null
    // where the data set has none); the one list is refilled for the next.
    // The rows read before a fault are handed on.
    static bool ReadRows(sqlite3* p_pDb, int p_iTable, const RboxTable& p_table, qint64 p_iExpected,
                         const std::function<void(int, QList<QString>&)>& p_fnRow)
    {
        Stmt stmt = Prepare(p_pDb, "SELECT * FROM " + DataTable(p_iTable) + " ORDER BY id");
        const int iColumns = int(p_table.m_qlColumns.size());
        if (!stmt || sqlite3_column_count(stmt.get()) != iColumns + 1)
            return false;
        RowStream rows {stmt.get(), iColumns, p_iExpected};
        std::vector<ColumnValues> vValues(static_cast<size_t>(iColumns));
        QList<QString> qlValues(iColumns);
        const auto HandOn = [&](const RowBatch& p_batch) {
            const char* pValue = p_batch.Bytes();
            const int* pLength = p_batch.m_vLengths.data();
            for (qint64 iRow = 0; iRow < p_batch.m_iRows; ++iRow) {
                QString* pValues = qlValues.data();
                for (int iColumn = 0; iColumn < iColumns; ++iColumn, ++pLength) {
                    pValues[iColumn] = *pLength < 0 ? QString() : vValues[size_t(iColumn)].Text(pValue, *pLength);
                    pValue += std::max(*pLength, 0);
                }
                p_fnRow(int(p_batch.m_iFirstId + iRow), qlValues);
            }
        };

        // A table of several batches is read by SQLite on a second thread
        // while its rows are handed on here (for fewer, waiting for the
        // first batch costs more than the overlap gains).
        RowBatch batch;
        if (p_iExpected > 4 * RowBatch::Rows) {
            BatchRelay relay;
            std::thread reader = Beside([&] {
                RowBatch filling;
                bool bMore;
                do
                    bMore = rows.Fill(filling);
                while (relay.Send(filling) && bMore);
                relay.Close();
            });
            if (reader.joinable()) {
                {
                    // Also when a caller's function throws.
                    const auto join = qScopeGuard([&] {
                        relay.Stop();
                        reader.join();
                    });
                    while (relay.Receive(batch))
                        HandOn(batch);
                }
                return rows.Complete();
            }
        }
        for (bool bMore = true; bMore;) {
            bMore = rows.Fill(batch);
            HandOn(batch);
        }
        return rows.Complete();
    }

    // Appends the row as a data set of the table, with an item for each value
    // (the columns are known to be distinct, so none is looked up first).
    static void Keep(RboxTable& p_table, int p_iId, QList<QString>& p_qlValues)
    {
        QList<CrboDataSetItem>& qlItems = p_table.m_dqDataSets.emplace_back(p_iId).m_qlItems;
        qlItems.reserve(p_qlValues.size());
        for (int iColumn = 0; iColumn < p_qlValues.size(); ++iColumn) {
            if (!p_qlValues[iColumn].isNull())
                qlItems.append(
                    CrboDataSetItem(p_table.m_qlColumns[iColumn].m_qstrName, std::move(p_qlValues[iColumn])));
        }
    }
};

bool RboxFile::Read(const QString& p_qstrFileName, RboxTables& p_tables)
{
    p_tables.clear();
    RboxTables tables;
    if (!Read(p_qstrFileName, tables, [&tables](int p_iTable, int p_iId, QList<QString>& p_qlValues) {
            RboxFileReader::Keep(tables[p_iTable], p_iId, p_qlValues);
        }))
        return false;
    p_tables = std::move(tables);
    return true;
}

bool RboxFile::Read(const QString& p_qstrFileName, RboxTables& p_tables,
                    const std::function<void(int, int, QList<QString>&)>& p_fnRow)
{
    if (!QFileInfo(p_qstrFileName).isFile())
        return false;
    // Reading never writes: as an immutable file, SQLite neither takes locks
    // nor creates journals or the files of write-ahead logging beside it,
    // whatever the file's header asks for.
    const QByteArray qbaUri
        = QUrl::fromLocalFile(QFileInfo(p_qstrFileName).absoluteFilePath()).toEncoded() + "?mode=ro&immutable=1";
    Db db = Open(qbaUri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    if (!db)
        return false;
    sqlite3* pDb = db.get();

    // Every page that holds the tables is read below, and SQLite refuses a
    // damaged one as it goes; rows must come numbered and counted as written.
    qint64 iApplicationId = 0;
    qint64 iVersion = 0;
    if (!QueryInt(pDb, "PRAGMA application_id", iApplicationId) || iApplicationId != ApplicationId
        || !QueryInt(pDb, "PRAGMA user_version", iVersion) || iVersion != SchemaVersion)
        return false;

    std::map<int, qint64> expected;
    if (!ReadTables(pDb, p_tables, expected) || !ReadColumns(pDb, p_tables))
        return false;
    for (const auto& [iKey, table] : p_tables) {
        const int iTable = iKey;
        if (!RboxFileReader::ReadRows(pDb, iTable, table, expected[iTable], [&](int p_iId, QList<QString>& p_qlValues) {
                p_fnRow(iTable, p_iId, p_qlValues);
            }))
            return false;
    }
    return true;
}

bool RboxFile::Write(const QString& p_qstrFileName, const RboxTables& p_tables)
{
    Writer writer(p_qstrFileName);
    std::vector<QString> vValues;
    for (const auto& [iTable, table] : p_tables) {
        writer.BeginTable(iTable, table.m_qlColumns);
        vValues.resize(size_t(table.m_qlColumns.size()));
        for (const CrboDataSet& dataSet : table.m_dqDataSets) {
            for (size_t iColumn = 0; iColumn < vValues.size(); ++iColumn) {
                const CrboDataSetItem* pItem
                    = const_cast<CrboDataSet&>(dataSet).GetItem(table.m_qlColumns[qsizetype(iColumn)].m_qstrName);
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
    Db m_db;
    Stmt m_tableInsert;
    Stmt m_columnInsert;
    Stmt m_rowInsert;
    int m_iTable = 0;
    int m_iColumns = 0;
    qint64 m_iRows = 0;
    QStringEncoder m_encoder {QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    RowBatch m_filling;
    bool m_bFailed = false;
    // The second thread and what it is handed; it writes only rows, and the
    // caller uses the connection only while there is none.
    std::unique_ptr<BatchRelay> m_pRelay;
    std::thread m_helper;
    bool m_bHelperFailed = false;

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

    bool Step(sqlite3_stmt* p_pStmt)
    {
        const bool bDone = StepOnce(p_pStmt);
        m_bFailed = m_bFailed || !bDone;
        return bDone;
    }

    // Runs on either thread; touches nothing but the batch and the row statement.
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

    // Hands the full batch to the second thread, which is started on the
    // first one; without one, it is written here.
    void HandOver()
    {
        if (!m_helper.joinable()) {
            auto pRelay = std::make_unique<BatchRelay>();
            m_helper = Beside([this, pRelay = pRelay.get()] {
                RowBatch batch;
                while (pRelay->Receive(batch)) {
                    if (!Write(batch)) {
                        m_bHelperFailed = true;
                        pRelay->Stop();
                    }
                }
            });
            if (m_helper.joinable())
                m_pRelay = std::move(pRelay);
        }
        m_bFailed = m_helper.joinable() ? !m_pRelay->Send(m_filling) : !Write(m_filling);
        m_filling.Restart(m_iRows);
    }

    // Ends the second thread, after it has written what it was handed when
    // asked to finish; the connection is the caller's again.
    void JoinHelper(bool p_bFinish)
    {
        if (!m_helper.joinable())
            return;
        p_bFinish ? m_pRelay->Close() : m_pRelay->Stop();
        m_helper.join();
        m_pRelay.reset();
        m_bFailed = m_bFailed || m_bHelperFailed;
    }

    // Writes every row collected so far.
    void Drain()
    {
        JoinHelper(true);
        if (!m_bFailed && m_filling.m_iRows > 0)
            m_bFailed = !Write(m_filling);
        m_filling.Restart(m_iRows);
    }
};

RboxFile::Writer::Writer(const QString& p_qstrFileName)
    : d(new Private)
{
    d->m_pReplacement = std::make_unique<FileReplacement>(p_qstrFileName);
    d->m_bFailed = !d->m_pReplacement->IsOpen();
    if (d->m_bFailed)
        return;
    // SQLite takes the empty temporary file for a new database.
    d->m_db = Open(d->m_pReplacement->TemporaryName(), SQLITE_OPEN_READWRITE);
    sqlite3* pDb = d->m_db.get();
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
                       " UNIQUE (tbl, name)) WITHOUT ROWID;")
        || !(d->m_tableInsert = Prepare(pDb, "INSERT INTO rbox_tables VALUES (?, ?)"))
        || !(d->m_columnInsert = Prepare(pDb, "INSERT INTO rbox_columns VALUES (?, ?, ?, ?)"));
}

RboxFile::Writer::~Writer()
{
    d->JoinHelper(false);
    // SQLite lets go of the temporary file before it is removed.
    d->m_tableInsert.reset();
    d->m_columnInsert.reset();
    d->m_rowInsert.reset();
    d->m_db.reset();
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
    d->m_bFailed = !Exec(d->m_db.get(), qbaCreate + ')') || !(d->m_rowInsert = Prepare(d->m_db.get(), qbaInsert + ')'));
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
    d->Step(d->m_tableInsert.get());
}

bool RboxFile::Writer::Finish()
{
    d->Drain();
    if (d->m_bFailed || !d->m_db)
        return false;
    d->m_tableInsert.reset();
    d->m_columnInsert.reset();
    d->m_rowInsert.reset();
    const bool bWritten = Exec(d->m_db.get(), "COMMIT") && sqlite3_close(d->m_db.get()) == SQLITE_OK;
    if (bWritten)
        d->m_db.release(); // closed
    d->m_db.reset();
    // SQLite flushed the file at its commit (synchronous mode).
    d->m_bFailed = !bWritten || !d->m_pReplacement->Commit(true);
    return !d->m_bFailed;
}
