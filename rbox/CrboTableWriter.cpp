// SPDX-License-Identifier: BSD-3-Clause
#include "CrboTableWriter.h"

#include "rbox.h"
#include "rboxfile_p.h"

#include <QSet>

class Q_DECL_HIDDEN CrboTableWriter::Private
{
public:
    explicit Private(const QString& p_qstrFileName)
        : m_writer(p_qstrFileName)
    { }

    RboxFile::Writer m_writer;
    bool m_bValid = true;
};

CrboTableWriter::CrboTableWriter(QString p_qstrFileName, int p_iTable, QStringList p_qslColumns)
    : d(new Private(p_qstrFileName))
{
    // Names that AddHeaderItem() would refuse.
    const QSet<QString> qsNames(p_qslColumns.cbegin(), p_qslColumns.cend());
    d->m_bValid = qsNames.size() == p_qslColumns.size() && !qsNames.contains(QString());
    QList<RboxColumn> qlColumns;
    for (QString& qstrColumn : p_qslColumns)
        qlColumns.append({std::move(qstrColumn), RboString});
    d->m_writer.BeginTable(p_iTable, qlColumns);
}

CrboTableWriter::~CrboTableWriter() = default;

void CrboTableWriter::AddDataSet(const QStringList& p_qslValues)
{
    d->m_writer.AddRow(p_qslValues.constData(), p_qslValues.size());
}

bool CrboTableWriter::Finish()
{
    if (!d->m_bValid)
        return false;
    d->m_writer.EndTable();
    return d->m_writer.Finish();
}
