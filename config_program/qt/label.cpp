#include "config_program/qt/label.h"

#include <QMouseEvent>

void CLabel::setLink() {
    isLink_ = true;
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(blue);
    setCursor(Qt::PointingHandCursor);
}

void CLabel::setBold() {
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void CLabel::mousePressEvent(QMouseEvent* event) {
    if (isLink_ && event->button() == Qt::LeftButton) {
        emit pressed();
        return;
    }
    QLabel::mousePressEvent(event);
}
