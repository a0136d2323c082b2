// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextBrowserHelpViewer.h"
#include "painting/Fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeySequence>
#include <QRawFont>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <vector>

namespace {

const QUrl shippedPage = QUrl::fromLocalFile(QStringLiteral(VELMORA_SHIPPED_HELP_PAGE));

std::vector<QTextBrowser*> helpWindows()
{
    std::vector<QTextBrowser*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(widget); browser != nullptr && browser->isVisible())
            windows.push_back(browser);
    }
    return windows;
}

} // namespace

class TextBrowserHelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void helpAskedTwiceShowsOneWindowTitledAyudaDeVelmoraBesideTheGame()
    {
        QWidget game;
        game.show();
        velmora::TextBrowserHelpViewer viewer;
        viewer.show(&game, shippedPage);
        viewer.show(&game, shippedPage);

        const auto windows = helpWindows();
        QCOMPARE(windows.size(), std::size_t{1});
        QCOMPARE(windows[0]->windowTitle(), QStringLiteral("Ayuda de Velmora"));
        QCOMPARE(windows[0]->parentWidget(), &game);
        QVERIFY(!windows[0]->isModal());
    }

    void theWindowGoesWithTheGameAndComesBackOnTheNextRequest()
    {
        velmora::TextBrowserHelpViewer viewer;
        {
            QWidget game;
            viewer.show(&game, shippedPage);
            QCOMPARE(helpWindows().size(), std::size_t{1});
        }
        QVERIFY(helpWindows().empty());
        QWidget nextGame;
        viewer.show(&nextGame, shippedPage);
        QCOMPARE(helpWindows().size(), std::size_t{1});
    }

    void theShippedPageShowsWithItsStylesheetAndItsLinksMoveWithinIt()
    {
        QWidget game;
        velmora::TextBrowserHelpViewer viewer;
        viewer.show(&game, shippedPage);
        QTextBrowser* window = helpWindows().at(0);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        // The page's background comes from its stylesheet.
        QCOMPARE(window->document()->rootFrame()->frameFormat().background().color(), QColor(0xf4, 0xf4, 0xf0));

        // A click between two letters of the contents' link to the points.
        QTextCursor link = window->document()->find(QStringLiteral("Los puntos"));
        QVERIFY(!link.isNull());
        link.setPosition(link.selectionStart() + 1);
        QCOMPARE(window->verticalScrollBar()->value(), 0);
        QTest::mouseClick(window->viewport(), Qt::LeftButton, {}, window->cursorRect(link).center());
        QCOMPARE(window->source().fragment(), QStringLiteral("puntos"));
        QVERIFY(window->verticalScrollBar()->value() > 0);
    }

    void escapeOrCtrlWClosesTheWindowAndTheNextRequestBringsItBack()
    {
        QWidget game;
        game.show();
        velmora::TextBrowserHelpViewer viewer;
        for (const QKeySequence& closing : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            viewer.show(&game, shippedPage);
            QCOMPARE(helpWindows().size(), std::size_t{1});
            QTextBrowser* window = helpWindows().at(0);
            QApplication::setActiveWindow(window);
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keySequence(window, closing);
            QVERIFY2(helpWindows().empty(), qPrintable(closing.toString()));
        }
    }

    // The page is written in the desktop's font, family and size, whatever
    // face its stylesheet names, as the rest of the desktop's text is.
    void thePageIsWrittenInTheDesktopsFontAndFollowsItWhenItChanges()
    {
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
        QWidget game;
        velmora::TextBrowserHelpViewer viewer;
        viewer.show(&game, shippedPage);
        const QTextDocument* page = helpWindows().at(0)->document();
        const auto shownFont = [page](const QString& text) { return QFontInfo(page->find(text).charFormat().font()); };

        QCOMPARE(shownFont(QStringLiteral("Los puntos")).family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(shownFont(QStringLiteral("esconde el título")).pointSize(), 14);
        // The page's title stands out above its text at any size.
        QVERIFY(shownFont(QStringLiteral("Velmora")).pointSizeF() > 14 * 1.2);

        // The desktop's new font reaches the window through the event loop.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 18));
        QTRY_COMPARE(shownFont(QStringLiteral("Los puntos")).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(shownFont(QStringLiteral("esconde el título")).pointSize(), 18);
        QApplication::setFont(desktop);
    }

    // The face that writes the score carries only part of the face it comes
    // from: a character it lacks would come out in another face.
    void theScoreIsWrittenWholeInTheFaceCarriedInsideTheProgram()
    {
        const QRawFont face = QRawFont::fromFont(velmora::gameFont(velmora::Face::Sans, 15.75));
        QCOMPARE(face.familyName(), velmora::faceFamily(velmora::Face::Sans));
        QString missing;
        for (const char32_t c : QStringLiteral("-0123456789").toUcs4()) {
            if (!face.supportsCharacter(c))
                missing += QString::fromUcs4(&c, 1);
        }
        QCOMPARE(missing, QString());
    }
};

QTEST_MAIN(TextBrowserHelpViewerTest)
#include "TextBrowserHelpViewerTest.moc"
