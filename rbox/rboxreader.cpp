// SPDX-License-Identifier: BSD-3-Clause
#include "rboxfile_p.h"

#include "CrboDataSet_p.h"
#include "lentconnection_p.h"
#include "tablechecksum_p.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QUrl>

#include <cstring>
#include <limits>
#include <optional>

using namespace SqliteCalls;

namespace
{
QString ColumnText(sqlite3_stmt* p_pStmt, int p_iColumn)
{
    const auto* pText = reinterpret_cast<const char*>(sqlite3_column_text(p_pStmt, p_iColumn));
    return QString::fromUtf8(pText, sqlite3_column_bytes(p_pStmt, p_iColumn));
}

// A whole number of the column that fits an int.
bool IntOf(sqlite3_stmt* p_pStmt, int p_iColumn, int& p_iValue)
{
    const qint64 iValue = sqlite3_column_int64(p_pStmt, p_iColumn);
    p_iValue = int(iValue);
    return sqlite3_column_type(p_pStmt, p_iColumn) == SQLITE_INTEGER && iValue >= std::numeric_limits<int>::min()
        && iValue <= std::numeric_limits<int>::max();
}

// A column as a table of the engine declares it: its name, its declared
// type and its place in the primary key (0: none).
struct Column
{
    QByteArray m_qbaName;
    QByteArray m_qbaType;
    int m_iKey;
};

// Whether the table has exactly these columns, none hidden or generated.
bool HasColumns(sqlite3* p_pDb, const QByteArray& p_qbaTable, const QList<Column>& p_qlColumns)
{
    Stmt stmt = Prepare(p_pDb, "PRAGMA table_xinfo(" + p_qbaTable + ")");
    if (!stmt)
        return false;
    qsizetype iColumn = 0;
    for (; sqlite3_step(stmt.get()) == SQLITE_ROW; ++iColumn) {
        if (iColumn >= p_qlColumns.size())
            return false;
        const Column& column = p_qlColumns[iColumn];
        const auto text = [&](int p_iField) {
            return QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), p_iField)),
                              sqlite3_column_bytes(stmt.get(), p_iField));
        };
        if (text(1) != column.m_qbaName || text(2).toUpper() != column.m_qbaType
            || sqlite3_column_int(stmt.get(), 5) != column.m_iKey || sqlite3_column_int(stmt.get(), 6) != 0)
            return false;
    }
    return iColumn == p_qlColumns.size();
}

const QList<Column> TablesColumns = {{"tbl", "INTEGER", 1}, {"datasets", "INTEGER", 0}};
const QList<Column> ColumnsColumns
    = {{"tbl", "INTEGER", 1}, {"position", "INTEGER", 2}, {"name", "TEXT", 0}, {"type", "INTEGER", 0}};
const QList<Column> ChecksumsColumns = {{"tbl", "INTEGER", 1}, {"checksum", "INTEGER", 0}};

// Whether the file has a real table of that name (not a view, nor a virtual
// table) with exactly these columns.
bool RealTable(sqlite3* p_pDb, const QByteArray& p_qbaName, const QList<Column>& p_qlColumns)
{
    Stmt stmt = Prepare(p_pDb, "SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?");
    if (!stmt)
        return false;
    sqlite3_bind_text(stmt.get(), 1, p_qbaName.constData(), int(p_qbaName.size()), SQLITE_STATIC);
    return sqlite3_step(stmt.get()) == SQLITE_ROW
        && !ColumnText(stmt.get(), 0).startsWith("CREATE VIRTUAL", Qt::CaseInsensitive)
        && HasColumns(p_pDb, '"' + p_qbaName + '"', p_qlColumns);
}

// Whether the file holds the engine's tables and nothing else: the fixed
// ones, the data table of each table listed (of so many value columns), each
// a real table with exactly its columns, and no other table, view, trigger
// or index (but those SQLite makes for the tables' keys).
bool KnownSchema(sqlite3* p_pDb, const RboxTables& p_tables, bool p_bChecksums)
{
    QHash<QByteArray, QList<Column>> qhTables {{"rbox_tables", TablesColumns}, {"rbox_columns", ColumnsColumns}};
    if (p_bChecksums)
        qhTables.insert("rbox_checksums", ChecksumsColumns);
    for (const auto& [iTable, table] : p_tables) {
        QList<Column> qlColumns {{"id", "INTEGER", 1}};
        for (qsizetype i = 1; i <= table.m_qlColumns.size(); ++i)
            qlColumns.append({"c" + QByteArray::number(i), "TEXT", 0});
        qhTables.insert("rbox_data_" + QByteArray::number(iTable), qlColumns);
    }
    qsizetype iTables = 0;
    return EachRow(p_pDb, "SELECT type, name, tbl_name FROM sqlite_schema",
                   [&](sqlite3_stmt* p_pStmt) {
                       const QString qstrType = ColumnText(p_pStmt, 0);
                       const QByteArray qbaName = ColumnText(p_pStmt, 1).toUtf8();
                       const QByteArray qbaOf = ColumnText(p_pStmt, 2).toUtf8();
                       if (qstrType != QLatin1String("table"))
                           return qstrType == QLatin1String("index") && qhTables.contains(qbaOf)
                               && qbaName.startsWith("sqlite_autoindex_" + qbaOf + '_');
                       ++iTables;
                       return qhTables.contains(qbaName) && RealTable(p_pDb, qbaName, qhTables.value(qbaName));
                   })
        && iTables == qhTables.size();
}

bool ReadTables(sqlite3* p_pDb, RboxTables& p_tables, std::map<int, qint64>& p_expected)
{
    return EachRow(p_pDb, "SELECT tbl, datasets FROM rbox_tables ORDER BY tbl", [&](sqlite3_stmt* p_pStmt) {
        int iTable = 0;
        const qint64 iDataSets = sqlite3_column_int64(p_pStmt, 1);
        if (!IntOf(p_pStmt, 0, iTable) || sqlite3_column_type(p_pStmt, 1) != SQLITE_INTEGER || iDataSets < 0
            || iDataSets > std::numeric_limits<int>::max())
            return false;
        p_tables[iTable];
        p_expected[iTable] = iDataSets;
        return true;
    });
}

bool ReadColumns(sqlite3* p_pDb, RboxTables& p_tables)
{
    return EachRow(
        p_pDb, "SELECT tbl, position, name, type FROM rbox_columns ORDER BY tbl, position", [&](sqlite3_stmt* p_pStmt) {
            int iTable = 0;
            int iType = 0;
            const auto it = IntOf(p_pStmt, 0, iTable) ? p_tables.find(iTable) : p_tables.end();
            if (it == p_tables.end() || !IntOf(p_pStmt, 3, iType) || sqlite3_column_type(p_pStmt, 2) != SQLITE_TEXT)
                return false;
            RboxTable& table = it->second;
            const QString qstrName = ColumnText(p_pStmt, 2);
            if (sqlite3_column_int64(p_pStmt, 1) != table.m_qlColumns.size() + 1
                || table.m_qhColumnIndex.contains(qstrName))
                return false;
            table.m_qhColumnIndex.insert(qstrName, int(table.m_qlColumns.size()));
            table.m_qlColumns.append({qstrName, iType});
            return true;
        });
}

// Each table's checksum; every table has one, and no other is there.
bool ReadChecksums(sqlite3* p_pDb, const RboxTables& p_tables, std::map<int, quint64>& p_checksums)
{
    return EachRow(p_pDb, "SELECT tbl, checksum FROM rbox_checksums",
                   [&](sqlite3_stmt* p_pStmt) {
                       int iTable = 0;
                       if (!IntOf(p_pStmt, 0, iTable) || !p_tables.count(iTable)
                           || sqlite3_column_type(p_pStmt, 1) != SQLITE_INTEGER)
                           return false;
                       p_checksums[iTable] = quint64(sqlite3_column_int64(p_pStmt, 1));
                       return true;
                   })
        && p_checksums.size() == p_tables.size();
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

// A table's rows as SQLite steps through them, checked to come numbered,
// counted as written and, where the file has checksums, summing up to the
// table's.
class RowStream
{
public:
    RowStream(sqlite3_stmt* p_pStmt, int p_iTable, const RboxTable& p_table, qint64 p_iExpected,
              std::optional<quint64> p_checksum)
        : m_pStmt(p_pStmt)
        , m_iColumns(int(p_table.m_qlColumns.size()))
        , m_iExpected(p_iExpected)
        , m_expectedSum(p_checksum)
        , m_checksum(p_iTable, p_table.m_qlColumns)
    { }

    // Fills the batch with the next rows; false once the table has ended or
    // a fault was found (the batch then holds the rows before it).
    bool Fill(RowBatch& p_batch)
    {
        p_batch.Restart(m_iId);
        const auto sum = qScopeGuard([&] { m_checksum.Add(p_batch); });
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
    // Whether every row was read, all were in order, and they sum up.
    bool Complete() const { return m_bComplete && (!m_expectedSum || *m_expectedSum == m_checksum.Sum(m_iId)); }

private:
    sqlite3_stmt* m_pStmt;
    int m_iColumns;
    qint64 m_iExpected;
    std::optional<quint64> m_expectedSum;
    TableChecksum m_checksum;
    qint64 m_iId = 0;
    bool m_bComplete = false;
};

// Hands each row on, in order, with its values by column position (null
// where the data set has none); the one list is refilled for the next. The
// rows read before a fault are handed on.
bool ReadRows(LentConnection& p_connection, int p_iTable, const RboxTable& p_table, qint64 p_iExpected,
              std::optional<quint64> p_checksum, const std::function<void(int, QList<QString>&)>& p_fnRow)
{
    Stmt stmt = Prepare(p_connection.Get(), "SELECT * FROM " + RboxFile::DataTable(p_iTable) + " ORDER BY id");
    const int iColumns = int(p_table.m_qlColumns.size());
    if (!stmt || sqlite3_column_count(stmt.get()) != iColumns + 1)
        return false;
    RowStream rows {stmt.get(), p_iTable, p_table, p_iExpected, p_checksum};
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

    // A table of several batches is read by SQLite on a second thread while
    // its rows are handed on here (for fewer, waiting for the first batch
    // costs more than the overlap gains).
    RowBatch batch;
    if (p_iExpected > 4 * RowBatch::Rows && p_connection.Lend([&](sqlite3*, BatchRelay& p_relay) {
            RowBatch filling;
            bool bMore;
            do
                bMore = rows.Fill(filling);
            while (p_relay.Send(filling) && bMore);
            p_relay.Close();
        })) {
        {
            // Also when a caller's function throws.
            const auto takeBack = qScopeGuard([&] { p_connection.TakeBack(false); });
            while (p_connection.Relay()->Receive(batch))
                HandOn(batch);
        }
        return rows.Complete();
    }
    for (bool bMore = true; bMore;) {
        bMore = rows.Fill(batch);
        HandOn(batch);
    }
    return rows.Complete();
}

}

// Keeps the rows read as data sets.
class RboxFileReader
{
public:
    // Appends the row as a data set of the table, with an item for each
    // value (the columns are known to be distinct, so none is looked up
    // first).
    static void Keep(RboxTable& p_table, int p_iId, QList<QString>& p_qlValues)
    {
        QList<CrboDataSetItem>& qlItems = p_table.m_dqDataSets.emplace_back(p_iId).d->m_qlItems;
        qlItems.reserve(p_qlValues.size());
        for (int iColumn = 0; iColumn < p_qlValues.size(); ++iColumn) {
            if (!p_qlValues[iColumn].isNull())
                qlItems.emplaceBack(p_table.m_qlColumns[iColumn].m_qstrName, std::move(p_qlValues[iColumn]));
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
    LentConnection connection(Open(qbaUri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI));
    sqlite3* pDb = connection.Get();
    if (!pDb)
        return false;

    // The schema is known to be the engine's before a row is read: the
    // fixed tables before they are read, then the data tables they list.
    // Every page that holds the tables is read below, and SQLite refuses a
    // damaged one as it goes; rows must come numbered, counted as written
    // and, in a file with checksums (all but those of earlier versions),
    // summing up to them.
    qint64 iApplicationId = 0;
    qint64 iVersion = 0;
    if (!QueryInt(pDb, "PRAGMA application_id", iApplicationId) || iApplicationId != ApplicationId
        || !QueryInt(pDb, "PRAGMA user_version", iVersion) || iVersion != SchemaVersion
        || !RealTable(pDb, "rbox_tables", TablesColumns) || !RealTable(pDb, "rbox_columns", ColumnsColumns))
        return false;
    const bool bChecksums = RealTable(pDb, "rbox_checksums", ChecksumsColumns);
    std::map<int, qint64> expected;
    std::map<int, quint64> checksums;
    if (!ReadTables(pDb, p_tables, expected) || !ReadColumns(pDb, p_tables) || !KnownSchema(pDb, p_tables, bChecksums)
        || (bChecksums && !ReadChecksums(pDb, p_tables, checksums)))
        return false;
    for (const auto& [iKey, table] : p_tables) {
        const int iTable = iKey;
        const std::optional<quint64> checksum
            = bChecksums ? std::optional<quint64>(checksums[iTable]) : std::optional<quint64>();
        if (!ReadRows(connection, iTable, table, expected[iTable], checksum,
                      [&](int p_iId, QList<QString>& p_qlValues) { p_fnRow(iTable, p_iId, p_qlValues); }))
            return false;
    }
    return true;
}
