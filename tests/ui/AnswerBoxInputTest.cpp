// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The answer box's input in the window: text that arrives by any route
// passes the one filter typed keys pass, and Escape closes the box.
#include "WindowFixture.h"
#include "desktop/ApplicationSetup.h"
#include "painting/QtText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

using namespace velmora;

namespace {

// Control characters, a NUL, accents, symbols, a right-to-left override,
// emoji and a lone surrogate between the characters a player can type.
const QString kJunk = QStringLiteral("\u0001É l\u202Epa") + QString::fromUtf8("😀") + QStringLiteral("dr")
                      + QChar(QChar::Null) + QStringLiteral("i\tn\r\no!ñ?") + QChar(0xD800) + QStringLiteral("Ñ");
// What a player typing kJunk key by key into an empty box would have got.
const QString kTyped = QStringLiteral("E lpadrinoñÑ");

// A key press as the keyboard's auto-repeat sends it while the key is held.
void pressHeld(QWidget* widget, Qt::Key key, const QString& text)
{
    QTest::simulateEvent(widget, true, key, Qt::NoModifier, text, true);
}

struct OpenBox {
    WindowFixture f;
    QLineEdit* box = nullptr;

    explicit OpenBox(std::u32string_view title = U"EL PADRINO")
    {
        f.startRound(title);
        QTest::keyClicks(f.child<QAbstractButton>("cmdGame"), QStringLiteral("!"));
        box = f.child<QLineEdit>("txtWord");
    }

    // The box and the rules agree on what it holds.
    QString held() const
    {
        const QString rules = qtText(f.controls().txtWord);
        return rules == box->text() ? rules : QStringLiteral("box \"%1\", rules \"%2\"").arg(box->text(), rules);
    }
};

} // namespace

class AnswerBoxInputTest : public QObject {
    Q_OBJECT

private slots:
    void everyWayOfPastingTakesOnlyWhatCouldBeTyped()
    {
        OpenBox o;
        QVERIFY(o.box->hasFocus());
        QGuiApplication::clipboard()->setText(kJunk);

        QTest::keyClick(o.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.held(), kTyped);

        QTest::keyClick(o.box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(o.held(), kTyped + kTyped);

        QTest::mouseDClick(o.box, Qt::LeftButton);
        QCOMPARE(o.held(), QString());
        const std::unique_ptr<QMenu> menu(o.box->createStandardContextMenu());
        QAction* paste = nullptr;
        for (QAction* item : menu->actions()) {
            if (item->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0) == QStringLiteral("Pegar"))
                paste = item;
        }
        QVERIFY(paste != nullptr);
        paste->trigger();
        QCOMPARE(o.held(), kTyped);

        // A screen reader's editing goes the same way.
        QTest::mouseDClick(o.box, Qt::LeftButton);
        QAccessible::queryAccessibleInterface(o.box)->editableTextInterface()->insertText(0, kJunk);
        QCOMPARE(o.held(), kTyped);
    }

    void aScreenReaderReadsTheWholeLineWhereItIsDrawn()
    {
        OpenBox o;
        QTest::keyClicks(o.box, QStringLiteral("la la land"));
        QAccessibleTextInterface* line = QAccessible::queryAccessibleInterface(o.box)->textInterface();
        // One run of attributes over the line: a reader that splits it by
        // runs would otherwise leave out the last letter.
        int start = -1;
        int end = -1;
        line->attributes(9, &start, &end);
        QCOMPARE(QPair(start, end), QPair(0, 10));
        const QRect drawn(o.box->mapToGlobal(QPoint(0, 0)), o.box->size());
        int before = drawn.left();
        for (int i = 0; i < 10; ++i) {
            const QRect character = line->characterRect(i);
            QVERIFY2(drawn.contains(character) && character.center().x() > before, qPrintable(QString::number(i)));
            before = character.center().x();
            QCOMPARE(line->offsetAtPoint(character.topLeft() + QPoint(character.width() / 4, 1)), i);
        }
        QCOMPARE(line->offsetAtPoint(drawn.topLeft() - QPoint(1, 1)), -1);
        QCOMPARE(line->text(3, 5) + line->text(5, 3), QStringLiteral("la"));
        line->scrollToSubstring(3, 5);
        QCOMPARE(o.box->cursorPosition(), 3);
    }

    void aScreenReaderSelectsAndEditsTheLineAsThePlayerWould()
    {
        OpenBox o;
        QTest::keyClicks(o.box, QStringLiteral("el padrino"));
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(o.box);
        QAccessibleTextInterface* line = box->textInterface();
        QVERIFY(box->state().editable && !box->state().readOnly && box->state().selectableText);
        const auto selected = [line](int index) {
            int start = -1;
            int end = -1;
            line->selection(index, &start, &end);
            return QPair(line->selectionCount(), QPair(start, end));
        };
        line->setSelection(1, 0, 2);
        QCOMPARE(selected(0), QPair(0, QPair(0, 0)));
        line->addSelection(3, 6);
        QCOMPARE(o.box->selectedText(), QStringLiteral("pad"));
        QCOMPARE(selected(0), QPair(1, QPair(3, 6)));
        QCOMPARE(selected(1), QPair(1, QPair(0, 0)));
        line->removeSelection(1);
        QCOMPARE(selected(0), QPair(1, QPair(3, 6)));
        line->removeSelection(0);
        QCOMPARE(selected(0), QPair(0, QPair(0, 0)));

        box->editableTextInterface()->replaceText(3, 6, QStringLiteral("¿m-a!d"));
        QCOMPARE(o.held(), QStringLiteral("el madrino"));
        box->editableTextInterface()->deleteText(0, 3);
        QCOMPARE(o.held(), QStringLiteral("madrino"));
        box->setText(QAccessible::Value, QStringLiteral("el, padrino"));
        QCOMPARE(o.held(), QStringLiteral("el padrino"));
    }

    void droppedAndComposedTextTakeOnlyWhatCouldBeTyped()
    {
        OpenBox o;
        QMimeData dragged;
        dragged.setText(QStringLiteral(" \u00A0") + kJunk);
        const QPoint middle = o.box->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(o.box, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(o.box, &drop);
        QCOMPARE(o.held(), kTyped);

        // An input method committing several characters at once, an Enter
        // among them: the Enter is dropped like any control character and
        // asks nothing.
        QTest::mouseDClick(o.box, Qt::LeftButton);
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral(" ñ a\rá1"));
        QApplication::sendEvent(o.box, &composed);
        QCOMPARE(o.held(), QStringLiteral("ñ aa1"));
        QVERIFY(o.f.window->game().round().GameActive);
    }

    void junkNeverTakesTheRoomOfWhatCouldBeTyped()
    {
        OpenBox o;
        QTest::keyClicks(o.box, QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklmn"));
        QCOMPARE(o.box->text().size(), 40);
        QGuiApplication::clipboard()->setText(QStringLiteral("¡¿!?") + QString::fromUtf8("😀😀") + QStringLiteral("XYZ"));
        QTest::keyClick(o.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.held(), QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklmnXY"));
        QTest::keyClick(o.box, Qt::Key_Q);
        QCOMPARE(o.box->text().size(), 42);

        // Sixty characters of junk ahead of a title do not fill the box.
        QTest::mouseDClick(o.box, Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QString(60, QChar(0x2014)) + QStringLiteral("EL PADRINO"));
        QTest::keyClick(o.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.held(), QStringLiteral("EL PADRINO"));
        o.box->selectAll();
        QTest::keyClicks(o.box, QStringLiteral("#¿"));
        QCOMPARE(o.held(), QStringLiteral("EL PADRINO")); // refused keys leave a selection as it was
    }

    void aPasteInTheMiddleKeepsTheCursorAfterWhatWasTaken()
    {
        OpenBox o;
        QTest::keyClicks(o.box, QStringLiteral("elrino"));
        o.box->setCursorPosition(2);
        QGuiApplication::clipboard()->setText(QStringLiteral(" p·a-d"));
        QTest::keyClick(o.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.held(), QStringLiteral("el padrino"));
        QCOMPARE(o.box->cursorPosition(), 6);

        // An input method may put the cursor inside what it commits: it stays
        // inside what was taken.
        QInputMethodEvent composed(QString(), {{QInputMethodEvent::Selection, 9, 0, {}}});
        composed.setCommitString(QStringLiteral("-x-y"));
        QApplication::sendEvent(o.box, &composed);
        QCOMPARE(o.held(), QStringLiteral("el padxyrino"));
        QCOMPARE(o.box->cursorPosition(), 8);

        // Into the middle of a nearly full box goes only what fits, and all
        // the box held stays.
        QTest::keyClicks(o.box, QString(28, QLatin1Char('z')));
        QGuiApplication::clipboard()->setText(QStringLiteral("ABC"));
        QTest::keyClick(o.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.held(), QStringLiteral("el padxy") + QString(28, QLatin1Char('z')) + QStringLiteral("ABrino"));
        QCOMPARE(o.box->cursorPosition(), 38);
    }

    void escapeClosesTheBoxAsItsCloseButtonDoes()
    {
        OpenBox o;
        QTest::keyClicks(o.box, QStringLiteral("abc"));
        QTest::keyClick(o.box, Qt::Key_Escape);
        QVERIFY(!o.f.controls().frmeAnsVisible);
        QVERIFY(!o.box->isVisible());
        QCOMPARE(o.held(), QString());
        QCOMPARE(o.f.window->focusWidget(), o.f.child<QWidget>("cmdGame"));
        QVERIFY(o.f.window->game().round().GameActive);

        // From its close button too; a held Escape closes it only once, and
        // never reaches the question.
        QTest::keyClicks(o.f.child<QAbstractButton>("cmdGame"), QStringLiteral("!"));
        QVERIFY(o.box->hasFocus());
        pressHeld(o.box, Qt::Key_Escape, QStringLiteral("\u001b"));
        QVERIFY(o.box->isVisible());
        auto* close = o.f.child<QWidget>("cmdCancel");
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Escape);
        QVERIFY(!o.f.controls().frmeAnsVisible);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    AnswerBoxInputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AnswerBoxInputTest.moc"
