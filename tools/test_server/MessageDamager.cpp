#include "tools/test_server/MessageDamager.h"

#include <algorithm>
#include <string_view>

namespace tools {
namespace test_server {

namespace {

const char* const NOT_NUMBERS[] = {"x",     "",    "-",   ".",   "1.2.3",    "--1", "1e",  "0x1G",
                                   "12.5s", "1,5", "one", "+-3", "\xd9\xa3", "1 2", "1e+", "true"};
const char* const NOT_FINITE_NUMBERS[] = {"nan", "NaN", "-nan", "inf", "-inf", "INF", "infinity", "1e999", "-1e400"};
const char* const NOT_ANGLES[] = {"x",   "",         "-",    ".",   "--1",  "one",
                                  "+-3", "\xd9\xa3", "true", "nan", "-inf", "infinity"};
const char* const UNKNOWN_NAMES[] = {"hj",  "XYZ", "Gs",   "SEE", "b",     "pole",  "F3L",
                                     "G3R", "P2",  "Time", "syn", "mypos", "n hj1", ""};
const char* const ABSURD_NUMBERS[] = {"0", "-1", "12", "99", "100000", "-2147483648", "2147483647", "007", "+3"};
const char* const ABSURD_SIDES[] = {"middle", "", "LEFT", "leftright", "right left", "none"};
// Top-level groups count one level; a parser that allows a thousand levels is probed on both sides.
const std::size_t NESTING_DEPTHS[] = {3, 100, 998, 999, 1000, 1001, 5000, 100000};
const char* const PLAYER_KEYS[] = {"(unum ", "(id ", "(team "};

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || std::string_view("+-.eE").find(c) != std::string_view::npos;
}

} // namespace

MessageDamager::MessageDamager(unsigned seed) : engine(seed) {}

std::size_t MessageDamager::draw(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine);
}

bool MessageDamager::chance(double probability) { return std::bernoulli_distribution(probability)(engine); }

std::string MessageDamager::damage(const std::string& message) {
    std::string damaged = message;
    const std::size_t count = 1 + draw(3);
    for (std::size_t i = 0; i < count; ++i) {
        damaged = damage(std::move(damaged), static_cast<Damage>(draw(NUMBER_OF_DAMAGES)));
    }
    return damaged;
}

std::string MessageDamager::damage(std::string message, Damage kind) {
    switch (kind) {
    case Damage::TRUNCATE:
        message.resize(draw(std::max<std::size_t>(message.size(), 1)));
        break;
    case Damage::UNBALANCE: {
        // Every edit leans the same way, so the parentheses never balance again.
        const bool moreOpening = chance(0.5);
        for (std::size_t edits = 1 + draw(3); edits > 0; --edits) {
            const std::size_t at = draw(message.size() + 1);
            const std::size_t other = message.find(moreOpening ? ')' : '(', at);
            if (chance(0.5) || other == std::string::npos) {
                message.insert(at, 1, moreOpening ? '(' : ')');
            } else {
                message.erase(other, 1);
            }
        }
        break;
    }
    case Damage::NOT_A_NUMBER:
        replaceNumber(message, pick(NOT_NUMBERS));
        break;
    case Damage::NOT_FINITE:
        replaceNumber(message, pick(NOT_FINITE_NUMBERS));
        break;
    case Damage::REPEAT_GROUP:
    case Damage::DROP_GROUP:
    case Damage::UNKNOWN_NAME: {
        const auto spans = groups(message);
        if (spans.empty()) {
            break;
        }
        const auto [open, close] = spans[draw(spans.size())];
        if (kind == Damage::REPEAT_GROUP) {
            message.insert(close + 1, message, open, close + 1 - open);
        } else if (kind == Damage::DROP_GROUP) {
            message.erase(open, close + 1 - open);
        } else {
            const std::size_t end = message.find_first_of(" ()", open + 1);
            message.replace(open + 1, end - open - 1, pick(UNKNOWN_NAMES));
        }
        break;
    }
    case Damage::STRAY_BYTES:
        for (std::size_t bytes = 1 + draw(8); bytes > 0; --bytes) {
            message.insert(draw(message.size() + 1), 1, static_cast<char>(draw(256)));
        }
        break;
    case Damage::ABSURD_PLAYER: {
        const std::string key = pick(PLAYER_KEYS);
        const std::size_t at = message.find(key, draw(message.size() + 1));
        const bool side = key == "(team ";
        if (at == std::string::npos) {
            message.insert(0,
                           std::string("(GS (unum ") + pick(ABSURD_NUMBERS) + ") (team " + pick(ABSURD_SIDES) + "))");
            break;
        }
        const std::size_t value = at + key.size();
        message.replace(value, message.find(')', value) - value, side ? pick(ABSURD_SIDES) : pick(ABSURD_NUMBERS));
        break;
    }
    case Damage::EMPTY:
        message.clear();
        break;
    case Damage::BAD_JOINT: {
        // Only the joint groups hold "(ax "; the universal joints' keys go on with a digit.
        std::vector<std::size_t> angles;
        for (std::size_t at = message.find("(ax "); at != std::string::npos; at = message.find("(ax ", at + 1)) {
            angles.push_back(at + 4);
        }
        if (!angles.empty()) {
            const std::size_t value = angles[draw(angles.size())];
            message.replace(value, message.find_first_of("()", value) - value, pick(NOT_ANGLES));
        }
        break;
    }
    case Damage::DEEP_NESTING: {
        const std::size_t depth = pick(NESTING_DEPTHS);
        const std::size_t at = draw(message.size() + 1);
        message.insert(at, depth, '(');
        if (chance(0.5)) {
            message.insert(at + depth + draw(message.size() - at - depth + 1), depth, ')');
        }
        break;
    }
    }
    return message;
}

void MessageDamager::replaceNumber(std::string& message, const std::string& text) {
    const auto spans = numbers(message);
    if (!spans.empty()) {
        const auto [begin, length] = spans[draw(spans.size())];
        message.replace(begin, length, text);
    }
}

std::vector<std::pair<std::size_t, std::size_t>> MessageDamager::numbers(const std::string& message) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    std::size_t begin = 0;
    while (begin < message.size()) {
        const std::size_t end = std::min(message.find_first_of(" ()", begin), message.size());
        const auto first = message.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto last = message.begin() + static_cast<std::ptrdiff_t>(end);
        if (end > begin && std::all_of(first, last, isNumberCharacter) &&
            std::any_of(first, last, [](char c) { return c >= '0' && c <= '9'; })) {
            spans.emplace_back(begin, end - begin);
        }
        begin = end + 1;
    }
    return spans;
}

std::vector<std::pair<std::size_t, std::size_t>> MessageDamager::groups(const std::string& message) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '(') {
            open.push_back(i);
        } else if (message[i] == ')' && !open.empty()) {
            spans.emplace_back(open.back(), i);
            open.pop_back();
        }
    }
    return spans;
}

} // namespace test_server
} // namespace tools
