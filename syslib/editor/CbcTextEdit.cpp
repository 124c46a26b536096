// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"

#include "atomicfile_p.h"
#include "builtinicons_p.h"
#include "diagnostics_p.h"
#include "filestamp_p.h"
#include "findbar_p.h"
#include "glyphiconengine_p.h"
#include "pageloop_p.h"
#include "questionbox_p.h"
#include "screenfit_p.h"
#include "textencoding_p.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>

#include <utility>

using BuiltinIcons::Icon;

namespace
{
// The colour action's swatch, framed in the palette's text colour.
QIcon ColourSquare(const QColor& p_qcColor)
{
    return QIcon(new GlyphIconEngine(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 24 24'>"
                                                    "<rect x='3' y='3' width='18' height='18' fill='%1' "
                                                    "stroke='currentColor' stroke-width='1'/></svg>")
                                         .arg(p_qcColor.name())
                                         .toLatin1()));
}

// An action built the window's way, added to the tool bar and the menu
// where given.
QAction* MakeAction(const QString& p_qstrShortText, const QIcon& p_qiIcon, const QString& p_qstrMenuText,
                    const QKeySequence& p_qksKey, QObject* p_pqoParent, const char* p_szName, QToolBar* p_pqtbToolBar,
                    QMenu* p_pqmMenu)
{
    auto* pqaAction = new QAction(p_qiIcon, p_qstrMenuText, p_pqoParent);
    pqaAction->setIconText(p_qstrShortText);
    pqaAction->setToolTip(p_qstrShortText);
    pqaAction->setShortcut(p_qksKey);
    pqaAction->setObjectName(p_szName);
    if (p_pqtbToolBar)
        p_pqtbToolBar->addAction(pqaAction);
    if (p_pqmMenu)
        p_pqmMenu->addAction(pqaAction);
    return pqaAction;
}

// List styles of the paragraph styles 1 to 6; style 0 is a plain paragraph.
const QTextListFormat::Style ListStyles[]
    = {QTextListFormat::ListDisc,    QTextListFormat::ListCircle,     QTextListFormat::ListSquare,
       QTextListFormat::ListDecimal, QTextListFormat::ListLowerAlpha, QTextListFormat::ListUpperAlpha};
}

class Q_DECL_HIDDEN CbcTextEdit::Private
{
public:
    explicit Private(CbcTextEdit* p_q)
        : q(p_q)
    { }

    void FileSave();
    void FilePrint();
    void FileExit();
    void EditUndo();
    void EditRedo();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void TextBold();
    void TextUnderline();
    void TextItalic();
    void TextFamily(const QString& p_qstrFamily);
    void TextSize(const QString& p_qstrSize);
    void TextStyle(int p_iStyle);
    void TextColor();
    void TextAlign(QAction* p_pqaAction);
    void FontChanged(const QFont& p_qfFont);
    void ColorChanged(const QColor& p_qcColor);
    void AlignmentChanged(int p_iAlignment);
    void TableCellEdit();

    void DoConnections(QTextEdit* p_pqteEditor);
    // The format bar shows the format at the cursor.
    void ShowFormatAtCursor();
    void ShowFormat(const QTextCharFormat& p_qtcfFormat);
    // Writes the text to the window's file; tells the user when it could not.
    bool SaveToFile();
    // Runs the editor's operation when there is an editor.
    void ForwardToEditor(void (QTextEdit::*p_pmOperation)());
    void CreateEditor();

    CbcTextEdit* q;
    QAction* m_pqaTextBold = nullptr;
    QAction* m_pqaTextUnderline = nullptr;
    QAction* m_pqaTextItalic = nullptr;
    QAction* m_pqaTextColor = nullptr;
    QAction* m_pqaTextLeft = nullptr;
    QAction* m_pqaTextCenter = nullptr;
    QAction* m_pqaTextRight = nullptr;
    QAction* m_pqaFileSave = nullptr;
    QAction* m_pqaFileExit = nullptr;
    QAction* m_pqaTextJustify = nullptr;
    QComboBox* m_pqcbStyle = nullptr;
    QComboBox* m_pqcbFamily = nullptr;
    QComboBox* m_pqcbSize = nullptr;
    QString m_qstrFilename;
    QTextEdit* m_pqteEditor = nullptr;
    // The window's file as it was loaded or last saved.
    FileStamp m_stamp;
    FindBar* m_pFindBar = nullptr;
};

CbcTextEdit::CbcTextEdit(QWidget* parent, const char* name, Qt::WindowFlags f)
    : QMainWindow(parent, f)
    , d(new Private(this))
{
    setObjectName(name);
    ScreenFit::Watch(this);
    d->m_pFindBar = new FindBar(this);
    CbcTextEdit::SetupFileActions();
    CbcTextEdit::SetupEditActions();
    CbcTextEdit::SetupTextActions();
}

CbcTextEdit::CbcTextEdit(QString fileName, QWidget* parent, const char* name, Qt::WindowFlags f)
    : CbcTextEdit(parent, name, f)
{
    d->m_qstrFilename = std::move(fileName);
    setWindowTitle(tr("%1[*] – Editor").arg(QFileInfo(d->m_qstrFilename).fileName()));
    Load(d->m_qstrFilename);
}

CbcTextEdit::~CbcTextEdit() = default;

void CbcTextEdit::SetupFileActions()
{
    QToolBar* pqtbBar = addToolBar(tr("File Actions"));
    QMenu* pqmMenu = menuBar()->addMenu(tr("&Datei"));
    d->m_pqaFileSave = MakeAction(tr("Speichern"), BuiltinIcons::Get(Icon::Save), tr("&Speichern..."),
                                  QKeySequence(Qt::CTRL | Qt::Key_S), this, "fileSave", pqtbBar, pqmMenu);
    connect(d->m_pqaFileSave, &QAction::triggered, this, [this] { d->FileSave(); });
    QAction* pqaPrint = MakeAction(tr("Drucken"), BuiltinIcons::Get(Icon::Print), tr("&Drucken..."),
                                   QKeySequence(Qt::CTRL | Qt::Key_P), this, "filePrint", pqtbBar, pqmMenu);
    connect(pqaPrint, &QAction::triggered, this, [this] { d->FilePrint(); });
    QAction* pqaPreview = MakeAction(tr("Druckvorschau"), BuiltinIcons::Get(Icon::PrintPreview), tr("Druckvorschau…"),
                                     QKeySequence(), this, "filePrintPreview", nullptr, pqmMenu);
    connect(pqaPreview, &QAction::triggered, this, [this] {
        if (d->m_pqteEditor)
            PageLoop::Preview(this, PageLoop::WindowPage(this, d->m_pqteEditor->toHtml()));
    });
    d->m_pqaFileExit = MakeAction(tr("Editor beenden"), QIcon(), tr("Editor Beenden"), QKeySequence(), this, "fileExit",
                                  nullptr, pqmMenu);
    connect(d->m_pqaFileExit, &QAction::triggered, this, [this] { d->FileExit(); });
}

void CbcTextEdit::SetupEditActions()
{
    QToolBar* pqtbBar = addToolBar(tr("Edit Actions"));
    QMenu* pqmMenu = menuBar()->addMenu(tr("&Bearbeiten"));
    const auto add = [&](const QString& p_qstrShort, Icon p_eIcon, const QString& p_qstrMenu, QKeyCombination p_kcKey,
                         const char* p_szName, void (Private::*p_pmSlot)()) {
        connect(MakeAction(p_qstrShort, BuiltinIcons::Get(p_eIcon), p_qstrMenu, QKeySequence(p_kcKey), this, p_szName,
                           pqtbBar, pqmMenu),
                &QAction::triggered, this, [this, p_pmSlot] { (d.get()->*p_pmSlot)(); });
    };
    add(tr("Rückgängig"), Icon::Undo, tr("&Rückgängig"), Qt::CTRL | Qt::Key_Z, "editUndo", &Private::EditUndo);
    add(tr("Wiederholen"), Icon::Redo, tr("&Wiederholen"), Qt::CTRL | Qt::Key_Y, "editRedo", &Private::EditRedo);
    pqmMenu->addSeparator();
    add(tr("Kopieren"), Icon::Copy, tr("&Kopieren"), Qt::CTRL | Qt::Key_C, "editCopy", &Private::EditCopy);
    add(tr("Ausschneiden"), Icon::Cut, tr("&Ausschneiden"), Qt::CTRL | Qt::Key_X, "editCut", &Private::EditCut);
    add(tr("Einfügen"), Icon::Paste, tr("&Einfügen"), Qt::CTRL | Qt::Key_V, "editPaste", &Private::EditPaste);
    QAction* pqaTableCell = MakeAction(tr("Tabellen Zelle Editieren"), QIcon(), tr("&Tabellen Zelle Editieren"),
                                       QKeySequence(Qt::CTRL | Qt::Key_T), this, "editTableCell", nullptr, pqmMenu);
    connect(pqaTableCell, &QAction::triggered, this, [this] { d->TableCellEdit(); });
    pqmMenu->addSeparator();
    QAction* pqaFind = MakeAction(tr("Suchen"), BuiltinIcons::Get(Icon::Find), tr("&Suchen…"), QKeySequence::Find, this,
                                  "editFind", nullptr, pqmMenu);
    connect(pqaFind, &QAction::triggered, this, [this] { d->m_pFindBar->Open(); });
}

void CbcTextEdit::SetupTextActions()
{
    // On a line of its own: with its three selectors it is as wide as the
    // other two together.
    addToolBarBreak();
    QToolBar* pqtbBar = addToolBar(tr("Format Actions"));
    QMenu* pqmMenu = menuBar()->addMenu(tr("F&ormat"));

    d->m_pqcbStyle = new QComboBox(pqtbBar);
    d->m_pqcbStyle->addItems({tr("Standard"), tr("ungeordnete Liste (Disc)"), tr("ungeordnete Liste (Kreis)"),
                              tr("ungeordnete Liste (Rechteck)"), tr("geordnete Liste (numerisch)"),
                              tr("geordnete Liste (Alphanumerisch Kleinbuchstaben)"),
                              tr("geordnete Liste (Alphanumerisch Großbuchstaben)")});
    d->m_pqcbStyle->setAccessibleName(tr("Absatzformat"));
    d->m_pqcbStyle->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    d->m_pqcbStyle->setMinimumContentsLength(18);
    connect(d->m_pqcbStyle, &QComboBox::activated, this, [this](int p_iStyle) { d->TextStyle(p_iStyle); });
    pqtbBar->addWidget(d->m_pqcbStyle);

    d->m_pqcbFamily = new QComboBox(pqtbBar);
    d->m_pqcbFamily->setEditable(true);
    d->m_pqcbFamily->setAccessibleName(tr("Schriftart"));
    d->m_pqcbFamily->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    d->m_pqcbFamily->setMinimumContentsLength(14);
    d->m_pqcbFamily->addItems(QFontDatabase::families());
    connect(d->m_pqcbFamily, &QComboBox::textActivated, this,
            [this](const QString& p_qstrFamily) { d->TextFamily(p_qstrFamily); });
    d->m_pqcbFamily->setEditText(QApplication::font().family());
    pqtbBar->addWidget(d->m_pqcbFamily);

    d->m_pqcbSize = new QComboBox(pqtbBar);
    d->m_pqcbSize->setEditable(true);
    d->m_pqcbSize->setAccessibleName(tr("Schriftgröße"));
    for (int iSize : QFontDatabase::standardSizes())
        d->m_pqcbSize->addItem(QString::number(iSize));
    connect(d->m_pqcbSize, &QComboBox::textActivated, this,
            [this](const QString& p_qstrSize) { d->TextSize(p_qstrSize); });
    d->m_pqcbSize->setEditText(QString::number(QApplication::font().pointSize()));
    pqtbBar->addWidget(d->m_pqcbSize);

    const auto toggle = [&](const QString& p_qstrShort, Icon p_eIcon, const QString& p_qstrMenu,
                            QKeyCombination p_kcKey, QObject* p_pqoParent, const char* p_szName) {
        QAction* pqaAction = MakeAction(p_qstrShort, BuiltinIcons::Get(p_eIcon), p_qstrMenu, QKeySequence(p_kcKey),
                                        p_pqoParent, p_szName, pqtbBar, pqmMenu);
        pqaAction->setCheckable(true);
        return pqaAction;
    };
    d->m_pqaTextBold = toggle(tr("Fett"), Icon::Bold, tr("&Fett"), Qt::CTRL | Qt::Key_B, this, "textBold");
    connect(d->m_pqaTextBold, &QAction::triggered, this, [this] { d->TextBold(); });
    d->m_pqaTextItalic = toggle(tr("Kursiv"), Icon::Italic, tr("&Kursiv"), Qt::CTRL | Qt::Key_I, this, "textItalic");
    connect(d->m_pqaTextItalic, &QAction::triggered, this, [this] { d->TextItalic(); });
    d->m_pqaTextUnderline = toggle(tr("Unterstrichen"), Icon::Underline, tr("&Unterstrichen"), Qt::CTRL | Qt::Key_U,
                                   this, "textUnderline");
    connect(d->m_pqaTextUnderline, &QAction::triggered, this, [this] { d->TextUnderline(); });
    pqmMenu->addSeparator();

    auto* pqagAlignment = new QActionGroup(this);
    pqagAlignment->setExclusive(true);
    connect(pqagAlignment, &QActionGroup::triggered, this, [this](QAction* p_pqaAction) { d->TextAlign(p_pqaAction); });
    d->m_pqaTextLeft = toggle(tr("Links"), Icon::Left, tr("&Links"), Qt::CTRL | Qt::Key_L, pqagAlignment, "textLeft");
    d->m_pqaTextCenter
        = toggle(tr("Zentriert"), Icon::Center, tr("&Zentriert"), Qt::CTRL | Qt::Key_E, pqagAlignment, "textCenter");
    d->m_pqaTextRight
        = toggle(tr("Rechts"), Icon::Right, tr("&Rechts"), Qt::CTRL | Qt::Key_R, pqagAlignment, "textRight");
    d->m_pqaTextJustify
        = toggle(tr("Blocksatz"), Icon::Justify, tr("&Blocksatz"), Qt::CTRL | Qt::Key_J, pqagAlignment, "textjustify");
    for (QAction* pqaAlign : {d->m_pqaTextLeft, d->m_pqaTextCenter, d->m_pqaTextRight, d->m_pqaTextJustify})
        pqagAlignment->addAction(pqaAlign);
    pqmMenu->addSeparator();

    d->m_pqaTextColor = MakeAction(tr("Farbe"), ColourSquare(palette().color(QPalette::Text)), tr("&Farbe..."),
                                   QKeySequence(), this, "textColor", pqtbBar, pqmMenu);
    connect(d->m_pqaTextColor, &QAction::triggered, this, [this] { d->TextColor(); });
}

void CbcTextEdit::Private::CreateEditor()
{
    m_pqteEditor = new QTextEdit(q);
    m_pFindBar->SetText(m_pqteEditor);
}

void CbcTextEdit::Load(const QString& p_qstrFileName)
{
    if (p_qstrFileName.isEmpty() || !QFile::exists(p_qstrFileName))
        return;
    delete d->m_pqteEditor;
    d->CreateEditor();
    d->DoConnections(d->m_pqteEditor);
    d->m_pqteEditor->setLineWrapMode(QTextEdit::WidgetWidth);
    d->m_pqteEditor->setAcceptRichText(true);
    setCentralWidget(d->m_pqteEditor);
    // Taken before reading: a file changed meanwhile is not written over unasked.
    if (p_qstrFileName == d->m_qstrFilename)
        d->m_stamp = FileStamp::Of(p_qstrFileName);
    QFile qfFile(p_qstrFileName);
    if (!qfFile.open(QIODevice::ReadOnly))
        return;
    d->m_pqteEditor->setHtml(TextEncoding::Decode(qfFile.readAll(), true));
    d->m_pqteEditor->document()->setModified(false);
    d->ShowFormatAtCursor();
    d->m_pqteEditor->viewport()->setFocus();
}

void CbcTextEdit::SetText(QString p_qstrText)
{
    if (!d->m_pqteEditor)
        d->CreateEditor();
    setCentralWidget(d->m_pqteEditor);
    d->m_pqteEditor->show();
    d->DoConnections(d->m_pqteEditor);
    d->m_pqteEditor->setHtml(p_qstrText);
    d->m_pqteEditor->setAcceptRichText(true);
    d->m_pqteEditor->setLineWrapMode(QTextEdit::WidgetWidth);
    d->m_pqaFileSave->setEnabled(false);
    d->m_pqaFileExit->setEnabled(false);
    if (windowTitle().isEmpty())
        setWindowTitle(tr("Editor[*]"));
    d->ShowFormatAtCursor();
}

QString CbcTextEdit::GetText() const
{
    return d->m_pqteEditor ? d->m_pqteEditor->toHtml() : QString();
}

void CbcTextEdit::Private::DoConnections(QTextEdit* p_pqteEditor)
{
    // Called again for the same editor: one connection each is enough.
    QObject::disconnect(p_pqteEditor, nullptr, q, nullptr);
    QObject::disconnect(p_pqteEditor->document(), nullptr, q, nullptr);
    // The title's modified marker, where the title has one (a host's may not).
    QObject::connect(p_pqteEditor->document(), &QTextDocument::modificationChanged, q, [this](bool p_bModified) {
        if (q->windowTitle().contains(QLatin1String("[*]")))
            q->setWindowModified(p_bModified);
    });
    // The editor reports its format as a whole; font, colour and alignment
    // are taken from it.
    QObject::connect(p_pqteEditor, &QTextEdit::currentCharFormatChanged, q,
                     [this](const QTextCharFormat& p_qtcfFormat) { ShowFormat(p_qtcfFormat); });
    QObject::connect(p_pqteEditor, &QTextEdit::cursorPositionChanged, q,
                     [this, p_pqteEditor]() { AlignmentChanged(int(p_pqteEditor->alignment())); });
}

void CbcTextEdit::Private::ShowFormatAtCursor()
{
    // The editor's cursor still carries the format of the text it held
    // before, and the editor reports a format only when it changes: a fresh
    // cursor at the same place makes it take the format of the text just set.
    QTextCursor qtcAt(m_pqteEditor->document());
    qtcAt.setPosition(m_pqteEditor->textCursor().position());
    m_pqteEditor->setTextCursor(qtcAt);
    ShowFormat(m_pqteEditor->currentCharFormat());
    AlignmentChanged(int(m_pqteEditor->alignment()));
}

void CbcTextEdit::Private::ShowFormat(const QTextCharFormat& p_qtcfFormat)
{
    FontChanged(p_qtcfFormat.font());
    // Text without a colour of its own is drawn in the editor's text colour.
    ColorChanged(p_qtcfFormat.hasProperty(QTextFormat::ForegroundBrush)
                     ? p_qtcfFormat.foreground().color()
                     : m_pqteEditor->palette().color(QPalette::Text));
}

bool CbcTextEdit::Private::SaveToFile()
{
    if (!m_pqteEditor)
        return false;
    const FileStamp now = FileStamp::Of(m_qstrFilename);
    if (now.Exists() && m_stamp.Exists() && now != m_stamp
        && AskQuestion(
               q, CbcTextEdit::tr("Speichern"),
               CbcTextEdit::tr(
                   "Die Datei \"%1\" wurde inzwischen von einem anderen Programm geändert.\nSoll sie trotzdem "
                   "mit diesem Text überschrieben werden?")
                   .arg(QDir::toNativeSeparators(m_qstrFilename)),
               {{CbcTextEdit::tr("&Ja"), QMessageBox::YesRole}, {CbcTextEdit::tr("&Nein"), QMessageBox::NoRole}}, 1, 1)
            != 0)
        return false;
    // In UTF-8, as the page declares.
    if (AtomicFile::Replace(m_qstrFilename, m_pqteEditor->toHtml().toUtf8())) {
        m_stamp = FileStamp::Of(m_qstrFilename);
        m_pqteEditor->document()->setModified(false);
        return true;
    }
    QMessageBox::information(q, CbcTextEdit::tr("Fehler"),
                             CbcTextEdit::tr("Die Datei \"%1\" konnte nicht gespeichert werden.\n")
                                 .arg(QDir::toNativeSeparators(m_qstrFilename)));
    return false;
}

void CbcTextEdit::Private::FileSave()
{
    SaveToFile();
}

void CbcTextEdit::closeEvent(QCloseEvent* event)
{
    // Only a document of its own: a text set by the host goes back to it.
    const bool bOwnFile = d->m_pqteEditor && d->m_pqaFileSave->isEnabled() && !d->m_qstrFilename.isEmpty();
    if (!bOwnFile || !d->m_pqteEditor->document()->isModified())
        return QMainWindow::closeEvent(event);
    const int iChoice = AskQuestion(this, tr("Editor beenden"),
                                    tr("Das Dokument \"%1\" wurde geändert.\nSollen die Änderungen gespeichert werden?")
                                        .arg(QFileInfo(d->m_qstrFilename).fileName()),
                                    {{tr("&Speichern"), QMessageBox::AcceptRole},
                                     {tr("&Verwerfen"), QMessageBox::DestructiveRole},
                                     {tr("&Abbrechen"), QMessageBox::RejectRole}},
                                    0, 2);
    if (iChoice == 2 || (iChoice == 0 && !d->SaveToFile())) {
        event->ignore();
        return;
    }
    if (iChoice == 1)
        Load(d->m_qstrFilename); // shown again, the window shows the file
    QMainWindow::closeEvent(event);
}

void CbcTextEdit::Private::FilePrint()
{
    if (!m_pqteEditor)
        return;
    PageLoop::PrintAfterDialog(q, PageLoop::WindowPage(q, m_pqteEditor->toHtml()), false);
}

void CbcTextEdit::Private::FileExit()
{
    q->close();
}

void CbcTextEdit::Private::ForwardToEditor(void (QTextEdit::*p_pmOperation)())
{
    if (m_pqteEditor)
        (m_pqteEditor->*p_pmOperation)();
}

void CbcTextEdit::Private::EditUndo()
{
    ForwardToEditor(&QTextEdit::undo);
}

void CbcTextEdit::Private::EditRedo()
{
    ForwardToEditor(&QTextEdit::redo);
}

void CbcTextEdit::Private::EditCut()
{
    ForwardToEditor(&QTextEdit::cut);
}

void CbcTextEdit::Private::EditCopy()
{
    ForwardToEditor(&QTextEdit::copy);
}

void CbcTextEdit::Private::EditPaste()
{
    ForwardToEditor(&QTextEdit::paste);
}

void CbcTextEdit::Private::TextBold()
{
    if (m_pqteEditor)
        m_pqteEditor->setFontWeight(m_pqaTextBold->isChecked() ? QFont::Bold : QFont::Normal);
}

void CbcTextEdit::Private::TextUnderline()
{
    if (m_pqteEditor)
        m_pqteEditor->setFontUnderline(m_pqaTextUnderline->isChecked());
}

void CbcTextEdit::Private::TextItalic()
{
    if (m_pqteEditor)
        m_pqteEditor->setFontItalic(m_pqaTextItalic->isChecked());
}

void CbcTextEdit::Private::TextFamily(const QString& p_qstrFamily)
{
    if (!m_pqteEditor)
        return;
    m_pqteEditor->setFontFamily(p_qstrFamily);
    m_pqteEditor->viewport()->setFocus();
}

void CbcTextEdit::Private::TextSize(const QString& p_qstrSize)
{
    if (!m_pqteEditor)
        return;
    // A size that is not a positive number would make the text invisible.
    const int iSize = p_qstrSize.toInt(nullptr, 10);
    if (iSize > 0)
        m_pqteEditor->setFontPointSize(iSize);
    m_pqteEditor->viewport()->setFocus();
}

void CbcTextEdit::Private::TextStyle(int p_iStyle)
{
    if (!m_pqteEditor)
        return;
    QTextCursor qtcCursor = m_pqteEditor->textCursor();
    if (p_iStyle == 0) {
        // A plain paragraph again, without the list's indentation.
        qtcCursor.beginEditBlock();
        if (QTextList* pqtlList = qtcCursor.currentList())
            pqtlList->remove(qtcCursor.block());
        QTextBlockFormat qtbfFormat = qtcCursor.blockFormat();
        qtbfFormat.setIndent(0);
        qtcCursor.setBlockFormat(qtbfFormat);
        qtcCursor.endEditBlock();
    } else if (p_iStyle >= 1 && p_iStyle <= 6) {
        const QTextListFormat::Style eStyle = ListStyles[p_iStyle - 1];
        if (QTextList* pqtlList = qtcCursor.currentList()) {
            QTextListFormat qtlfFormat = pqtlList->format();
            qtlfFormat.setStyle(eStyle);
            pqtlList->setFormat(qtlfFormat);
        } else {
            qtcCursor.createList(eStyle);
        }
    }
    m_pqteEditor->viewport()->setFocus();
}

void CbcTextEdit::Private::TextColor()
{
    if (!m_pqteEditor)
        return;
    const QColor qcColor = QColorDialog::getColor(m_pqteEditor->textColor(), q);
    if (!qcColor.isValid())
        return;
    m_pqteEditor->setTextColor(qcColor);
    m_pqaTextColor->setIcon(ColourSquare(qcColor));
}

void CbcTextEdit::Private::TextAlign(QAction* p_pqaAction)
{
    if (!m_pqteEditor)
        return;
    Qt::Alignment eAlignment;
    if (p_pqaAction == m_pqaTextLeft)
        eAlignment = Qt::AlignLeft;
    else if (p_pqaAction == m_pqaTextCenter)
        eAlignment = Qt::AlignHCenter;
    else if (p_pqaAction == m_pqaTextRight)
        eAlignment = Qt::AlignRight;
    else if (p_pqaAction == m_pqaTextJustify)
        eAlignment = Qt::AlignJustify;
    else
        return;
    m_pqteEditor->setAlignment(eAlignment);
    AlignmentChanged(int(eAlignment));
}

void CbcTextEdit::Private::FontChanged(const QFont& p_qfFont)
{
    m_pqcbFamily->setEditText(p_qfFont.family());
    m_pqcbSize->setEditText(QString::number(p_qfFont.pointSize()));
    m_pqaTextBold->setChecked(p_qfFont.weight() > QFont::Normal);
    m_pqaTextItalic->setChecked(p_qfFont.italic());
    m_pqaTextUnderline->setChecked(p_qfFont.underline());
}

void CbcTextEdit::Private::ColorChanged(const QColor& p_qcColor)
{
    m_pqaTextColor->setIcon(ColourSquare(p_qcColor));
}

void CbcTextEdit::Private::AlignmentChanged(int p_iAlignment)
{
    if (p_iAlignment == 0 || (p_iAlignment & Qt::AlignLeft))
        m_pqaTextLeft->setChecked(true);
    else if (p_iAlignment & Qt::AlignHCenter)
        m_pqaTextCenter->setChecked(true);
    else if (p_iAlignment & Qt::AlignRight)
        m_pqaTextRight->setChecked(true);
    else if (p_iAlignment & Qt::AlignJustify)
        m_pqaTextJustify->setChecked(true);
}

void CbcTextEdit::Private::TableCellEdit()
{
    if (!m_pqteEditor)
        return;
    const QTextCursor qtcCursor = m_pqteEditor->textCursor();
    Diagnostics::Line(lcEditor(),
                      QStringLiteral("Cursor in paragraph %1 at index %2")
                          .arg(qtcCursor.blockNumber())
                          .arg(qtcCursor.positionInBlock()));
}

#include "moc_CbcTextEdit.cpp"
