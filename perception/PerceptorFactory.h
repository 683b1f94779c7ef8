#ifndef PERCEPTION_PERCEPTORFACTORY_H
#define PERCEPTION_PERCEPTORFACTORY_H

#include "perception/MalformedInputReporter.h"
#include "perception/Perceptor.h"
#include "utils/parser/ParserTreeNode.h"

#include <memory>
#include <vector>

namespace perception {

/// Makes one perceptor per top-level group of a message, chosen by the group's
/// keyword (exact, case-sensitive); groups with other keywords are skipped. A
/// malformed group (a part missing, a number that does not read or is not
/// finite) is skipped and reported, and the rest of the message is used.
class PerceptorFactory {
public:
    PerceptorFactory();
    virtual ~PerceptorFactory() = default;

    /// Replaces the previous message's perceptors. Trims each group's text in
    /// place first.
    void update(utils::parser::ParserTreeNode& root);
    /// The current message's perceptors in the order of their groups; they live
    /// until the next update.
    std::vector<std::unique_ptr<Perceptor>>& getPerceptors() { return perceptors; }
    /// Whether the last update left out a malformed group.
    bool skippedAGroup() const { return skipped; }
    /// Where every fault in the server's input is reported.
    MalformedInputReporter& getReporter() { return reporter; }

private:
    std::vector<std::unique_ptr<Perceptor>> perceptors;
    bool skipped = false;
    MalformedInputReporter reporter;
};

} // namespace perception

#endif
