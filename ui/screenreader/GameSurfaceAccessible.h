// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screenreader/PaintedPartAccessible.h"

#include <QAccessibleWidget>

namespace velmora {

class GameSurface;

// What assistive technology sees of the game surface: its widgets (the
// buttons and the answer box) and, after them as children of their own, the
// painted parts a player must hear to play — the board, the strike boxes, the
// figure, the score and the answer line.
class GameSurfaceAccessible final : public QAccessibleWidget {
public:
    explicit GameSurfaceAccessible(GameSurface* surface);
    ~GameSurfaceAccessible() override;

    // Lets Qt build this interface for every game surface (through
    // accessible::provide, so calling it again does nothing more).
    static void install();

    // Tells assistive technology which painted parts changed from `before`
    // to the state the surface shows now. The score is told only once it has
    // settled, not at every point of its count, which would flood a screen
    // reader. Call it only while QAccessible::isActive(), so no work is done
    // when nobody listens.
    static void announceChanges(GameSurface& surface, const WindowControls& before, bool scoreSettled);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* part(PaintedPart part) const;

private:
    std::array<QAccessible::Id, kPaintedParts.size()> parts_{};
};

} // namespace velmora
