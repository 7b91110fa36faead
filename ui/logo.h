// The program's own pictures, drawn in code: the game logos and the decorative balls.
#pragma once

#include <QPixmap>
#include <QSize>

namespace ui {

enum class Game { Daily539, California5 };

// A logo for the game: a coloured badge with the game's name and three balls.
[[nodiscard]] QPixmap game_logo(Game game, QSize size = QSize(150, 64));
// A row of lottery balls with the given numbers, used as decoration.
[[nodiscard]] QPixmap ball_strip(const QList<int>& numbers, int diameter = 44);

}  // namespace ui
