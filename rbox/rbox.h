// SPDX-License-Identifier: BSD-3-Clause
#ifndef RBOX_H
#define RBOX_H

#include "CrboDataSet.h"
#include "CrboDataSetItem.h"
#include "CrboTableWriter.h"
#include "rbox_export.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

/// Data-type codes of declared columns. Values are stored as text whatever
/// the code; the code is kept with the column for the reader.
enum ErboDataTypes {
    RboUnknown = 0, ///< no type given
    RboBool = 1, ///< a truth value
    RboChar = 2, ///< a character
    RboShort = 3, ///< a short whole number
    RboInt = 4, ///< a whole number
    RboLong = 5, ///< a long whole number
    RboFloat = 6, ///< a floating-point number
    RboDouble = 7, ///< a double-precision number
    RboString = 8, ///< a text; the workspace declares every column with it
    RboDate = 9, ///< a date
    RboBinary = 10 ///< binary data
};

/// The record engine: a file of numbered tables, each a list of data sets
/// made of named text items under declared columns, kept in an SQLite
/// database (the schema is described in rbox/README.md).
///
/// Reading: Load(), then GetNumberOfDataSets() and GetDataSet(). Writing:
/// Save(), AddHeaderItem() for each column, CreateDataSet() and
/// AddItemToDataSet() for the records, then SetFinished(), which replaces
/// the file's content atomically. Reading never writes anything.
///
/// \code
/// rbox engine("contacts");
/// engine.Save();
/// engine.AddHeaderItem(1, "Name/STRING", RboString);
/// const int id = engine.CreateDataSet(1);
/// engine.AddItemToDataSet(1, id, "Name/STRING", "Ada");
/// if (!engine.SetFinished())
///     qWarning("not written");
///
/// rbox reader("contacts");
/// if (reader.Load())
///     qDebug() << reader.GetDataSet(1, 0)->GetItem("Name/STRING")->GetString();
/// \endcode
class RBOX_EXPORT rbox
{
public:
    /// An engine bound to the file; nothing is read or written yet.
    explicit rbox(QString p_qstrFileName);
    virtual ~rbox();

    rbox(const rbox&) = delete;
    rbox& operator=(const rbox&) = delete;

    /// The file's name.
    QString GetFileName() const;

    /// Reads the whole file; it creates, changes or leaves no file.
    /// \return false, with nothing to read, for a missing, empty, foreign,
    ///         newer, truncated or damaged file.
    bool Load();
    /// Reads the file as Load() does, but hands the table's data sets to the
    /// function one at a time, in order, instead of keeping them: a reader
    /// that turns them into objects of its own neither holds the file twice
    /// nor looks up columns by name for every data set. The function gets a
    /// data set's id and its values under the given columns, in their order:
    /// a null string where the data set has no value or the table no such
    /// column. The function is called on the calling thread (SQLite may read
    /// a large table ahead on a second one, which ends before this returns).
    /// Afterwards the engine holds the tables' columns (GetColumns()) but no
    /// data sets; after a failure, nothing.
    /// \return false for every file that Load() refuses; the function may
    ///         then have seen the data sets read before the fault was found.
    bool Load(int p_iTable, const QStringList& p_qslColumns,
              const std::function<void(int, const QStringList&)>& p_fnDataSet);
    /// The number of data sets in the table; 0 for a table that does not exist.
    int GetNumberOfDataSets(int p_iTable) const;
    /// The table's declared columns in their order; empty for a table that
    /// does not exist.
    QStringList GetColumns(int p_iTable) const;
    /// The data set of that table at that index (creation order), or null.
    /// Owned by the engine.
    CrboDataSet* GetDataSet(int p_iTable, int p_iIndex) const;

    /// Starts new content for the file, dropping what was read or added.
    /// \return false if the file's folder does not exist.
    bool Save();
    /// Declares a column of the table.
    /// \return false for an empty or already declared name.
    bool AddHeaderItem(int p_iTable, QString p_qstrName, ErboDataTypes p_eType);
    /// Appends an empty data set to the table.
    /// \return its id, its index in the table.
    int CreateDataSet(int p_iTable);
    /// Stores a value under a declared column of a data set, replacing an
    /// earlier one; a value for an unknown data set or an undeclared column
    /// is dropped.
    void AddItemToDataSet(int p_iTable, int p_iId, QString p_qstrName, QString p_qstrValue);
    /// Writes the content started by Save() into a new file beside the file
    /// and renames it over the file.
    /// \return false if the file was not written; the old file is then untouched.
    bool SetFinished();

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif
