#include "CboBusinessObject.h"

CboBusinessObject::CboBusinessObject()
    : QObject(nullptr)
{ }

CboBusinessObject::~CboBusinessObject() = default;
