#ifndef CORE_UTILS_COMMAND_LINE_PARSER_INTENTIONAL_EXCEPTION_H
#define CORE_UTILS_COMMAND_LINE_PARSER_INTENTIONAL_EXCEPTION_H

#include <exception>

namespace core {
namespace utils {
namespace command_line_parser {

/// Thrown once the help text has been printed: the program is to end, successfully.
class intentional_exception : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};

} // namespace command_line_parser
} // namespace utils
} // namespace core

#endif
