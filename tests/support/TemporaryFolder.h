#ifndef TESTS_SUPPORT_TEMPORARYFOLDER_H
#define TESTS_SUPPORT_TEMPORARYFOLDER_H

#include <boost/filesystem.hpp>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tests {

/// A fresh folder for one test, removed with everything in it afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        path = boost::filesystem::temp_directory_path() / boost::filesystem::unique_path("marlowinds-%%%%-%%%%-%%%%");
        boost::filesystem::create_directories(path);
    }
    ~TemporaryFolder() {
        boost::system::error_code ignored;
        boost::filesystem::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string string() const { return path.string(); }
    std::string operator/(const std::string& relative) const { return (path / relative).string(); }

    static void write(const std::string& file, const std::string& text) {
        boost::filesystem::create_directories(boost::filesystem::path(file).parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out) {
            throw std::runtime_error("cannot write " + file);
        }
    }

    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            throw std::runtime_error("cannot read " + file);
        }
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    boost::filesystem::path path;
};

} // namespace tests

#endif
