// SPDX-License-Identifier: BSD-3-Clause
#ifndef RBOXFILE_P_H
#define RBOXFILE_P_H

#include "CrboDataSet.h"

#include <QHash>
#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

struct RboxColumn
{
    QString m_qstrName;
    int m_iType;
};

struct RboxTable
{
    // Position of the column of that name, or -1. Callers usually name
    // columns with the very text they declared them with, which is found by
    // its address without hashing.
    int ColumnOf(const QString& p_qstrName) const
    {
        for (int i = 0; i < m_qlColumns.size(); ++i) {
            if (m_qlColumns[i].m_qstrName.constData() == p_qstrName.constData())
                return i;
        }
        return m_qhColumnIndex.value(p_qstrName, -1);
    }

    QList<RboxColumn> m_qlColumns;
    QHash<QString, int> m_qhColumnIndex;
    // A deque keeps the data sets in place as more are added.
    std::deque<CrboDataSet> m_dqDataSets;
};

using RboxTables = std::map<int, RboxTable>;

// The engine's file format, an SQLite database of these real tables and
// nothing else (but the indexes SQLite makes for their keys):
//   PRAGMA application_id  0x52424F58 ("RBOX")
//   PRAGMA user_version    1, the schema version
//   rbox_tables(tbl, datasets)               each table and its number of data sets
//   rbox_columns(tbl, position, name, type)  declared columns, position from 1
//   "rbox_data_<tbl>"(id, c1, c2, ...)      one row a data set, id from 0 in
//                                            creation order; column cN holds
//                                            the value of declared column N,
//                                            NULL where the data set has none
//   rbox_checksums(tbl, checksum)            each table's TableChecksum; files
//                                            of earlier versions have none
namespace RboxFile
{
constexpr int ApplicationId = 0x52424F58;
constexpr int SchemaVersion = 1;

// The name of a table's data table, quoted for SQL.
inline QByteArray DataTable(int p_iTable)
{
    return "\"rbox_data_" + QByteArray::number(p_iTable) + '"';
}

// Reads the whole file; false (and no tables) unless it is a complete file
// of this schema version.
bool Read(const QString& p_qstrFileName, RboxTables& p_tables);
// Reads the file as above but hands each data set to the function instead
// of keeping it: its table, its id and its values by column position (null
// where it has none), which may be taken. Only the tables' columns are kept.
bool Read(const QString& p_qstrFileName, RboxTables& p_tables,
          const std::function<void(int, int, QList<QString>&)>& p_fnRow);
// Writes the tables into a new file beside the given one and renames it over
// it. False if the file was not replaced.
bool Write(const QString& p_qstrFileName, const RboxTables& p_tables);

// Writes a new file beside the given one, table by table and row by row in
// id order, and renames it over the given one at Finish(); until then, and
// after any failure, the given file stays untouched. A failure is kept: the
// calls after it do nothing and Finish() gives false.
class Writer
{
public:
    explicit Writer(const QString& p_qstrFileName);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void BeginTable(int p_iTable, const QList<RboxColumn>& p_qlColumns);
    // The next data set of the table: its values by column position, as many
    // as given (the columns after them get none); a null string is none.
    void AddRow(const QString* p_pValues, qsizetype p_iCount);
    void EndTable();
    bool Finish();

private:
    class Private;
    std::unique_ptr<Private> d;
};
}

#endif
