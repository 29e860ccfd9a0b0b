#include "workbench/Banner.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// Deep blue to teal, a row of stylised class boxes on the right and the product name.
QPixmap PaintBanner(QSize size) {
  QPixmap picture(size.expandedTo(QSize(1, 1)));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, size.width(), size.height());
  sky.setColorAt(0, QColor(18, 42, 94));
  sky.setColorAt(0.6, QColor(24, 96, 140));
  sky.setColorAt(1, QColor(30, 150, 150));
  p.fillRect(picture.rect(), sky);

  p.setPen(Qt::NoPen);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(QColor(255, 255, 255, 18 + 10 * i));
    p.drawEllipse(QPointF(size.width() - 60 - 70 * i, size.height() * 0.9), 46.0 + 8 * i, 46.0 + 8 * i);
  }

  p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  for (int i = 0; i < 3; ++i) {
    const QRectF box(size.width() - 250 + 78 * i, 18 + (i % 2) * 14, 62, 44);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(box, 5, 5);
    p.drawLine(QPointF(box.left(), box.top() + 13), QPointF(box.right(), box.top() + 13));
    if (i < 2) p.drawLine(box.center() + QPointF(31, 0), box.center() + QPointF(47, (i % 2) ? -14 : 14));
  }

  QFont title = p.font();
  title.setPixelSize(26);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(22, 8, size.width() - 300, 44), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("brindlemoor 代码生成器"));
  QFont subtitle = title;
  subtitle.setPixelSize(14);
  subtitle.setBold(false);
  p.setFont(subtitle);
  p.setPen(QColor(220, 236, 255));
  p.drawText(QRect(24, 50, size.width() - 300, 28), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("VB.NET 三层架构 · 实体 · 数据访问 · 业务逻辑 · 窗体"));
  return picture;
}

}  // namespace

TBanner::TBanner(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setScaledContents(true);
}

void TBanner::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void TBanner::resizeEvent(QResizeEvent* event) {
  setPixmap(PaintBanner(size()));
  QLabel::resizeEvent(event);
}
