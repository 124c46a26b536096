// SPDX-License-Identifier: BSD-3-Clause
#ifndef CBOBUSINESSOBJECT_H
#define CBOBUSINESSOBJECT_H

#include "torvasyslib_export.h"

#include <QObject>

// Common base of model objects: a parentless, unnamed QObject that can
// announce that it has changed.
class TORVASYSLIB_EXPORT CboBusinessObject : public QObject
{
    Q_OBJECT

public:
    CboBusinessObject();
    ~CboBusinessObject() override;

Q_SIGNALS:
    void ObjectChanged(CboBusinessObject* p_pcboObject);
};

#endif
