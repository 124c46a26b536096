// SPDX-License-Identifier: BSD-3-Clause
#include "rbox.h"

#include "rboxfile_p.h"

#include <QFileInfo>

#include <utility>

class Q_DECL_HIDDEN rbox::Private
{
public:
    QString m_qstrFileName;
    RboxTables m_tables;
};

rbox::rbox(QString p_qstrFileName)
    : d(new Private {std::move(p_qstrFileName), {}})
{ }

rbox::~rbox() = default;

QString rbox::GetFileName() const
{
    return d->m_qstrFileName;
}

bool rbox::Load()
{
    return RboxFile::Read(d->m_qstrFileName, d->m_tables);
}

bool rbox::Load(int p_iTable, const QStringList& p_qslColumns,
                const std::function<void(int, const QStringList&)>& p_fnDataSet)
{
    d->m_tables.clear();
    RboxTables tables;
    // Where each asked column is in the table (-1: nowhere), and the first
    // place it was asked (more than one place shares the value).
    QList<int> qlPositions;
    QList<int> qlFirst;
    bool bAsStored = false; // the table's columns asked in their order
    QStringList qslValues;
    const bool bRead
        = RboxFile::Read(d->m_qstrFileName, tables, [&](int p_iRead, int p_iId, QList<QString>& p_qlValues) {
              if (p_iRead != p_iTable)
                  return;
              if (qlPositions.size() != p_qslColumns.size()) {
                  bAsStored = p_qslColumns.size() == p_qlValues.size();
                  for (const QString& qstrColumn : p_qslColumns) {
                      qlPositions << tables[p_iTable].ColumnOf(qstrColumn);
                      qlFirst << int(qlPositions.indexOf(qlPositions.last()));
                      bAsStored = bAsStored && qlPositions.last() == qlPositions.size() - 1;
                  }
                  qslValues.resize(p_qslColumns.size());
              }
              if (bAsStored)
                  return p_fnDataSet(p_iId, p_qlValues);
              QString* pValues = qslValues.data();
              for (int i = 0; i < qlPositions.size(); ++i) {
                  if (qlPositions[i] < 0)
                      pValues[i] = QString();
                  else if (qlFirst[i] < i)
                      pValues[i] = pValues[qlFirst[i]];
                  else
                      pValues[i] = std::move(p_qlValues[qlPositions[i]]);
              }
              p_fnDataSet(p_iId, qslValues);
          });
    if (bRead)
        d->m_tables = std::move(tables);
    return bRead;
}

QStringList rbox::GetColumns(int p_iTable) const
{
    QStringList qslColumns;
    const auto it = d->m_tables.find(p_iTable);
    if (it != d->m_tables.end()) {
        for (const RboxColumn& column : it->second.m_qlColumns)
            qslColumns << column.m_qstrName;
    }
    return qslColumns;
}

int rbox::GetNumberOfDataSets(int p_iTable) const
{
    const auto it = d->m_tables.find(p_iTable);
    return it == d->m_tables.end() ? 0 : int(it->second.m_dqDataSets.size());
}

CrboDataSet* rbox::GetDataSet(int p_iTable, int p_iIndex) const
{
    const auto it = d->m_tables.find(p_iTable);
    if (it == d->m_tables.end() || p_iIndex < 0 || p_iIndex >= int(it->second.m_dqDataSets.size()))
        return nullptr;
    return &it->second.m_dqDataSets[size_t(p_iIndex)];
}

bool rbox::Save()
{
    d->m_tables.clear();
    return QFileInfo(QFileInfo(d->m_qstrFileName).absolutePath()).isDir();
}

bool rbox::AddHeaderItem(int p_iTable, QString p_qstrName, ErboDataTypes p_eType)
{
    RboxTable& table = d->m_tables[p_iTable];
    if (p_qstrName.isEmpty() || table.m_qhColumnIndex.contains(p_qstrName))
        return false;
    table.m_qhColumnIndex.insert(p_qstrName, int(table.m_qlColumns.size()));
    table.m_qlColumns.append({std::move(p_qstrName), int(p_eType)});
    return true;
}

int rbox::CreateDataSet(int p_iTable)
{
    RboxTable& table = d->m_tables[p_iTable];
    const int iId = int(table.m_dqDataSets.size());
    table.m_dqDataSets.emplace_back(iId).Reserve(int(table.m_qlColumns.size()));
    return iId;
}

void rbox::AddItemToDataSet(int p_iTable, int p_iId, QString p_qstrName, QString p_qstrValue)
{
    const auto it = d->m_tables.find(p_iTable);
    if (it == d->m_tables.end())
        return;
    const RboxTable& table = it->second;
    const int iColumn = table.ColumnOf(p_qstrName);
    CrboDataSet* pDataSet = GetDataSet(p_iTable, p_iId);
    if (iColumn < 0 || !pDataSet)
        return;
    // Named with the column's own text, which later look-ups find fastest.
    pDataSet->SetItem(table.m_qlColumns[iColumn].m_qstrName, std::move(p_qstrValue));
}

bool rbox::SetFinished()
{
    return RboxFile::Write(d->m_qstrFileName, d->m_tables);
}
