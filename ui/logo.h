// The program's own pictures, drawn in code: the game logos and the decorative balls.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QSize>

namespace ui {

enum class Game { Daily539, California5 };

// A logo for the game: a coloured badge with the game's name and three balls.
[[nodiscard]] QPixmap game_logo(Game game, QSize size = QSize(150, 64));
// The program's own square icon, `side` pixels wide: the 今彩539 badge with "39" and the
// logo's balls (the window icon and the installed desktop icon).
[[nodiscard]] QPixmap program_icon(int side);
// The colours of the program's balls, taken in turn (index modulo their count).
[[nodiscard]] QColor ball_colour(int index);
// One ball of the same look with a short text ("07", "3") on it, `diameter` pixels wide.
[[nodiscard]] QPixmap ball_picture(const QString& text, const QColor& colour, int diameter);
// A row of lottery balls with the given numbers, used as decoration.
[[nodiscard]] QPixmap ball_strip(const QList<int>& numbers, int diameter = 44);

}  // namespace ui
