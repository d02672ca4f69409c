#include "trace_timeline/timeline_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace trace_timeline {

namespace {
constexpr double labelWidth = 330.0;
constexpr double narrowestPlot = 300.0;
constexpr double rightMargin = 20.0;
constexpr double titleBaseline = 18.0;
constexpr double runsBaseline = 34.0;
constexpr double axisTop = 50.0; // tick labels sit above it
constexpr double viewTop = 54.0;
constexpr double viewHeight = 14.0;
constexpr double eventsTop = 80.0;
constexpr int eventRows = 4;
constexpr double eventRowHeight = 12.0;
constexpr double lanesTop = eventsTop + eventRows * eventRowHeight + 12.0;
constexpr double laneHeight = 26.0;
constexpr double barInset = 3.0;
constexpr double legendHeight = 50.0;
constexpr size_t longestLabel = 52;

// The drawn ranges of the lines along a bar, bottom to top of the bar.
constexpr double quietestDb = -40.0;
constexpr double lowestOctave = -2.0; // a quarter of the file's rate
constexpr double highestOctave = 2.0;
constexpr double farthestDecade = 4.0; // 10 km; the bottom is 1 m

std::string printed(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters are not allowed in XML.
            out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
        }
    }
    return out;
}

const char* viewColour(const std::string& view) {
    if (view == "cockpit") {
        return "#8fa8c8";
    }
    if (view == "track") {
        return "#8cc084";
    }
    if (view == "observer") {
        return "#e0a050";
    }
    return "#b8a0d0";
}

double tickStep(double seconds) {
    for (double step : {1.0, 2.0, 5.0, 10.0, 15.0, 30.0, 60.0, 120.0, 300.0, 600.0}) {
        if (seconds / step <= 20.0) {
            return step;
        }
    }
    return 1200.0;
}

class Drawing {
public:
    explicit Drawing(const Timeline& timeline)
        : timeline_(timeline), lanes_(laneSounds(timeline.history)),
          end_(std::max(timeline.end, 1.0)),
          plotWidth_(std::max(timeline.width - labelWidth - rightMargin, narrowestPlot)) {
        for (size_t lane = 0; lane < lanes_.size(); ++lane) {
            laneOf_[lanes_[lane]] = lane;
        }
    }

    std::string svg() {
        double height = lanesTop + double(lanes_.size()) * laneHeight + legendHeight;
        double width = labelWidth + plotWidth_ + rightMargin;
        double scale = timeline_.maxHeight > 0.0 && height > timeline_.maxHeight
                           ? timeline_.maxHeight / height
                           : 1.0;
        out_ << printed("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                        "viewBox=\"0 0 %.0f %.0f\" font-family=\"sans-serif\" font-size=\"11\">\n",
                        std::floor(width * scale), std::floor(height * scale), width, height);
        out_ << printed("<rect width=\"%.0f\" height=\"%.0f\" fill=\"white\"/>\n", width, height);
        out_ << printed("<text x=\"10\" y=\"%.0f\" font-size=\"15\" font-weight=\"bold\">",
                        titleBaseline)
             << escaped(timeline_.title) << "</text>\n";
        drawLanes();
        drawAxis(height);
        drawViews();
        drawEvents(height);
        drawRuns(height);
        for (const Play& play : timeline_.history.plays) {
            drawPlay(play);
        }
        drawLegend(height);
        out_ << "</svg>\n";
        return out_.str();
    }

private:
    double x(double time) const {
        return labelWidth + std::clamp(time / end_, 0.0, 1.0) * plotWidth_;
    }

    static double yWithin(double top, double fraction) {
        return top + laneHeight - barInset -
               std::clamp(fraction, 0.0, 1.0) * (laneHeight - 2.0 * barInset);
    }

    void drawAxis(double height) {
        double step = tickStep(end_);
        out_ << "<g class=\"axis\" stroke=\"#ccc\">\n";
        for (double time = 0.0; time <= end_ + 1e-9; time += step) {
            out_ << printed("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>", x(time),
                            axisTop, x(time), height - legendHeight)
                 << printed("<text x=\"%.1f\" y=\"%.1f\" stroke=\"none\" fill=\"#444\" "
                            "text-anchor=\"middle\">%g s</text>\n",
                            x(time), axisTop - 4.0, time);
        }
        out_ << "</g>\n";
    }

    void drawViews() {
        out_ << printed("<text x=\"10\" y=\"%.1f\">camera</text>\n", viewTop + 11.0);
        for (const ViewSpan& span : timeline_.marks.views) {
            out_ << printed("<g class=\"view\" data-view=\"%s\" data-start=\"%.3f\" "
                            "data-end=\"%.3f\">",
                            escaped(span.view).c_str(), span.start, span.end)
                 << printed("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" "
                            "fill=\"%s\"/>",
                            x(span.start), viewTop, x(span.end) - x(span.start), viewHeight,
                            viewColour(span.view))
                 << printed("<text x=\"%.1f\" y=\"%.1f\" font-size=\"10\">%s</text></g>\n",
                            x(span.start) + 3.0, viewTop + 11.0, escaped(span.view).c_str());
        }
    }

    void drawEvents(double height) {
        out_ << printed("<text x=\"10\" y=\"%.1f\">scenario events</text>\n", eventsTop + 9.0);
        int index = 0;
        for (const EventMark& event : timeline_.marks.events) {
            double top = eventsTop + (index++ % eventRows) * eventRowHeight;
            out_ << printed("<g class=\"event\" data-time=\"%.3f\">", event.time)
                 << printed("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" "
                            "stroke=\"#c04040\" stroke-opacity=\"0.25\"/>",
                            x(event.time), top, x(event.time), height - legendHeight)
                 << printed("<text x=\"%.1f\" y=\"%.1f\" font-size=\"10\" fill=\"#a02020\">",
                            x(event.time) + 2.0, top + 9.0)
                 << escaped(event.label) << "</text></g>\n";
        }
    }

    void drawRuns(double height) {
        for (const RunLabel& run : timeline_.runs) {
            out_ << printed("<g class=\"run\" data-start=\"%.3f\">", run.start)
                 << printed("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" "
                            "stroke=\"#333\" stroke-dasharray=\"6 3\"/>",
                            x(run.start), viewTop, x(run.start), height - legendHeight)
                 << printed("<text x=\"%.1f\" y=\"%.1f\" font-weight=\"bold\">", x(run.start) + 3.0,
                            runsBaseline)
                 << "run " << escaped(run.name) << "</text></g>\n";
        }
    }

    void drawLanes() {
        for (size_t lane = 0; lane < lanes_.size(); ++lane) {
            double top = lanesTop + double(lane) * laneHeight;
            const std::string& sound = lanes_[lane];
            std::string label = sound.size() > longestLabel
                                    ? "…" + sound.substr(sound.size() - longestLabel + 1)
                                    : sound;
            out_ << printed("<g class=\"lane\" data-lane=\"%zu\" data-sound=\"%s\">", lane,
                            escaped(sound).c_str())
                 << printed("<rect x=\"0\" y=\"%.1f\" width=\"%.0f\" height=\"%.0f\" "
                            "fill=\"%s\"/>",
                            top, labelWidth + plotWidth_, laneHeight,
                            lane % 2 ? "#ffffff" : "#f3f5f8")
                 << printed("<text x=\"10\" y=\"%.1f\"><title>%s</title>%s</text></g>\n",
                            top + laneHeight / 2.0 + 4.0, escaped(sound).c_str(),
                            escaped(label).c_str());
        }
    }

    // A value held from each sample to the next, up to the end of the play.
    std::string steps(const std::vector<Sample>& samples, double end, double top,
                      double (*fraction)(double, const Play&), const Play& play) const {
        std::string points;
        for (size_t i = 0; i < samples.size(); ++i) {
            double from = samples[i].time;
            double to = i + 1 < samples.size() ? samples[i + 1].time : end;
            double y = yWithin(top, fraction(samples[i].value, play));
            points += printed("%.1f,%.1f %.1f,%.1f ", x(from), y, x(to), y);
        }
        return points;
    }

    static double volumeFraction(double db, const Play&) { return (db - quietestDb) / -quietestDb; }
    static double frequencyFraction(double hz, const Play& play) {
        double octaves = std::log2(std::max(hz, 1.0) / std::max(play.fileRateHz, 1.0));
        return (octaves - lowestOctave) / (highestOctave - lowestOctave);
    }
    static double distanceFraction(double metres, const Play&) {
        return std::log10(std::max(metres, 1.0)) / farthestDecade;
    }

    static std::string range(const std::vector<Sample>& samples, const char* format) {
        auto [low, high] =
            std::minmax_element(samples.begin(), samples.end(),
                                [](const Sample& a, const Sample& b) { return a.value < b.value; });
        std::string text = printed(format, low->value);
        return low->value == high->value ? text : text + " to " + printed(format, high->value);
    }

    void drawPlay(const Play& play) {
        double top = lanesTop + double(laneOf_.at(play.sound)) * laneHeight;
        double left = x(play.start);
        double width = std::max(x(play.end) - left, 1.0);
        std::string description =
            play.sound + " (" + play.buffer +
            "): " + printed("%.2f to %.2f s, ", play.start, play.end) +
            (play.looping ? "looping, " : "one-shot, ") + range(play.volumeDb, "%.1f") + " dB, " +
            range(play.frequencyHz, "%.0f") + " Hz, " +
            (play.distanceM.empty() ? "" : "distance " + range(play.distanceM, "%.0f") + " m, ") +
            playEndName(play.ending);
        out_ << printed("<g class=\"play\" data-sound=\"%s\" data-buffer=\"%s\" "
                        "data-start=\"%.3f\" data-end=\"%.3f\" data-kind=\"%s\" "
                        "data-ended=\"%s\">",
                        escaped(play.sound).c_str(), escaped(play.buffer).c_str(), play.start,
                        play.end, play.looping ? "loop" : "one-shot", playEndName(play.ending))
             << "<title>" << escaped(description) << "</title>"
             << printed("<rect class=\"bar\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" "
                        "height=\"%.1f\" fill=\"%s\" fill-opacity=\"0.35\"/>",
                        left, top + barInset, width, laneHeight - 2.0 * barInset,
                        play.looping ? "#4a78b0" : "#e08a30");
        out_ << "<polyline class=\"volume\" fill=\"none\" stroke=\"#1f3f80\" "
                "stroke-width=\"1.5\" points=\""
             << steps(play.volumeDb, play.end, top, volumeFraction, play) << "\"/>";
        out_ << "<polyline class=\"frequency\" fill=\"none\" stroke=\"#9040a0\" "
                "stroke-dasharray=\"4 2\" points=\""
             << steps(play.frequencyHz, play.end, top, frequencyFraction, play) << "\"/>";
        if (!play.distanceM.empty()) {
            out_ << "<polyline class=\"distance\" fill=\"none\" stroke=\"#208040\" "
                    "stroke-dasharray=\"1 2\" stroke-width=\"1.5\" points=\""
                 << steps(play.distanceM, play.end, top, distanceFraction, play) << "\"/>";
        }
        if (!play.looping) {
            out_ << printed("<path class=\"one-shot\" d=\"M%.1f,%.1f l-4,-6 h8 z\" "
                            "fill=\"#c05000\"/>",
                            left, top + barInset + 6.0);
        }
        if (play.ending == PlayEnd::Stopped || play.ending == PlayEnd::Released) {
            out_ << printed("<line class=\"%s\" x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" "
                            "stroke=\"%s\" stroke-width=\"2\"/>",
                            playEndName(play.ending), left + width, top + barInset, left + width,
                            top + laneHeight - barInset,
                            play.ending == PlayEnd::Stopped ? "#b02020" : "#606060");
        }
        out_ << "</g>\n";
    }

    void drawLegend(double height) {
        double top = height - legendHeight + 18.0;
        out_ << printed("<g class=\"legend\" font-size=\"10\" transform=\"translate(10 %.1f)\">",
                        top)
             << "<rect x=\"0\" y=\"-8\" width=\"14\" height=\"9\" fill=\"#4a78b0\" "
                "fill-opacity=\"0.35\"/><text x=\"18\" y=\"0\">loop</text>"
                "<rect x=\"60\" y=\"-8\" width=\"14\" height=\"9\" fill=\"#e08a30\" "
                "fill-opacity=\"0.35\"/><path d=\"M60,1 l-4,-6 h8 z\" fill=\"#c05000\"/>"
                "<text x=\"78\" y=\"0\">one-shot</text>"
                "<line x1=\"150\" y1=\"-3\" x2=\"170\" y2=\"-3\" stroke=\"#1f3f80\" "
                "stroke-width=\"1.5\"/><text x=\"174\" y=\"0\">volume, -40 to 0 dB</text>"
                "<line x1=\"300\" y1=\"-3\" x2=\"320\" y2=\"-3\" stroke=\"#9040a0\" "
                "stroke-dasharray=\"4 2\"/>"
                "<text x=\"324\" y=\"0\">frequency, a quarter to four times the file's</text>"
                "<line x1=\"560\" y1=\"-3\" x2=\"580\" y2=\"-3\" stroke=\"#208040\" "
                "stroke-dasharray=\"1 2\" stroke-width=\"1.5\"/>"
                "<text x=\"584\" y=\"0\">3D distance, 1 m to 10 km (log)</text>"
                "<line x1=\"770\" y1=\"-8\" x2=\"770\" y2=\"1\" stroke=\"#b02020\" "
                "stroke-width=\"2\"/><text x=\"776\" y=\"0\">stopped</text>"
                "<line x1=\"830\" y1=\"-8\" x2=\"830\" y2=\"1\" stroke=\"#606060\" "
                "stroke-width=\"2\"/><text x=\"836\" y=\"0\">released</text>"
                "<text x=\"0\" y=\"16\">Each line runs from the bottom of its bar (the least) "
                "to the top; hover a bar for its figures.</text></g>\n";
    }

    const Timeline& timeline_;
    std::vector<std::string> lanes_;
    std::map<std::string, size_t> laneOf_;
    double end_;
    double plotWidth_;
    std::ostringstream out_;
};
} // namespace

std::vector<std::string> laneSounds(const SoundHistory& history) {
    std::vector<std::string> sounds;
    for (const Play& play : history.plays) {
        if (std::find(sounds.begin(), sounds.end(), play.sound) == sounds.end()) {
            sounds.push_back(play.sound);
        }
    }
    return sounds;
}

std::string timelineSvg(const Timeline& timeline) {
    return Drawing(timeline).svg();
}

} // namespace trace_timeline
