// What the trace window tests share: a table of random draws over a few numbers (so
// every trace has rows), the trace window shown on it with a dialog recorder, and the
// helpers that act on its boxes as the user does.
//
// Window tests compare what a window shows with what the computation gives for the same
// boxes, so they check the wiring and leave the arithmetic to the computation's tests.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "analysis/trace/trace.h"
#include "analysis/trace/window/tform_zu_trace_single.h"
#include "support/combo_input.h"
#include "support/hand_made_draws.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/string_grid.h"

namespace trace_fixture {

inline constexpr int kDraws = 40;

// The draw file of `draws` random draws of the numbers 1..12, issues 100001 ...
inline std::vector<test_support::Balls> random_draws(int draws = kDraws, unsigned seed = 11) {
  std::mt19937 rng(seed);
  return test_support::random_draws(rng, draws, 12);
}

inline QByteArray draw_file(const core::DrawHistory& history) {
  QByteArray bytes;
  for (int i = 0; i < history.draw_count; ++i) bytes += QByteArray::fromStdString(history.orirec[i]) + "\r\n";
  return bytes;
}

// The user picks an item of a box, or types into it (Enter unless told how the entry ends).
using test_input::choose;
using test_input::type_into;

inline QStringList items(const QComboBox* box) {
  QStringList all;
  for (int i = 0; i < box->count(); ++i) all << box->itemText(i);
  return all;
}

inline QStringList qlist(const std::vector<std::string>& texts) {
  QStringList all;
  for (const auto& t : texts) all << QString::fromStdString(t);
  return all;
}

inline std::string text(const QComboBox* box) { return ui::text_of(box); }

inline bool same_grid(const core::TextGrid& a, const core::TextGrid& b) {
  if (a.rows() != b.rows() || a.columns() != b.columns()) return false;
  for (int r = 0; r < a.rows(); ++r)
    if (a.row(r) != b.row(r)) return false;
  return true;
}

// The trace window alone, shown on the random table.
struct TraceWindow {
  ui::ScopedRecorder dialogs;
  core::DrawHistory history = test_support::hand_made_history(random_draws());
  core::DrawTable writer{history};
  TForm_zu_trace_single window{writer};

  TraceWindow() { window.show(); }
  [[nodiscard]] const trace::TraceTable& table() const { return window.table(); }
  [[nodiscard]] int newest() const { return table().draw_count(); }
  [[nodiscard]] const trace::TraceResult& shown() const { return window.shown()->result; }

  // The trace of these boxes by the computation alone, over every draw or `source`.
  [[nodiscard]] trace::TraceResult expected(const trace::TraceBoxes& boxes, int distance,
                                            std::span<const int> source = {}) const {
    const auto all = trace::all_draws(table());
    return trace::trace_tab(table(), boxes, distance, source.empty() ? std::span<const int>(all) : source).value();
  }
  [[nodiscard]] static trace::TraceBoxes single(const std::string& number) {
    trace::TraceBoxes boxes;
    boxes.number = number;
    return boxes;
  }
};

}  // namespace trace_fixture
