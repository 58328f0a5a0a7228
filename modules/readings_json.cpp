#include "modules/readings_json.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

namespace plenova {

namespace {

using Json = nlohmann::ordered_json;

// What a problem found while reading ends the reading with.
struct Unreadable {
    std::string problem;
};

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// The parser keeps only one of two equal keys: the callback sees every key first.
class DuplicateKeys {
  public:
    bool operator()(int /*depth*/, Json::parse_event_t event, Json& parsed) {
        switch (event) {
            case Json::parse_event_t::object_start:
                open_.emplace_back();
                break;
            case Json::parse_event_t::object_end:
                open_.pop_back();
                break;
            case Json::parse_event_t::key:
                if (!open_.back().insert(parsed.get<std::string>()).second && first_.empty()) {
                    first_ = parsed.get<std::string>();
                }
                break;
            default:
                break;
        }
        return true;
    }
    const std::string& first() const { return first_; }

  private:
    std::vector<std::set<std::string>> open_;  // the keys of each object being read
    std::string first_;
};

std::string where(std::string_view text, std::size_t byte) {
    const std::size_t end = std::min(byte, text.size());
    const auto line = 1 + std::count(text.begin(), text.begin() + end, '\n');
    return "line " + std::to_string(line);
}

// The serializer refuses a text that is not UTF-8, wherever in the file the bad byte stands.
bool isUtf8(std::string_view text) {
    try {
        static_cast<void>(Json(std::string(text)).dump());
        return true;
    } catch (const Json::type_error&) {
        return false;
    }
}

Json parse(std::string_view text) {
    DuplicateKeys duplicates;
    Json document;
    try {
        document = Json::parse(text.begin(), text.end(), std::ref(duplicates));
    } catch (const Json::parse_error& error) {
        if (error.byte >= text.size()) {
            throw Unreadable{"the file ends too early: it is incomplete"};
        }
        if (!isUtf8(text)) {
            throw Unreadable{"its text is damaged: it is not UTF-8 text (" +
                             where(text, error.byte) + ")"};
        }
        throw Unreadable{"its text is damaged: it is not a JSON document (" +
                         where(text, error.byte) + ")"};
    } catch (const Json::out_of_range&) {
        throw Unreadable{"it holds a number too large for any reading"};
    }
    if (!duplicates.first().empty()) {
        throw Unreadable{"the entry " + quoted(duplicates.first()) + " appears twice"};
    }
    return document;
}

const char* typeWords(const Json& value) {
    if (value.is_string()) {
        return "a text";
    }
    if (value.is_number_float()) {
        return "a number with decimals";
    }
    if (value.is_number()) {
        return "a number";
    }
    if (value.is_object()) {
        return "a group of entries";
    }
    if (value.is_array()) {
        return "a list";
    }
    if (value.is_boolean()) {
        return "true or false";
    }
    return "empty (null)";
}

Unreadable wrongType(const std::string& key, const char* expected, const Json& value) {
    return {"the entry " + quoted(key) + " should be " + expected + " but is " + typeWords(value)};
}

// An object's entries, each key exactly once, and no other key.
void expectKeys(const Json& object, const std::vector<std::string>& keys) {
    for (const auto& [key, value] : object.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            throw Unreadable{"it holds an unknown entry " + quoted(key)};
        }
    }
    for (const std::string& key : keys) {
        if (!object.contains(key)) {
            throw Unreadable{"the entry " + quoted(key) + " is missing"};
        }
    }
}

const Json& objectAt(const Json& object, const std::string& key) {
    const Json& value = object.at(key);
    if (!value.is_object()) {
        throw wrongType(key, "a group of entries", value);
    }
    return value;
}

long long wholeNumberAt(const Json& object, const std::string& key) {
    const Json& value = object.at(key);
    if (value.is_number_unsigned()) {
        // Beyond every range; the range check names it.
        return static_cast<long long>(std::min<std::uint64_t>(
            value.get<std::uint64_t>(), std::numeric_limits<long long>::max()));
    }
    if (value.is_number_integer()) {
        return value.get<long long>();
    }
    throw wrongType(key, "a whole number", value);
}

double numberAt(const Json& object, const std::string& key) {
    const Json& value = object.at(key);
    if (!value.is_number()) {
        throw wrongType(key, "a number", value);
    }
    return value.get<double>();
}

std::string textAt(const Json& object, const std::string& key) {
    const Json& value = object.at(key);
    if (!value.is_string()) {
        throw wrongType(key, "a text", value);
    }
    return value.get<std::string>();
}

const std::vector<std::string> kTopKeys{
    "format", "version", "sliders", "reportTitle", "reheatCoolingDuties", "MAMAwb"};
const std::vector<std::string> kDutyKeys{"Sload", "Lload"};

Readings readingsOf(const Json& document) {
    const char* notOurs = "it is not a Kelvaro Plenova readings file";
    if (!document.is_object() || !document.contains("format") ||
        document.at("format") != kReadingsFormat) {
        throw Unreadable{notOurs};
    }
    if (!document.contains("version")) {
        throw Unreadable{"the entry \"version\" is missing"};
    }
    const long long version = wholeNumberAt(document, "version");
    if (version != kReadingsVersion) {
        throw Unreadable{"it is of version " + std::to_string(version) +
                         ", and this program reads version " + std::to_string(kReadingsVersion) +
                         " only"};
    }
    expectKeys(document, kTopKeys);

    Readings readings;
    const Json& sliders = objectAt(document, "sliders");
    for (const auto& [name, value] : sliders.items()) {
        const long long position = wholeNumberAt(sliders, name);
        // Far outside every range; checkReadings names the range.
        readings.positions[name] = static_cast<int>(std::clamp<long long>(
            position, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    readings.title = textAt(document, "reportTitle");
    const Json& duties = objectAt(document, "reheatCoolingDuties");
    expectKeys(duties, kDutyKeys);
    readings.reheatDuties.Sload = numberAt(duties, "Sload");
    readings.reheatDuties.Lload = numberAt(duties, "Lload");
    readings.mixedWetBulb = numberAt(document, "MAMAwb");
    return readings;
}

}  // namespace

std::string readingsToJson(Calculator& calc, const Readings& readings) {
    Json sliders = Json::object();
    for (const Slider* slider : calc.sliders()) {
        sliders[slider->name()] = readings.positions.at(slider->name());
    }
    Json document = {
        {"format", kReadingsFormat},
        {"version", kReadingsVersion},
        {"sliders", sliders},
        {"reportTitle", readings.title},
        {"reheatCoolingDuties",
         {{"Sload", readings.reheatDuties.Sload}, {"Lload", readings.reheatDuties.Lload}}},
        {"MAMAwb", readings.mixedWetBulb},
    };
    return document.dump(2) + "\n";
}

ReadingsParse readingsFromJson(Calculator& calc, std::string_view text) {
    try {
        Readings readings = readingsOf(parse(text));
        if (std::string problem = checkReadings(calc, readings); !problem.empty()) {
            return {std::nullopt, problem};
        }
        return {std::move(readings), {}};
    } catch (const Unreadable& unreadable) {
        return {std::nullopt, unreadable.problem};
    } catch (const Json::exception&) {
        // Every case the parser knows is named above; this one says at least what matters.
        return {std::nullopt, "its text is damaged"};
    }
}

}  // namespace plenova
