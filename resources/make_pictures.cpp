// Draws the program's pictures once; the results are committed beside this file.
// Build and run by hand:
//   g++ -std=c++20 -fPIC make_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mp
//   QT_QPA_PLATFORM=offscreen /tmp/mp resources/
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kNavy(20, 45, 95);
const QColor kSand(236, 206, 140);

// A cash register seen slightly from above: printer slot, display, keypad.
QImage drawRegister() {
  QImage img(240, 200, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0, QColor(250, 244, 228));
  sky.setColorAt(1, kSand);
  p.fillRect(img.rect(), sky);

  // paper roll coming out of the printer
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.setBrush(Qt::white);
  QPainterPath paper;
  paper.moveTo(150, 58);
  paper.lineTo(150, 18);
  paper.cubicTo(160, 12, 176, 24, 186, 16);
  paper.lineTo(186, 58);
  p.drawPath(paper);
  p.setPen(QPen(QColor(160, 160, 160), 1));
  for (int y = 26; y < 56; y += 6) p.drawLine(156, y, 180, y);

  // body
  p.setPen(QPen(kNavy.darker(140), 2));
  QLinearGradient body(0, 50, 0, 185);
  body.setColorAt(0, QColor(70, 95, 150));
  body.setColorAt(1, kNavy);
  p.setBrush(body);
  QPainterPath shell;
  shell.moveTo(30, 185);
  shell.lineTo(48, 60);
  shell.lineTo(200, 60);
  shell.lineTo(215, 185);
  shell.closeSubpath();
  p.drawPath(shell);
  p.setBrush(QColor(40, 40, 48));
  p.drawRoundedRect(QRectF(142, 54, 52, 8), 3, 3);

  // display
  p.setBrush(QColor(30, 60, 30));
  p.drawRoundedRect(QRectF(60, 70, 80, 26), 4, 4);
  p.setPen(QColor(140, 255, 140));
  QFont f;
  f.setFamily(QStringLiteral("DejaVu Sans Mono"));
  f.setPixelSize(16);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(62, 72, 76, 22), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("12,50"));

  // keypad
  p.setPen(QPen(QColor(20, 20, 30), 1));
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 5; ++c) {
      const qreal x = 56 + c * 27 + r * -2.2;
      const qreal y = 108 + r * 18;
      p.setBrush(c == 4 ? QColor(200, 70, 50) : QColor(225, 225, 230));
      p.drawRoundedRect(QRectF(x, y, 22, 13), 3, 3);
    }
  }
  // drawer
  p.setBrush(QColor(40, 40, 48));
  p.drawRect(QRectF(22, 185, 200, 10));
  return img;
}

// The product logo: a dune under the sun and the product name.
QImage drawLogo() {
  QImage img(220, 110, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(img.rect(), Qt::white);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(245, 170, 40));
  p.drawEllipse(QPointF(160, 38), 22, 22);
  QPainterPath dune;
  dune.moveTo(0, 80);
  dune.cubicTo(50, 30, 110, 40, 220, 78);
  dune.lineTo(220, 110);
  dune.lineTo(0, 110);
  dune.closeSubpath();
  p.setBrush(kSand.darker(110));
  p.drawPath(dune);
  QFont f;
  f.setFamily(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(30);
  f.setBold(true);
  p.setFont(f);
  p.setPen(kNavy);
  p.drawText(QRectF(0, 66, 220, 44), Qt::AlignCenter, QStringLiteral("ORVI DUNA"));
  return img;
}

// Two chain links: the base file and the register are joined.
QImage drawLinkIcon() {
  QImage img(24, 24, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 120, 40), 3));
  p.translate(12, 12);
  p.rotate(-45);
  p.drawRoundedRect(QRectF(-10, -4, 11, 8), 4, 4);
  p.drawRoundedRect(QRectF(-1, -4, 11, 8), 4, 4);
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) + '/' : QString();
  bool ok = drawRegister().save(dir + "kasa.jpg", "JPG", 90);
  ok = drawLogo().save(dir + "logo.jpg", "JPG", 90) && ok;
  ok = drawLinkIcon().save(dir + "polaczenie.png", "PNG") && ok;
  return ok ? 0 : 1;
}
