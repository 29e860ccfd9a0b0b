#pragma once
// The rows of the member grid, filled as the column table says.

#include <QAbstractTableModel>

#include "metadata/MemberDAO.h"

class TMemberTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  static int ColumnWidth(int column);

  void Replace(TMemberList members);
  const TMember& At(int row) const { return members_[row]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  TMemberList members_;
};
