#include "docbuilder/smileys.h"

#include "docbuilder/text_search.h"

#include <array>
#include <string_view>

namespace docbuilder {

namespace {

struct PictureCode {
    std::string_view code;
    std::string_view file;
    std::string_view alternativeText;
};

// Applied in this order; each code is replaced everywhere in the line before the next is sought.
constexpr std::array<PictureCode, 20> smileys{{
    {":gift:", "gift.gif", "gift emoticon"},
    {":)", "smilie.gif", "smile"},
    {":badsmile:", "badsmile.gif", "badsmile"},
    {":sick:", "sick.gif", "sick"},
    {":rant:", "rant.gif", "rant"},
    {":damn:", "damn.gif", "damn"},
    {":wall:", "wall.gif", "wall"},
    {":sad:", "sad.gif", "sad"},
    {":beer:", "beer.gif", "beer"},
    {":friend:", "friend.gif", "friend"},
    {":wor:", "wor.gif", "worship"},
    {":teacher:", "teacher.gif", "teacher"},
    {":(", "sad2.gif", "sad 2"},
    {":worry:", "worry.gif", "worry"},
    {":arg:", "arg.gif", "arg"},
    {":music:", "music.gif", "music"},
    {":bug:", "bug.gif", "bug"},
    {":love:", "love.gif", "love"},
    {":wonder:", "wonder.gif", "wonder"},
    {":zen:", "zen.gif", "zen"},
}};

constexpr std::array<PictureCode, 7> bullets{{
    {":bulletb:", "puceb.gif", "bullet blue"},
    {":bulletp:", "pucev.gif", "bullet purple"},
    {":bullety:", "pucey.gif", "bullet yellow"},
    {":bulletr:", "pucer.gif", "bullet red"},
    {":bulletg:", "puceg.gif", "bullet green"},
    {":bulletblk:", "puceblack.jpg", "bullet green"},
    {":bulletsqr:", "pucesquare.jpg", "bullet green"},
}};

std::string smileyImage(const PictureCode& picture) {
    return "<img src=\"bin/bin/smiley/" + std::string(picture.file) + "\" alt=\"" +
           std::string(picture.alternativeText) + "\"";
}

} // namespace

void convertSmileys(std::string& line) {
    for (const PictureCode& smiley : smileys) {
        replaceAllNoCase(line, smiley.code, smileyImage(smiley) + ">");
    }
}

int convertBullets(std::string& line) {
    int count = 0;
    for (const PictureCode& bullet : bullets) {
        count +=
            replaceAllNoCase(line, bullet.code,
                             "<table cellpadding=\"0\" cellspacing=\"0\"><tr><td "
                             "valign=\"top\">" +
                                 smileyImage(bullet) + " style=\"margin-left:10px;\"></td><td>");
    }
    return count;
}

} // namespace docbuilder
