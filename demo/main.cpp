// SPDX-License-Identifier: BSD-3-Clause
#include "DemoTour.h"
#include "DemoWindow.h"

#include <InstallTranslator.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QPalette>
#include <QTemporaryDir>
#include <QTranslator>

namespace
{
// Fusion with dark colours, as many users run their desktops.
void UseDarkScheme()
{
    QApplication::setStyle("Fusion");
    QPalette qpDark;
    for (const auto& [eRole, qcColour] : {std::pair {QPalette::Window, QColor(0x2d, 0x2d, 0x30)},
                                          {QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6)},
                                          {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
                                          {QPalette::AlternateBase, QColor(0x2d, 0x2d, 0x30)},
                                          {QPalette::Text, QColor(0xe6, 0xe6, 0xe6)},
                                          {QPalette::Button, QColor(0x3a, 0x3a, 0x3d)},
                                          {QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6)},
                                          {QPalette::Highlight, QColor(0x2f, 0x65, 0xca)},
                                          {QPalette::HighlightedText, Qt::white},
                                          {QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3d)},
                                          {QPalette::ToolTipText, QColor(0xe6, 0xe6, 0xe6)},
                                          {QPalette::Link, QColor(0x6c, 0xa8, 0xff)}})
        qpDark.setColor(eRole, qcColour);
    qpDark.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
    qpDark.setColor(QPalette::Disabled, QPalette::Text, Qt::gray);
    qpDark.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::gray);
    QApplication::setPalette(qpDark);
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("torvasdemo");
    QApplication::setOrganizationName("TORVASyslib");

    QCommandLineParser parser;
    parser.setApplicationDescription("Demo host application of TORVASyslib.");
    parser.addHelpOption();
    const QCommandLineOption workspace("workspace", "Keep the workspace in <folder>.", "folder");
    const QCommandLineOption screenshots(
        "screenshots",
        "Take a tour through every part, save a screenshot of each into <folder> and quit through \"Beenden\". "
        "Without --workspace the tour works on scratch copies of the workspace and the help files.",
        "folder");
    const QCommandLineOption language("lang", "Show the demo in <language> (de, en); by default in the system's.",
                                      "language");
    const QCommandLineOption dark("dark", "Show the demo in a dark colour scheme.");
    parser.addOption(workspace);
    parser.addOption(screenshots);
    parser.addOption(language);
    parser.addOption(dark);
    parser.process(app);
    if (parser.isSet(dark))
        UseDarkScheme();

    // The library's language where it has a catalogue, else its own German;
    // the demo and Qt's own dialogs speak the same.
    const QLocale qlWanted = parser.isSet(language) ? QLocale(parser.value(language)) : QLocale::system();
    const QLocale qlShown = TORVASyslib::InstallTranslator(qlWanted) ? qlWanted : QLocale(QLocale::German);
    QLocale::setDefault(qlShown);
    QTranslator qtQt;
    QTranslator qtDemo;
    if (qtQt.load(qlShown, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtQt);
    if (qtDemo.load(qlShown, "torvasdemo", "_", ":/i18n"))
        QApplication::installTranslator(&qtDemo);

    const bool bTour = parser.isSet(screenshots);
    QTemporaryDir qtdScratch;
    if (bTour && !parser.isSet(workspace))
        qputenv("XDG_DATA_HOME", QFile::encodeName(qtdScratch.path()));
    const QString qstrWorkspace = DemoWindow::PrepareWorkspace(parser.value(workspace));
    if (qstrWorkspace.isNull())
        return 1;

    DemoWindow window(qstrWorkspace);
    window.show();
    if (!bTour)
        return app.exec();

    DemoTour tour(window, parser.value(screenshots));
    tour.Start();
    const int iResult = app.exec();
    return tour.Succeeded() ? iResult : 1;
}
