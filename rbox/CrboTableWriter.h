// SPDX-License-Identifier: BSD-3-Clause
#ifndef CRBOTABLEWRITER_H
#define CRBOTABLEWRITER_H

#include "rbox_export.h"

#include <QString>
#include <QStringList>

#include <memory>

/// Writes a record file of one table straight to disk, a data set at a time,
/// for writers with many data sets: only a few batches of them (4,096 data
/// sets, or 1 MiB of text) are held in memory, and full batches are written
/// by a second thread while the next ones are added (it ends before Finish()
/// returns). The file is the one that rbox's Save(), AddHeaderItem() with RboString for
/// each column, CreateDataSet() and AddItemToDataSet() for each data set, and
/// SetFinished() would write, and it is replaced as atomically.
///
/// \code
/// CrboTableWriter writer("workspace/icons", 1, {"Name/STRING", "XPos/INT"});
/// writer.AddDataSet({"Editor", "10"});
/// if (!writer.Finish())
///     qWarning("not written");
/// \endcode
class RBOX_EXPORT CrboTableWriter
{
public:
    /// Starts the new content of the file: the table with those columns.
    /// Nothing is replaced before Finish(); a writer destroyed before leaves
    /// the file as it was.
    CrboTableWriter(QString p_qstrFileName, int p_iTable, QStringList p_qslColumns);
    ~CrboTableWriter();

    CrboTableWriter(const CrboTableWriter&) = delete;
    CrboTableWriter& operator=(const CrboTableWriter&) = delete;

    /// Appends a data set with the values under the columns, in their order;
    /// a null string, or a column after the last value given, gets no item.
    /// Values beyond the columns are dropped.
    void AddDataSet(const QStringList& p_qslValues);
    /// Writes the rest and renames the new file over the file.
    /// \return false if the file was not written, also when a column name is
    ///         empty or given twice, or when called again; the file is then
    ///         untouched.
    bool Finish();

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif
