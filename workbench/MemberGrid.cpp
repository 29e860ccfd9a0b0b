#include "workbench/MemberGrid.h"

#include <QHeaderView>
#include <algorithm>

namespace {

struct TColumn {
  const char* caption;
  int width;
};

constexpr TColumn kColumns[] = {
    {"编号", 1},  {"成员名称", 90}, {"成员类型", 70},   {"长度", 50},     {"主键", 50},
    {"必填", 50}, {"查询", 50},     {"下拉框显示", 75}, {"界面显示", 60}, {"注释", 110},
};

QString YesNo(int flag) { return flag == 1 ? QStringLiteral("是") : QStringLiteral("否"); }

QStringList CellsOf(const TMember& m) {
  return {QString::number(m.memberId),
          QString::fromStdString(m.memberName),
          QString::fromStdString(m.memberType),
          QString::number(m.memberLength),
          YesNo(m.memberIsPri),
          YesNo(m.memberIsMust),
          YesNo(m.queryFlag),
          YesNo(m.memberIsDisplay),
          YesNo(m.memberQueryDisplay),
          QString::fromStdString(m.memberComment)};
}

}  // namespace

TMemberGrid::TMemberGrid(QWidget* parent) : QTableWidget(parent) {
  setColumnCount(std::size(kColumns));
  QStringList captions;
  for (const auto& column : kColumns) captions << QString::fromUtf8(column.caption);
  setHorizontalHeaderLabels(captions);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setHighlightSections(false);
  for (int i = 0; i < columnCount(); ++i) setColumnWidth(i, kColumns[i].width);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  setShowGrid(true);
  setWordWrap(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setContextMenuPolicy(Qt::CustomContextMenu);
}

void TMemberGrid::Clear() { setRowCount(0); }

// A class may hold thousands of members: the rows are built with painting and
// selection tracking off and the row count set once.
void TMemberGrid::Fill(const TMemberList& members) {
  setUpdatesEnabled(false);
  clearSelection();
  setRowCount(0);
  setRowCount(static_cast<int>(members.size()));
  for (int row = 0; row < rowCount(); ++row) {
    const QStringList cells = CellsOf(members[row]);
    for (int column = 0; column < cells.size(); ++column) setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  setUpdatesEnabled(true);
}

std::vector<int> TMemberGrid::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

int TMemberGrid::MemberIdAt(int row) const { return item(row, 0)->text().toInt(); }
