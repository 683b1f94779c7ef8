#include "control/ParameterFieldReader.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace control {

namespace {

std::string numberText(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

} // namespace

double ParameterFieldReader::toNumber(const std::string& key, const std::string& text, double above, double below) {
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
    if (!(value > above && value < below)) {
        throw std::invalid_argument("\"" + key + "\": \"" + text + "\" must be above " + numberText(above) +
                                    (std::isfinite(below) ? " and below " + numberText(below) : ""));
    }
    return value;
}

} // namespace control
