// SPDX-License-Identifier: BSD-3-Clause
#include "DemoWindow.h"

#include "InputsDialog.h"

#include <CbcTextEdit.h>
#include <CivmIconViewManager.h>
#include <CpmPrintManager.h>
#include <HelpWindow.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextDocument>

#include <cstdio>

DemoWindow::DemoWindow(const QString& p_qstrWorkspace, QWidget* parent)
    : QMainWindow(parent)
    , m_pcivmWorkspace(new CivmIconViewManager(this, p_qstrWorkspace))
    , m_qstrWorkspace(p_qstrWorkspace)
{
    setWindowTitle(tr("TORVASyslib Demo – Arbeitsplatz"));
    setCentralWidget(m_pcivmWorkspace);
    connect(m_pcivmWorkspace, &CivmIconViewManager::SystemCall, this, &DemoWindow::SystemCallSlot);
    m_pcivmWorkspace->ShowDirectory();
    statusBar()->showMessage(tr("Arbeitsplatz: %1").arg(QDir::toNativeSeparators(p_qstrWorkspace)));
    resize(560, 380);
}

DemoWindow::~DemoWindow()
{
    delete m_pHelp;
    delete m_pEditor;
}

QString DemoWindow::PrepareWorkspace(const QString& p_qstrFolder)
{
    // The sample in the language shown; each language has a workspace of its own.
    const bool bGerman = QLocale().language() == QLocale::German;
    const QString qstrFolder = p_qstrFolder.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + (bGerman ? "/workspace" : "/workspace-en")
        : p_qstrFolder;
    const QString qstrFile = QDir(qstrFolder).filePath("icons");
    if (QFile::exists(qstrFile)
        || (QDir().mkpath(qstrFolder) && QFile::copy(bGerman ? ":/sample/icons" : ":/sample/icons_en", qstrFile)
            && QFile::setPermissions(qstrFile, QFile::ReadOwner | QFile::WriteOwner)))
        return qstrFolder;
    std::fprintf(stderr, "Cannot set up the workspace folder %s\n", qPrintable(qstrFolder));
    return QString();
}

void DemoWindow::closeEvent(QCloseEvent* event)
{
    // The editor may ask about unsaved changes; cancelled, the demo goes on.
    if (m_pEditor && m_pEditor->isVisible() && !m_pEditor->close()) {
        event->ignore();
        return;
    }
    delete m_pHelp;
    m_pHelp = nullptr;
    delete m_pEditor;
    m_pEditor = nullptr;
    event->accept();
    QApplication::quit();
}

void DemoWindow::SystemCallSlot(const QString& p_qstrFunction)
{
    if (p_qstrFunction == QLatin1String("about")) {
        QMessageBox::about(this, tr("Über die Demo"),
                           tr("Diese Anwendung zeigt die Bausteine von TORVASyslib.\n\n"
                              "Ordner öffnen Sie mit einem Doppelklick, das Kontextmenü mit der rechten "
                              "Maustaste. Jede Änderung am Arbeitsplatz wird sofort gespeichert."));
    } else if (p_qstrFunction == QLatin1String("help")) {
        if (!m_pHelp)
            m_pHelp
                = new HelpWindow(QString(),
                                 QLocale().language() == QLocale::German ? QStringLiteral("qrc:/help/index.html")
                                                                         : QStringLiteral("qrc:/help-en/index.html"));
        m_pHelp->show();
        m_pHelp->raise();
    } else if (p_qstrFunction == QLatin1String("editor")) {
        // A note kept beside the workspace; "Speichern" writes it back.
        if (!m_pEditor) {
            const QString qstrNote = QDir(m_qstrWorkspace).filePath("notiz.html");
            QFile qfNote(qstrNote);
            if (!qfNote.exists() && qfNote.open(QIODevice::WriteOnly))
                qfNote.write(tr("<h2>Notiz</h2><p>Dieser Text steht in <b>%1</b>. Formatieren Sie ihn mit der "
                                "Format-Leiste, speichern Sie ihn mit Strg+S.</p>")
                                 .arg(QDir::toNativeSeparators(qstrNote))
                                 .toUtf8());
            qfNote.close();
            m_pEditor = new CbcTextEdit(qstrNote, nullptr, "editor", {});
            m_pEditor->resize(760, 480);
        }
        m_pEditor->show();
        m_pEditor->raise();
    } else if (p_qstrFunction == QLatin1String("inputs")) {
        InputsDialog(m_qstrWorkspace, this).exec();
    } else if (p_qstrFunction == QLatin1String("quit")) {
        close();
    } else if (p_qstrFunction.startsWith(QLatin1String("print-"))) {
        Print(p_qstrFunction);
    } else {
        statusBar()->showMessage(tr("Programm \"%1\" gibt es in dieser Demo noch nicht.").arg(p_qstrFunction), 5000);
    }
}

void DemoWindow::Print(const QString& p_qstrFunction)
{
    QFile qfSample(":/sample.html");
    qfSample.open(QIODevice::ReadOnly);
    const QString qstrSample = QString::fromUtf8(qfSample.readAll());
    const QString qstrChosen = tr("Gedruckt, wohin Sie es im Druckdialog bestimmt haben.");
    QString qstrWhere;
    bool bPrinted = false;
    if (p_qstrFunction == QLatin1String("print-html-printer")) {
        // The caller's printer: the default one, or a PDF file when no
        // printer is installed.
        QPrinter qpPrinter(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            const QString qstrFile
                = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("torvasdemo.pdf");
            QDir().mkpath(QFileInfo(qstrFile).absolutePath());
            qpPrinter.setOutputFormat(QPrinter::PdfFormat);
            qpPrinter.setOutputFileName(qstrFile);
            qstrWhere
                = tr("Kein Drucker eingerichtet: gedruckt in die Datei %1").arg(QDir::toNativeSeparators(qstrFile));
        } else {
            qstrWhere = tr("Gedruckt auf %1").arg(qpPrinter.printerName());
        }
        bPrinted = CpmPrintManager::PrintHTML(qstrSample, &qpPrinter, this, 72, 72);
    } else if (p_qstrFunction == QLatin1String("print-html-dialog")) {
        bPrinted = CpmPrintManager::PrintHTML(qstrSample, this, 72, 72);
        qstrWhere = qstrChosen;
    } else if (p_qstrFunction == QLatin1String("print-html-list")) {
        bPrinted = CpmPrintManager::PrintHTML(QStringList {qstrSample,
                                                           "<h1>Zweiter Text</h1><p>Ein eigener Druckauftrag.</p>",
                                                           "<h1>Dritter Text</h1><p>Noch ein Druckauftrag.</p>"},
                                              72, 72);
        qstrWhere = qstrChosen
            + tr(" In eine Datei gedruckt, stehen der zweite und dritte Text in "
                 "\"…-2.pdf\" und \"…-3.pdf\" daneben.");
    } else {
        QTextDocument qtdSample;
        qtdSample.setHtml(qstrSample);
        bPrinted = CpmPrintManager::PrintPlain(qtdSample.toPlainText());
        qstrWhere = qstrChosen;
    }
    statusBar()->showMessage(bPrinted ? qstrWhere : tr("Nicht gedruckt."), 10000);
}
