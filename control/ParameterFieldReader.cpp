#include "control/ParameterFieldReader.h"

#include <cmath>
#include <stdexcept>

namespace control {

double ParameterFieldReader::toNumber(const std::string& key, const std::string& text) {
    double value = 0.0;
    try {
        value = std::stod(text);
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument("\"" + key + "\": " + error.what() + " of \"" + text + "\"");
    } catch (const std::out_of_range& error) {
        throw std::out_of_range("\"" + key + "\": " + error.what() + " of \"" + text + "\"");
    }
    // std::stod reads "nan" and "inf"; neither makes a usable walk or kick.
    if (!std::isfinite(value)) {
        throw std::invalid_argument("\"" + key + "\": not a finite number: \"" + text + "\"");
    }
    return value;
}

} // namespace control
