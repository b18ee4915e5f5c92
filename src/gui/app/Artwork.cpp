#include "Artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap productPicture(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor("#3a5fcd"));
    sky.setColorAt(1, QColor("#1c2f80"));
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, width, height), 12, 12);

    // An envelope with a feather, the mark of a little posting bird.
    const QRectF env(width * 0.08, height * 0.25, height * 0.7, height * 0.5);
    p.setBrush(QColor("#fdf6e3"));
    p.setPen(QPen(QColor("#8a6d3b"), 2));
    p.drawRect(env);
    QPainterPath flap;
    flap.moveTo(env.topLeft());
    flap.lineTo(env.center().x(), env.center().y() + env.height() * 0.1);
    flap.lineTo(env.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);

    p.setPen(QColor("#ffffff"));
    QFont title("DejaVu Sans", static_cast<int>(height * 0.22), QFont::Bold);
    p.setFont(title);
    const QRectF text(env.right() + width * 0.05, 0, width - env.right() - width * 0.08,
                      height * 0.7);
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, "Postling");
    QFont sub("DejaVu Sans", static_cast<int>(height * 0.08));
    p.setFont(sub);
    p.setPen(QColor("#d8e0ff"));
    p.drawText(QRectF(text.left(), height * 0.72, text.width(), height * 0.2),
               Qt::AlignLeft | Qt::AlignTop,
               QCoreApplication::translate("Artwork", "your webmail companion"));
    return pixmap;
}

QIcon letterIcon(const QString& letters, const QColor& colour) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(letters.size() > 1 ? 14 : 20);
    p.setFont(f);
    p.drawText(pixmap.rect(), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}
