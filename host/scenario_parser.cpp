#include "host/scenario_parser.h"

#include "shared/decimal_number.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace vrhost {

bool isVesselChannel(Channel channel) {
    switch (channel) {
    case Channel::CameraInternal:
    case Channel::CameraMode:
    case Channel::CockpitMode:
    case Channel::CameraDistance:
    case Channel::TimeAcceleration:
        return false;
    default:
        return true;
    }
}

namespace {

// The time, "call", the function and the most arguments an add-on function takes.
constexpr size_t maximumCallWords = 10;

struct NamedValue {
    const char* name;
    int value;
};

constexpr NamedValue groupNames[] = {
    {"main", THGROUP_MAIN},
    {"retro", THGROUP_RETRO},
    {"hover", THGROUP_HOVER},
    {"pitchup", THGROUP_ATT_PITCHUP},
    {"pitchdown", THGROUP_ATT_PITCHDOWN},
    {"yawleft", THGROUP_ATT_YAWLEFT},
    {"yawright", THGROUP_ATT_YAWRIGHT},
    {"bankleft", THGROUP_ATT_BANKLEFT},
    {"bankright", THGROUP_ATT_BANKRIGHT},
    {"right", THGROUP_ATT_RIGHT},
    {"left", THGROUP_ATT_LEFT},
    {"up", THGROUP_ATT_UP},
    {"down", THGROUP_ATT_DOWN},
    {"forward", THGROUP_ATT_FORWARD},
    {"back", THGROUP_ATT_BACK},
};
constexpr NamedValue statusNames[] = {{"flying", VESSEL_STATUS_FLYING},
                                      {"landed", VESSEL_STATUS_LANDED},
                                      {"crashed", VESSEL_STATUS_CRASHED},
                                      {"docked", VESSEL_STATUS_DOCKED}};
constexpr NamedValue cameraModeNames[] = {{"track", CAMERA_MODE_TRACK},
                                          {"observer", CAMERA_MODE_GROUND_OBSERVER}};
constexpr NamedValue cockpitModeNames[] = {
    {"generic", COCKPIT_GENERIC}, {"panels", COCKPIT_PANELS}, {"virtual", COCKPIT_VIRTUAL}};
constexpr NamedValue attitudeModeNames[] = {{"off", 0}, {"rotation", 1}, {"translation", 2}};
constexpr NamedValue navmodeNames[] = {
    {"killrot", NAVMODE_KILLROT},   {"hlevel", NAVMODE_HLEVEL},
    {"prograde", NAVMODE_PROGRADE}, {"retrograde", NAVMODE_RETROGRADE},
    {"normal", NAVMODE_NORMAL},     {"antinormal", NAVMODE_ANTINORMAL},
    {"holdalt", NAVMODE_HOLDALT},
};
constexpr NamedValue keyNames[] = {
    {"BACK", 0x08},    {"TAB", 0x09},    {"RETURN", 0x0D},   {"ENTER", 0x0D},    {"SHIFT", 0x10},
    {"CONTROL", 0x11}, {"CTRL", 0x11},   {"ALT", 0x12},      {"ESCAPE", 0x1B},   {"SPACE", 0x20},
    {"PRIOR", 0x21},   {"NEXT", 0x22},   {"END", 0x23},      {"HOME", 0x24},     {"LEFT", 0x25},
    {"UP", 0x26},      {"RIGHT", 0x27},  {"DOWN", 0x28},     {"INSERT", 0x2D},   {"DELETE", 0x2E},
    {"LSHIFT", 0xA0},  {"RSHIFT", 0xA1}, {"LCONTROL", 0xA2}, {"RCONTROL", 0xA3}, {"LALT", 0xA4},
    {"RALT", 0xA5},
};

// The keyboard scan code of a letter key, as an MFD receives its keys; 0 for anything else (a
// digit stays a key code).
int letterScanCode(const std::string& name) {
    static const char* const rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const int rowStarts[] = {0x10, 0x1E, 0x2C};
    if (name.size() != 1 || !std::isalpha(static_cast<unsigned char>(name[0]))) {
        return 0;
    }
    char key = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    for (int row = 0; row < 3; ++row) {
        if (const char* found = std::strchr(rows[row], key)) {
            return rowStarts[row] + static_cast<int>(found - rows[row]);
        }
    }
    return 0;
}

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

struct Token {
    std::string text;
    bool quoted = false;
};

class Parser {
public:
    Parser(const std::string& fileName) : fileName_(fileName) { scenario_.fileName = fileName; }

    Scenario parse(const std::string& text);

private:
    [[noreturn]] void fail(const std::string& message) const {
        throw ScenarioError(fileName_, line_, message);
    }

    std::vector<Token> tokenize(const std::string& line) const;

    // Readers of the current line's tokens.
    void expectCount(size_t minimum, size_t maximum, const char* usage) const;
    double number(size_t index, const char* what) const;
    int integer(size_t index, const char* what) const;
    // A whole number, or a hexadecimal one written 0x...: key codes are given either way.
    int keyCode(size_t index, const char* what) const;
    VECTOR3 vector(size_t index, const char* what) const;
    int named(size_t index, const NamedValue* names, size_t count, const char* what) const;
    template <size_t N>
    int named(size_t index, const NamedValue (&names)[N], const char* what) const {
        return named(index, names, N, what);
    }
    double numberOrAuto(size_t index, const char* what) const;
    bool onOff(size_t index, const char* what) const;
    const std::string& word(size_t index) const { return tokens_[index].text; }

    void topLevelLine();
    void optionLine();
    void vesselLine();
    void runLine();
    void timedLine(double time);
    void addKey(double time, Channel channel, int index, std::vector<double> values,
                Interpolation interpolation = Interpolation::Linear);
    void addEvent(double time, EventKind kind, Event event);
    void finishRun();
    void checkVesselNamed(const std::string& name) const;
    void checkReferences();
    void checkIndexedChannels();

    std::string fileName_;
    Scenario scenario_;
    int line_ = 0;
    std::vector<Token> tokens_;
    VesselDefinition* vessel_ = nullptr;                        // inside a vessel block
    Run* run_ = nullptr;                                        // inside a run block
    std::string runVessel_;                                     // what `with` chose
    std::vector<std::pair<int, std::string>> vesselReferences_; // line, name
    struct IndexedReference {
        int line;
        size_t run;
        std::string vessel; // empty: the run's focus
        Channel channel;
        int index;
    };
    std::vector<IndexedReference> indexedReferences_; // user groups and animations
};

std::vector<Token> Parser::tokenize(const std::string& line) const {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos) {
                throw ScenarioError(fileName_, line_, "unterminated quoted text");
            }
            tokens.push_back(Token{line.substr(i + 1, end - i - 1), true});
            i = end + 1;
        } else {
            size_t end = i;
            while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])) &&
                   line[end] != '#') {
                ++end;
            }
            tokens.push_back(Token{line.substr(i, end - i), false});
            i = end;
        }
    }
    return tokens;
}

void Parser::expectCount(size_t minimum, size_t maximum, const char* usage) const {
    if (tokens_.size() < minimum || tokens_.size() > maximum) {
        fail(std::string("expected: ") + usage);
    }
}

double Parser::number(size_t index, const char* what) const {
    if (index >= tokens_.size()) {
        fail(std::string("missing ") + what);
    }
    const std::string& text = tokens_[index].text;
    double value = 0;
    if (text.empty() || text[0] == ' ' || text[0] == '\t' ||
        zephyrin::readDecimalNumber(text.c_str(), value) != text.size()) {
        fail(std::string("bad ") + what + " '" + text + "': a number is expected");
    }
    return value;
}

int Parser::integer(size_t index, const char* what) const {
    double value = number(index, what);
    if (value != std::floor(value) || std::abs(value) > 1e9) {
        fail(std::string("bad ") + what + " '" + word(index) + "': a whole number is expected");
    }
    return static_cast<int>(value);
}

int Parser::keyCode(size_t index, const char* what) const {
    const std::string text = index < tokens_.size() ? word(index) : "";
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        char* end = nullptr;
        const long code = std::strtol(text.c_str() + 2, &end, 16);
        if (std::isxdigit(static_cast<unsigned char>(text[2])) != 0 && *end == '\0' &&
            code <= 0xFFFF) {
            return static_cast<int>(code);
        }
    }
    return integer(index, what);
}

VECTOR3 Parser::vector(size_t index, const char* what) const {
    return {number(index, what), number(index + 1, what), number(index + 2, what)};
}

int Parser::named(size_t index, const NamedValue* names, size_t count, const char* what) const {
    if (index >= tokens_.size()) {
        fail(std::string("missing ") + what);
    }
    std::string text = lowercase(word(index));
    std::string choices;
    for (size_t i = 0; i < count; ++i) {
        if (text == names[i].name) {
            return names[i].value;
        }
        choices += (i == 0 ? "" : ", ") + std::string(names[i].name);
    }
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (!text.empty() && *end == '\0') {
        return static_cast<int>(value);
    }
    fail(std::string("unknown ") + what + " '" + word(index) + "' (one of " + choices +
         ", or a number)");
}

double Parser::numberOrAuto(size_t index, const char* what) const {
    if (index < tokens_.size() && lowercase(word(index)) == "auto") {
        return automatic;
    }
    return number(index, what);
}

bool Parser::onOff(size_t index, const char* what) const {
    if (index >= tokens_.size()) {
        fail(std::string("missing ") + what);
    }
    std::string text = lowercase(word(index));
    if (text == "on") {
        return true;
    }
    if (text == "off") {
        return false;
    }
    fail(std::string("bad ") + what + " '" + word(index) + "': on or off is expected");
}

Scenario Parser::parse(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        ++line_;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        tokens_ = tokenize(line);
        if (tokens_.empty()) {
            continue;
        }
        if (vessel_ != nullptr) {
            vesselLine();
        } else if (run_ != nullptr) {
            runLine();
        } else {
            topLevelLine();
        }
    }
    ++line_;
    if (vessel_ != nullptr) {
        fail("the vessel block has no 'end'");
    }
    if (run_ != nullptr) {
        fail("the run block has no 'end'");
    }
    if (scenario_.vessels.empty()) {
        fail("the scenario defines no vessel");
    }
    if (scenario_.runs.empty()) {
        fail("the scenario has no run");
    }
    if (scenario_.focus.empty()) {
        scenario_.focus = scenario_.vessels.front().spec.name;
    }
    for (Run& run : scenario_.runs) {
        if (run.focus.empty()) {
            run.focus = scenario_.focus;
        }
        // Lines before any `with` act on the vessel in focus at the run's start.
        std::map<TrackKey, Track> tracks;
        for (const auto& [key, track] : run.tracks) {
            TrackKey resolved = key;
            if (resolved.vessel.empty() && isVesselChannel(key.channel)) {
                resolved.vessel = run.focus;
            }
            auto [entry, added] = tracks.try_emplace(resolved, track);
            if (!added) {
                for (const Keyframe& keyframe : track.keyframes()) {
                    entry->second.add(keyframe.time, keyframe.values);
                }
            }
        }
        run.tracks = std::move(tracks);
        for (Event& event : run.events) {
            if (event.vessel.empty()) {
                event.vessel = run.focus;
            }
        }
    }
    checkReferences();
    checkIndexedChannels();
    return scenario_;
}

void Parser::topLevelLine() {
    std::string keyword = lowercase(word(0));
    if (keyword == "framerate") {
        expectCount(2, 2, "framerate FRAMES_PER_SECOND");
        scenario_.frameRate = number(1, "frame rate");
        if (scenario_.frameRate < 1.0 || scenario_.frameRate > 1000.0) {
            fail("the frame rate must lie between 1 and 1000 frames per second");
        }
    } else if (keyword == "mjd") {
        expectCount(2, 2, "mjd MODIFIED_JULIAN_DATE");
        scenario_.startMjd = number(1, "date");
    } else if (keyword == "planet") {
        expectCount(3, 3, "planet NAME RADIUS_M");
        if (!scenario_.vessels.empty() || !scenario_.bases.empty()) {
            fail("the planet comes before bases, stations and vessels");
        }
        scenario_.planetName = word(1);
        scenario_.planetRadiusM = number(2, "radius");
        if (scenario_.planetRadiusM <= 0.0) {
            fail("the planet's radius must be positive");
        }
    } else if (keyword == "base") {
        expectCount(4, 4, "base NAME LATITUDE LONGITUDE");
        scenario_.bases.push_back(
            BaseDefinition{word(1), {number(2, "latitude"), number(3, "longitude")}});
    } else if (keyword == "station") {
        expectCount(5, 9, "station NAME LATITUDE LONGITUDE ALTITUDE [size M] [mass KG]");
        StationDefinition station;
        station.name = word(1);
        station.point = {number(2, "latitude"), number(3, "longitude")};
        station.altitudeM = number(4, "altitude");
        for (size_t i = 5; i + 1 < tokens_.size(); i += 2) {
            std::string option = lowercase(word(i));
            if (option == "size") {
                station.sizeM = number(i + 1, "size");
            } else if (option == "mass") {
                station.massKg = number(i + 1, "mass");
            } else {
                fail("unknown station option '" + word(i) + "' (size or mass)");
            }
        }
        if (tokens_.size() % 2 == 0) {
            fail("a station option lacks its value");
        }
        scenario_.stations.push_back(station);
    } else if (keyword == "addon") {
        expectCount(2, 2, "addon LIBRARY_PATH");
        scenario_.addons.push_back(word(1));
    } else if (keyword == "option") {
        optionLine();
    } else if (keyword == "vessel") {
        expectCount(3, 3, "vessel NAME CLASS");
        for (const VesselDefinition& existing : scenario_.vessels) {
            if (existing.spec.name == word(1)) {
                fail("a vessel named '" + word(1) + "' exists already");
            }
        }
        vessel_ = &scenario_.vessels.emplace_back();
        vessel_->spec.name = word(1);
        vessel_->spec.className = word(2);
    } else if (keyword == "focus") {
        expectCount(2, 2, "focus VESSEL");
        scenario_.focus = word(1);
        vesselReferences_.emplace_back(line_, word(1));
    } else if (keyword == "run") {
        expectCount(4, 4, "run NAME until END_SECONDS");
        if (lowercase(word(2)) != "until") {
            fail("expected: run NAME until END_SECONDS");
        }
        run_ = &scenario_.runs.emplace_back();
        run_->name = word(1);
        run_->line = line_;
        run_->endTime = number(3, "end time");
        if (run_->endTime <= 0.0) {
            fail("a run must end after 0 s");
        }
        runVessel_.clear();
    } else if (keyword == "end") {
        fail("'end' without a vessel or run block");
    } else {
        fail("unknown keyword '" + word(0) +
             "' (framerate, mjd, planet, base, station, addon, option, vessel, focus or run)");
    }
}

void Parser::optionLine() {
    expectCount(3, 3, "option NAME VALUE");
    std::string name = word(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (!isOptionName(name)) {
        fail("unknown option '" + word(1) +
             "': a key of the main configuration file such as PLAYRADARBIP is expected");
    }
    std::string text = lowercase(word(2));
    double value = text == "on" ? 1.0 : text == "off" ? 0.0 : number(2, "option value");
    bool whole = value == static_cast<double>(static_cast<long long>(value));
    if (!optionTakesFraction(name) && (!whole || value < -2147483648.0 || value > 2147483647.0)) {
        fail("bad value '" + word(2) + "' of " + name + ": on, off or a whole number is expected");
    }
    scenario_.options.push_back({name, value});
}

void Parser::vesselLine() {
    std::string keyword = lowercase(word(0));
    VesselSpec& spec = vessel_->spec;
    auto positive = [this](size_t index, const char* what) {
        double value = number(index, what);
        if (value <= 0.0) {
            fail(std::string("the ") + what + " must be positive");
        }
        return value;
    };
    if (keyword == "end") {
        expectCount(1, 1, "end");
        vessel_ = nullptr;
    } else if (keyword == "size") {
        expectCount(2, 2, "size MEAN_RADIUS_M");
        spec.size = positive(1, "size");
    } else if (keyword == "mass") {
        expectCount(2, 2, "mass KG");
        spec.mass = positive(1, "mass");
    } else if (keyword == "cog") {
        expectCount(2, 2, "cog ELEVATION_M");
        spec.cogElevation = number(1, "centre of gravity elevation");
    } else if (keyword == "camera") {
        expectCount(4, 4, "camera X Y Z");
        spec.cameraOffset = vector(1, "camera offset");
    } else if (keyword == "position") {
        expectCount(3, 3, "position LATITUDE LONGITUDE");
        spec.position = {number(1, "latitude"), number(2, "longitude")};
    } else if (keyword == "altitude") {
        expectCount(2, 2, "altitude M");
        spec.altitude = number(1, "altitude");
    } else if (keyword == "attitude") {
        expectCount(4, 4, "attitude PITCH BANK HEADING");
        spec.attitude = {number(1, "pitch"), number(2, "bank"), number(3, "heading")};
    } else if (keyword == "thruster") {
        expectCount(8, 8, "thruster GROUP[,GROUP...] X Y Z DX DY DZ");
        ThrusterDefinition thruster;
        std::stringstream groups(lowercase(word(1)));
        std::string group;
        while (std::getline(groups, group, ',')) {
            if (group.rfind("user", 0) == 0 && group.size() > 4) {
                char* end = nullptr;
                long index = std::strtol(group.c_str() + 4, &end, 10);
                if (*end != '\0' || index < 0 || index > 63) {
                    fail("bad user group '" + group + "' (user0 .. user63)");
                }
                thruster.userGroup = static_cast<int>(index);
                continue;
            }
            auto found = std::find_if(std::begin(groupNames), std::end(groupNames),
                                      [&group](const NamedValue& n) { return group == n.name; });
            if (found == std::end(groupNames)) {
                fail("unknown thruster group '" + group +
                     "' (main, retro, hover, pitchup, pitchdown, yawleft, yawright, bankleft, "
                     "bankright, right, left, up, down, forward, back, user0, user1, ...)");
            }
            thruster.groups.push_back(static_cast<THGROUP_TYPE>(found->value));
        }
        if (thruster.userGroup >= 0 && !thruster.groups.empty()) {
            fail("a thruster of a user group belongs to no other group");
        }
        thruster.position = vector(2, "thruster position");
        thruster.direction = vector(5, "thruster direction");
        if (thruster.direction.x == 0.0 && thruster.direction.y == 0.0 &&
            thruster.direction.z == 0.0) {
            fail("a thruster's direction must not be zero");
        }
        vessel_->thrusters.push_back(thruster);
    } else if (keyword == "dock") {
        expectCount(10, 10, "dock X Y Z DX DY DZ RX RY RZ");
        vessel_->ports.push_back(DockingPortDefinition{vector(1, "docking port position"),
                                                       vector(4, "docking port direction"),
                                                       vector(7, "docking port rotation")});
    } else if (keyword == "animation") {
        expectCount(2, 2, "animation DEFAULT_STATE");
        vessel_->animations.push_back(AnimationDefinition{number(1, "default state"), {}});
    } else if (keyword == "component") {
        if (vessel_->animations.empty()) {
            fail("'component' before any 'animation'");
        }
        expectCount(2, 40, "component rotate|translate|scale [OPTION VALUES]...");
        AnimationDefinition& animation = vessel_->animations.back();
        AnimationComponentSpec component;
        std::string type = lowercase(word(1));
        if (type == "rotate") {
            component.type = MGROUP_TRANSFORM::ROTATE;
        } else if (type == "translate") {
            component.type = MGROUP_TRANSFORM::TRANSLATE;
        } else if (type == "scale") {
            component.type = MGROUP_TRANSFORM::SCALE;
        } else {
            fail("unknown component type '" + word(1) + "' (rotate, translate or scale)");
        }
        size_t i = 2;
        while (i < tokens_.size()) {
            std::string option = lowercase(word(i));
            if (option == "mesh") {
                component.mesh = static_cast<UINT>(integer(i + 1, "mesh"));
                i += 2;
            } else if (option == "groups") {
                if (i + 1 >= tokens_.size()) {
                    fail("missing group list");
                }
                std::stringstream list(word(i + 1));
                std::string item;
                while (std::getline(list, item, ',')) {
                    char* end = nullptr;
                    long group = std::strtol(item.c_str(), &end, 10);
                    if (item.empty() || *end != '\0' || group < 0) {
                        fail("bad group list '" + word(i + 1) + "' (for example 3,4,5)");
                    }
                    component.groups.push_back(static_cast<UINT>(group));
                }
                i += 2;
            } else if (option == "ref") {
                component.reference = vector(i + 1, "reference point");
                i += 4;
            } else if (option == "axis") {
                component.axis = vector(i + 1, "axis");
                i += 4;
            } else if (option == "angle") {
                component.angleDeg = number(i + 1, "angle");
                i += 2;
            } else if (option == "shift") {
                component.shift = vector(i + 1, "shift");
                i += 4;
            } else if (option == "scale") {
                component.scale = vector(i + 1, "scale");
                i += 4;
            } else if (option == "range") {
                component.state0 = number(i + 1, "range start");
                component.state1 = number(i + 2, "range end");
                i += 3;
            } else if (option == "parent") {
                component.parent = integer(i + 1, "parent");
                if (component.parent < 0 ||
                    component.parent >= static_cast<int>(animation.components.size())) {
                    fail("the parent must be an earlier component of the same animation");
                }
                i += 2;
            } else {
                fail("unknown component option '" + word(i) +
                     "' (mesh, groups, ref, axis, angle, shift, scale, range, parent)");
            }
        }
        animation.components.push_back(component);
    } else {
        fail("unknown vessel keyword '" + word(0) +
             "' (size, mass, cog, camera, position, altitude, attitude, thruster, dock, "
             "animation, component, end)");
    }
}

void Parser::runLine() {
    std::string keyword = lowercase(word(0));
    if (keyword == "end") {
        expectCount(1, 1, "end");
        finishRun();
        return;
    }
    if (keyword == "focus") {
        expectCount(2, 2, "focus VESSEL");
        run_->focus = word(1);
        vesselReferences_.emplace_back(line_, word(1));
        return;
    }
    if (keyword == "with") {
        expectCount(2, 2, "with VESSEL");
        runVessel_ = word(1);
        vesselReferences_.emplace_back(line_, word(1));
        return;
    }
    double time = number(0, "time");
    if (time < 0.0) {
        fail("times start at 0");
    }
    if (time > run_->endTime) {
        fail("time " + word(0) + " lies after the run's end");
    }
    if (tokens_.size() < 2) {
        fail("a time needs a keyframe or an event after it");
    }
    timedLine(time);
}

void Parser::addKey(double time, Channel channel, int index, std::vector<double> values,
                    Interpolation interpolation) {
    TrackKey key{isVesselChannel(channel) ? runVessel_ : std::string(), channel, index};
    if (channel == Channel::UserGroupLevel || channel == Channel::AnimationState) {
        indexedReferences_.push_back(IndexedReference{
            line_, static_cast<size_t>(run_ - scenario_.runs.data()), runVessel_, channel, index});
    }
    auto [entry, added] = run_->tracks.try_emplace(key, Track(interpolation));
    entry->second.add(time, std::move(values));
}

void Parser::addEvent(double time, EventKind kind, Event event) {
    event.time = time;
    event.line = line_;
    event.kind = kind;
    if (event.vessel.empty()) {
        event.vessel = runVessel_;
    }
    run_->events.push_back(std::move(event));
}

void Parser::timedLine(double time) {
    std::string keyword = lowercase(word(1));
    auto level = [this](size_t index, double low) {
        double value = number(index, "level");
        if (value < low || value > 1.0) {
            fail("the level must lie between " + std::to_string(static_cast<int>(low)) + " and 1");
        }
        return value;
    };
    if (keyword == "throttle") {
        expectCount(3, 3, "TIME throttle MAIN_RETRO(-1..1)");
        addKey(time, Channel::Throttle, 0, {level(2, -1.0)});
    } else if (keyword == "hover") {
        expectCount(3, 3, "TIME hover LEVEL");
        addKey(time, Channel::Hover, 0, {level(2, 0.0)});
    } else if (keyword == "rcs") {
        expectCount(4, 4, "TIME rcs GROUP LEVEL");
        int group = named(2, groupNames, "attitude group");
        if (group < THGROUP_ATT_PITCHUP || group > THGROUP_ATT_BACK) {
            fail("'" + word(2) + "' is no attitude group");
        }
        addKey(time, Channel::GroupLevel, group, {level(3, 0.0)});
    } else if (keyword == "user") {
        expectCount(4, 4, "TIME user GROUP_INDEX LEVEL");
        addKey(time, Channel::UserGroupLevel, integer(2, "user group"), {level(3, 0.0)});
    } else if (keyword == "altitude") {
        expectCount(3, 3, "TIME altitude M");
        addKey(time, Channel::Altitude, 0, {number(2, "altitude")});
    } else if (keyword == "airspeed") {
        expectCount(3, 3, "TIME airspeed M_PER_S");
        double speed = number(2, "airspeed");
        if (speed < 0.0) {
            fail("the airspeed cannot be negative");
        }
        addKey(time, Channel::Airspeed, 0, {speed});
    } else if (keyword == "vspeed") {
        expectCount(3, 3, "TIME vspeed M_PER_S|auto");
        addKey(time, Channel::VerticalSpeed, 0, {numberOrAuto(2, "vertical speed")});
    } else if (keyword == "attitude") {
        expectCount(5, 5, "TIME attitude PITCH BANK HEADING");
        addKey(time, Channel::Attitude, 0,
               {number(2, "pitch"), number(3, "bank"), number(4, "heading")});
    } else if (keyword == "contact") {
        expectCount(3, 3, "TIME contact on|off|auto");
        std::string value = lowercase(word(2));
        double contact = value == "auto" ? automatic : (onOff(2, "contact") ? 1.0 : 0.0);
        addKey(time, Channel::GroundContact, 0, {contact}, Interpolation::Step);
    } else if (keyword == "status") {
        expectCount(3, 3, "TIME status flying|landed|crashed|docked|auto");
        double status = lowercase(word(2)) == "auto"
                            ? automatic
                            : static_cast<double>(named(2, statusNames, "status"));
        addKey(time, Channel::Status, 0, {status}, Interpolation::Step);
    } else if (keyword == "brakes") {
        expectCount(3, 4, "TIME brakes LEFT [RIGHT]");
        double left = level(2, 0.0);
        double right = tokens_.size() == 4 ? level(3, 0.0) : left;
        addKey(time, Channel::Wheelbrakes, 0, {left, right});
    } else if (keyword == "anim") {
        expectCount(4, 4, "TIME anim ANIMATION_INDEX STATE");
        addKey(time, Channel::AnimationState, integer(2, "animation index"), {level(3, 0.0)});
    } else if (keyword == "fuel") {
        expectCount(3, 3, "TIME fuel FRACTION");
        addKey(time, Channel::Fuel, 0, {level(2, 0.0)});
    } else if (keyword == "camera") {
        expectCount(3, 3, "TIME camera cockpit|external");
        std::string view = lowercase(word(2));
        if (view != "cockpit" && view != "external") {
            fail("bad camera view '" + word(2) + "' (cockpit or external)");
        }
        addKey(time, Channel::CameraInternal, 0, {view == "cockpit" ? 1.0 : 0.0},
               Interpolation::Step);
    } else if (keyword == "camera-mode") {
        expectCount(3, 3, "TIME camera-mode track|observer|NUMBER");
        addKey(time, Channel::CameraMode, 0,
               {static_cast<double>(named(2, cameraModeNames, "camera mode"))},
               Interpolation::Step);
    } else if (keyword == "cockpit-mode") {
        expectCount(3, 3, "TIME cockpit-mode generic|panels|virtual|NUMBER");
        addKey(time, Channel::CockpitMode, 0,
               {static_cast<double>(named(2, cockpitModeNames, "cockpit mode"))},
               Interpolation::Step);
    } else if (keyword == "camera-distance") {
        expectCount(3, 3, "TIME camera-distance M");
        addKey(time, Channel::CameraDistance, 0, {number(2, "camera distance")});
    } else if (keyword == "warp") {
        expectCount(3, 3, "TIME warp FACTOR");
        double factor = number(2, "time acceleration");
        if (factor <= 0.0) {
            fail("the time acceleration must be positive");
        }
        addKey(time, Channel::TimeAcceleration, 0, {factor}, Interpolation::Step);
    } else if (keyword == "focus") {
        expectCount(3, 3, "TIME focus VESSEL");
        Event event;
        event.text = word(2);
        vesselReferences_.emplace_back(line_, word(2));
        addEvent(time, EventKind::Focus, event);
    } else if (keyword == "keydown" || keyword == "keyup" || keyword == "press") {
        expectCount(3, keyword == "press" ? 4 : 3, "TIME keydown|keyup KEY, TIME press KEY [S]");
        Event event;
        event.number = virtualKeyNamed(word(2));
        if (event.number < 0) {
            fail("unknown key '" + word(2) +
                 "' (a letter, a digit, SPACE, RETURN, SHIFT, CONTROL, ALT, F1..F12, ... or a "
                 "code such as 0x20)");
        }
        if (keyword == "keyup") {
            addEvent(time, EventKind::KeyUp, event);
            return;
        }
        addEvent(time, EventKind::KeyDown, event);
        if (keyword == "press") {
            double held = tokens_.size() == 4 ? number(3, "hold time") : 0.1;
            if (held <= 0.0) {
                fail("a key is held for a positive time");
            }
            addEvent(time + held, EventKind::KeyUp, event);
        }
    } else if (keyword == "dock") {
        expectCount(4, 4, "TIME dock PORT docked|free");
        Event event;
        event.number = integer(2, "port");
        std::string state = lowercase(word(3));
        if (state != "docked" && state != "free") {
            fail("bad docking state '" + word(3) + "' (docked or free)");
        }
        event.flag = state == "docked";
        addEvent(time, EventKind::Dock, event);
    } else if (keyword == "attmode") {
        expectCount(3, 3, "TIME attmode off|rotation|translation");
        Event event;
        event.number = named(2, attitudeModeNames, "attitude mode");
        addEvent(time, EventKind::AttitudeMode, event);
    } else if (keyword == "navmode") {
        expectCount(4, 4, "TIME navmode MODE on|off");
        Event event;
        event.number = named(2, navmodeNames, "navmode");
        if (event.number < NAVMODE_KILLROT || event.number > NAVMODE_HOLDALT) {
            fail("navmodes are numbered 1 to 7");
        }
        event.flag = onOff(3, "navmode state");
        addEvent(time, EventKind::Navmode, event);
    } else if (keyword == "observer") {
        expectCount(5, 5, "TIME observer ALONG_M SIDE_M HEIGHT_M");
        Event event;
        event.values = {number(2, "distance along"), number(3, "distance aside"),
                        number(4, "height")};
        addEvent(time, EventKind::Observer, event);
    } else if (keyword == "mfd") {
        expectCount(3, 6,
                    "TIME mfd open \"MODE\" [WIDTH HEIGHT] | button N | key N|LETTER | close");
        std::string action = lowercase(word(2));
        Event event;
        if (action == "open") {
            expectCount(4, 6, "TIME mfd open \"MODE\" [WIDTH HEIGHT]");
            event.text = word(3);
            event.values = {256.0, 256.0};
            if (tokens_.size() == 6) {
                event.values = {static_cast<double>(integer(4, "width")),
                                static_cast<double>(integer(5, "height"))};
            } else if (tokens_.size() == 5) {
                fail("an MFD size gives both width and height");
            }
            addEvent(time, EventKind::MfdOpen, event);
        } else if (action == "button" || action == "key") {
            expectCount(4, 4, "TIME mfd button NUMBER | key NUMBER|LETTER");
            int scanCode = action == "key" ? letterScanCode(word(3)) : 0;
            event.number = scanCode != 0        ? scanCode
                           : action == "button" ? integer(3, "button")
                                                : keyCode(3, "key");
            addEvent(time, action == "button" ? EventKind::MfdButton : EventKind::MfdKey, event);
        } else if (action == "close") {
            expectCount(3, 3, "TIME mfd close");
            addEvent(time, EventKind::MfdClose, event);
        } else {
            fail("unknown mfd action '" + word(2) + "' (open, button, key or close)");
        }
    } else if (keyword == "input") {
        expectCount(3, 3, "TIME input \"TEXT\"");
        Event event;
        event.text = word(2);
        addEvent(time, EventKind::Input, event);
    } else if (keyword == "call") {
        expectCount(3, maximumCallWords, "TIME call FUNCTION [ARGUMENT...]");
        Event event;
        for (size_t index = 2; index < tokens_.size(); ++index) {
            event.words.push_back(word(index));
        }
        addEvent(time, EventKind::Call, event);
    } else {
        fail("unknown keyframe or event '" + word(1) +
             "' (throttle, hover, rcs, user, altitude, airspeed, vspeed, attitude, contact, "
             "status, brakes, anim, fuel, camera, camera-mode, cockpit-mode, camera-distance, "
             "warp, focus, keydown, keyup, press, dock, attmode, navmode, observer, mfd, input, "
             "call)");
    }
}

void Parser::finishRun() {
    std::stable_sort(run_->events.begin(), run_->events.end(),
                     [](const Event& a, const Event& b) { return a.time < b.time; });
    run_ = nullptr;
}

void Parser::checkVesselNamed(const std::string& name) const {
    for (const VesselDefinition& vessel : scenario_.vessels) {
        if (vessel.spec.name == name) {
            return;
        }
    }
    fail("no vessel named '" + name + "'");
}

void Parser::checkReferences() {
    for (const auto& [line, name] : vesselReferences_) {
        line_ = line;
        checkVesselNamed(name);
    }
    for (const Run& run : scenario_.runs) {
        for (const Event& event : run.events) {
            line_ = event.line;
            for (const VesselDefinition& vessel : scenario_.vessels) {
                if (vessel.spec.name == event.vessel && event.kind == EventKind::Dock &&
                    (event.number < 0 || event.number >= static_cast<int>(vessel.ports.size()))) {
                    fail("vessel '" + event.vessel + "' has no docking port " +
                         std::to_string(event.number));
                }
            }
        }
    }
}

void Parser::checkIndexedChannels() {
    for (const IndexedReference& reference : indexedReferences_) {
        line_ = reference.line;
        const Run& run = scenario_.runs[reference.run];
        const std::string& name = reference.vessel.empty() ? run.focus : reference.vessel;
        for (const VesselDefinition& vessel : scenario_.vessels) {
            if (vessel.spec.name != name) {
                continue;
            }
            if (reference.channel == Channel::AnimationState &&
                (reference.index < 0 ||
                 reference.index >= static_cast<int>(vessel.animations.size()))) {
                fail("vessel '" + name + "' has no animation " + std::to_string(reference.index));
            }
            int userGroups = 0;
            for (const ThrusterDefinition& thruster : vessel.thrusters) {
                userGroups = std::max(userGroups, thruster.userGroup + 1);
            }
            if (reference.channel == Channel::UserGroupLevel &&
                (reference.index < 0 || reference.index >= userGroups)) {
                fail("vessel '" + name + "' has no user thruster group " +
                     std::to_string(reference.index));
            }
        }
    }
}

} // namespace

std::string virtualKeyName(int key) {
    if (key > 0 && key < 0x80 && std::isalnum(key) && !std::islower(key)) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= 0x70 && key <= 0x7B) {
        return "F" + std::to_string(key - 0x70 + 1);
    }
    for (const NamedValue& named : keyNames) {
        if (named.value == key) {
            return named.name;
        }
    }
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(key) & 0xFFu);
    return code;
}

int virtualKeyNamed(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.size() == 1 && std::isalnum(static_cast<unsigned char>(upper[0]))) {
        return upper[0];
    }
    if (upper.size() >= 2 && upper.size() <= 3 && upper[0] == 'F') {
        char* end = nullptr;
        long number = std::strtol(upper.c_str() + 1, &end, 10);
        if (*end == '\0' && number >= 1 && number <= 12) {
            return 0x70 + static_cast<int>(number) - 1;
        }
    }
    for (const NamedValue& key : keyNames) {
        if (upper == key.name) {
            return key.value;
        }
    }
    if (upper.rfind("0X", 0) == 0 && upper.size() > 2) {
        char* end = nullptr;
        long code = std::strtol(upper.c_str() + 2, &end, 16);
        if (*end == '\0' && code > 0 && code < 256) {
            return static_cast<int>(code);
        }
    }
    return -1;
}

Scenario parseScenario(const std::string& text, const std::string& fileName) {
    return Parser(fileName).parse(text);
}

Scenario loadScenario(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw ScenarioError(path, 0, "cannot read the scenario file");
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseScenario(text.str(), path);
}

} // namespace vrhost
