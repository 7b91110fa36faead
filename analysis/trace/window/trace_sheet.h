// What every tab of the trace window has, and what it may ask of the window.
//
// A tab reads its boxes into trace::TraceBoxes and asks the window (TraceLinks::show_trace)
// to trace them at the tab's distance; the window runs the computation over its source
// list, shows the grid and keeps the result for the follow-up windows. Every tab steps
// its distance with 上一期 / 下一期 around its distance label and carries 二中一, 三中一,
// 進階 and 關閉 at its right end, which it announces as signals the window connects.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "analysis/trace/trace.h"
#include "analysis/trace/trace_query.h"
#include "analysis/trace/trace_table.h"
#include "core/result.h"

class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;

namespace tracewin {

struct TraceLinks {
  // The draw table of the window's last opening.
  const trace::TraceTable& table;
  // Traces `boxes` at `distance` and shows the grid; the rows `export_bound` takes are
  // what the number analysis will read. A refusal comes back for the tab to show, and the
  // previous trace stays.
  std::function<core::Status(const trace::TraceBoxes& boxes, int distance, const trace::ExportBound& export_bound)>
      show_trace;
  // Pinned mode of the single-number tab: the single-number rule examines the rows of
  // the trace on screen (true) or every draw again (false).
  std::function<void(bool pinned)> pin;
};

// The boxes' items on every opening of the window.
struct OpeningItems {
  std::vector<std::string> numbers;  // "01" .. the two-digit max_ball
  std::vector<std::string> issues;   // the latest issues, newest first
};

class TraceSheet : public QWidget {
  Q_OBJECT

 public:
  // Object names of the controls every tab has, in the order they stand.
  struct Names {
    QString panel, back, label, forward, pairs, triples, sorted, close;
  };
  TraceSheet(const TraceLinks& links, const Names& names, QWidget* parent = nullptr);

  [[nodiscard]] int distance() const { return distance_; }
  // The window opens: the boxes get their items (and an issue box the newest issue).
  virtual void open(const OpeningItems& items) = 0;
  // The tab becomes the active page: distance 0, then the tab's entry event.
  virtual void enter() = 0;

  QFrame* panel = nullptr;  // the row of controls
  QToolButton* back = nullptr;
  QLabel* distance_label = nullptr;
  QToolButton* forward = nullptr;
  QPushButton *pairs = nullptr, *triples = nullptr, *sorted = nullptr, *close = nullptr;

 signals:
  void pairs_requested();    // 二中一
  void triples_requested();  // 三中一
  void sorted_requested();   // 進階
  void close_requested();    // 關閉

 protected:
  // The tab's trace at its distance; false when refused.
  virtual bool retrace() = 0;
  // After a step that traced (the single-number tab offers the target draw's balls).
  virtual void stepped() {}
  // 上一期 (-1) / 下一期 (+1). A refused trace leaves the distance as it was.
  void step(int delta);
  // The tab's trace at `distance`; a refused trace leaves the distance as it was.
  bool retrace_at(int distance);
  // Traces `boxes` at the tab's distance; on success the label shows the distance. A
  // refusal is shown; one of an empty box names the box among `read`, the boxes whose
  // numbers the trace reads.
  bool show(const trace::TraceBoxes& boxes, const trace::ExportBound& export_bound,
            const std::vector<const QComboBox*>& read = {});
  // Shows a refusal of the trace, naming an empty one of `read`.
  void refuse(const core::Error& error, const std::vector<const QComboBox*>& read);

  // An issue box: red bold text with the page's hint.
  [[nodiscard]] QComboBox* issue_box(const QString& name);
  // An editable box of `items` showing `text`.
  [[nodiscard]] QComboBox* box(const QString& name, const std::vector<std::string>& items, const std::string& text,
                               int width);
  // The panel's row: `own` controls, the stepper, `after` it, then the four buttons at
  // the right end.
  void lay_out(std::initializer_list<QWidget*> own, std::initializer_list<QWidget*> after = {});
  // An issue box on opening: the latest issues, the newest shown (and accepted).
  void set_issue_items(QComboBox* issue, const OpeningItems& items);
  // The issue box's change: the draw it names (searched from the newest back), or
  // nullopt when none has it: that is said, and the tab keeps its trace and boxes. Found, the distance
  // becomes the distance from that draw to the draw after the newest, and `numbers`
  // offers the draw's balls (pairs, triples) as `tab` reads them, the first shown.
  [[nodiscard]] std::optional<int> choose_draw(const QComboBox* issue, QComboBox* numbers, trace::TraceTab tab);
  // A number box offering these items, the first shown.
  static void offer(QComboBox* numbers, const trace::NumberBox& offered);
  // The numbers of a number box as the tab traces them ("5" as "05"); nullopt after
  // saying how the box is filled.
  [[nodiscard]] std::optional<std::string> read_numbers(const QComboBox* numbers, trace::TraceTab tab);
  // After a trace of `read`, the box shows the numbers as they were read.
  static void show_read(QComboBox* numbers, const std::string& read);
  [[nodiscard]] QLabel* caption(const char* text);

  const TraceLinks& links_;
  int distance_ = 0;
  // The issue the tab's draw was last chosen by: the trace's export ends there, whatever
  // the issue box shows meanwhile.
  std::string issue_;
};

// The hint of the page control and of every issue box.
[[nodiscard]] QString page_hint();

}  // namespace tracewin
