#include "core/utils/parameter_store/ParameterNode.h"

#include "core/utils/parameter_store/ParameterStore.h"

#include <boost/filesystem.hpp>
#include <boost/property_tree/json_parser.hpp>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

namespace core {
namespace utils {
namespace parameter_store {

namespace fs = boost::filesystem;

const std::string ParameterNode::VALUES_FILE = "values.json";

namespace {

bool isFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

void appendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

/// Writes text to a new file and flushes it to the disk before closing, so that
/// the rename that follows never publishes a file whose data is still in flight.
bool writeWhole(const std::string& file, const std::string& text) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (descriptor < 0) {
        return false;
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(descriptor, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            ::close(descriptor);
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    const bool synced = ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && synced;
}

} // namespace

ParameterNode::ParameterNode(const ParameterStore& store) : store(store) {}

ParameterNode& ParameterNode::newChild(const std::string& name) {
    if (!isFolderName(name)) {
        throw std::invalid_argument("parameter store: \"" + name + "\" cannot name a node");
    }
    auto& slot = children[name];
    if (!slot) {
        slot = std::make_unique<ParameterNode>(store);
    }
    return *slot;
}

ParameterNode& ParameterNode::child(const std::string& name) {
    const auto found = children.find(name);
    if (found == children.end()) {
        throw std::out_of_range("parameter store: no node \"" + name + "\"");
    }
    return *found->second;
}

bool ParameterNode::hasChild(const std::string& name) const { return children.count(name) != 0; }

bool ParameterNode::hasValue(const std::string& name) const { return values.count(name) != 0; }

bool ParameterNode::getValue(const std::string& name) const {
    const auto found = values.find(name);
    if (found == values.end()) {
        throw std::out_of_range("parameter store: no value \"" + name + "\"");
    }
    return found->second.value;
}

void ParameterNode::setValue(const std::string& name, bool value, bool persisted) {
    values[name] = Value{value, persisted};
}

std::string ParameterNode::folder(const std::string& path) const {
    return path.empty() ? store.getOriginFolder() : store.getOriginFolder() + "/" + path;
}

void ParameterNode::load(const std::string& path) {
    loadedFrom = path;
    read(path);
}

void ParameterNode::read(const std::string& path) {
    const std::string here = folder(path);
    boost::system::error_code error;
    if (!fs::is_directory(here, error)) {
        return;
    }
    const std::string file = here + "/" + VALUES_FILE;
    if (fs::exists(file, error)) {
        readValues(file);
    }
    for (fs::directory_iterator entry(here, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (fs::is_directory(entry->status()) && isFolderName(name)) {
            newChild(name).read(path.empty() ? name : path + "/" + name);
        }
    }
    if (error) {
        throw std::runtime_error("parameter store: cannot read the folder " + here + ": " + error.message());
    }
}

void ParameterNode::readValues(const std::string& file) {
    boost::property_tree::ptree tree;
    try {
        boost::property_tree::read_json(file, tree);
    } catch (const boost::property_tree::json_parser_error& error) {
        throw std::runtime_error("parameter store: " + error.message() + " in " + file + " line " +
                                 std::to_string(error.line()));
    }
    for (const auto& [name, entry] : tree) {
        const std::string& text = entry.data();
        if (name.empty() || !entry.empty() || (text != "true" && text != "false")) {
            throw std::runtime_error("parameter store: " + file + ": \"" + name + "\" is not true or false");
        }
        setValue(name, text == "true", true);
    }
}

bool ParameterNode::save(const std::string& path) const noexcept {
    try {
        const std::string here = folder(path);
        boost::system::error_code error;
        fs::create_directories(here, error);
        if (error) {
            std::cerr << "(ParameterStore) cannot create the folder " << here << ": " << error.message() << std::endl;
            return false;
        }
        bool saved = writeValues(here);
        for (const auto& [name, node] : children) {
            const std::string below = path.empty() ? name : path + "/" + name;
            saved = node->save(node->loadedFrom.value_or(below)) && saved;
        }
        return saved;
    } catch (const std::exception& error) {
        std::cerr << "(ParameterStore) cannot save " << path << ": " << error.what() << std::endl;
        return false;
    }
}

bool ParameterNode::writeValues(const std::string& here) const {
    std::string text = "{";
    const char* separator = "\n";
    for (const auto& [name, entry] : values) {
        if (!entry.persisted) {
            continue;
        }
        text += separator;
        text += "    ";
        appendJsonString(text, name);
        text += entry.value ? ": true" : ": false";
        separator = ",\n";
    }
    text += "\n}\n";

    const std::string file = here + "/" + VALUES_FILE;
    // Agents of one team share the store's folder, so each writes its own
    // temporary file; the rename then replaces the old file in one step.
    const std::string temporary = file + ".tmp" + std::to_string(::getpid());
    if (!writeWhole(temporary, text)) {
        std::remove(temporary.c_str());
        std::cerr << "(ParameterStore) cannot write " << temporary << std::endl;
        return false;
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        std::cerr << "(ParameterStore) cannot replace " << file << std::endl;
        return false;
    }
    return true;
}

} // namespace parameter_store
} // namespace utils
} // namespace core
