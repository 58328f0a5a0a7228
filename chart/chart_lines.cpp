#include "chart/chart_lines.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "chart/moist_air.h"
#include "core/fpenv.h"
#include "core/psychro.h"

namespace plenova::chart {

using namespace psychro;

namespace {

// A line of the grid is a moisture content for every dry bulb.
using MoistureAlong = std::function<double(double t)>;

constexpr double kSampleStep = 0.5;  // °C between the points of a line

// The visible part of a line over [from, to]: where it lies inside the range and not above the
// saturation curve. Every family crosses each of those borders at most once, so the visible
// part is one piece; its ends are found to a millionth of a kelvin by bisection.
Polyline trace(const MoistureAlong& moisture, double from, double to, double P,
               const ChartRange& range) {
    const auto visible = [&](double t) {
        const double x = moisture(t);
        return x >= range.xMin && x <= range.xMax && x <= saturationMoisture(t, P);
    };
    const auto border = [&](double in, double out) {
        while (std::fabs(out - in) > 1e-6) {
            const double mid = (in + out) / 2;
            (visible(mid) ? in : out) = mid;
        }
        return in;
    };

    std::vector<double> samples;
    const int count = static_cast<int>(std::ceil((to - from) / kSampleStep));
    for (int i = 0; i <= count; ++i) {
        samples.push_back(i == count ? to : from + i * kSampleStep);
    }
    int first = -1;
    int last = -1;
    for (int i = 0; i <= count; ++i) {
        if (visible(samples[i])) {
            if (first < 0) {
                first = i;
            }
            last = i;
        }
    }
    Polyline line;
    if (first < 0) {
        return line;
    }
    const auto add = [&](double t) { line.push_back({t, moisture(t)}); };
    if (first > 0) {
        add(border(samples[first], samples[first - 1]));
    }
    for (int i = first; i <= last; ++i) {
        add(samples[i]);
    }
    if (last < count) {
        add(border(samples[last], samples[last + 1]));
    }
    return line;
}

void addLine(std::vector<ChartLine>& lines, LineFamily family, double value, Polyline points) {
    if (points.size() >= 2) {
        lines.push_back({family, value, std::move(points)});
    }
}

}  // namespace

std::vector<ChartLine> chartLines(double P, const ChartRange& range) {
    clearFloatFlags();
    std::vector<ChartLine> lines;
    const double tMin = range.tMin;
    const double tMax = range.tMax;

    addLine(lines, LineFamily::Saturation, 100,
            trace([P](double t) { return saturationMoisture(t, P); }, tMin, tMax, P, range));

    for (double rh = kRelativeHumidityStep; rh < 100; rh += kRelativeHumidityStep) {
        const auto moisture = [P, rh](double t) {
            const double pw = store(rh / 100.0L * store(saturationPressure(t)));
            return store(moistureContent(pw, P));
        };
        addLine(lines, LineFamily::RelativeHumidity, rh, trace(moisture, tMin, tMax, P, range));
    }

    // A wet-bulb line starts on the saturation curve at its own temperature.
    for (double tw = std::ceil(tMin / kWetBulbStep) * kWetBulbStep; tw < tMax; tw += kWetBulbStep) {
        const double A = store(psychrometerCoefficient(tw));
        const double psWetBulb = store(saturationPressure(tw));
        const auto moisture = [=](double t) {
            return store(moistureContent(store(vapourPressure(psWetBulb, A, P, t, tw)), P));
        };
        addLine(lines, LineFamily::WetBulb, tw, trace(moisture, tw, tMax, P, range));
    }

    // Enthalpy: formula 8 solved for the moisture content.
    const auto enthalpy = [](double t, double x) {
        return store(static_cast<long double>(store(sensibleEnthalpy(t))) +
                     store(latentEnthalpy(t, x)));
    };
    const double hLow = std::floor(enthalpy(tMin, range.xMin) / kEnthalpyStep) * kEnthalpyStep;
    const double hHigh = enthalpy(tMax, range.xMax);
    for (double h = hLow; h <= hHigh; h += kEnthalpyStep) {
        const auto moisture = [h](double t) {
            return store((h - store(sensibleEnthalpy(t))) / (1.84L * t + 2501));
        };
        addLine(lines, LineFamily::Enthalpy, h, trace(moisture, tMin, tMax, P, range));
    }

    // Density: formula 9 solved for the vapour pressure. Counted in hundredths so that the
    // values stay exact multiples of the step.
    const auto densityAt = [P](double t, double x) {
        return store(density(t, vapourPressureOf(x, P), P));
    };
    const double lightest = densityAt(tMax, std::min(range.xMax, saturationMoisture(tMax, P)));
    const double heaviest = densityAt(tMin, range.xMin);
    const int stepHundredths = static_cast<int>(std::lround(kDensityStep * 100));
    const int firstHundredths =
        static_cast<int>(std::ceil(lightest * 100 / stepHundredths)) * stepHundredths;
    for (int hundredths = firstHundredths; hundredths <= heaviest * 100;
         hundredths += stepHundredths) {
        const double rho = hundredths / 100.0;
        const auto moisture = [P, rho](double t) {
            const double pw = store(P - rho * ((273.16L + t) * 287) / 1000);
            return store(moistureContent(pw, P));
        };
        addLine(lines, LineFamily::Density, rho, trace(moisture, tMin, tMax, P, range));
    }
    return lines;
}

}  // namespace plenova::chart
