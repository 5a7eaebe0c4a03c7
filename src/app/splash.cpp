#include "app/splash.h"

#include <QLinearGradient>
#include <QPainter>

namespace skarvion {

QPixmap SplashPicture() {
    QPixmap pixmap(548, 204);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, 548, 204);
    gradient.setColorAt(0, QColor(20, 60, 120));
    gradient.setColorAt(1, QColor(40, 120, 190));
    p.fillRect(pixmap.rect(), gradient);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(30, 40, 500, 60), Qt::AlignLeft | Qt::AlignVCenter, "Skarvion PRO");
    QFont subtitle = title;
    subtitle.setPixelSize(16);
    subtitle.setBold(false);
    p.setFont(subtitle);
    p.drawText(QRect(32, 110, 500, 30), Qt::AlignLeft | Qt::AlignVCenter,
               "Skarvion 2050 GSM transmitter configuration");
    return pixmap;
}

} // namespace skarvion
