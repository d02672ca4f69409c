#include "doc/pictures/smiley_pictures.h"

namespace docpictures {

namespace {

constexpr int faceSize = 19;
constexpr double centre = faceSize / 2.0;
constexpr Colour white{255, 255, 255};
constexpr Colour ink{40, 30, 20};
constexpr Colour yellow{255, 214, 40};
constexpr Colour red{220, 40, 30};
constexpr Colour green{120, 190, 60};
constexpr Colour blue{40, 110, 220};
constexpr Colour purple{140, 60, 190};
constexpr Colour amber{230, 150, 20};
constexpr Colour brick{170, 70, 40};

enum class Eyes { Open, Closed, Glasses, Angry, Raised };
enum class Mouth { Smile, Frown, Flat, Open, Grin };

struct Face {
    Colour skin = yellow;
    Eyes eyes = Eyes::Open;
    Mouth mouth = Mouth::Smile;
};

Canvas face(const Face& look) {
    Canvas canvas(faceSize, faceSize, white);
    canvas.fillDisc(centre, centre, 9.0, ink);
    canvas.fillDisc(centre, centre, 8.0, look.skin);
    for (double eyeX : {6.5, 12.5}) {
        switch (look.eyes) {
        case Eyes::Open:
            canvas.fillDisc(eyeX, 7.5, 1.3, ink);
            break;
        case Eyes::Closed:
            canvas.drawLine(eyeX - 1.5, 7.5, eyeX + 1.5, 7.5, 1.0, ink);
            break;
        case Eyes::Glasses:
            canvas.fillRing(eyeX, 7.5, 1.5, 2.5, ink);
            break;
        case Eyes::Angry:
            canvas.fillDisc(eyeX, 8.0, 1.2, ink);
            canvas.drawLine(eyeX - 2.0, eyeX < centre ? 4.5 : 6.0, eyeX + 2.0,
                            eyeX < centre ? 6.0 : 4.5, 1.0, ink);
            break;
        case Eyes::Raised:
            canvas.fillDisc(eyeX, 8.0, 1.2, ink);
            canvas.drawLine(eyeX - 2.0, 5.0, eyeX + 2.0, 4.0, 1.0, ink);
            break;
        }
    }
    switch (look.mouth) {
    case Mouth::Smile:
        canvas.fillArc(centre, 10.0, 3.5, 4.6, 200.0, 340.0, ink);
        break;
    case Mouth::Frown:
        canvas.fillArc(centre, 16.5, 3.5, 4.6, 20.0, 160.0, ink);
        break;
    case Mouth::Flat:
        canvas.drawLine(6.0, 13.5, 13.0, 13.5, 1.2, ink);
        break;
    case Mouth::Open:
        canvas.fillDisc(centre, 13.5, 2.2, ink);
        break;
    case Mouth::Grin:
        canvas.fillArc(centre, 10.0, 0.0, 4.6, 190.0, 350.0, ink);
        canvas.drawLine(6.0, 11.0, 13.0, 11.0, 1.0, white);
        break;
    }
    return canvas;
}

Canvas gift() {
    Canvas canvas(faceSize, faceSize, white);
    canvas.fillRectangle(2, 6, 16, 17, red);
    canvas.fillRectangle(8, 6, 10, 17, yellow);
    canvas.fillRectangle(2, 9, 16, 10, yellow);
    canvas.fillRing(6.5, 4.5, 1.0, 2.5, yellow);
    canvas.fillRing(12.5, 4.5, 1.0, 2.5, yellow);
    return canvas;
}

Canvas music() {
    Canvas canvas(faceSize, faceSize, white);
    canvas.fillDisc(5.5, 14.5, 3.0, blue);
    canvas.fillDisc(14.0, 12.5, 3.0, blue);
    canvas.fillRectangle(7, 3, 8, 14, blue);
    canvas.fillRectangle(15, 1, 16, 12, blue);
    canvas.drawLine(7.5, 3.5, 16.0, 1.5, 2.5, blue);
    return canvas;
}

Canvas bug() {
    Canvas canvas(faceSize, faceSize, white);
    for (double y : {7.0, 10.5, 14.0}) {
        canvas.drawLine(3.0, y - 1.5, 16.0, y + 1.5, 1.0, ink);
        canvas.drawLine(3.0, y + 1.5, 16.0, y - 1.5, 1.0, ink);
    }
    canvas.fillDisc(centre, 11.0, 5.0, green);
    canvas.drawLine(centre, 6.0, centre, 16.0, 1.0, ink);
    canvas.fillDisc(centre, 4.5, 2.5, ink);
    return canvas;
}

Canvas heart() {
    Canvas canvas(faceSize, faceSize, white);
    canvas.fillDisc(6.0, 7.0, 4.5, red);
    canvas.fillDisc(13.0, 7.0, 4.5, red);
    for (int row = 8; row <= 17; ++row) {
        int half = 17 - row;
        canvas.fillRectangle(9 - half, row, 9 + half, row, red);
    }
    return canvas;
}

Canvas withProp(Canvas canvas, int left, int top, int right, int bottom, Colour colour) {
    canvas.fillRectangle(left, top, right, bottom, colour);
    return canvas;
}

Canvas bulletDisc(Colour colour) {
    Canvas canvas(11, 11, white);
    canvas.fillDisc(5.5, 5.5, 5.0, colour);
    canvas.fillDisc(4.0, 4.0, 1.5, white);
    return canvas;
}

Canvas blackDisc() {
    Canvas canvas(11, 11, white);
    canvas.fillDisc(5.5, 5.5, 4.0, ink);
    return canvas;
}

Canvas square() {
    Canvas canvas(11, 11, white);
    canvas.fillRectangle(2, 2, 8, 8, blue);
    return canvas;
}

} // namespace

std::vector<NamedPicture> smileyPictures() {
    return {
        {"gift.gif", gift()},
        {"smilie.gif", face({})},
        {"badsmile.gif", face({yellow, Eyes::Angry, Mouth::Flat})},
        {"sick.gif", face({green, Eyes::Closed, Mouth::Frown})},
        {"rant.gif", face({red, Eyes::Angry, Mouth::Open})},
        {"damn.gif", face({red, Eyes::Angry, Mouth::Frown})},
        {"wall.gif", withProp(face({yellow, Eyes::Closed, Mouth::Flat}), 0, 0, 3, 18, brick)},
        {"sad.gif", face({yellow, Eyes::Open, Mouth::Frown})},
        {"beer.gif", withProp(face({yellow, Eyes::Open, Mouth::Grin}), 13, 10, 18, 18, amber)},
        {"friend.gif", face({yellow, Eyes::Closed, Mouth::Grin})},
        {"wor.gif", face({yellow, Eyes::Closed, Mouth::Open})},
        {"teacher.gif", face({yellow, Eyes::Glasses, Mouth::Flat})},
        {"sad2.gif", face({yellow, Eyes::Raised, Mouth::Frown})},
        {"worry.gif", face({amber, Eyes::Raised, Mouth::Flat})},
        {"arg.gif", face({amber, Eyes::Angry, Mouth::Grin})},
        {"music.gif", music()},
        {"bug.gif", bug()},
        {"love.gif", heart()},
        {"wonder.gif", face({yellow, Eyes::Raised, Mouth::Open})},
        {"zen.gif", face({blue, Eyes::Closed, Mouth::Smile})},
    };
}

std::vector<NamedPicture> bulletPictures() {
    return {
        {"puceb.gif", bulletDisc(blue)},   {"pucev.gif", bulletDisc(purple)},
        {"pucey.gif", bulletDisc(yellow)}, {"pucer.gif", bulletDisc(red)},
        {"puceg.gif", bulletDisc(green)},  {"puceblack.jpg", blackDisc()},
        {"pucesquare.jpg", square()},
    };
}

} // namespace docpictures
