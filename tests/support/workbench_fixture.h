// What the workbench window tests share: a small hand-made draw table, a shown window
// with a fixed clock and a dialog recorder, and helpers that act as the user does.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "core/clock.h"
#include "core/dates.h"
#include "core/draw_history.h"
#include "core/loader.h"
#include "pillars/window/tform_bestpillars.h"
#include "support/combo_input.h"
#include "ui/dialogs.h"
#include "ui/controls.h"
#include "ui/memo.h"
#include "ui/string_grid.h"

namespace fixture {

inline constexpr core::Date kFirstDraw{2009, 1, 2};
inline constexpr core::Date kToday{2009, 12, 31};

// `draws` daily draws from 2009/01/02 with reproducible balls; issue numbers 098001 ...
inline std::string draw_file_bytes(int draws, unsigned seed = 539) {
  std::mt19937 random(seed);
  std::string bytes;
  for (int i = 0; i < draws; ++i) {
    int balls[5];
    for (int k = 0; k < 5; ++k) {
      bool repeated = true;
      while (repeated) {
        balls[k] = static_cast<int>(random() % 39) + 1;
        repeated = false;
        for (int j = 0; j < k; ++j) repeated = repeated || balls[j] == balls[k];
      }
    }
    const std::string date = core::format_date(core::date_from_day_number(core::day_number(kFirstDraw) + i));
    char line[64];
    std::snprintf(line, sizeof line, "%s,%06d,%02d,%02d,%02d,%02d,%02d\r\n", date.c_str(), 98001 + i,
                  balls[0], balls[1], balls[2], balls[3], balls[4]);
    bytes += line;
  }
  return bytes;
}

inline void load(core::DrawHistory& history, int draws) {
  (void)core::load_draw_lines(history, draw_file_bytes(draws), core::format_date(kToday));
  (void)core::put_to_ltno(history);
}

inline QStringList lines(const ui::Memo* memo) {
  QStringList result;
  for (const auto& line : memo->lines()) result << QString::fromStdString(line);
  return result;
}

// The sum of a frequency grid's counts (row 1) over its first `columns` columns.
inline int grid_count_sum(const ui::StringGrid* grid, int columns) {
  int sum = 0;
  for (int c = 0; c < columns; ++c) sum += QString::fromStdString(grid->cell(c, 1)).toInt();
  return sum;
}

inline std::string text(const QComboBox* combo) { return combo->currentText().toStdString(); }

using test_input::type_into;

// A window over `draws` draws, shown, with every dialog answered by the recorder.
struct Workbench {
  explicit Workbench(int draws) {
    load(history, draws);
    window = std::make_unique<TForm_bestpillars>(history, clock);
    window->show();
  }
  ~Workbench() { window.reset(); }

  [[nodiscard]] QStringList messages() const { return guard.recorder.texts(); }
  void select(std::initializer_list<int> numbers) {
    for (int n : numbers) window->TS4->no_box[n]->click();
  }
  void select_range(int first, int last) {
    for (int n = first; n <= last; ++n) window->TS4->no_box[n]->click();
  }
  [[nodiscard]] QWidget* page() const { return window->PageC->currentWidget(); }

  ui::ScopedRecorder guard;
  core::DrawHistory history;
  core::FixedClock clock{core::LocalDateTime{kToday, 9, 30, 0}};
  std::unique_ptr<TForm_bestpillars> window;
};

}  // namespace fixture
