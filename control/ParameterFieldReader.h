#ifndef CONTROL_PARAMETERFIELDREADER_H
#define CONTROL_PARAMETERFIELDREADER_H

#include <boost/property_tree/ptree.hpp>

#include <cstddef>
#include <limits>
#include <string>

namespace control {

/// Reads the numbers of one configuration file's JSON object into the fields
/// of a parameter record, by key.
class ParameterFieldReader {
public:
    /// A field and, for one that only some values make work, the open range
    /// its values must lie in.
    template <typename Record> struct Field {
        const char* key;
        double Record::*member;
        double above = -std::numeric_limits<double>::infinity();
        double below = std::numeric_limits<double>::infinity();
    };

    /// Takes the members in file order; a member whose key (exact, case
    /// included) names a field sets it, other members are ignored, so a key
    /// given twice keeps its last value. A value that does not start with a
    /// number raises std::invalid_argument, one out of the range of a double
    /// std::out_of_range, and "nan", "inf" or a number outside its field's
    /// range std::invalid_argument; each message names the key.
    template <typename Record, std::size_t N>
    static void read(const boost::property_tree::ptree& content, const Field<Record> (&fields)[N], Record& target) {
        for (const auto& member : content) {
            for (const auto& field : fields) {
                if (member.first == field.key) {
                    target.*field.member = toNumber(member.first, member.second.data(), field.above, field.below);
                }
            }
        }
    }

    static double toNumber(const std::string& key, const std::string& text,
                           double above = -std::numeric_limits<double>::infinity(),
                           double below = std::numeric_limits<double>::infinity());
};

} // namespace control

#endif
