// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TwoPlayerDialog.h"

#include "TitleRule.h"
#include "painting/QtText.h"
#include "screenreader/PasswordEchoes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velmora {

namespace {

// Enough for any title the board can hold with its punctuation, and far
// below what would make checking it at every key noticeable.
constexpr int kTypedMaxLength = 200;

// The title with each character but the spaces hidden, so that the first
// player can still count the words and their letters.
QString hidden(const std::u32string& title, QChar mask)
{
    QString shown;
    for (char32_t c : title)
        shown += c == U' ' ? QChar(u' ') : mask;
    return shown;
}

} // namespace

TwoPlayerDialog::TwoPlayerDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Partida entre dos"));

    auto* intro = new QLabel(QStringLiteral("Un jugador escribe el título de una película sin que el otro lo "
                                            "vea; el otro lo adivina."),
                             this);
    intro->setWordWrap(true);

    typed_ = new QLineEdit(this);
    typed_->setObjectName(QStringLiteral("typedTitle"));
    typed_->setAccessibleName(QStringLiteral("Título"));
    typed_->setEchoMode(QLineEdit::Password);
    maskPasswordEchoes();
    typed_->setMaxLength(kTypedMaxLength);

    showTyped_ = new QCheckBox(QStringLiteral("&Mostrar el título"), this);
    showTyped_->setObjectName(QStringLiteral("showTypedTitle"));

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setWordWrap(true);
    verdict_->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox(this);
    play_ = buttons->addButton(QStringLiteral("&Jugar"), QDialogButtonBox::AcceptRole);
    play_->setObjectName(QStringLiteral("play"));
    buttons->addButton(QDialogButtonBox::Cancel);
    play_->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Título:"), typed_);
    fields->addRow(QString(), showTyped_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(fields);
    layout->addWidget(verdict_);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    connect(typed_, &QLineEdit::textChanged, this, &TwoPlayerDialog::showVerdict);
    connect(showTyped_, &QCheckBox::toggled, this, [this](bool shown) {
        typed_->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
        showVerdict();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showVerdict();
}

std::u32string TwoPlayerDialog::title() const
{
    return checkTitle(typed_->text().toStdU32String()).title;
}

void TwoPlayerDialog::showVerdict()
{
    const QString typed = typed_->text();
    const TitleCheck check = checkTitle(typed.toStdU32String());
    QString verdict;
    if (typed.trimmed().isEmpty()) {
        verdict = QStringLiteral("Escriba un título de hasta %1 caracteres.").arg(kTitleMaxLength);
    } else if (!check.playable()) {
        verdict = qtText(check.refusal);
        verdict[0] = verdict[0].toUpper();
        verdict += QLatin1Char('.');
    } else {
        const QChar mask(style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, typed_));
        verdict = QStringLiteral("En el tablero: ") +
                  (showTyped_->isChecked() ? qtText(check.title) : hidden(check.title, mask));
    }
    verdict_->setText(verdict);
    // A screen reader hears the verdict with the field it judges.
    typed_->setAccessibleDescription(verdict);
    play_->setEnabled(check.playable());
}

} // namespace velmora
