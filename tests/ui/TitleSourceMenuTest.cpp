// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "desktop/ApplicationSetup.h"
#include "dialogs/TwoPlayerDialog.h"
#include "painting/QtText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace velmora;

namespace {

// Runs `act` on the next modal dialog of type T that opens, from inside its
// event loop, and tells whether it did.
template <typename T>
std::shared_ptr<bool> onNextDialog(std::function<void(T*)> act)
{
    auto done = std::make_shared<bool>(false);
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, done, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *done = true;
        poll->deleteLater();
        act(dialog);
    });
    poll->start();
    return done;
}

// Picks a file in the next file dialog, or cancels it for an empty path;
// `openedIn`, if given, receives the folder the dialog opened in.
std::shared_ptr<bool> pickFile(const QString& path, QString* openedIn = nullptr)
{
    return onNextDialog<QFileDialog>([path, openedIn](QFileDialog* dialog) {
        if (openedIn)
            *openedIn = dialog->directory().absolutePath();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into its file name field, as a player would: selectFile()
        // leaves the field alone while it has the focus.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name)
            qFatal("the file dialog has no file name field");
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // as its Open button does
    });
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

const QByteArray kMixedList = "# Para la clase\n"
                              "El sur del norte\n"
                              "Живые\n"
                              "¿?\n"
                              "el  sur del norte!\n"
                              "Tres: dos, uno\n";

QString verdict(const TwoPlayerDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("verdict"))->text();
}

} // namespace

class TitleSourceMenuTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuOffersTheTitleSourcesWithTheirKeysAndMarks()
    {
        WindowFixture f;
        QStringList items;
        for (QAction* item : f.window->menuBar()->actions().constFirst()->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text().section(QLatin1Char('\t'), 0, 0));
        QCOMPARE(items, (QStringList{"&Nuevo juego", "Partida entre &dos…", "-", "&Títulos propios…",
                                     "Títulos de &Velmora", "-", "&Mostrar sonidos", "Teclado en &pantalla", "-",
                                     "&Salir"}));
        QCOMPARE(f.child<QAction>("mnuTwoPlayers")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        QCOMPARE(f.child<QAction>("mnuOwnTitles")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QVERIFY(f.child<QAction>("mnuVelmoraTitles")->isChecked());
        QVERIFY(!f.child<QAction>("mnuOwnTitles")->isChecked());

        // Choosing the item already in use leaves its mark.
        f.child<QAction>("mnuVelmoraTitles")->trigger();
        QVERIFY(f.child<QAction>("mnuVelmoraTitles")->isChecked());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA (NUEVO)"));
    }

    void theDialogHidesTheTitleAndJudgesItAtEveryKey()
    {
        TwoPlayerDialog dialog;
        auto* typed = dialog.findChild<QLineEdit*>(QStringLiteral("typedTitle"));
        auto* shown = dialog.findChild<QCheckBox*>(QStringLiteral("showTypedTitle"));
        auto* play = dialog.findChild<QPushButton*>(QStringLiteral("play"));
        QCOMPARE(typed->echoMode(), QLineEdit::Password);
        QVERIFY(!shown->isChecked());
        QVERIFY(!play->isEnabled());
        QCOMPARE(verdict(dialog), QStringLiteral("Escriba un título de hasta 42 caracteres."));

        // A screen reader finds every field by its name, and hears the
        // verdict with the title.
        QCOMPARE(QAccessible::queryAccessibleInterface(typed)->text(QAccessible::Name), QStringLiteral("Título"));
        QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name),
                 QStringLiteral("Mostrar el título"));
        QCOMPARE(QAccessible::queryAccessibleInterface(play)->text(QAccessible::Name), QStringLiteral("Jugar"));

        typeText(typed, QStringLiteral("¡La vida, en 3 actos!"));
        const QChar mask(dialog.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, typed));
        const QString hidden = QStringLiteral("En el tablero: %1%1 %1%1%1%1 %1%1 %1 %1%1%1%1%1").arg(mask);
        QCOMPARE(verdict(dialog), hidden);
        QVERIFY(!verdict(dialog).contains(QStringLiteral("VIDA")));
        QVERIFY(play->isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(typed)->text(QAccessible::Description), hidden);

        QTest::mouseClick(shown, Qt::LeftButton);
        QCOMPARE(typed->echoMode(), QLineEdit::Normal);
        QCOMPARE(verdict(dialog), QStringLiteral("En el tablero: LA VIDA EN 3 ACTOS"));
        QCOMPARE(qtText(dialog.title()), QStringLiteral("LA VIDA EN 3 ACTOS"));

        typed->setText(QStringLiteral("Иван"));
        QCOMPARE(verdict(dialog), QStringLiteral("Contiene «И», que no se puede jugar."));
        QVERIFY(!play->isEnabled());
        typed->setText(QStringLiteral("¿?"));
        QCOMPARE(verdict(dialog), QStringLiteral("No tiene letras."));
        QVERIFY(!play->isEnabled());
        typed->setText(QString(43, QLatin1Char('x')));
        QCOMPARE(verdict(dialog), QStringLiteral("Demasiado largo (43 caracteres; el tablero tiene 42)."));
        QVERIFY(!play->isEnabled());
        // Enter does not play a title that cannot be played.
        QTest::keyClick(typed, Qt::Key_Return);
        QVERIFY(dialog.result() != QDialog::Accepted);
    }

    void aRoundBetweenTwoStartsFromTheMenuAndCancelChangesNothing()
    {
        WindowFixture f;
        const WindowControls before = f.controls();
        const auto cancelled = onNextDialog<TwoPlayerDialog>([](TwoPlayerDialog* dialog) {
            typeText(dialog->findChild<QLineEdit*>(QStringLiteral("typedTitle")), QStringLiteral("Tiburón"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(f.window.get(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(*cancelled);
        QVERIFY(f.controls() == before);
        QApplication::setActiveWindow(f.window.get());
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));

        const auto played = onNextDialog<TwoPlayerDialog>([](TwoPlayerDialog* dialog) {
            auto* typed = dialog->findChild<QLineEdit*>(QStringLiteral("typedTitle"));
            typeText(typed, QStringLiteral("¡Tiburón 2!"));
            QTest::keyClick(typed, Qt::Key_Return);
        });
        QTest::keyClick(f.child<QAbstractButton>("cmdGame"), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(*played);
        QCOMPARE(qtText(f.window->game().round().CurrentTitle), QStringLiteral("TIBURON 2"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA"));
        QCOMPARE(f.child<QAbstractButton>("cmdGame")->text(), QStringLiteral("NUEVO"));
        QVERIFY(f.child<QAction>("mnuMenuNew")->isEnabled());

        // The next round draws from the catalogue again.
        f.startRound(U"NUEVE REINAS");
        QCOMPARE(qtText(f.window->game().round().CurrentTitle), QStringLiteral("NUEVE REINAS"));
    }

    void aListFileIsReadReportedAndNamedInTheCaption()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("clase.txt"), kMixedList);
        WindowFixture f;
        const auto picked = pickFile(path);
        const auto report = answerNextMessageBox(QMessageBox::Ok);
        QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(*picked);
        QVERIFY(report->seen);
        QCOMPARE(report->icon, QMessageBox::Information);
        QCOMPARE(report->title, QStringLiteral("Velmora"));
        QCOMPARE(report->text, QStringLiteral("Se juega con los 2 títulos de «clase.txt».\n\n"
                                              "Estas líneas no se pueden jugar:\n"
                                              "línea 3: contiene «Ж», que no se puede jugar\n"
                                              "línea 4: no tiene letras\n"
                                              "línea 5: repite el título de la línea 2"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA — clase.txt (NUEVO)"));
        QVERIFY(f.child<QAction>("mnuOwnTitles")->isChecked());
        QVERIFY(!f.child<QAction>("mnuVelmoraTitles")->isChecked());

        QTest::mouseClick(f.child<QAbstractButton>("cmdGame"), Qt::LeftButton);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA — clase.txt"));
        const QString title = qtText(f.window->game().round().CurrentTitle);
        QVERIFY2(title == QStringLiteral("EL SUR DEL NORTE") || title == QStringLiteral("TRES DOS UNO"), qPrintable(title));

        f.child<QAction>("mnuVelmoraTitles")->trigger();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA"));
        QVERIFY(!f.child<QAction>("mnuOwnTitles")->isChecked());
        QVERIFY(f.child<QAction>("mnuVelmoraTitles")->isChecked());
    }

    void aFileThatCannotBeUsedIsExplainedAndTheListInUseStays()
    {
        QTemporaryDir dir;
        const QString bad = writeFile(dir, QStringLiteral("latin1.txt"), "Tiburón\nPing\xFCino\n");
        WindowFixture f(TitleList(U"clase.txt", {U"TRES DOS UNO"}, dir.filePath(QStringLiteral("clase.txt")).toStdString()));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA — clase.txt (NUEVO)"));
        QVERIFY(f.child<QAction>("mnuOwnTitles")->isChecked());

        QString openedIn;
        const auto picked = pickFile(bad, &openedIn);
        const auto warning = answerNextMessageBox(QMessageBox::Ok);
        f.child<QAction>("mnuOwnTitles")->trigger();
        QVERIFY(*picked);
        QCOMPARE(openedIn, dir.path()); // where the list in use was read from
        QCOMPARE(warning->icon, QMessageBox::Warning);
        QCOMPARE(warning->text,
                 QStringLiteral("No se pueden usar los títulos de «latin1.txt»: no está en UTF-8 (la línea 2 no lo es)."));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA — clase.txt (NUEVO)"));
        QVERIFY(f.child<QAction>("mnuOwnTitles")->isChecked());

        // Cancelling the file dialog changes nothing either, check marks
        // included.
        f.child<QAction>("mnuVelmoraTitles")->trigger();
        const auto cancelled = pickFile(QString());
        f.child<QAction>("mnuOwnTitles")->trigger();
        QVERIFY(*cancelled);
        QVERIFY(!f.child<QAction>("mnuOwnTitles")->isChecked());
        QVERIFY(f.child<QAction>("mnuVelmoraTitles")->isChecked());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA (NUEVO)"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    TitleSourceMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TitleSourceMenuTest.moc"
