#include "editor/tree_icons.h"

#include <QHash>
#include <cstring>
#include <QPainter>
#include <QPixmap>

namespace skarvion {

namespace {

constexpr int Size = 16;

// A rounded tile with a short label: enough to tell the nodes apart at a glance.
struct Glyph {
    TreeIcon icon;
    const char* label;
    QRgb colour;
};

const QRgb Grey = qRgb(150, 150, 150);

const Glyph glyphs[] = {
    {TreeIcon::ProjectInfo, "i", qRgb(30, 100, 200)},
    {TreeIcon::WorkMode, "M", qRgb(90, 90, 160)},
    {TreeIcon::Input, "I", qRgb(30, 150, 60)},
    {TreeIcon::InputDisabled, "I", Grey},
    {TreeIcon::InputHanded, "I", qRgb(220, 130, 20)},
    {TreeIcon::Output, "O", qRgb(40, 110, 190)},
    {TreeIcon::Report, "R", qRgb(120, 80, 160)},
    {TreeIcon::Pin, "P", qRgb(170, 60, 60)},
    {TreeIcon::Phone, "#", qRgb(50, 130, 130)},
    {TreeIcon::Sms, "S", qRgb(40, 140, 200)},
    {TreeIcon::SmsOff, "S", Grey},
    {TreeIcon::Alarm, "A", qRgb(200, 40, 40)},
    {TreeIcon::AlarmOff, "A", Grey},
    {TreeIcon::Clip, "C", qRgb(150, 60, 170)},
    {TreeIcon::ClipOff, "C", Grey},
    {TreeIcon::Data, "D", qRgb(20, 140, 120)},
    {TreeIcon::DataOff, "D", Grey},
    {TreeIcon::ContactId, "ID", qRgb(110, 110, 40)},
    {TreeIcon::ContactIdOff, "ID", Grey},
    {TreeIcon::Signal, "~", qRgb(200, 110, 30)},
    {TreeIcon::PrintInfo, "P", qRgb(80, 80, 80)},
    {TreeIcon::SerialNumber, "N", qRgb(80, 80, 80)},
    {TreeIcon::Comment, "\"", qRgb(80, 80, 80)},
    {TreeIcon::RegNumber, "R", qRgb(80, 80, 80)},
    {TreeIcon::Firmware, "F", qRgb(80, 80, 80)},
    {TreeIcon::OutputType, "M", qRgb(40, 110, 190)},
    {TreeIcon::Request, "?", qRgb(40, 110, 190)},
    {TreeIcon::ExternalPanel, "K", qRgb(110, 70, 40)},
};

void drawTile(QPainter& p, QRgb colour, const char* label) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour));
    p.drawRoundedRect(QRectF(0.5, 0.5, Size - 1, Size - 1), 3, 3);
    QFont font = p.font();
    font.setPixelSize(std::strlen(label) > 1 ? 8 : 11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QString::fromLatin1(label));
}

void drawClock(QPainter& p, QRgb colour) {
    p.setPen(QPen(QColor(colour), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 1.5, Size - 3, Size - 3));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 9));
}

void drawBars(QPainter& p, QRgb colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour));
    for (int k = 0; k < 4; ++k) p.drawRect(QRectF(1 + 4 * k, 12 - 3 * k, 3, 3 + 3 * k));
}

void drawLamp(QPainter& p, QRgb colour) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(colour));
    p.drawEllipse(QRectF(2.5, 2.5, Size - 5, Size - 5));
}

QPixmap draw(TreeIcon icon) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case TreeIcon::Time: drawClock(p, qRgb(40, 110, 190)); break;
    case TreeIcon::OutputTime: drawClock(p, qRgb(200, 110, 30)); break;
    case TreeIcon::OutputTimeOff: drawClock(p, Grey); break;
    case TreeIcon::Gsm: drawBars(p, qRgb(30, 150, 60)); break;
    case TreeIcon::OutputOn: drawLamp(p, qRgb(60, 200, 60)); break;
    case TreeIcon::OutputOff: drawLamp(p, qRgb(220, 220, 220)); break;
    default:
        for (const Glyph& g : glyphs) {
            if (g.icon == icon) drawTile(p, g.colour, g.label);
        }
        break;
    }
    return pixmap;
}

} // namespace

QIcon TreeIconImage(TreeIcon icon) {
    static QHash<int, QIcon> cache;
    const int key = static_cast<int>(icon);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.insert(key, QIcon(draw(icon)));
    return *it;
}

} // namespace skarvion
