// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Held keys decide nothing: the repeats of a held Enter neither ask the
// answer box's question nor answer it, nor start a round; a held letter
// counts once.
#include "WindowFixture.h"
#include "desktop/ApplicationSetup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace velmora;

namespace {

// A key press as the keyboard's repeat sends it while the key is held, as
// Qt marks it.
void pressHeld(QWidget* widget, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::simulateEvent(widget, true, key, modifiers, text, true);
}

// The first repeat that reaches a window which has just taken the focus,
// as X11 sends it: a release and a press at the same instant, unmarked.
void repeatUnmarked(QWidget* widget, Qt::Key key, const QString& text, quint64 instant)
{
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    release.setTimestamp(instant);
    QApplication::sendEvent(widget, &release);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    press.setTimestamp(instant);
    QApplication::sendEvent(widget, &press);
}

void pressFresh(QWidget* widget, Qt::Key key, const QString& text, quint64 instant)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    press.setTimestamp(instant);
    QApplication::sendEvent(widget, &press);
}

} // namespace

class HeldKeysTest : public QObject {
    Q_OBJECT

private slots:
    void aHeldEnterNeitherAsksTheQuestionNorAnswersIt()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        QTest::keyClicks(f.child<QAbstractButton>("cmdGame"), QStringLiteral("!"));
        auto* box = f.child<QLineEdit>("txtWord");
        QTest::keyClicks(box, QStringLiteral("xyz"));

        QStringList asked;
        QTimer watcher;
        // Whatever opens meanwhile is noted and closed with "No".
        connect(&watcher, &QTimer::timeout, this, [&asked] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked << question->text();
                question->button(QMessageBox::No)->click();
            }
        });
        watcher.start(10);
        for (int repeat = 0; repeat < 5; ++repeat)
            pressHeld(box, Qt::Key_Return, QStringLiteral("\r"));
        repeatUnmarked(box, Qt::Key_Return, QStringLiteral("\r"), 1000);
        QTest::qWait(50);
        QCOMPARE(asked, QStringList{});
        watcher.stop();

        // A fresh Enter asks. While the question is up, the repeats of Enter,
        // Space and the letter of "Sí", marked or not, answer nothing; a
        // fresh Enter then does.
        bool stillAsking = false;
        QTimer::singleShot(0, this, [&stillAsking] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (question == nullptr)
                return;
            QWidget* focus = question->focusWidget() != nullptr ? question->focusWidget() : question;
            repeatUnmarked(focus, Qt::Key_Return, QStringLiteral("\r"), 2000);
            repeatUnmarked(focus, Qt::Key_Space, QStringLiteral(" "), 2001);
            repeatUnmarked(focus, Qt::Key_S, QStringLiteral("s"), 2002);
            for (int repeat = 0; repeat < 5; ++repeat) {
                pressHeld(focus, Qt::Key_Return, QStringLiteral("\r"));
                pressHeld(focus, Qt::Key_Enter, QStringLiteral("\r"));
                pressHeld(focus, Qt::Key_Space, QStringLiteral(" "));
                pressHeld(focus, Qt::Key_S, QStringLiteral("s"));
                pressHeld(focus, Qt::Key_S, QString(), Qt::AltModifier);
            }
            QApplication::processEvents();
            stillAsking = question->isVisible();
            pressFresh(focus, Qt::Key_Return, QStringLiteral("\r"), 3000);
        });
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(stillAsking);
        // "Sí" on a wrong answer: the round is lost.
        QVERIFY(!f.window->game().round().GameActive);
        QCOMPARE(f.controls().lblStrike[1].Caption, U'M');
    }

    void aHeldEnterOrSpaceOnThePlayButtonStartsNoRound()
    {
        WindowFixture f;
        auto* play = f.child<QAbstractButton>("cmdGame");
        QVERIFY(play->hasFocus());
        pressHeld(play, Qt::Key_Return, QStringLiteral("\r"));
        pressHeld(play, Qt::Key_Space, QStringLiteral(" "));
        repeatUnmarked(play, Qt::Key_Return, QStringLiteral("\r"), 1000);
        repeatUnmarked(play, Qt::Key_Space, QStringLiteral(" "), 1001);
        QVERIFY(!f.window->game().round().GameActive);

        // Fresh presses count, however close: another key pressed as Space is
        // let go; on the sound button, Space later, and two presses made by
        // software, which carry no time.
        f.random->queueTitle(U"EL PADRINO");
        pressFresh(play, Qt::Key_Return, QStringLiteral("\r"), 1001);
        QVERIFY(f.window->game().round().GameActive);
        auto* sound = f.child<QAbstractButton>("cmdVoz");
        const bool soundWasOn = f.window->game().round().SoundOn;
        repeatUnmarked(sound, Qt::Key_Space, QStringLiteral(" "), 2000);
        pressFresh(sound, Qt::Key_Space, QStringLiteral(" "), 2001);
        QTest::keyClick(sound, Qt::Key_Space);
        QTest::keyClick(sound, Qt::Key_Space);
        QCOMPARE(f.window->game().round().SoundOn, !soundWasOn);
    }

    void aHeldLetterCountsOnceOnTheBoard()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        auto* play = f.child<QAbstractButton>("cmdGame");
        pressFresh(play, Qt::Key_Z, QStringLiteral("z"), 1000);
        for (int repeat = 0; repeat < 5; ++repeat)
            pressHeld(play, Qt::Key_Z, QStringLiteral("z"));
        repeatUnmarked(play, Qt::Key_Z, QStringLiteral("z"), 2000);
        QCOMPARE(f.controls().filledStrikeBoxes(), 1);
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"Z"));
        QVERIFY(f.window->game().round().GameActive);

        // Fresh presses count, however close: two made by software, which
        // carry no time (the second flashes yellow, as a letter said again);
        // another key pressed as one is let go; the same key pressed later.
        QTest::keyClicks(play, QStringLiteral("qq"));
        QCOMPARE(f.controls().lblStrike[0].BackColor, BoxColour::Yellow);
        repeatUnmarked(play, Qt::Key_Q, QStringLiteral("q"), 3000);
        pressFresh(play, Qt::Key_X, QStringLiteral("x"), 3000);
        QCOMPARE(f.controls().filledStrikeBoxes(), 3);
        repeatUnmarked(play, Qt::Key_X, QStringLiteral("x"), 3001);
        pressFresh(play, Qt::Key_X, QStringLiteral("x"), 4000);
        QCOMPARE(f.controls().lblStrike[0].BackColor, BoxColour::Yellow);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    HeldKeysTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HeldKeysTest.moc"
