// SPDX-License-Identifier: BSD-3-Clause
#ifndef CBOBUSINESSOBJECT_H
#define CBOBUSINESSOBJECT_H

#include "torvasyslib_export.h"

#include <QObject>

#include <memory>

/// The common base of model objects: a QObject without parent and name that
/// can announce that it has changed.
///
/// The workspace's folders and entries (CwsIcon) derive from it, and so may a
/// host application's own model objects. A business object is never copied.
///
/// \code
/// class Customer : public CboBusinessObject
/// {
/// public:
///     void SetName(const QString& name)
///     {
///         m_name = name;
///         Q_EMIT ObjectChanged(this);
///     }
///
/// private:
///     QString m_name;
/// };
/// \endcode
class TORVASYSLIB_EXPORT CboBusinessObject : public QObject
{
    Q_OBJECT

public:
    /// A business object without parent and without object name; whoever
    /// makes it owns it.
    CboBusinessObject();
    ~CboBusinessObject() override;

Q_SIGNALS:
    /// Announces a change of a business object. Nothing in the library emits
    /// or receives it; derived classes emit it for their own changes.
    /// \param p_pcboObject the object that changed.
    void ObjectChanged(CboBusinessObject* p_pcboObject);

private:
    // Room for the data of later versions without changing the object's
    // size; a business object has none yet, so it stays null.
    class Private;
    std::unique_ptr<Private> d;
};

#endif
