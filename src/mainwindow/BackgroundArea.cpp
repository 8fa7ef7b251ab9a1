#include "BackgroundArea.h"

#include <QPainter>

namespace {

const QColor frameColour(54, 89, 131);

} // namespace

BackgroundArea::BackgroundArea(QWidget* parent)
    : QMdiArea(parent)
{
    setBackground(frameColour);
}

bool BackgroundArea::loadPicture(const QString& path)
{
    picture_ = QPixmap(path);
    viewport()->update();
    return !picture_.isNull();
}

void BackgroundArea::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(viewport());
    const QSize size =
        picture_.size().scaled(viewport()->size(), Qt::KeepAspectRatio).boundedTo(picture_.size());
    QRect target(QPoint(), size);
    target.moveCenter(viewport()->rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture_);
}
