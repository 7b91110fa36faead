// Panel3 of the trace summary chart window, shown in query mode (個別查詢): four query
// boxes, each with a button that asks the form to run it.
//
//   Panel6 不定位號碼查詢  Edit1 ("0618")               SpeedButton4
//   Panel8 不定位尾數查詢  Edit1T ("035")               SpeedButton3
//   Panel7 定位號碼拖牌查詢 Editno1..5, 落球 / 順球     SpeedButton1
//   Panel5 定位尾數拖牌查詢 EditT1..5, 落球 / 順球      SpeedButton2
//
// The panel is a dock: by default docked above the tail chart, so it covers no bars; its
// title bar drags it to another side of the charts or off them as a small window. Docked
// above or below, the boxes stand in one row; at a side, in one column; floating, two by two.
#pragma once

#include <QDockWidget>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <array>

#include "analysis/trace/chart_query.h"

class QGridLayout;
class QGroupBox;

namespace chartwin {

class ChartQueryPanel : public QDockWidget {
  Q_OBJECT

 public:
  explicit ChartQueryPanel(QWidget* parent = nullptr);

  // The query of one box as its controls hold it.
  [[nodiscard]] trace::ChartQuery query(trace::ChartQueryKind kind) const;
  // Entering query mode: Edit1 empty and focused.
  void start();

  QGroupBox *Panel6 = nullptr, *Panel8 = nullptr, *Panel7 = nullptr, *Panel5 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit1T = nullptr;
  std::array<QLineEdit*, 5> Editno{};  // Editno1..Editno5
  std::array<QLineEdit*, 5> EditT{};   // EditT1..EditT5
  QRadioButton *RBL = nullptr, *RBS = nullptr, *RBLT = nullptr, *RBST = nullptr;
  QToolButton *SpeedButton4 = nullptr, *SpeedButton3 = nullptr, *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;

 signals:
  void query_requested(const trace::ChartQuery& query);

 private:
  // The four boxes in rows of `columns`.
  void arrange(int columns);
  void follow_dock_area();

  // A box's caption and the names of its group, its field (or the fields' prefix) and button.
  struct BoxNames {
    QString caption;
    const char* box;
    const char* field;
    const char* button;
  };
  QGroupBox* text_box(const BoxNames& names, int length, const QString& hint, QLineEdit*& edit, QToolButton*& button);
  QGroupBox* position_box(const BoxNames& names, int length, std::array<QLineEdit*, 5>& edits,
                          QRadioButton*& drawn, QRadioButton*& ascending, QToolButton*& button);

  QGridLayout* grid_ = nullptr;
};

}  // namespace chartwin
