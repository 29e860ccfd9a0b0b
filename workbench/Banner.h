#pragma once
// The banner across the top of the main window: our own artwork, painted to
// the size it is shown at, and clickable.

#include <QLabel>

class TBanner : public QLabel {
  Q_OBJECT

 public:
  explicit TBanner(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};
