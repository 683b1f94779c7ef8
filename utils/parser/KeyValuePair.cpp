#include "utils/parser/KeyValuePair.h"

namespace utils {
namespace parser {

KeyValuePair::KeyValuePair(const std::string& text, char separator) {
    const std::string::size_type split = text.find(separator);
    if (split == std::string::npos) {
        return;
    }
    key.assign(text, 0, split);
    value.assign(text, split + 1, std::string::npos);
}

} // namespace parser
} // namespace utils
