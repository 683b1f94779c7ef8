#ifndef CONTROL_NEURALREQUEST_H
#define CONTROL_NEURALREQUEST_H

#include "control/MovementRequest.h"

#include <string>
#include <utility>

namespace control {

/// A neural-network motion by graph name (relative to the network folder, without ".pb").
class NeuralRequest : public MovementRequest {
public:
    explicit NeuralRequest(std::string name) : MovementRequest(MovementRequestType::NEURAL), name(std::move(name)) {}

    std::string getName() const { return name; }

private:
    std::string name;
};

} // namespace control

#endif
