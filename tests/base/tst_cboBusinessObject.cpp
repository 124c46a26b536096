#include "CboBusinessObject.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>

// A host model object announcing its own change.
class Model : public CboBusinessObject
{
public:
    void Change() { Q_EMIT ObjectChanged(this); }
};

class TestCboBusinessObject : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaObjectHasOneSignal()
    {
        CboBusinessObject object;
        const QMetaObject* pMeta = object.metaObject();
        QCOMPARE(pMeta->className(), "CboBusinessObject");
        QCOMPARE(pMeta->superClass(), &QObject::staticMetaObject);
        QCOMPARE(pMeta->methodCount() - pMeta->methodOffset(), 1);
        const QMetaMethod method = pMeta->method(pMeta->methodOffset());
        QCOMPARE(method.methodType(), QMetaMethod::Signal);
        QCOMPARE(method.methodSignature(), QByteArray("ObjectChanged(CboBusinessObject*)"));
        QCOMPARE(pMeta->propertyCount(), pMeta->propertyOffset());
        QVERIFY(!object.parent());
        QVERIFY(object.objectName().isEmpty());
    }

    void receiverGetsTheEmittedPointer()
    {
        Model model;
        CboBusinessObject* pReceived = nullptr;
        QObject::connect(&model, &CboBusinessObject::ObjectChanged,
                         [&](CboBusinessObject* p_pcbo) { pReceived = p_pcbo; });
        QSignalSpy spy(&model, SIGNAL(ObjectChanged(CboBusinessObject*)));
        model.Change();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(pReceived, static_cast<CboBusinessObject*>(&model));
    }
};

QTEST_GUILESS_MAIN(TestCboBusinessObject)
#include "tst_cboBusinessObject.moc"
