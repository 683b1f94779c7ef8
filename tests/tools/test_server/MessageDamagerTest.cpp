#include "tools/test_server/MessageDamager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace tools {
namespace test_server {
namespace {

using Damage = MessageDamager::Damage;

/// The text that took the place of the number in "(time (now 12.50))".
std::string replacedNumber(const std::string& damaged) {
    const std::string before = "(time (now ";
    if (damaged.rfind(before, 0) != 0 || damaged.size() < before.size() + 2 ||
        damaged.compare(damaged.size() - 2, 2, "))") != 0) {
        return "(shape lost) " + damaged;
    }
    return damaged.substr(before.size(), damaged.size() - before.size() - 2);
}

/// Whether the whole text reads as a number, and which.
bool readsAsNumber(const std::string& text, double& number) {
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

/// Whether the text starts with a finite number, and which.
bool readsAsLeadingNumber(const std::string& text, double& number) {
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return end != text.c_str() && std::isfinite(number);
}

/// The text after each "(ax ", up to the next parenthesis.
std::vector<std::string> jointAngles(const std::string& text) {
    std::vector<std::string> angles;
    for (std::size_t at = text.find("(ax "); at != std::string::npos; at = text.find("(ax ", at + 1)) {
        angles.push_back(text.substr(at + 4, text.find_first_of("()", at + 4) - at - 4));
    }
    return angles;
}

long balance(const std::string& text) {
    return std::count(text.begin(), text.end(), '(') - std::count(text.begin(), text.end(), ')');
}

bool isSubsequence(const std::string& part, const std::string& whole) {
    std::size_t at = 0;
    for (const char c : whole) {
        if (at < part.size() && part[at] == c) {
            ++at;
        }
    }
    return at == part.size();
}

TEST(MessageDamagerTest, EachDamageDoesWhatItsNameSays) {
    struct Row {
        Damage damage;
        std::string message;
        std::function<bool(const std::string&, const std::string&)> holds;
    };
    const std::vector<Row> rows{
        {Damage::TRUNCATE, "(time (now 12.50))",
         [](const std::string& m, const std::string& d) { return d.size() < m.size() && m.rfind(d, 0) == 0; }},
        {Damage::UNBALANCE, "(a (b))",
         [](const std::string& m, const std::string& d) { return balance(d) != balance(m); }},
        {Damage::NOT_A_NUMBER, "(time (now 12.50))",
         [](const std::string&, const std::string& d) {
             double number = 0.0;
             return !readsAsNumber(replacedNumber(d), number);
         }},
        {Damage::NOT_FINITE, "(time (now 12.50))",
         [](const std::string&, const std::string& d) {
             double number = 0.0;
             return readsAsNumber(replacedNumber(d), number) && !std::isfinite(number);
         }},
        {Damage::REPEAT_GROUP, "(a (b))",
         [](const std::string&, const std::string& d) { return d == "(a (b))(a (b))" || d == "(a (b)(b))"; }},
        {Damage::DROP_GROUP, "(a (b))",
         [](const std::string&, const std::string& d) { return d.empty() || d == "(a )"; }},
        {Damage::UNKNOWN_NAME, "(HJ (n hj1))",
         [](const std::string& m, const std::string& d) {
             return d != m && (d.find(" (n hj1))") != std::string::npos || d.rfind("(HJ (", 0) == 0);
         }},
        {Damage::STRAY_BYTES, "(HJ (n hj1))",
         [](const std::string& m, const std::string& d) {
             return d.size() > m.size() && d.size() <= m.size() + 8 && isSubsequence(m, d);
         }},
        {Damage::ABSURD_PLAYER, "(GS (unum 3) (team left) (t 0))",
         [](const std::string& m, const std::string& d) { return d != m && (d.find(" (t 0))") != std::string::npos); }},
        {Damage::EMPTY, "(a)", [](const std::string&, const std::string& d) { return d.empty(); }},
        {Damage::BAD_JOINT, "(HJ (n hj1) (ax -1.5))(UJ (n laj1_2) (ax1 2) (ax2 3))(HJ (n hj2) (ax 2.25))",
         [](const std::string& m, const std::string& d) {
             const std::vector<std::string> before = jointAngles(m);
             const std::vector<std::string> after = jointAngles(d);
             int replaced = 0;
             for (std::size_t i = 0; i < before.size() && before.size() == after.size(); ++i) {
                 double number = 0.0;
                 replaced += before[i] != after[i] && !readsAsLeadingNumber(after[i], number) ? 1 : 0;
             }
             return replaced == 1 && after.size() == 2 &&
                    d.find("(UJ (n laj1_2) (ax1 2) (ax2 3))") != std::string::npos;
         }},
        {Damage::DEEP_NESTING, "(a)",
         [](const std::string& m, const std::string& d) {
             return std::count(d.begin(), d.end(), '(') >= 4 && isSubsequence(m, d);
         }},
    };
    MessageDamager damager(3);
    for (const Row& row : rows) {
        for (int draw = 0; draw < 100; ++draw) {
            const std::string damaged = damager.damage(row.message, row.damage);
            ASSERT_TRUE(row.holds(row.message, damaged))
                << "damage " << static_cast<int>(row.damage) << " gave " << damaged.substr(0, 200);
        }
    }
}

TEST(MessageDamagerTest, TheSameSeedDamagesTheSameWay) {
    const std::string message = "(time (now 12.50))(GS (unum 3) (team left) (t 0.00))(HJ (n hj1) (ax -1.5))";
    MessageDamager first(5);
    MessageDamager second(5);
    MessageDamager other(6);
    int differences = 0;
    for (int i = 0; i < 50; ++i) {
        const std::string damaged = first.damage(message);
        EXPECT_EQ(second.damage(message), damaged);
        differences += other.damage(message) != damaged ? 1 : 0;
    }
    EXPECT_GT(differences, 25);
}

} // namespace
} // namespace test_server
} // namespace tools
