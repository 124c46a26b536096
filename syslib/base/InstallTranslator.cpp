// SPDX-License-Identifier: BSD-3-Clause
#include "InstallTranslator.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

bool TORVASyslib::InstallTranslator(const QLocale& p_qlLocale)
{
    static QPointer<QTranslator> s_pqtInstalled;
    if (!QCoreApplication::instance())
        return false;
    auto* pqtTranslator = new QTranslator(QCoreApplication::instance());
    if (!pqtTranslator->load(p_qlLocale, QStringLiteral("torvasyslib"), QStringLiteral("_"),
                             QStringLiteral(":/i18n"))) {
        delete pqtTranslator;
        return false;
    }
    delete s_pqtInstalled; // uninstalls itself
    s_pqtInstalled = pqtTranslator;
    QCoreApplication::installTranslator(pqtTranslator);
    return true;
}
