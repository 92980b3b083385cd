#include "tools/cq160/report/report_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/cq160/host/ole_time.h"

namespace {

constexpr double kWidth = 960;
constexpr double kLeft = 60;    // room for the left scale
constexpr double kRight = 64;   // and the right one
constexpr double kTop = 30;     // the legend
constexpr double kBottom = 26;  // the time labels
constexpr double kPlotWidth = kWidth - kLeft - kRight;

std::string Num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    std::string s = text;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s == "-0" ? "0" : s;
}

std::string Open(const std::string& id, double height, const std::string& label) {
    return "<svg class=\"chart\" id=\"" + XmlEscape(id) + "\" viewBox=\"0 0 " + Num(kWidth) + " " +
           Num(height) + "\" role=\"img\" aria-label=\"" + XmlEscape(label) +
           "\" xmlns=\"http://www.w3.org/2000/svg\">\n";
}

std::string Text(double x, double y, const std::string& text, const std::string& anchor,
                 const std::string& cls = "label") {
    return "<text class=\"" + cls + "\" x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" text-anchor=\"" +
           anchor + "\">" + XmlEscape(text) + "</text>\n";
}

// A legend row along the top: a colour swatch and a name per entry.
std::string Legend(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string s;
    double x = kLeft;
    for (const auto& [name, color] : entries) {
        s += "<rect class=\"swatch\" x=\"" + Num(x) +
             "\" y=\"8\" width=\"12\" height=\"12\" fill=\"" + color + "\"/>\n";
        s += Text(x + 16, 18, name, "start");
        x += 28 + 7.5 * static_cast<double>(name.size());
    }
    return s;
}

// Grid lines and labels of a vertical scale over the plot [top, top+height].
std::string Scale(const AxisScale& scale, double top, double height, bool right, bool grid) {
    std::string s;
    const double span = scale.high - scale.low;
    const int steps = static_cast<int>(std::lround(span / scale.step));
    for (int k = 0; k <= steps; ++k) {
        const double v = scale.low + k * scale.step;
        const double y = top + height - (v - scale.low) / span * height;
        if (grid) {
            s += "<line class=\"grid\" x1=\"" + Num(kLeft) + "\" x2=\"" + Num(kLeft + kPlotWidth) +
                 "\" y1=\"" + Num(y) + "\" y2=\"" + Num(y) + "\"/>\n";
        }
        s += right ? Text(kLeft + kPlotWidth + 6, y + 4, CompactNumber(v), "start")
                   : Text(kLeft - 6, y + 4, CompactNumber(v), "end");
    }
    return s;
}

// The hour labels under a plot whose bottom is at y: every sixth hour.
std::string HourLabels(const TimeAxis& axis, double y) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::string s;
    const double hourWidth = kPlotWidth / axis.hours;
    for (int h = 0; h <= axis.hours; h += 6) {
        const double ole = axis.startOle + h / 24.0;
        const UtcTime t = UtcFromOle(ole + 1.0 / 86400 / 2);  // no rounding below the hour
        char label[16];
        std::snprintf(label, sizeof label, "%s %02d:00",
                      kDays[WeekdayOf(static_cast<long>(std::floor(ole + 1e-9)))], t.hour);
        const double x = kLeft + h * hourWidth;
        s += "<line class=\"tick\" x1=\"" + Num(x) + "\" x2=\"" + Num(x) + "\" y1=\"" + Num(y) +
             "\" y2=\"" + Num(y + 4) + "\"/>\n";
        s += Text(x, y + 16, label, h == 0 ? "start" : h == axis.hours ? "end" : "middle");
    }
    return s;
}

double MaxOf(const std::vector<double>& values) {
    double m = 0;
    for (double v : values) m = std::max(m, v);
    return m;
}

std::string Polyline(const std::vector<std::pair<double, double>>& xy, const std::string& color,
                     bool dashed) {
    std::string s = "<polyline class=\"line\" fill=\"none\" stroke=\"" + color +
                    "\" stroke-width=\"2\"" + (dashed ? " stroke-dasharray=\"6 3\"" : "") +
                    " points=\"";
    for (std::size_t i = 0; i < xy.size(); ++i)
        s += (i ? " " : "") + Num(xy[i].first) + "," + Num(xy[i].second);
    return s + "\"/>\n";
}

}  // namespace

AxisScale NiceScale(double low, double high) {
    AxisScale scale;
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (high - low <= 0) high = low + 1;
    const double rough = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double f : {1.0, 2.0, 5.0, 10.0}) {
        step = f * power;
        if (step >= rough) break;
    }
    if (step < 1) step = 1;  // counts: no half QSOs
    scale.step = step;
    scale.low = std::floor(low / step) * step;
    scale.high = std::ceil(high / step) * step;
    if (scale.high == scale.low) scale.high = scale.low + step;
    return scale;
}

std::string CompactNumber(double value) {
    const double a = std::fabs(value);
    char text[32];
    if (a >= 1e6) {
        std::snprintf(text, sizeof text, "%.3g", value / 1e6);
        return std::string(text) + "M";
    }
    if (a >= 1e4) {
        std::snprintf(text, sizeof text, "%.3g", value / 1e3);
        return std::string(text) + "k";
    }
    std::snprintf(text, sizeof text, "%.0f", value);
    return std::string(text) == "-0" ? "0" : text;
}

std::string XmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
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
                out += c;
        }
    }
    return out;
}

std::string HourBarsChart(const std::string& id, const TimeAxis& axis,
                          const std::vector<Series>& panels, const Series* line) {
    constexpr double kPanel = 130, kGap = 14;
    const double height = kTop + panels.size() * (kPanel + kGap) - kGap + kBottom;
    std::vector<std::pair<std::string, std::string>> legend;
    for (const Series& p : panels) legend.push_back({p.name, p.color});
    if (line) legend.push_back({line->name, line->color});
    std::string s = Open(id, height, "per hour") + Legend(legend);
    const double hourWidth = kPlotWidth / axis.hours;
    for (std::size_t p = 0; p < panels.size(); ++p) {
        const double top = kTop + p * (kPanel + kGap);
        const AxisScale scale = NiceScale(0, MaxOf(panels[p].values));
        s += Scale(scale, top, kPanel, false, true);
        for (std::size_t h = 0; h < panels[p].values.size(); ++h) {
            const double v = panels[p].values[h];
            if (v <= 0) continue;
            const double barHeight = v / scale.high * kPanel;
            s += "<rect class=\"bar\" x=\"" + Num(kLeft + h * hourWidth + 1) + "\" y=\"" +
                 Num(top + kPanel - barHeight) + "\" width=\"" + Num(hourWidth - 2) +
                 "\" height=\"" + Num(barHeight) + "\" fill=\"" + panels[p].color + "\"><title>" +
                 XmlEscape(panels[p].name) + ", hour " + std::to_string(h + 1) + ": " + Num(v) +
                 "</title></rect>\n";
        }
        s += "<line class=\"axis\" x1=\"" + Num(kLeft) + "\" x2=\"" + Num(kLeft + kPlotWidth) +
             "\" y1=\"" + Num(top + kPanel) + "\" y2=\"" + Num(top + kPanel) + "\"/>\n";
        if (line && p + 1 == panels.size()) {
            const AxisScale right = NiceScale(0, MaxOf(line->values));
            s += Scale(right, top, kPanel, true, false);
            std::vector<std::pair<double, double>> xy{{kLeft, top + kPanel}};
            for (std::size_t h = 0; h < line->values.size(); ++h)
                xy.push_back({kLeft + (h + 1) * hourWidth,
                              top + kPanel - line->values[h] / right.high * kPanel});
            s += Polyline(xy, line->color, false);
        }
    }
    s += HourLabels(axis, height - kBottom);
    return s + "</svg>\n";
}

std::string TimeLinesChart(const std::string& id, const TimeAxis& axis,
                           const std::vector<TimeLine>& lines) {
    constexpr double kPlot = 220;
    const double height = kTop + kPlot + kBottom;
    std::vector<std::pair<std::string, std::string>> legend;
    double low = 0, high = 0;
    for (const TimeLine& l : lines) {
        legend.push_back({l.name, l.color});
        for (const auto& p : l.points) {
            low = std::min(low, p.second);
            high = std::max(high, p.second);
        }
    }
    const AxisScale scale = NiceScale(low, high);
    const double minutes = axis.hours * 60.0;
    auto X = [&](double minute) {
        return kLeft + std::min(std::max(minute, 0.0), minutes) / minutes * kPlotWidth;
    };
    auto Y = [&](double v) {
        return kTop + kPlot - (v - scale.low) / (scale.high - scale.low) * kPlot;
    };
    std::string s = Open(id, height, "over time") + Legend(legend);
    s += Scale(scale, kTop, kPlot, false, true);
    if (scale.low < 0) {
        s += "<line class=\"zero\" x1=\"" + Num(kLeft) + "\" x2=\"" + Num(kLeft + kPlotWidth) +
             "\" y1=\"" + Num(Y(0)) + "\" y2=\"" + Num(Y(0)) + "\"/>\n";
    }
    for (const TimeLine& l : lines) {
        std::vector<std::pair<double, double>> xy;
        for (std::size_t i = 0; i < l.points.size(); ++i) {
            if (l.steps && i > 0) xy.push_back({X(l.points[i].first), Y(l.points[i - 1].second)});
            xy.push_back({X(l.points[i].first), Y(l.points[i].second)});
        }
        if (!xy.empty()) s += Polyline(xy, l.color, l.dashed);
        for (std::size_t i = 0; i < l.marks.size(); ++i) {
            s += "<circle class=\"mark\" cx=\"" + Num(X(l.marks[i].first)) + "\" cy=\"" +
                 Num(Y(l.marks[i].second)) + "\" r=\"3\" fill=\"" + l.color + "\"><title>" +
                 XmlEscape(i < l.markTitles.size() ? l.markTitles[i] : std::string()) +
                 "</title></circle>\n";
        }
    }
    s += "<line class=\"axis\" x1=\"" + Num(kLeft) + "\" x2=\"" + Num(kLeft + kPlotWidth) +
         "\" y1=\"" + Num(kTop + kPlot) + "\" y2=\"" + Num(kTop + kPlot) + "\"/>\n";
    s += HourLabels(axis, kTop + kPlot);
    return s + "</svg>\n";
}

std::string CategoryBarsChart(const std::string& id, const std::vector<std::string>& categories,
                              const std::vector<Series>& series) {
    constexpr double kBar = 14, kWidthHere = 460, kLabel = 40, kValueRoom = 60;
    const double group = kBar * series.size() + 8;
    const double height = kTop + group * categories.size() + 4;
    double high = 0;
    for (const Series& ser : series) high = std::max(high, MaxOf(ser.values));
    if (high <= 0) high = 1;
    std::vector<std::pair<std::string, std::string>> legend;
    for (const Series& ser : series) legend.push_back({ser.name, ser.color});
    std::string s = "<svg class=\"chart\" id=\"" + XmlEscape(id) + "\" viewBox=\"0 0 " +
                    Num(kWidthHere) + " " + Num(height) +
                    "\" role=\"img\" xmlns=\"http://www.w3.org/2000/svg\">\n";
    double x = 8;
    for (const auto& [name, color] : legend) {
        s += "<rect class=\"swatch\" x=\"" + Num(x) +
             "\" y=\"8\" width=\"12\" height=\"12\" fill=\"" + color + "\"/>\n" +
             Text(x + 16, 18, name, "start");
        x += 28 + 7.5 * static_cast<double>(name.size());
    }
    const double barRoom = kWidthHere - kLabel - kValueRoom;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        const double top = kTop + c * group;
        s += Text(kLabel - 6, top + group / 2 + 2, categories[c], "end");
        for (std::size_t k = 0; k < series.size(); ++k) {
            const double v = c < series[k].values.size() ? series[k].values[c] : 0;
            const double w = std::max(v / high * barRoom, v > 0 ? 1.0 : 0.0);
            const double y = top + k * kBar;
            s += "<rect class=\"bar\" x=\"" + Num(kLabel) + "\" y=\"" + Num(y) + "\" width=\"" +
                 Num(w) + "\" height=\"" + Num(kBar - 2) + "\" fill=\"" + series[k].color +
                 "\"><title>" + XmlEscape(categories[c] + ", " + series[k].name + ": " + Num(v)) +
                 "</title></rect>\n";
            s += Text(kLabel + w + 4, y + kBar - 4, Num(v), "start", "value");
        }
    }
    return s + "</svg>\n";
}

std::string CellGrid(const std::string& id, const std::vector<std::string>& labels,
                     const std::vector<bool>& highlighted, int columns) {
    constexpr double kCellW = 56, kCellH = 26;
    const int rows = (static_cast<int>(labels.size()) + columns - 1) / columns;
    const double width = columns * kCellW + 2, height = rows * kCellH + 2;
    std::string s = "<svg class=\"chart grid-chart\" id=\"" + XmlEscape(id) + "\" viewBox=\"0 0 " +
                    Num(width) + " " + Num(height) +
                    "\" role=\"img\" xmlns=\"http://www.w3.org/2000/svg\">\n";
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const double x = 1 + (i % columns) * kCellW, y = 1 + (i / columns) * kCellH;
        const bool on = i < highlighted.size() && highlighted[i];
        s += "<rect class=\"cell " + std::string(on ? "worked" : "missing") + "\" x=\"" + Num(x) +
             "\" y=\"" + Num(y) + "\" width=\"" + Num(kCellW - 3) + "\" height=\"" +
             Num(kCellH - 3) + "\"><title>" + XmlEscape(labels[i]) +
             (on ? " worked" : " not worked") + "</title></rect>\n";
        s += Text(x + (kCellW - 3) / 2, y + kCellH / 2 + 3, labels[i], "middle",
                  on ? "cell-label worked" : "cell-label");
    }
    return s + "</svg>\n";
}
