#include "ui/qt/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lindquay {

QIcon programIcon() {
    constexpr int kSize = 128;
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A cloud over a folder: the drive above, its local mirror below.
    QPainterPath cloud;
    cloud.addEllipse(QRectF(18, 18, 44, 40));
    cloud.addEllipse(QRectF(44, 6, 52, 52));
    cloud.addEllipse(QRectF(76, 24, 36, 34));
    cloud.addRoundedRect(QRectF(18, 38, 94, 20), 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3d, 0x8b, 0xfd));
    painter.drawPath(cloud.simplified());

    painter.setBrush(QColor(0xf2, 0xb1, 0x34));
    painter.drawRoundedRect(QRectF(14, 62, 44, 16), 5, 5);
    painter.setBrush(QColor(0xf7, 0xc5, 0x4d));
    painter.drawRoundedRect(QRectF(14, 70, 100, 50), 7, 7);

    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(34, 88), QPointF(94, 88));
    painter.drawLine(QPointF(34, 102), QPointF(78, 102));
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

} // namespace lindquay
