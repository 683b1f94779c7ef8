#ifndef PERCEPTION_MALFORMEDINPUTREPORTER_H
#define PERCEPTION_MALFORMEDINPUTREPORTER_H

#include "utils/parser/ParserTreeNode.h"

#include <chrono>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace perception {

/// Writes one line on the standard error stream per piece of server input that
/// perception could not use, but at most one line a second per kind of fault
/// (the reporting class and the group's keyword), so that a fault repeated in
/// every cycle cannot flood the log. The next line of a kind counts the faults
/// left out since its last one; a count still open is written when the
/// reporter goes.
///
/// The second is measured on the steady wall clock, not the server's clock:
/// the log fills in wall-clock time (the server runs many times faster in sync
/// mode), and the server's time comes with the very messages that may be
/// damaged.
class MalformedInputReporter {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::seconds INTERVAL{1};

    explicit MalformedInputReporter(Clock clock = std::chrono::steady_clock::now);
    ~MalformedInputReporter();
    MalformedInputReporter(const MalformedInputReporter&) = delete;
    MalformedInputReporter& operator=(const MalformedInputReporter&) = delete;

    /// A group that was skipped, and why. Its kind is the reporter and the
    /// group's keyword; every word that names no group the agent reads (text
    /// cut short inside a word, say) is of one kind "unknown".
    void reportSkippedGroup(std::string_view reporter, const std::exception& error,
                            const utils::parser::ParserTreeNode& group);
    /// A message that was dropped whole.
    void reportDroppedMessage(std::string_view reporter, const std::exception& error, std::string_view message);

    /// At most limit bytes of text, each byte outside printable ASCII written
    /// as \xNN, so that stray bytes reach no terminal.
    static std::string printable(std::string_view text, std::size_t limit);

private:
    struct Kind {
        std::string reporter;
        std::string name;
        std::chrono::steady_clock::time_point lastLine;
        long left = 0;
    };

    /// The kind's record when a line is due, otherwise null (the fault is counted).
    Kind* admit(std::string_view reporter, std::string_view name);
    static void writeLine(Kind& kind, const std::string& text);

    Clock clock;
    /// One record per kind seen; the reporters and keywords are few and fixed.
    std::vector<Kind> kinds;
};

} // namespace perception

#endif
