#include "picture.h"

#include "button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

QString picturePath(const QString &file)
{
    return QStringLiteral(":/pictures/") + file;
}

QSizeF naturalSizeOf(const QSvgRenderer &renderer)
{
    const QSizeF box = renderer.viewBoxF().size();
    return box.isEmpty() ? QSizeF(renderer.defaultSize()) : box;
}

Picture::Picture(QWidget *parent, const QString &file)
    : QWidget(parent), m_renderer(picturePath(file))
{
    m_renderer.setAspectRatioMode(Qt::KeepAspectRatio);
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_renderer.render(&painter, QRectF(QPointF(0, 0), naturalSize()));
}

PictureButton::PictureButton(QWidget *parent, const QString &file)
    : QPushButton(parent), m_renderer(picturePath(file))
{
    m_renderer.setAspectRatioMode(Qt::KeepAspectRatio);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = sharedPalette(option.palette);
    painter.drawControl(QStyle::CE_PushButton, option);

    QRectF area(QPointF(0, 0), naturalSize());
    area.moveCenter(QRectF(rect()).center());
    if (isDown())
        area.translate(1, 1);
    m_renderer.render(&painter, area);
}
