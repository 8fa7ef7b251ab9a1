#pragma once

#include <QMdiArea>
#include <QPixmap>

// The frame's work area: a plain colour with the department's picture in the middle.
class BackgroundArea : public QMdiArea {
    Q_OBJECT

public:
    explicit BackgroundArea(QWidget* parent = nullptr);
    bool loadPicture(const QString& path);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
