// SPDX-License-Identifier: BSD-3-Clause
#include "rboxfile_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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
    static constexpr size_t Slots = 251;
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

// Reads the rows of a table's data sets, and keeps them as data sets.
class RboxFileReader
{
public:
    // Hands each row on, in order, with its values by column position (null
    // where the data set has none); the one list is refilled for the next.
    static bool ReadRows(sqlite3* p_pDb, int p_iTable, const RboxTable& p_table, qint64 p_iExpected,
                         const std::function<void(int, QList<QString>&)>& p_fnRow)
    {
        Stmt stmt = Prepare(p_pDb, "SELECT * FROM " + DataTable(p_iTable) + " ORDER BY id");
        const int iColumns = int(p_table.m_qlColumns.size());
        if (!stmt || sqlite3_column_count(stmt.get()) != iColumns + 1)
            return false;
        std::vector<ColumnValues> vValues(static_cast<size_t>(iColumns));
        QList<QString> qlValues(iColumns);
        sqlite3_stmt* pStmt = stmt.get();
        qint64 iId = 0;
        int iRc;
        while ((iRc = sqlite3_step(pStmt)) == SQLITE_ROW) {
            if (sqlite3_column_int64(pStmt, 0) != iId || iId >= p_iExpected)
                return false;
            QString* pValues = qlValues.data();
            for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
                const auto* pText = reinterpret_cast<const char*>(sqlite3_column_text(pStmt, iColumn + 1));
                pValues[iColumn] = !pText && sqlite3_column_type(pStmt, iColumn + 1) == SQLITE_NULL
                    ? QString()
                    : vValues[size_t(iColumn)].Text(pText ? pText : "", sqlite3_column_bytes(pStmt, iColumn + 1));
            }
            p_fnRow(int(iId++), qlValues);
        }
        return iRc == SQLITE_DONE && iId == p_iExpected;
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

namespace
{
// The text as UTF-8 in the buffer, whose room is reused for plain ASCII.
void Utf8Into(QByteArray& p_qbaBuffer, const QString& p_qstrText)
{
    const qsizetype iSize = p_qstrText.size();
    p_qbaBuffer.resize(iSize);
    char* pOut = p_qbaBuffer.data();
    const QChar* pIn = p_qstrText.constData();
    for (qsizetype i = 0; i < iSize; ++i) {
        if (pIn[i].unicode() >= 0x80) {
            p_qbaBuffer = p_qstrText.toUtf8();
            return;
        }
        pOut[i] = char(pIn[i].unicode());
    }
}

bool WriteDatabase(const QByteArray& p_qbaPath, const RboxTables& p_tables)
{
    Db db = Open(p_qbaPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!db)
        return false;
    sqlite3* pDb = db.get();
    // A fresh file that replaces the old one only when complete needs no
    // journal; synchronous mode still flushes it to disk at commit.
    if (!Exec(pDb,
              "PRAGMA journal_mode=OFF; PRAGMA synchronous=FULL; PRAGMA locking_mode=EXCLUSIVE;"
              " PRAGMA page_size=16384; PRAGMA cache_size=-65536;")
        || !Exec(pDb,
                 "BEGIN; PRAGMA application_id=" + QByteArray::number(RboxFile::ApplicationId)
                     + "; PRAGMA user_version=" + QByteArray::number(RboxFile::SchemaVersion)
                     + "; CREATE TABLE rbox_tables (tbl INTEGER PRIMARY KEY, datasets INTEGER NOT NULL);"
                       " CREATE TABLE rbox_columns (tbl INTEGER NOT NULL, position INTEGER NOT NULL,"
                       " name TEXT NOT NULL, type INTEGER NOT NULL, PRIMARY KEY (tbl, position),"
                       " UNIQUE (tbl, name)) WITHOUT ROWID;"))
        return false;

    Stmt tableInsert = Prepare(pDb, "INSERT INTO rbox_tables VALUES (?, ?)");
    Stmt columnInsert = Prepare(pDb, "INSERT INTO rbox_columns VALUES (?, ?, ?, ?)");
    if (!tableInsert || !columnInsert)
        return false;
    for (const auto& [iTable, table] : p_tables) {
        sqlite3_bind_int(tableInsert.get(), 1, iTable);
        sqlite3_bind_int64(tableInsert.get(), 2, qint64(table.m_dqDataSets.size()));
        if (sqlite3_step(tableInsert.get()) != SQLITE_DONE)
            return false;
        sqlite3_reset(tableInsert.get());

        QByteArray qbaCreate = "CREATE TABLE " + DataTable(iTable) + " (id INTEGER PRIMARY KEY";
        QByteArray qbaInsert = "INSERT INTO " + DataTable(iTable) + " VALUES (?";
        const int iColumns = int(table.m_qlColumns.size());
        for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
            const RboxColumn& column = table.m_qlColumns[iColumn];
            const QByteArray qbaName = column.m_qstrName.toUtf8();
            sqlite3_bind_int(columnInsert.get(), 1, iTable);
            sqlite3_bind_int(columnInsert.get(), 2, iColumn + 1);
            sqlite3_bind_text(columnInsert.get(), 3, qbaName.constData(), int(qbaName.size()), SQLITE_STATIC);
            sqlite3_bind_int(columnInsert.get(), 4, column.m_iType);
            if (sqlite3_step(columnInsert.get()) != SQLITE_DONE)
                return false;
            sqlite3_reset(columnInsert.get());
            qbaCreate += ", c" + QByteArray::number(iColumn + 1) + " TEXT";
            qbaInsert += ", ?";
        }
        std::vector<QByteArray> vValues(static_cast<size_t>(iColumns));
        Stmt rowInsert;
        if (!Exec(pDb, qbaCreate + ')') || !(rowInsert = Prepare(pDb, qbaInsert + ')')))
            return false;

        for (const CrboDataSet& dataSet : table.m_dqDataSets) {
            sqlite3_bind_int(rowInsert.get(), 1, dataSet.GetId());
            for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
                const CrboDataSetItem* pItem
                    = const_cast<CrboDataSet&>(dataSet).GetItem(table.m_qlColumns[iColumn].m_qstrName);
                if (!pItem) {
                    sqlite3_bind_null(rowInsert.get(), iColumn + 2);
                    continue;
                }
                // Kept alive until the row is written.
                QByteArray& qbaValue = vValues[size_t(iColumn)];
                Utf8Into(qbaValue, pItem->GetString());
                sqlite3_bind_text(rowInsert.get(), iColumn + 2, qbaValue.constData(), int(qbaValue.size()),
                                  SQLITE_STATIC);
            }
            if (sqlite3_step(rowInsert.get()) != SQLITE_DONE)
                return false;
            sqlite3_reset(rowInsert.get());
        }
    }
    tableInsert.reset();
    columnInsert.reset();
    if (!Exec(pDb, "COMMIT"))
        return false;
    return sqlite3_close(db.release()) == SQLITE_OK;
}

// Makes a rename in that folder durable.
void SyncFolder(const QString& p_qstrFolder)
{
    const int iFd = ::open(QFile::encodeName(p_qstrFolder).constData(), O_RDONLY | O_DIRECTORY);
    if (iFd >= 0) {
        ::fsync(iFd);
        ::close(iFd);
    }
}
}

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
    for (const auto& [iTable, table] : p_tables) {
        if (!RboxFileReader::ReadRows(pDb, iTable, table, expected[iTable], [&](int p_iId, QList<QString>& p_qlValues) {
                p_fnRow(iTable, p_iId, p_qlValues);
            }))
            return false;
    }
    return true;
}

bool RboxFile::Write(const QString& p_qstrFileName, const RboxTables& p_tables)
{
    const QFileInfo qfiTarget(p_qstrFileName);
    if (qfiTarget.exists() && (!qfiTarget.isFile() || !qfiTarget.isWritable()))
        return false;
    const QByteArray qbaTarget = QFile::encodeName(p_qstrFileName);
    const QByteArray qbaTemp = qbaTarget + ".rbox-new";
    ::unlink(qbaTemp.constData());
    if (!WriteDatabase(qbaTemp, p_tables) || std::rename(qbaTemp.constData(), qbaTarget.constData()) != 0) {
        ::unlink(qbaTemp.constData());
        return false;
    }
    SyncFolder(qfiTarget.absolutePath());
    return true;
}
