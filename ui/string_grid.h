// A string grid: a core::TextGrid shown through a table model and a QTableView.
// Cell coordinates are (column, row) of the TextGrid. With one fixed row, row 0 of the
// TextGrid is the header the view shows above the cells; row labels, if given, stand in
// the vertical header.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <string>

#include "core/text_grid.h"

namespace ui {

class StringGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit StringGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  [[nodiscard]] const core::TextGrid& grid() const { return grid_; }
  void set_grid(core::TextGrid grid);
  void set_cell(int column, int row, const std::string& text);
  void set_fixed_rows(int rows);
  void set_row_labels(const QStringList& labels);
  void set_alignment(Qt::Alignment alignment) { alignment_ = alignment; }

  // Bulk edits: change the grid freely between begin and end; views refresh once.
  core::TextGrid& begin_edit();
  void end_edit();

 private:
  core::TextGrid grid_;
  int fixed_rows_ = 0;
  QStringList row_labels_;
  Qt::Alignment alignment_ = Qt::AlignCenter;
};

class StringGrid : public QTableView {
  Q_OBJECT
 public:
  explicit StringGrid(QWidget* parent = nullptr);

  [[nodiscard]] StringGridModel& model_data() { return *model_; }
  [[nodiscard]] const core::TextGrid& grid() const { return model_->grid(); }
  [[nodiscard]] const std::string& cell(int column, int row) const { return grid().cell(column, row); }
  void set_cell(int column, int row, const std::string& text) { model_->set_cell(column, row, text); }
  void set_grid(core::TextGrid grid) { model_->set_grid(std::move(grid)); }
  [[nodiscard]] int row_count() const { return grid().rows(); }
  void set_row_count(int rows);
  void set_column_widths(const QList<int>& widths);
  void set_row_height(int height);

 private:
  void apply_column_widths();

  StringGridModel* model_;
  QList<int> column_widths_;  // kept so a model reset does not lose them
};

}  // namespace ui
