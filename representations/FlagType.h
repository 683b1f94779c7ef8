#ifndef REPRESENTATIONS_FLAGTYPE_H
#define REPRESENTATIONS_FLAGTYPE_H

#include <string>

namespace representations {

/// The four corner flags as vision names them.
class FlagType {
public:
    enum FLAG_TYPE : int {
        F1L = 0,
        F2L = 1,
        F1R = 2,
        F2R = 3,
        UNKNOWN = 4,
    };

    /// Exact, case-sensitive match of the server name; anything else is UNKNOWN.
    static FLAG_TYPE identifyType(const std::string& name);
    /// The server name, or the empty text for a value outside 0..3.
    static std::string getFlagName(FLAG_TYPE type);
};

} // namespace representations

#endif
