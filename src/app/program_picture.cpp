#include "app/program_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ppexport::app {

namespace {
const QColor paper(0xE8, 0xF3, 0xE4);
const QColor paperShade(0xCF, 0xE6, 0xC8);
const QColor ink(0x2F, 0x4F, 0x3A);
const QColor faintInk(0x7C, 0x9A, 0x84);
const QColor tick(0x1E, 0x8C, 0x3A);

// The check itself, drawn in a 120 by 50 box.
void drawCheck(QPainter& painter) {
  QLinearGradient shade(0, 0, 0, 50);
  shade.setColorAt(0, paper);
  shade.setColorAt(1, paperShade);
  painter.setPen(QPen(faintInk, 1));
  painter.setBrush(shade);
  painter.drawRoundedRect(QRectF(0.5, 0.5, 119, 49), 3, 3);

  painter.setPen(QPen(faintInk, 0.8));
  painter.drawLine(QPointF(8, 19), QPointF(78, 19));    // pay to the order of
  painter.drawLine(QPointF(8, 28), QPointF(108, 28));   // amount in words
  painter.drawLine(QPointF(66, 39), QPointF(110, 39));  // signature
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(84, 12, 26, 10));             // amount box

  painter.setPen(QPen(ink, 1));
  QFont small = painter.font();
  small.setPixelSize(7);
  small.setBold(true);
  painter.setFont(small);
  painter.drawText(QRectF(84, 12, 26, 10), Qt::AlignCenter, QStringLiteral("$ 0.00"));
  painter.drawText(QRectF(8, 4, 60, 9), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("No. 1001"));

  // The signature.
  QPainterPath signature(QPointF(68, 37));
  signature.cubicTo(QPointF(72, 30), QPointF(75, 42), QPointF(79, 35));
  signature.cubicTo(QPointF(83, 29), QPointF(85, 41), QPointF(90, 35));
  signature.cubicTo(QPointF(94, 31), QPointF(97, 38), QPointF(104, 34));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(signature);

  // The account and check numbers along the bottom edge, as the bank's reader sees them.
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  for (int digit = 0; digit < 22; ++digit) {
    if (digit == 7 || digit == 16) continue;
    painter.drawRect(QRectF(8 + digit * 3.6, 44, 2.2, 3));
  }
}

// A round seal with a tick: the check matches the bank's record.
void drawSeal(QPainter& painter, QPointF centre, qreal radius) {
  painter.setPen(QPen(Qt::white, 2));
  painter.setBrush(tick);
  painter.drawEllipse(centre, radius, radius);
  QPainterPath mark(centre + QPointF(-radius * 0.5, 0));
  mark.lineTo(centre + QPointF(-radius * 0.12, radius * 0.4));
  mark.lineTo(centre + QPointF(radius * 0.52, -radius * 0.38));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, radius * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(mark);
}
}  // namespace

QPixmap programPicture(QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // The drawing is made for 140 by 55 and scaled to the size asked for.
  painter.scale(size.width() / 140.0, size.height() / 55.0);
  painter.translate(2, 2);
  drawCheck(painter);
  drawSeal(painter, QPointF(121, 34), 15);
  return pixmap;
}

}  // namespace ppexport::app
