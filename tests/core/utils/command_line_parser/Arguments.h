#ifndef TESTS_CORE_UTILS_COMMAND_LINE_PARSER_ARGUMENTS_H
#define TESTS_CORE_UTILS_COMMAND_LINE_PARSER_ARGUMENTS_H

#include <string>
#include <utility>
#include <vector>

namespace tests {

/// A command line as main receives it: argv for the given arguments, the
/// program name in front, ending in a null pointer.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> given, const std::string& program = "marlowinds_agent")
        : texts(std::move(given)) {
        texts.insert(texts.begin(), program);
        for (auto& text : texts) {
            pointers.push_back(text.data());
        }
        pointers.push_back(nullptr);
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    int argc() const { return static_cast<int>(texts.size()); }
    char** argv() { return pointers.data(); }

private:
    std::vector<std::string> texts;
    std::vector<char*> pointers;
};

} // namespace tests

#endif
