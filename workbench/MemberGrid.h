#pragma once
// The member grid: one row per member, the memberId hidden in a one-pixel
// first column.

#include <QTableWidget>
#include <vector>

#include "metadata/MemberDAO.h"

class TMemberGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit TMemberGrid(QWidget* parent);

  void Fill(const TMemberList& members);
  void Clear();
  // Selected rows, top to bottom.
  std::vector<int> SelectedRows() const;
  int MemberIdAt(int row) const;
};
