#pragma once
// The member grid: one row per member, the memberId hidden in a one-pixel
// first column. A view over the member list itself, so that refilling it with
// thousands of members costs one insertion, and cells are made only when shown.

#include <QTableView>
#include <vector>

#include "metadata/MemberDAO.h"

class TMemberTableModel;

class TMemberGrid : public QTableView {
  Q_OBJECT

 public:
  explicit TMemberGrid(QWidget* parent);

  void Fill(TMemberList members);
  void Clear();
  int rowCount() const;
  // The text a cell shows.
  QString Cell(int row, int column) const;
  // Selected rows, top to bottom.
  std::vector<int> SelectedRows() const;
  int MemberIdAt(int row) const;

 private:
  TMemberTableModel* members_;
};
