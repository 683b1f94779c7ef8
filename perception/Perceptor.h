#ifndef PERCEPTION_PERCEPTOR_H
#define PERCEPTION_PERCEPTOR_H

#include "perception/PerceptorType.h"
#include "utils/parser/ParserTreeNode.h"

#include <string>
#include <string_view>

namespace perception {

/// The base of every perceptor and visible object: the group's keyword and the
/// kind of perceptor it selects.
class Perceptor {
public:
    /// Name "unknown", type NONE.
    Perceptor() = default;
    /// Name and type from the first word of the group's trimmed text.
    explicit Perceptor(const utils::parser::ParserTreeNode& group);
    virtual ~Perceptor() = default;
    Perceptor(const Perceptor&) = default;
    Perceptor& operator=(const Perceptor&) = default;
    Perceptor(Perceptor&&) = default;
    Perceptor& operator=(Perceptor&&) = default;

    const std::string& getName() const { return name; }
    /// A PerceptorType::PERCEPTOR_TYPE value.
    int getPerceptorType() const { return type; }

    /// The server's joint sensor numbering ("hj1" 0 ... "rlj6" 21, trimmed, any
    /// letter case); 22 for any other name.
    static int getHingeJoint(const std::string& name);
    /// "torso" 0, "neck" 1, "head" 2, "shoulder" 3, "upperarm" 4, "elbow" 5,
    /// "lowerarm" 6, "hip1" 7, "hip2" 8, "thigh" 9, "shank" 10, "ankle" 11 (first
    /// word, any letter case); 12 for anything else.
    static int getBodyPart(const std::string& name);

protected:
    /// Perceptors that report a sensor name keep it in place of the keyword.
    void setName(std::string_view sensorName) { name.assign(sensorName); }

private:
    int type = PerceptorType::NONE;
    std::string name = "unknown";
};

} // namespace perception

#endif
