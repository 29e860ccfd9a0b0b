#include "workbench/MemberTableModel.h"

#include <iterator>

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

QString CellOf(const TMember& m, int column) {
  switch (column) {
    case 0: return QString::number(m.memberId);
    case 1: return QString::fromStdString(m.memberName);
    case 2: return QString::fromStdString(m.memberType);
    case 3: return QString::number(m.memberLength);
    case 4: return YesNo(m.memberIsPri);
    case 5: return YesNo(m.memberIsMust);
    case 6: return YesNo(m.queryFlag);
    case 7: return YesNo(m.memberIsDisplay);
    case 8: return YesNo(m.memberQueryDisplay);
    default: return QString::fromStdString(m.memberComment);
  }
}

}  // namespace

int TMemberTableModel::ColumnWidth(int column) { return kColumns[column].width; }

// Removing and inserting rows, unlike a reset, leaves the header's column widths alone.
void TMemberTableModel::Replace(TMemberList members) {
  if (!members_.empty()) {
    beginRemoveRows({}, 0, rowCount() - 1);
    members_.clear();
    endRemoveRows();
  }
  if (!members.empty()) {
    beginInsertRows({}, 0, static_cast<int>(members.size()) - 1);
    members_ = std::move(members);
    endInsertRows();
  }
}

int TMemberTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(members_.size());
}

int TMemberTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

QVariant TMemberTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return CellOf(members_[index.row()], index.column());
}

QVariant TMemberTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return QString::fromUtf8(kColumns[section].caption);
}
