// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/OnScreenKeyboard.h"

#include "painting/Fonts.h"
#include "painting/Layout.h"
#include "painting/QtText.h"
#include "painting/Twips.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace velmora {

namespace {

constexpr int kColumns = 14;
constexpr int kMargin = 8;
constexpr int kGap = 4;
constexpr int kKeyWidth = 50;
constexpr int kKeyHeight = 36;

const QColor kMissGrey = bgr(0x007F7F7F);
const QColor kMissText = bgr(0x00303030);

constexpr char32_t kSpace = U' ';
constexpr char32_t kBackspace = U'\b';
constexpr char32_t kEnter = U'\r';
constexpr char32_t kAnswer = U'!';

} // namespace

// One key. It paints its own face so that its mark reads without colour: a
// fresh key is white with a black character, a found one looks like a
// revealed board cell (a white character over an underline on the window's
// dark colour), a missed one is grey with its character struck through.
class OnScreenKey final : public QPushButton {
public:
    OnScreenKey(QString caption, QWidget* parent)
        : QPushButton(std::move(caption), parent)
    {
        // Clicks and taps never move the focus: the keys the player types
        // still reach the control they reached before.
        setFocusPolicy(Qt::NoFocus);
        setAutoDefault(false);
    }

    void setMark(KeyMark mark)
    {
        static const QString descriptions[] = {QStringLiteral("Sin probar"), QStringLiteral("Está en el título"),
                                               QStringLiteral("No está en el título")};
        setAccessibleDescription(descriptions[static_cast<int>(mark)]);
        if (mark == mark_)
            return;
        mark_ = mark;
        update();
    }

    char32_t types = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect r = rect();
        const bool down = isDown();
        QColor face = Qt::white;
        QColor ink = isEnabled() ? QColor(Qt::black) : QColor(128, 128, 128);
        if (mark_ == KeyMark::Hit) {
            face = layout::windowColour;
            ink = Qt::white;
        } else if (mark_ == KeyMark::Miss) {
            face = kMissGrey;
            ink = kMissText;
        }
        painter.fillRect(r, down ? QColor(64, 64, 64) : face);
        painter.setPen(QPen(ink == Qt::white ? QColor(Qt::white) : QColor(64, 64, 64), 1));
        painter.drawRect(r.adjusted(0, 0, -1, -1));

        const QFont font = fittedFont(buttonFont(), text(), r.width() - 6);
        painter.setFont(font);
        painter.setPen(down ? QColor(Qt::white) : ink);
        painter.drawText(r, Qt::AlignCenter, text());

        painter.setRenderHint(QPainter::Antialiasing);
        if (mark_ == KeyMark::Hit) {
            // The underline of a board cell, under the character.
            painter.setPen(QPen(Qt::white, layout::kUnderlineWidth, Qt::SolidLine, Qt::RoundCap));
            const int y = r.bottom() - 5;
            painter.drawLine(QPointF(r.left() + 12, y), QPointF(r.right() - 12, y));
        } else if (mark_ == KeyMark::Miss) {
            painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(r.left() + 8, r.bottom() - 6), QPointF(r.right() - 8, r.top() + 6));
        }
    }

private:
    KeyMark mark_ = KeyMark::Fresh;
};

KeyMark keyMark(char32_t character, const WindowControls& controls)
{
    if (controls.txtAlfa.find(character) == std::u32string::npos)
        return KeyMark::Fresh;
    const bool found = std::any_of(controls.lblLetter.begin(), controls.lblLetter.end(), [&](const BoardCell& cell) {
        return cell.LetterVisible && cell.Caption == character;
    });
    return found ? KeyMark::Hit : KeyMark::Miss;
}

OnScreenKeyboard::OnScreenKeyboard(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tecladoEnPantalla"));
    setAccessibleName(QStringLiteral("Teclado en pantalla"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(kHeight);

    const std::u32string letters = U"ABCDEFGHIJKLMNÑOPQRSTUVWXYZ";
    for (std::size_t i = 0; i < letters.size(); ++i)
        characterKeys_.push_back(addKey(letters[i], static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns));
    OnScreenKey* backspace = addKey(kBackspace, 1, kColumns - 1);
    const std::u32string digits = U"1234567890";
    for (std::size_t i = 0; i < digits.size(); ++i)
        characterKeys_.push_back(addKey(digits[i], 2, static_cast<int>(i)));
    OnScreenKey* space = addKey(kSpace, 2, 10, 2);
    answerKey_ = addKey(kAnswer, 2, 12, 2);
    typingKeys_ = {space, backspace};
    showState(WindowControls{});
}

OnScreenKeyboard::~OnScreenKeyboard() = default;

OnScreenKey* OnScreenKeyboard::addKey(char32_t character, int row, int column, int span)
{
    QString caption = qtText(character);
    QString name = caption;
    if (character == kBackspace)
        caption = name = QStringLiteral("BORRAR");
    else if (character == kSpace)
        caption = name = QStringLiteral("ESPACIO");
    auto* key = new OnScreenKey(caption, this);
    key->types = character;
    key->setAccessibleName(name);
    key->setGeometry(kMargin + column * (kKeyWidth + kGap), kMargin + row * (kKeyHeight + kGap),
                     span * kKeyWidth + (span - 1) * kGap, kKeyHeight);
    connect(key, &QPushButton::clicked, this, [this, key] {
        // A letter types in lower case, as an unshifted keyboard types it:
        // the answer box takes "ñ" but not "Ñ".
        if (onType)
            onType(QChar::toLower(key->types));
    });
    return key;
}

void OnScreenKeyboard::showState(const WindowControls& controls)
{
    // With the answer box open every key types into it, a letter already
    // tried as well.
    const bool typing = controls.frmeAnsVisible;
    for (OnScreenKey* key : characterKeys_) {
        const KeyMark mark = keyMark(key->types, controls);
        key->setMark(mark);
        key->setEnabled(typing || mark == KeyMark::Fresh);
    }
    for (OnScreenKey* key : typingKeys_)
        key->setEnabled(typing);
    answerKey_->types = typing ? kEnter : kAnswer;
    answerKey_->setText(typing ? QStringLiteral("INTRO") : QStringLiteral("¡TÍTULO!"));
    answerKey_->setAccessibleName(typing ? QStringLiteral("Intro") : QStringLiteral("Título entero"));
    answerKey_->setAccessibleDescription(typing ? QStringLiteral("Envía el título escrito.")
                                                : QStringLiteral("Abre el cuadro para escribir el título entero."));
}

void OnScreenKeyboard::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), layout::windowColour);
    painter.fillRect(QRect(0, 0, width(), 1), Qt::black);
}

bool OnScreenKeyboard::event(QEvent* event)
{
    // The keys carry no tooltip, and none of the surface behind them may
    // show over them.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QWidget::event(event);
}

} // namespace velmora
