// SPDX-License-Identifier: BSD-3-Clause
#include "CboBusinessObject.h"

class Q_DECL_HIDDEN CboBusinessObject::Private
{
};

CboBusinessObject::CboBusinessObject()
    : QObject(nullptr)
{ }

CboBusinessObject::~CboBusinessObject() = default;

#include "moc_CboBusinessObject.cpp"
