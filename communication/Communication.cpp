#include "communication/Communication.h"

#include <utility>

namespace communication {

Communication::Communication(std::unique_ptr<ServerSocket> socket) : serverSocket(std::move(socket)) {}

bool Communication::establishConnection() { return serverSocket == nullptr || serverSocket->establishConnection(); }

void Communication::closeConnection() {
    if (serverSocket != nullptr) {
        serverSocket->closeConnection();
    }
}

void Communication::receiveMessage() {
    if (serverSocket == nullptr) {
        currentMessage.clear();
        return;
    }
    currentMessage = serverSocket->receiveMessage();
}

bool Communication::waitForMessage(std::chrono::milliseconds timeout) {
    return serverSocket == nullptr || serverSocket->waitForMessage(timeout);
}

void Communication::sendMessage(const std::string& text) {
    if (!connectionClosed()) {
        serverSocket->sendMessage(text);
    }
}

bool Communication::connectionClosed() const { return serverSocket == nullptr || serverSocket->connectionClosed(); }

} // namespace communication
