// A static text that can be drawn as a link (blue, underlined, hand cursor, acting on the press
// of the left button) or in bold.
#pragma once

#include <QLabel>

class CLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setLink();
    void setBold();

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool isLink_ = false;
};
