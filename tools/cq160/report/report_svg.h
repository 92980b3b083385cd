// The report's charts as inline SVG: each chart is one <svg class="chart">
// element with its own id, drawn from the figures it is given (bars as
// <rect class="bar">, lines as <polyline class="line">, marks as <circle
// class="mark"> with a <title> that the browser shows on hover). Texts
// must be UTF-8 already; they are escaped here.
#ifndef CQ160_REPORT_REPORT_SVG_H_
#define CQ160_REPORT_REPORT_SVG_H_

#include <string>
#include <vector>

// The top and the step of an axis from 0 (or from a negative low) that
// holds values up to high: steps of 1, 2 or 5 times a power of ten, at
// most about five of them.
struct AxisScale {
    double low = 0;
    double high = 1;
    double step = 1;
};
AxisScale NiceScale(double low, double high);

// "950", "12.5k", "1.25M": axis labels.
std::string CompactNumber(double value);

// Text for XML: & < > " escaped.
std::string XmlEscape(const std::string& text);

// The time axis of the contest period: hours, and the UTC start for the
// labels ("Sat 04:00").
struct TimeAxis {
    int hours = 48;
    double startOle = 0;  // OLE days
};

struct Series {
    std::string name;
    std::string color;           // CSS colour
    std::vector<double> values;  // one per hour (bar charts, category charts)
};

// A line over time: points (minutes since the start, value), drawn as
// steps (the value holds until the next point) or straight; marks: points
// with a title shown on hover.
struct TimeLine {
    std::string name;
    std::string color;
    std::vector<std::pair<double, double>> points;
    bool steps = false;
    std::vector<std::pair<double, double>> marks;
    std::vector<std::string> markTitles;  // one per mark
    bool dashed = false;
};

// Bars per hour in panels one above the other, each with its own scale,
// and a line (per hour, right-hand scale) over the last panel.
std::string HourBarsChart(const std::string& id, const TimeAxis& axis,
                          const std::vector<Series>& panels, const Series* line);

// Lines over time on one scale (which may go below zero: a zero line is
// drawn then).
std::string TimeLinesChart(const std::string& id, const TimeAxis& axis,
                           const std::vector<TimeLine>& lines);

// Horizontal bars per category, one bar per series in each.
std::string CategoryBarsChart(const std::string& id, const std::vector<std::string>& categories,
                              const std::vector<Series>& series);

// A grid of labelled cells, the highlighted ones filled.
std::string CellGrid(const std::string& id, const std::vector<std::string>& labels,
                     const std::vector<bool>& highlighted, int columns);

#endif  // CQ160_REPORT_REPORT_SVG_H_
