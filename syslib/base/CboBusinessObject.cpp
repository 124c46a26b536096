// SPDX-License-Identifier: BSD-3-Clause
#include "CboBusinessObject.h"

CboBusinessObject::CboBusinessObject()
    : QObject(nullptr)
{ }

CboBusinessObject::~CboBusinessObject() = default;
