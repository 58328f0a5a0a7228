// plenova-driver: the calculator without a window, for scripted tests. Reads one command a
// line on standard input:
//   set <SliderName> <position>   set a slider as code would (clamped; handler if changed)
//   type <SliderName> <text>      a typed reading ("23.7 °C"), as the window's editor takes it
//   click Button1 | click Button2 press an import button
//   dump                          every value label as NAME=TEXT, then every slider as
//                                 NAME=POSITION, each group sorted by name
//   chart                         what the chart's legend shows, as NAME=TEXT lines: each
//                                 process point's dry bulb and moisture content, the ADP,
//                                 the bypass and the contact factor
// Blank lines and lines starting with '#' are skipped. A bad line is reported on standard
// error with its number and ends the run with status 2. An error raised inside a handler is
// reported on standard error the way the window's error box would show it, and the run goes on.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart_scene.h"
#include "core/fpenv.h"
#include "modules/calculator.h"
#include "modules/typed_reading.h"

namespace {

using plenova::Calculator;

void dump(Calculator& calculator, std::ostream& out) {
    std::vector<std::pair<std::string, std::string>> labels;
    for (const auto* label : calculator.valueLabels()) {
        labels.emplace_back(label->name(), label->text());
    }
    std::sort(labels.begin(), labels.end());
    for (const auto& [name, text] : labels) {
        out << name << '=' << text << '\n';
    }
    std::vector<std::pair<std::string, int>> sliders;
    for (const auto* slider : calculator.sliders()) {
        sliders.emplace_back(slider->name(), slider->position());
    }
    std::sort(sliders.begin(), sliders.end());
    for (const auto& [name, position] : sliders) {
        out << name << '=' << position << '\n';
    }
    out.flush();
}

bool parseInteger(const std::string& text, long long& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last;
}

int usage() {
    std::cerr << "usage: plenova-driver [--decimal-separator C] < commands\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    char separator = '.';
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--decimal-separator") == 0 && i + 1 < argc &&
            std::strlen(argv[i + 1]) == 1) {
            separator = argv[++i][0];
        } else {
            return usage();
        }
    }

    plenova::setArithmeticEnvironment();
    Calculator calculator;
    calculator.setDecimalSeparator(separator);
    calculator.FormCreate();

    std::string line;
    int lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        std::istringstream words(line);
        std::string command;
        if (!(words >> command) || command[0] == '#') {
            continue;
        }
        std::vector<std::string> args;
        for (std::string word; words >> word;) {
            args.push_back(word);
        }
        auto fail = [&](const std::string& message) {
            std::cerr << "line " << lineNumber << ": " << message << '\n';
            return 2;
        };
        try {
            if (command == "set") {
                if (args.size() != 2) {
                    return fail("'set' takes a slider name and a position");
                }
                plenova::Slider* slider = calculator.findSlider(args[0]);
                if (slider == nullptr) {
                    return fail("unknown slider '" + args[0] + "'");
                }
                long long position = 0;
                if (!parseInteger(args[1], position)) {
                    return fail("position '" + args[1] + "' is not an integer");
                }
                slider->setPosition(position);
            } else if (command == "type") {
                if (args.empty()) {
                    return fail("'type' takes a slider name and a reading");
                }
                plenova::Slider* slider = calculator.findSlider(args[0]);
                if (slider == nullptr) {
                    return fail("unknown slider '" + args[0] + "'");
                }
                // The reading is the rest of the line after the name: "23.7 °C" has a space.
                std::istringstream again(line);
                std::string skipped;
                std::string typed;
                again >> skipped >> skipped;
                std::getline(again, typed);
                const auto reading = plenova::readTyped(*slider, typed, separator);
                if (reading.problem != plenova::ReadingProblem::None) {
                    return fail(args[0] + ": " +
                                plenova::problemText(*slider, reading.problem, separator));
                }
                slider->setPosition(reading.position);
            } else if (command == "click") {
                if (args.size() != 1) {
                    return fail("'click' takes a button name");
                }
                if (args[0] == "Button1") {
                    calculator.cooling.Button1Click();
                } else if (args[0] == "Button2") {
                    calculator.heating.Button2Click();
                } else {
                    return fail("unknown button '" + args[0] + "'");
                }
            } else if (command == "chart") {
                if (!args.empty()) {
                    return fail("'chart' takes no arguments");
                }
                for (const auto& [name, text] :
                     plenova::chart::legendValues(plenova::chart::captureScene(calculator))) {
                    std::cout << name << '=' << text << '\n';
                }
                std::cout.flush();
            } else if (command == "dump") {
                if (!args.empty()) {
                    return fail("'dump' takes no arguments");
                }
                dump(calculator, std::cout);
            } else {
                return fail("unknown command '" + command + "'");
            }
        } catch (const std::exception& error) {
            // What the window's error box would say; the session goes on.
            std::cerr << "line " << lineNumber << ": " << error.what() << ".\n";
        }
    }
    return 0;
}
