#ifndef RBOX_H
#define RBOX_H

#include "rbox_export.h"

#include <QString>

// Record engine: a file of data sets made of named, typed items, kept in an
// SQLite database.
class RBOX_EXPORT rbox
{
public:
    explicit rbox(QString p_qstrFileName);
    virtual ~rbox();

    rbox(const rbox&) = delete;
    rbox& operator=(const rbox&) = delete;

private:
    QString m_qstrFileName;
};

#endif
