// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "desktop/ApplicationSetup.h"
#include "painting/Fonts.h"
#include "painting/GameSurface.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolTip>

using namespace velmora;

namespace {

// What the compose key or an input method hands the widget with the focus.
void commit(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// Whether the desktop's compose handling and input methods deliver to a
// widget: they ask it, when it has the focus, whether it takes their text.
bool takesComposedText(QWidget* widget)
{
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(widget, &query);
    return query.value(Qt::ImEnabled).toBool();
}

} // namespace

// The window on the player's desktop: keys composed there, the menus' access
// keys, and the desktop's font around the game's own faces.
class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void composedLettersAreGuessesOnTheSurfaceAndBothButtons()
    {
        WindowFixture f;
        f.startRound(U"EL SEÑOR DE LOS ANILLOS");
        auto* play = f.child<QAbstractButton>("cmdGame");
        auto* speaker = f.child<QAbstractButton>("cmdVoz");
        for (QWidget* widget : {static_cast<QWidget*>(play), static_cast<QWidget*>(speaker),
                                static_cast<QWidget*>(f.surface()), static_cast<QWidget*>(f.window.get())})
            QVERIFY2(takesComposedText(widget), widget->metaObject()->className());

        QVERIFY(play->hasFocus());
        commit(play, QStringLiteral("ñ"));
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"Ñ"));
        QVERIFY(f.window->game().controls().lblLetter[5].LetterVisible); // the Ñ of SEÑOR

        QTest::mouseClick(speaker, Qt::LeftButton);
        QVERIFY(speaker->hasFocus());
        commit(speaker, QStringLiteral("á"));
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"ÑA"));

        f.surface()->setFocus();
        commit(f.surface(), QStringLiteral("ü"));
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"ÑAU"));
        QCOMPARE(f.controls().lblStrike[0].Caption, U'U');

        // Text outside Latin-1 is no guess, as a typed key of it is not; an
        // accent alone is none either.
        commit(f.surface(), QStringLiteral("ł´"));
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"ÑAU"));
        QCOMPARE(f.controls().lblStrike[1].Caption, char32_t{0});
    }

    void composedTextIsJudgedOneCharacterAtATimeAndFollowsTheFocus()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        auto* play = f.child<QAbstractButton>("cmdGame");
        // An input method may hand over several characters at once: each is a
        // key of its own, and once "!" has opened the answer box the rest is
        // typed into the box, filtered as there.
        commit(play, QStringLiteral("ez!pa-d"));
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"EZ"));
        QCOMPARE(f.controls().lblStrike[0].Caption, U'Z');
        auto* box = f.child<QLineEdit>("txtWord");
        QVERIFY(box->hasFocus());
        QCOMPARE(box->text(), QStringLiteral("pad"));
    }

    void theMenusAndTheirItemsOpenWithTheirAccessKeys()
    {
        WindowFixture f;
        auto* menu = f.child<QMenu>("mnuMenu");
        auto* help = f.child<QMenu>("mnuHelp");
        QTest::keyClick(f.child<QWidget>("cmdGame"), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());

        QTest::keyClick(f.child<QWidget>("cmdGame"), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_V);
        QTRY_COMPARE(f.help.helpShown, 1);
        QTest::keyClick(f.child<QWidget>("cmdGame"), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_A);
        QTRY_COMPARE(f.help.aboutShown, 1);
    }

    void menusAndTooltipsFollowTheDesktopsFontWhileTheGameKeepsItsFaces()
    {
        WindowFixture f;
        for (QWidget* around :
             {static_cast<QWidget*>(f.window->menuBar()), static_cast<QWidget*>(f.child<QMenu>("mnuMenu"))}) {
            QCOMPARE(QFontInfo(around->font()).family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(around->font().pointSize(), 14);
        }
        QCOMPARE(QFontInfo(QToolTip::font()).family(), QStringLiteral("DejaVu Serif"));

        const auto gameFace = [&](const char* name, int pixels) {
            const QFont font = f.child<QWidget>(name)->font();
            const QFontInfo shown(font);
            QCOMPARE(shown.family(), velmora::faceFamily(velmora::Face::Rounded));
            QVERIFY(!shown.italic());
            QCOMPARE(font.stretch(), int(QFont::Unstretched));
            QCOMPARE(font.pixelSize(), pixels);
        };
        gameFace("cmdGame", 16);
        gameFace("cmdCancel", 16);
        gameFace("txtWord", 24);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The desktop's font, as its platform theme gives it before the program
    // makes its windows: nothing like the game's faces, being serif, large,
    // italic and stretched.
    QFont desktop(QStringLiteral("DejaVu Serif"), 14);
    desktop.setItalic(true);
    desktop.setStretch(QFont::Expanded);
    QApplication::setFont(desktop);
    prepareApplication(app);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
