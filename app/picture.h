#pragma once

#include <QPushButton>
#include <QSvgRenderer>
#include <QWidget>

// Our drawings give their size in pixels with fractions (twips / 15), and
// their view box in the same units; defaultSize() would round it down.
QSizeF naturalSizeOf(const QSvgRenderer &renderer);

// A drawing from resources/pictures/, shown at its natural size from the top
// left corner of its box, over the box's background colour when it has one.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(QWidget *parent, const QString &file);

    bool isValid() const { return m_renderer.isValid(); }
    QSizeF naturalSize() const { return naturalSizeOf(m_renderer); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_file;
    QSvgRenderer m_renderer;
};

// A command button that shows a drawing, centred, in place of a caption.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    PictureButton(QWidget *parent, const QString &file);

    bool isValid() const { return m_renderer.isValid(); }
    QSizeF naturalSize() const { return naturalSizeOf(m_renderer); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_file;
    QSvgRenderer m_renderer;
};

QString picturePath(const QString &file);
