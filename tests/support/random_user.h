// A random user of the control models: one action at a time, as the window would turn a key,
// a click, a drag, an import or a page change into model calls. The same seed gives the same
// actions, so two calculators in the same state can be driven alike.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "modules/calculator.h"

namespace plenova::testing {

// One user action, as the window would turn it into model calls.
class RandomUser {
  public:
    RandomUser(Calculator& calc, std::uint64_t seed) : calc_(calc), random_(seed) {
        sliders_ = calc.sliders();
    }

    std::string act() {
        Slider& s = *sliders_[pick(sliders_.size())];
        switch (pick(9)) {
            case 0: {  // anywhere, also outside the range (clamped)
                const long long span = s.max() - s.min();
                const long long to =
                    s.min() - span / 4 + static_cast<long long>(pick(span * 3 / 2 + 1));
                s.setPosition(to);
                return "set " + s.name() + " " + std::to_string(to);
            }
            case 1:
            case 2: {  // arrow: small step
                const int step = pick(2) ? s.smallStep() : -s.smallStep();
                s.setPosition(static_cast<long long>(s.position()) + step);
                return "step " + s.name() + " " + std::to_string(step);
            }
            case 3: {  // page: large step
                const int step = pick(2) ? s.largeStep() : -s.largeStep();
                s.setPosition(static_cast<long long>(s.position()) + step);
                return "page " + s.name() + " " + std::to_string(step);
            }
            case 4: {  // Home / End
                s.setPosition(pick(2) ? s.min() : s.max());
                return "home/end " + s.name();
            }
            case 5: {  // a drag through every position up to 60 away
                const int target = s.position() + static_cast<int>(pick(121)) - 60;
                const int direction = target >= s.position() ? 1 : -1;
                for (int p = s.position(); p != target; p += direction) {
                    s.setPosition(p + direction);
                }
                return "drag " + s.name() + " to " + std::to_string(target);
            }
            case 6:
                calc_.cooling.Button1Click();
                return "click Button1";
            case 7:
                calc_.heating.Button2Click();
                return "click Button2";
            default:
                // A page change or a print with no printer: both only fill the report.
                calc_.PageControlChange();
                return "page change";
        }
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

  private:
    Calculator& calc_;
    std::mt19937_64 random_;
    std::vector<Slider*> sliders_;
};

}  // namespace plenova::testing
