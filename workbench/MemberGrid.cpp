#include "workbench/MemberGrid.h"

#include <QHeaderView>
#include <algorithm>

#include "workbench/MemberTableModel.h"

TMemberGrid::TMemberGrid(QWidget* parent) : QTableView(parent), members_(new TMemberTableModel(this)) {
  setModel(members_);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setHighlightSections(false);
  for (int column = 0; column < members_->columnCount(); ++column)
    setColumnWidth(column, TMemberTableModel::ColumnWidth(column));
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  setShowGrid(true);
  setWordWrap(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setContextMenuPolicy(Qt::CustomContextMenu);
}

void TMemberGrid::Fill(TMemberList members) {
  clearSelection();
  members_->Replace(std::move(members));
}

void TMemberGrid::Clear() { Fill({}); }

int TMemberGrid::rowCount() const { return members_->rowCount(); }

QString TMemberGrid::Cell(int row, int column) const {
  return members_->data(members_->index(row, column), Qt::DisplayRole).toString();
}

std::vector<int> TMemberGrid::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

int TMemberGrid::MemberIdAt(int row) const { return members_->At(row).memberId; }
