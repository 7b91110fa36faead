#include "ui/string_grid.h"

#include <algorithm>

#include <QHeaderView>

namespace ui {

int StringGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(grid_.rows() - fixed_rows_, 0);
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.columns();
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(grid_.cell(index.column(), index.row() + fixed_rows_));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignment_);
    default:
      return {};
  }
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal && fixed_rows_ > 0)
    return QString::fromStdString(grid_.cell(section, 0));
  if (orientation == Qt::Vertical && section < row_labels_.size()) return row_labels_[section];
  return QAbstractTableModel::headerData(section, orientation, role);
}

void StringGridModel::set_grid(core::TextGrid grid) {
  beginResetModel();
  grid_ = std::move(grid);
  endResetModel();
}

void StringGridModel::set_cell(int column, int row, const std::string& text) {
  grid_.set_cell(column, row, text);
  if (row < fixed_rows_) {
    emit headerDataChanged(Qt::Horizontal, column, column);
  } else {
    const QModelIndex at = index(row - fixed_rows_, column);
    emit dataChanged(at, at, {Qt::DisplayRole});
  }
}

void StringGridModel::set_fixed_rows(int rows) {
  beginResetModel();
  fixed_rows_ = rows;
  endResetModel();
}

void StringGridModel::set_row_labels(const QStringList& labels) {
  row_labels_ = labels;
  emit headerDataChanged(Qt::Vertical, 0, std::max<int>(labels.size() - 1, 0));
}

core::TextGrid& StringGridModel::begin_edit() {
  beginResetModel();
  return grid_;
}

void StringGridModel::end_edit() { endResetModel(); }

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), model_(new StringGridModel(this)) {
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  verticalHeader()->setVisible(false);
  horizontalHeader()->setHighlightSections(false);
  setWordWrap(false);
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { apply_column_widths(); });
}

void StringGrid::set_row_count(int rows) {
  auto& grid = model_->begin_edit();
  grid.set_rows(rows);
  model_->end_edit();
}

void StringGrid::set_column_widths(const QList<int>& widths) {
  column_widths_ = widths;
  apply_column_widths();
}

void StringGrid::apply_column_widths() {
  // The header's own minimum (about 40 pixels with a CJK font) would silently widen narrow
  // columns and push the last ones out of a fixed-width grid.
  if (!column_widths_.isEmpty())
    horizontalHeader()->setMinimumSectionSize(std::min(horizontalHeader()->minimumSectionSize(),
                                                       *std::min_element(column_widths_.begin(), column_widths_.end())));
  for (int c = 0; c < column_widths_.size(); ++c) setColumnWidth(c, column_widths_[c]);
}

void StringGrid::set_row_height(int height) {
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(height);
}

}  // namespace ui
