// SPDX-License-Identifier: BSD-3-Clause
#ifndef RBOX_H
#define RBOX_H

#include "CrboDataSet.h"
#include "CrboDataSetItem.h"
#include "rbox_export.h"

#include <QString>

#include <memory>

// Data-type codes of declared columns. Values are stored as text whatever
// the code; the code is kept with the column for the reader.
enum ErboDataTypes {
    RboUnknown = 0,
    RboBool = 1,
    RboChar = 2,
    RboShort = 3,
    RboInt = 4,
    RboLong = 5,
    RboFloat = 6,
    RboDouble = 7,
    RboString = 8,
    RboDate = 9,
    RboBinary = 10
};

// Record engine: a file of numbered tables, each a list of data sets made of
// named text items under declared columns, kept in an SQLite database.
//
// Reading: Load(), then GetNumberOfDataSets() and GetDataSet().
// Writing: Save(), AddHeaderItem() for each column, CreateDataSet() and
// AddItemToDataSet() for the records, then SetFinished(), which replaces the
// file's content atomically.
class RBOX_EXPORT rbox
{
public:
    explicit rbox(QString p_qstrFileName);
    virtual ~rbox();

    rbox(const rbox&) = delete;
    rbox& operator=(const rbox&) = delete;

    QString GetFileName() const;

    // Reads the whole file. False, with nothing to read, for a missing,
    // empty, foreign, newer or damaged file.
    bool Load();
    int GetNumberOfDataSets(int p_iTable) const;
    // The data set of that table at that index (creation order), or null.
    // Owned by the engine.
    CrboDataSet* GetDataSet(int p_iTable, int p_iIndex) const;

    // Starts new content for the file; false if its folder does not exist.
    bool Save();
    // Declares a column; false for an empty or already declared name.
    bool AddHeaderItem(int p_iTable, QString p_qstrName, ErboDataTypes p_eType);
    // Appends an empty data set and returns its id (its index in the table).
    int CreateDataSet(int p_iTable);
    // Stores a value under a declared column of a data set; a value for an
    // unknown data set or an undeclared column is dropped.
    void AddItemToDataSet(int p_iTable, int p_iId, QString p_qstrName, QString p_qstrValue);
    // Writes the content started by Save() to the file, replacing the old
    // content atomically. False if the file was not written; the old file is
    // then untouched.
    bool SetFinished();

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif
