// SPDX-License-Identifier: BSD-3-Clause
#include "CbcTextEdit.h"
#include "CivIconView.h"
#include "CwsDirectoryIcon.h"
#include "HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <memory>

namespace
{
double Luminance(const QColor& p_qcColour)
{
    const auto channel = [](double p_dValue) {
        return p_dValue <= 0.03928 ? p_dValue / 12.92 : std::pow((p_dValue + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(p_qcColour.redF()) + 0.7152 * channel(p_qcColour.greenF())
        + 0.0722 * channel(p_qcColour.blueF());
}

// The pixels that differ between the picture and the same picture drawn at a quarter of its size and blown up.
int DetailLost(const QImage& p_qiPicture, const QImage& p_qiSmall)
{
    const QImage qiBlownUp = p_qiSmall.scaled(p_qiPicture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int iDiffering = 0;
    for (int y = 0; y < p_qiPicture.height(); ++y)
        for (int x = 0; x < p_qiPicture.width(); ++x)
            iDiffering += std::abs(qAlpha(p_qiPicture.pixel(x, y)) - qAlpha(qiBlownUp.pixel(x, y))) > 64 ? 1 : 0;
    return iDiffering;
}
}

class TestIcons : public QObject
{
    Q_OBJECT

    // Every picture of the library, by where it shows, and whether it is a one-colour glyph.
    QList<std::tuple<QString, QIcon, bool>> Pictures()
    {
        QList<std::tuple<QString, QIcon, bool>> qlPictures;
        CbcTextEdit editor;
        for (QAction* pqaAction : editor.findChildren<QAction*>())
            if (!pqaAction->icon().isNull() && pqaAction->objectName() != "textColor"
                && !pqaAction->objectName().startsWith("_q_")) // Qt's own, such as a field's clear button
                qlPictures << std::tuple {pqaAction->objectName(), pqaAction->icon(), true};
        HelpWindow help("", "");
        for (QToolButton* pqtbButton : help.findChildren<QToolButton*>())
            if (!pqtbButton->toolTip().isEmpty())
                qlPictures << std::tuple {pqtbButton->toolTip(), pqtbButton->icon(), true};
        CivIconView view;
        CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
        auto* pFolder = new CwsDirectoryIcon(&view, "F", &root, 0, 0, 1);
        root.AddChild(pFolder, true);
        pFolder->ShowDirectory();
        qlPictures << std::tuple {"up", pFolder->GetChildrenList()->first()->GetIcon()->icon(), false};
        root.ShowDirectory();
        qlPictures << std::tuple {"folder", pFolder->GetIcon()->icon(), false};
        return qlPictures;
    }

private Q_SLOTS:
    // Pictures that are small bitmaps blown up on large or high-density screens.
    void sharpAtEverySize()
    {
        const QList<std::tuple<QString, QIcon, bool>> qlPictures = Pictures();
        QCOMPARE(qlPictures.size(), 27);
        for (const auto& [qstrName, qiIcon, bGlyph] : qlPictures) {
            for (qreal dRatio : {1.0, 2.0}) {
                for (int iSize : {16, 32, 64}) {
                    const QPixmap qpPixmap = qiIcon.pixmap(QSize(iSize, iSize), dRatio);
                    QVERIFY2(qpPixmap.size() == QSize(iSize, iSize) * dRatio, qPrintable(qstrName));
                }
            }
            const QImage qiLarge = qiIcon.pixmap(64).toImage();
            QVERIFY2(DetailLost(qiLarge, qiIcon.pixmap(16).toImage()) > 64, qPrintable(qstrName));
        }
    }

    // The desktop's icon theme ignored: the library's pictures shown where the theme has its own.
    void desktopThemeFirst()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("mini/16x16/actions"));
        QFile qfIndex(dir.filePath("mini/index.theme"));
        QVERIFY(qfIndex.open(QIODevice::WriteOnly));
        qfIndex.write("[Icon Theme]\nName=mini\nDirectories=16x16/actions\n[16x16/actions]\nSize=16\n");
        qfIndex.close();
        QImage qiPicture(16, 16, QImage::Format_ARGB32);
        qiPicture.fill(Qt::red);
        QVERIFY(qiPicture.save(dir.filePath("mini/16x16/actions/document-save.png")));
        QIcon::setThemeSearchPaths({dir.path()});
        QIcon::setThemeName("mini");
        CbcTextEdit editor;
        QCOMPARE(editor.findChild<QAction*>("fileSave")->icon().name(), QString("document-save"));
        QVERIFY(editor.findChild<QAction*>("filePrint")->icon().name().isEmpty()); // not in the theme: the library's
        QIcon::setThemeName(QString());
    }

    // One-colour glyphs that vanish in a dark colour scheme, or a colour swatch that shows black on dark.
    void visibleInADarkScheme()
    {
        const QPalette qpLight = QApplication::palette();
        const QPalette qpDark(QColor(0x2b, 0x2b, 0x2b)); // light text computed from it
        QApplication::setPalette(qpDark);
        for (const auto& [qstrName, qiIcon, bGlyph] : Pictures()) {
            if (!bGlyph)
                continue;
            const QImage qiGlyph = qiIcon.pixmap(32).toImage();
            double dBrightest = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    if (qAlpha(qiGlyph.pixel(x, y)) > 200)
                        dBrightest = std::max(dBrightest, Luminance(qiGlyph.pixelColor(x, y)));
            const double dContrast = (dBrightest + 0.05) / (Luminance(qpDark.color(QPalette::Window)) + 0.05);
            QVERIFY2(dContrast >= 3, qPrintable(QString("%1: %2").arg(qstrName).arg(dContrast)));
        }
        CbcTextEdit editor;
        editor.SetText("<p>plain</p>");
        QCOMPARE(editor.findChild<QAction*>("textColor")->icon().pixmap(24).toImage().pixelColor(12, 12),
                 editor.findChild<QTextEdit*>()->palette().color(QPalette::Text));
        QApplication::setPalette(qpLight);
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
